#pragma once
// Finding and driving one note process from the test: its window, its text control, its
// context menu, and a window of the test's own to take the focus away.

#include <windows.h>

#include <string>

#include "e2e.h"
#include "note/NoteCommands.h"

namespace notes {

const int kEditId = 206;

// Writes the note file `name` into `dir`, starts a note process for it and returns its
// window once the first paint has placed it and it is the active window; nullptr when no
// note came.
HWND StartStoredNote(const e2e::TempDir& dir, e2e::Process& note, const std::string& name,
                     const std::string& bytes);
// The note window of that process once it is visible and has run its first paint.
HWND WaitForNote(const e2e::Process& process);
HWND EditOf(HWND note);
std::string NoteText(HWND note);
// EM_GETSEL of the note's text control: start and end.
std::pair<int, int> Selection(HWND note);

// The settings file of the built-in look with that size, as the program writes it.
std::string BuiltInSettingsBytes(int width, int height);

// Types into the active note and waits until its control holds `expected`.
bool TypeInto(HWND note, const std::string& typed, const std::string& expected);

// Opens the note's context menu with a right click at (x, y) and picks the command with that
// id (note/NoteCommands.h). False when no menu came.
bool PickMenuCommand(HWND note, int x, int y, UINT commandId);
// The number of Down presses that light the command in an opened menu.
int MenuDowns(UINT commandId);
enum MenuCommand : UINT {
    kUndo = ID_NOTE_UNDO,
    kCut = ID_NOTE_CUT,
    kCopy = ID_NOTE_COPY,
    kPaste = ID_NOTE_PASTE,
    kSelectAll = ID_NOTE_SELECTALL,
    kBlankPaper = ID_NOTE_BLANK,
    kPrint = ID_NOTE_PRINT,
    kSave = ID_NOTE_SAVE,
    kAlarm = ID_NOTE_ALARM,
    kOptions = ID_NOTE_OPTIONS,
    kNewPaper = ID_NOTE_NEWPAPER,
    kAbout = ID_NOTE_ABOUT,
    kMinimize = ID_NOTE_MINIMIZE,
    kClose = ID_NOTE_CLOSE
};

// A plain top-level window of the test process that takes the focus from the note.
class FocusThief {
public:
    FocusThief();
    ~FocusThief();
    FocusThief(const FocusThief&) = delete;
    FocusThief& operator=(const FocusThief&) = delete;
    // Activates the window, which makes the note lose the focus and save.
    bool Steal();

private:
    HWND m_window;
};

// A screenshot of the note (or the whole screen when note is null) in the screenshot folder.
void Snapshot(const std::string& name, HWND note = nullptr);

} // namespace notes
