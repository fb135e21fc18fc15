// Many notes at once, as a user meets them: Show/Hide All Notes from the tray menu and its
// hotkey, the notes list with its filter, opening a closed note from it, the list following
// the folder, and notes brought back from off the monitors.
#include <string>

#include "e2e.h"

#include <commctrl.h>
#include "res/resource.h"
#include "tray_driver.h"

namespace {

const char kListTitle[] = "Tacknote Notes";
const int kNotes = 6;

// Each note at its own place; the third line of the fourth holds the word the filter finds.
const RECT kRects[kNotes] = {{20, 40, 220, 190},   {240, 40, 440, 190},  {460, 40, 660, 190},
                             {20, 250, 220, 400},  {240, 250, 440, 400}, {460, 250, 660, 400}};
std::string NoteText(int i) {
    if (i == 3) return "Work\r\ncall\r\nthe plumber at noon";
    if (i == 5) return "Sixth note\r\nclosed with Alt+F4";
    return "Note " + std::to_string(i + 1) + "\r\nnothing else";
}
std::string NoteName(int i) {
    return "tkn" + std::to_string(i + 1) + ".tkn";
}

HWND NoteAt(const RECT& want, DWORD except) {
    for (HWND note : tray::NoteWindows(except)) {
        RECT got = e2e::WindowRect(note);
        if (EqualRect(&got, &want)) return note;
    }
    return nullptr;
}

// Win+Shift+K as the keyboard sends it.
void PressHotkey() {
    const WORD keys[] = {VK_LWIN, VK_SHIFT, 'K'};
    INPUT input[6] = {};
    for (int i = 0; i < 3; ++i) {
        input[i].type = INPUT_KEYBOARD;
        input[i].ki.wVk = keys[i];
        input[5 - i].type = INPUT_KEYBOARD;
        input[5 - i].ki.wVk = keys[i];
        input[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(6, input, sizeof(INPUT));
}

void PickTrayItem(const e2e::Process& trayProcess, UINT id) {
    ASSERT_TRUE(tray::PostIconNotify(trayProcess, tray::kIconId, WM_RBUTTONUP));
    HWND menu = tray::WaitForMenu();
    ASSERT_NE(nullptr, menu);
    ASSERT_TRUE(e2e::PickTrayMenuItem(menu, id));
    ASSERT_TRUE(tray::MenuGone());
}

const UINT kShowAll = ID_TRAY_SHOWALL, kHideAll = ID_TRAY_HIDEALL, kNotesList = ID_TRAY_NOTELIST;

class NotesList : public e2e::TacknoteTest {
protected:
    // Five notes running (two of them minimized) and a sixth closed with Alt+F4.
    void StartSixNotes() {
        for (int i = 0; i < kNotes; ++i) dir.Write(NoteName(i), e2e::NoteFileBytes(kRects[i], NoteText(i)));
        // Colours and an alarm for the list to show (colours stored as 00BBGGRR in hex).
        dir.Write("tkn2.ini", "[Settings]\r\nBackgroundColor=C0C0FF\r\n");
        dir.Write("tkn3.ini", "[Settings]\r\nBackgroundColor=FFE0B0\r\n");
        dir.Write("tkn4.ini", "[Settings]\r\nBackgroundColor=C0FFC0\r\n[Alarm]\r\n"
                              "Moment=2026-12-24 18:30\r\nBeep=1\r\nShake=0\r\n");
        trayProcess = tray::StartTray(dir);
        ASSERT_TRUE(tray::WaitForNotes(kNotes, trayProcess.Id()));
        for (int i = 0; i < kNotes; ++i) {
            ASSERT_TRUE(e2e::WaitUntil([&] { return (notes[i] = NoteAt(kRects[i], trayProcess.Id())) != nullptr; }))
                << "note " << i + 1 << " not at its place";
        }
        ASSERT_TRUE(e2e::Activate(notes[5]));
        e2e::PressKey(VK_F4, true);
        ASSERT_TRUE(tray::WaitForNotes(kNotes - 1, trayProcess.Id()));
        EXPECT_TRUE(dir.Exists(NoteName(5))) << "Alt+F4 keeps the files";
        ShowWindow(notes[1], SW_MINIMIZE);
        ShowWindow(notes[2], SW_MINIMIZE);
        ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(notes[1]) && IsIconic(notes[2]); }));
    }

    bool AllMinimized() {
        for (int i = 0; i < kNotes - 1; ++i)
            if (!IsIconic(notes[i])) return false;
        return true;
    }
    bool AllShownAtTheirPlaces() {
        for (int i = 0; i < kNotes - 1; ++i) {
            RECT got = e2e::WindowRect(notes[i]);
            if (IsIconic(notes[i]) || !IsWindowVisible(notes[i]) || !EqualRect(&got, &kRects[i]))
                return false;
        }
        return true;
    }

    HWND OpenList() {
        PickTrayItem(trayProcess, kNotesList);
        return e2e::WaitForWindow(trayProcess.Id(), "#32770", kListTitle);
    }

    e2e::Process trayProcess;
    HWND notes[kNotes] = {};
};

int Rows(HWND list) {
    return static_cast<int>(SendMessageA(GetDlgItem(list, IDC_NOTELIST_LIST), LVM_GETITEMCOUNT, 0, 0));
}

std::string Count(HWND list) {
    return e2e::WindowText(GetDlgItem(list, IDC_NOTELIST_COUNT));
}

TEST_F(NotesList, HideAndShowAllFromTheMenuAndTheHotkey) {
    ASSERT_NO_FATAL_FAILURE(StartSixNotes());
    HWND host = tray::HostWindow(trayProcess.Id());
    PickTrayItem(trayProcess, kHideAll);
    EXPECT_TRUE(e2e::WaitUntil([&] { return AllMinimized(); })) << "Hide All Notes";
    PickTrayItem(trayProcess, kShowAll);
    EXPECT_TRUE(e2e::WaitUntil([&] { return AllShownAtTheirPlaces(); })) << "Show All Notes";
    EXPECT_EQ(kNotes - 1, static_cast<int>(tray::NoteWindows(trayProcess.Id()).size()))
        << "the closed note stays closed";

    // The hotkey toggles from another program's window, which keeps the focus.
    HWND other = CreateWindowExA(0, "STATIC", "another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 700, 450, 300, 200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(e2e::Activate(other));
    PressHotkey();
    EXPECT_TRUE(e2e::WaitUntil([&] { return AllMinimized(); })) << "hotkey: hide";
    PressHotkey();
    EXPECT_TRUE(e2e::WaitUntil([&] { return AllShownAtTheirPlaces(); })) << "hotkey: show";
    Sleep(300);
    EXPECT_EQ(other, GetForegroundWindow()) << "showing the notes took the focus";
    DestroyWindow(other);
    EXPECT_TRUE(IsWindow(host));
}

TEST_F(NotesList, ATakenHotkeyLeavesTheTrayRunningWithoutIt) {
    // This process holds the key first, as another program would.
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_WIN | MOD_SHIFT, 'K'));
    dir.Write(NoteName(0), e2e::NoteFileBytes(kRects[0], NoteText(0)));
    trayProcess = tray::StartTray(dir);
    ASSERT_TRUE(tray::WaitForNotes(1, trayProcess.Id()));
    HWND note = tray::NoteWindows(trayProcess.Id())[0];
    PressHotkey();
    MSG msg;
    EXPECT_TRUE(e2e::WaitUntil([&] { return PeekMessageA(&msg, nullptr, WM_HOTKEY, WM_HOTKEY, PM_REMOVE) != 0; }))
        << "the key stays with its holder";
    Sleep(500);
    EXPECT_FALSE(IsIconic(note));
    EXPECT_TRUE(trayProcess.Running());
    EXPECT_TRUE(tray::WaitForIconCount(1));
    // The menu's commands work without it.
    PickTrayItem(trayProcess, kHideAll);
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsIconic(note) != FALSE; }));
    UnregisterHotKey(nullptr, 1);
}

TEST_F(NotesList, FilterOpenAndFollowTheFolder) {
    ASSERT_NO_FATAL_FAILURE(StartSixNotes());
    HWND list = OpenList();
    ASSERT_NE(nullptr, list);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Rows(list) == kNotes; })) << Rows(list);
    EXPECT_EQ("6 notes", Count(list));
    RECT area = e2e::WindowRect(list);
    Sleep(500); // painted
    e2e::Screenshot(e2e::ScreenshotDir() + "notelist.png", &area);

    // Typed as keys into the filter, which has the focus when the list opens.
    e2e::TypeText("PLUMBER");
    EXPECT_TRUE(e2e::WaitUntil([&] { return Rows(list) == 1; })) << Rows(list);
    EXPECT_EQ("1 of 6 notes", Count(list));
    Sleep(500);
    e2e::Screenshot(e2e::ScreenshotDir() + "notelist-filter.png", &area);
    e2e::PressKey(VK_RETURN);
    EXPECT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == notes[3]; }))
        << "Enter brings the matching note to the front";
    EXPECT_EQ(kNotes - 1, static_cast<int>(tray::NoteWindows(trayProcess.Id()).size()));

    // Enter on the closed sixth starts its process at its stored place.
    ASSERT_TRUE(e2e::Activate(list));
    e2e::PressKey('F', false, true);
    e2e::TypeText("sixth");
    EXPECT_TRUE(e2e::WaitUntil([&] { return Rows(list) == 1; })) << Rows(list);
    e2e::PressKey(VK_RETURN);
    EXPECT_TRUE(tray::WaitForNotes(kNotes, trayProcess.Id()));
    EXPECT_TRUE(e2e::WaitUntil([&] { return NoteAt(kRects[5], trayProcess.Id()) != nullptr; }))
        << "the sixth note at its stored place";

    // The list follows the folder.
    SetWindowTextA(GetDlgItem(list, IDC_NOTELIST_FILTER), "");
    ASSERT_TRUE(e2e::WaitUntil([&] { return Rows(list) == kNotes; }));
    DWORD start = GetTickCount();
    ASSERT_TRUE(DeleteFileA(dir.FilePath(NoteName(4)).c_str()));
    EXPECT_TRUE(e2e::WaitUntil([&] { return Rows(list) == kNotes - 1; }, 4000));
    printf("removed note left the list after %lu ms\n", GetTickCount() - start);
    dir.Write("tkn7.tkn", e2e::NoteFileBytes({100, 100, 300, 250}, "a new one"));
    EXPECT_TRUE(e2e::WaitUntil([&] { return Rows(list) == kNotes; }, 4000));
    // The tray starts the new note too, which comes up active: only after that may the list
    // be brought forward, or the note takes the front back from it.
    EXPECT_TRUE(e2e::WaitUntil(
        [&] { return NoteAt({100, 100, 300, 250}, trayProcess.Id()) != nullptr; }))
        << "the new note on the desktop";

    // A second "Notes..." brings the same window forward; Esc closes it.
    PickTrayItem(trayProcess, kNotesList);
    EXPECT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == list; }));
    EXPECT_EQ(1u, e2e::TopLevelWindows(trayProcess.Id(), "#32770", kListTitle).size());
    // The window comes forward before its control has the keyboard: Esc is pressed again
    // while the list stays open, as a user would.
    EXPECT_TRUE(e2e::WaitUntil([&] {
        if (!IsWindow(list)) return true;
        if (GetForegroundWindow() == list) e2e::PressKey(VK_ESCAPE);
        Sleep(200);
        return !IsWindow(list);
    }, 10000));
    EXPECT_NE(std::string::npos, dir.Read("tacknote.ini").find("[NotesList]"))
        << "size and columns kept";
}

TEST_F(NotesList, LostNotesComeBack) {
    const RECT rc{200, 200, 400, 350};
    dir.Write("tkn1.tkn", e2e::NoteFileBytes(rc, "lost"));
    e2e::Process note = Start("tkn1.tkn");
    HWND window = e2e::WaitForWindow(note.Id(), "#32770", "Tacknote");
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(e2e::WaitUntil([&] { RECT got = e2e::WindowRect(window); return EqualRect(&got, &rc); }));
    auto onScreen = [&] {
        RECT got = e2e::WindowRect(window);
        return got.left >= 0 && got.top >= 0 && got.right <= GetSystemMetrics(SM_CXSCREEN) &&
               got.bottom <= GetSystemMetrics(SM_CYSCREEN);
    };

    // As if the monitor it was on had gone.
    SetWindowPos(window, nullptr, 3000, 3000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::WindowRect(window).left == 3000; }));
    SendMessageA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(GetSystemMetrics(SM_CXSCREEN),
                                                          GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_TRUE(e2e::WaitUntil(onScreen)) << "after a display change";

    // Off every monitor again; Gather Notes on the list brings it back and saves its place.
    SetWindowPos(window, nullptr, 3000, 3000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::WindowRect(window).left == 3000; }));
    trayProcess = tray::StartTray(dir);
    HWND list = OpenList();
    ASSERT_NE(nullptr, list);
    PostMessageA(list, WM_COMMAND, MAKEWPARAM(IDC_NOTELIST_GATHER, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(list, IDC_NOTELIST_GATHER)));
    EXPECT_TRUE(e2e::WaitUntil(onScreen)) << "after Gather Notes";
    RECT placed = e2e::WindowRect(window);
    EXPECT_TRUE(e2e::FileBecomes(dir, "tkn1.tkn", e2e::NoteFileBytes(placed, "lost")));
    EXPECT_EQ(1u, tray::NoteWindows(trayProcess.Id()).size()) << "the tray started no second one";
}

} // namespace
