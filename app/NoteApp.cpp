#include "app/NoteApp.h"

#include "app/TrayRole.h"
#include "note/CommandTail.h"
#include "note/NoteDlg.h"
#include "note/NoteName.h"
#include "note/NoteOwner.h"
#include "note/NoteStartup.h"
#include "note/NoteState.h"

CNoteApp theApp;

CNoteApp::CNoteApp() = default;

CNoteApp::~CNoteApp() = default;

BOOL CNoteApp::InitInstance() {
    Enable3dControlsStatic();
    const char* tail = m_lpCmdLine ? m_lpCmdLine : "";
    switch (RoleForTail(tail)) {
    case ProcessRole::Tray:
        return StartTrayInstance();
    case ProcessRole::NewNote:
        if (!StartNewNote()) return FALSE;
        break;
    case ProcessRole::StoredNote:
        // Shown by a live process already (a restarted tray, a double start): that one is
        // brought to the front, and this one ends before reading or writing anything.
        if (!TakeNoteOwnership(tail)) return FALSE;
        // A missing, locked or unreadable note, or a file that is no note, ends the process
        // before anything is written, so it is never overwritten with an empty note.
        if (!PrepareStoredNote(tail)) return FALSE;
        break;
    case ProcessRole::Refused:
        // Not a name this program makes: it could name a file elsewhere that Close deletes.
        return FALSE;
    }
    RunNote();
    return FALSE;
}

// Owned from the start, so that a tray restarted before its first save can't open it a second
// time. Two notes started at once may pick the same free name; the one that claims it second
// picks another.
bool CNoteApp::StartNewNote() {
    const int kAttempts = 8;
    for (int i = 0; i < kAttempts; ++i) {
        if (!PrepareNewNote(SystemNames(), GetSystemMetrics(SM_CXSCREEN))) return false;
        if (ClaimNoteName(g_szNoteFile)) return true;
    }
    return false;
}

void CNoteApp::RunNote() {
    CNoteDlg note; // its text control reads the note's settings here
    m_pMainWnd = &note;
    note.DoModal();
    m_pMainWnd = nullptr;
}
