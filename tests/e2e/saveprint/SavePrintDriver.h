#pragma once
// A stored note for the save and print tests, and the dialogs its commands open.

#include <windows.h>

#include <string>

#include "NoteDriver.h"
#include "e2e.h"

namespace saveprint {

const RECT kStored = {100, 150, 420, 390};
// A point inside the note, for its context menu.
const int kMenuX = 200, kMenuY = 200;

class NoteOutput : public e2e::TacknoteTest {
protected:
    HWND StartNote(e2e::Process& note, const std::string& text)
    {
        dir.Write("tkn5.ini", notes::BuiltInSettingsBytes(320, 240));
        return notes::StartStoredNote(dir, note, "tkn5.tkn", e2e::NoteFileBytes(kStored, text));
    }
    void Select(HWND note, int start, int end)
    {
        SendMessageTimeoutA(notes::EditOf(note), EM_SETSEL, start, end, SMTO_ABORTIFHUNG, 2000,
                            nullptr);
    }
};

// A dialog of the note's process with that caption other than the note itself (whose own
// caption is "Tacknote").
inline HWND WaitForDialog(HWND note, const char* caption, DWORD timeoutMs = 5000)
{
    HWND found = nullptr;
    e2e::WaitUntil(
        [&] {
            for (HWND w : e2e::TopLevelWindows(e2e::WindowProcessId(note), "#32770", caption)) {
                if (w != note) found = w;
            }
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

// The text of a message box (its static control 0xFFFF).
inline std::string MessageText(HWND box)
{
    return e2e::WindowText(GetDlgItem(box, 0xFFFF));
}

inline bool CloseDialog(HWND dlg, int id)
{
    PostMessageA(dlg, WM_COMMAND, id, 0);
    return e2e::WaitUntil([&] { return !IsWindow(dlg) || !IsWindowVisible(dlg); }, 5000);
}

} // namespace saveprint
