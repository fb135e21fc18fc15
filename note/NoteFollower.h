#pragma once
// A running note in step with its two files when another program changes them: a sync
// service bringing the other PC's edit, or closing the note there. Asked from the note
// window's timer; the folder's change notification says when to look at the files.

#include <windows.h>

#include "framework/FolderWatch.h"

class CNoteEdit;
class CWnd;

class NoteFollower {
public:
    // Starts watching the working directory.
    void Begin();
    // Looks at the files when the folder changed; takes what changed into `note` and `edit`.
    void Check(CWnd* note, CNoteEdit& edit);

private:
    // A missing file is believed only when it stays missing for a moment: a program that
    // deletes and then writes, instead of renaming over, leaves no file for an instant.
    bool GoneForGood(bool present);
    void FollowSettings(CWnd* note, CNoteEdit& edit);

    CFolderWatch m_watch;
    DWORD m_goneSince = 0;
    bool m_gone = false;
};
