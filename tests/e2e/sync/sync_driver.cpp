// One step of the two-PC test on one "PC" (the Wine prefix and display it runs in), in the
// notes folder that is its working directory. Prints what the script checks; exit 0 on
// success, 1 with the reason on stderr.
//   sync_driver new TEXT          a new note typed with TEXT; prints its file name
//   sync_driver type NOTE TEXT    TEXT typed at the end of the running note NOTE
//   sync_driver text NOTE         prints the text the running note NOTE shows
//   sync_driver close NOTE        "Close" from the note's menu
//   sync_driver shot FILE         a screenshot of the display

#include <windows.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "NoteDriver.h"
#include "e2e.h"
#include "note/NoteOwner.h"

namespace {

int Fail(const char* what)
{
    fprintf(stderr, "sync_driver: %s\n", what);
    return 1;
}

std::vector<std::string> NoteFiles()
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("*.tkn", &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// The running note window of that file, waited for a while (the tray may still start it).
HWND NoteWindow(const char* note, DWORD timeoutMs)
{
    std::string owner = NoteOwnerNameFor(note);
    HWND window = nullptr;
    e2e::WaitUntil([&] { return (window = FindOwnerWindow(owner)) != nullptr; }, timeoutMs);
    return window;
}

// Types at the end of the note's text, then takes the focus away, which saves the note.
bool TypeAtEnd(HWND note, const std::string& text)
{
    std::string expected = notes::NoteText(note) + text;
    if (!e2e::Activate(note)) return false;
    SendMessageA(notes::EditOf(note), EM_SETSEL, 0x7FFF, 0x7FFF);
    if (!notes::TypeInto(note, text, expected)) return false;
    notes::FocusThief thief;
    return thief.Steal();
}

int NewNote(const std::string& text)
{
    std::set<std::string> before;
    for (const std::string& name : NoteFiles())
        before.insert(name);
    std::set<HWND> windows;
    for (HWND w : e2e::TopLevelWindows(0, "#32770", "Tacknote"))
        windows.insert(w);
    std::string exe = e2e::BuildDir() + "tacknote.exe private";
    if (WinExec(exe.c_str(), SW_SHOW) <= 31) return Fail("tacknote.exe did not start");
    HWND note = nullptr;
    e2e::WaitUntil(
        [&] {
            for (HWND w : e2e::TopLevelWindows(0, "#32770", "Tacknote"))
                if (!windows.count(w)) note = w;
            return note != nullptr;
        },
        15000);
    if (!note) return Fail("no new note window");
    Sleep(500); // its first paint places it
    if (!TypeAtEnd(note, text)) return Fail("typing into the new note failed");
    std::string created;
    e2e::WaitUntil(
        [&] {
            for (const std::string& name : NoteFiles())
                if (!before.count(name)) created = name;
            return !created.empty();
        },
        5000);
    if (created.empty()) return Fail("the new note wrote no file");
    printf("%s\n", created.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "new" && argc == 3) return NewNote(argv[2]);
    if (command == "shot" && argc == 3) return e2e::Screenshot(argv[2]) ? 0 : Fail("no screenshot");
    if (argc < 3) return Fail("usage: new TEXT | type NOTE TEXT | text NOTE | close NOTE | shot FILE");
    HWND note = NoteWindow(argv[2], command == "text" ? 1000 : 10000);
    if (!note) return Fail("no running note for that file");
    if (command == "text") {
        printf("%s\n", notes::NoteText(note).c_str());
        return 0;
    }
    if (command == "type" && argc == 4) return TypeAtEnd(note, argv[3]) ? 0 : Fail("typing failed");
    if (command == "close") {
        RECT rc = e2e::WindowRect(note);
        if (!e2e::Activate(note)) return Fail("the note did not come to the front");
        if (!notes::PickMenuCommand(note, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2,
                                    notes::kClose)) {
            return Fail("no menu");
        }
        return e2e::WaitUntil([&] { return !IsWindow(note); }, 5000) ? 0 : Fail("still open");
    }
    return Fail("unknown command");
}
