#pragma once
// Finding and driving one note process from the test: its window, its text control, its
// context menu, and a window of the test's own to take the focus away.

#include <windows.h>

#include <string>

#include "e2e.h"

namespace notes {

const int kEditId = 206;

// The note window of that process once it is visible and has run its first paint.
HWND WaitForNote(const e2e::Process& process);
HWND EditOf(HWND note);
std::string NoteText(HWND note);
// EM_GETSEL of the note's text control: start and end.
std::pair<int, int> Selection(HWND note);

// "L\r\nT\r\nR\r\nB\r\n" + text: what a note file holds for that window rectangle.
std::string NoteFileBytes(const RECT& rc, const std::string& text);
// The settings file of the built-in look with that size, as the program writes it.
std::string BuiltInSettingsBytes(int width, int height);

// Types into the active note and waits until its control holds `expected`.
bool TypeInto(HWND note, const std::string& typed, const std::string& expected);

// Opens the note's context menu with a right click at (x, y) and picks the n-th command
// (1 = "Blank Paper" ... 9 = "Close"; separators are not counted). False when no menu came.
bool PickMenuCommand(HWND note, int x, int y, int commandIndex);
enum MenuCommand {
    kBlankPaper = 1,
    kPrint,
    kSave,
    kAlarm,
    kOptions,
    kNewPaper,
    kAbout,
    kMinimize,
    kClose
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

// Waits until the named file in `dir` holds exactly `bytes`; returns what it last held.
std::string WaitForFile(const e2e::TempDir& dir, const std::string& name, const std::string& bytes,
                        DWORD timeoutMs = 3000);

// A screenshot of the note (or the whole screen when note is null) in the screenshot folder.
void Snapshot(const std::string& name, HWND note = nullptr);

} // namespace notes
