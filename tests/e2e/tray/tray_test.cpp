// The tray instance as a user meets it: one icon, the stored notes coming back, the icon's
// menu and double-click, a refused second start, and "Close" leaving the notes alive.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "e2e.h"
#include "tray_driver.h"
#include "res/resource.h"

namespace {

class Tray : public e2e::TacknoteTest {
protected:
    e2e::Process StartTray() { return tray::StartTray(dir); }
};

TEST_F(Tray, EmptyFolderShowsTheIconAndNoNote) {
    e2e::Process trayProcess = StartTray();
    HWND host = tray::HostWindow(trayProcess.Id());
    ASSERT_NE(nullptr, host);
    EXPECT_FALSE(IsWindowVisible(host)) << "the host window must stay hidden";
    Sleep(1000);
    EXPECT_TRUE(tray::NoteWindows(trayProcess.Id()).empty());
    EXPECT_EQ(1u, e2e::ProcessIds("tacknote.exe").size());
    EXPECT_TRUE(trayProcess.Running());
    EXPECT_FALSE(dir.Exists("tacknote.ini")) << "the tray only reads the defaults";
}

TEST_F(Tray, StoredNotesComeBackEachInItsOwnProcessAtItsRectangle) {
    const RECT rects[] = {{40, 300, 240, 450}, {300, 320, 560, 480}, {620, 340, 900, 560}};
    for (int i = 0; i < 3; ++i)
        dir.Write("tkn" + std::to_string(i + 1) + ".tkn", e2e::NoteFileBytes(rects[i], "note"));
    e2e::Process trayProcess = StartTray();
    ASSERT_TRUE(tray::WaitForNotes(3, trayProcess.Id()))
        << "notes: " << tray::NoteWindows(trayProcess.Id()).size();
    EXPECT_EQ(3u, tray::NoteProcesses(trayProcess.Id()).size());
    for (const RECT& want : rects) {
        bool placed = e2e::WaitUntil([&] {
            for (HWND note : tray::NoteWindows(trayProcess.Id())) {
                RECT got = e2e::WindowRect(note);
                if (EqualRect(&got, &want)) return true;
            }
            return false;
        });
        EXPECT_TRUE(placed) << "no note at " << want.left << "," << want.top;
    }
}

// Pins: notes started several at once showed in whatever order they got ready, so overlapping
// notes stacked differently on each start and any of the last few ended up active.
TEST_F(Tray, NotesStartedTogetherStackInTheirStartOrderAndTheLastIsActive) {
    const int kNotes = 7;
    for (int i = 0; i < kNotes; ++i) {
        int offset = 40 * i;
        dir.Write("tkn" + std::to_string(i + 1) + ".tkn",
                  e2e::NoteFileBytes({60 + offset, 200 + offset, 300 + offset, 380 + offset},
                                     "note " + std::to_string(i)));
    }
    // The tray starts them in the order the folder lists them.
    std::vector<LONG> startedLefts;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir.Path() + "\\*.tkn").c_str(), &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, search);
    do {
        startedLefts.push_back(60 + 40 * (std::atoi(found.cFileName + 3) - 1));
    } while (FindNextFileA(search, &found));
    FindClose(search);
    e2e::Process trayProcess = StartTray();
    ASSERT_TRUE(tray::WaitForNotes(kNotes, trayProcess.Id()));
    // Each note comes up where it belongs before it counts; top of the stack first.
    std::vector<LONG> stackedLefts;
    EXPECT_TRUE(e2e::WaitUntil([&] {
        stackedLefts.clear();
        for (HWND note : tray::NoteWindows(trayProcess.Id()))
            stackedLefts.push_back(e2e::WindowRect(note).left);
        std::vector<LONG> sorted = stackedLefts;
        std::sort(sorted.begin(), sorted.end());
        return sorted == std::vector<LONG>{60, 100, 140, 180, 220, 260, 300};
    }));
    std::reverse(stackedLefts.begin(), stackedLefts.end());
    EXPECT_EQ(startedLefts, stackedLefts) << "bottom to top, as started";
    HWND active = GetForegroundWindow();
    ASSERT_NE(nullptr, active);
    EXPECT_EQ(startedLefts.back(), e2e::WindowRect(active).left) << "the last started is active";
}

TEST_F(Tray, AnyTknFileStartsButOverlongNamesAreSkipped) {
    dir.Write("tkn1.tkn", e2e::NoteFileBytes({100, 300, 300, 450}, "a note"));
    // Any name the search finds starts, as long as the file may be a note (an empty one is).
    dir.Write("junk.tkn", "");
    // Too long for the note process; cut short it would name another note's files.
    dir.Write("a-very-long-note-name.tkn", e2e::NoteFileBytes({400, 300, 600, 450}, "long"));
    e2e::Process trayProcess = StartTray();
    ASSERT_TRUE(tray::WaitForNotes(2, trayProcess.Id()))
        << "notes: " << tray::NoteWindows(trayProcess.Id()).size();
    Sleep(1000);
    EXPECT_EQ(2u, tray::NoteWindows(trayProcess.Id()).size());
    EXPECT_EQ(3u, e2e::ProcessIds("tacknote.exe").size()) << "tray and two notes";
}

TEST_F(Tray, SecondStartSaysSoAndLeavesOneIcon) {
    e2e::Process first = StartTray();
    e2e::Process second = Start("");
    HWND box = e2e::WaitForWindow(second.Id(), "#32770", "Tacknote", 10000);
    ASSERT_NE(nullptr, box) << "no message box from the second start";
    EXPECT_EQ("Tacknote is already running in the System Tray.",
              e2e::WindowText(GetDlgItem(box, 0xFFFF)));
    EXPECT_TRUE(tray::WaitForIconCount(1));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(second.WaitExit(5000, &exitCode));
    EXPECT_EQ(0u, exitCode);
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(tray::WaitForIconCount(1));
    EXPECT_NE(nullptr, tray::HostWindow(first.Id(), 100));
}

TEST_F(Tray, MenuOnRightButtonAndNewPaperStartsANote) {
    e2e::Process trayProcess = StartTray();
    ASSERT_TRUE(tray::PostIconNotify(trayProcess, tray::kIconId, WM_RBUTTONUP));
    HWND menu = tray::WaitForMenu();
    ASSERT_NE(nullptr, menu) << "no menu on WM_RBUTTONUP";
    RECT area = e2e::WindowRect(menu);
    // Looked at by a person: "New Paper" must be in bold.
    e2e::Screenshot(e2e::ScreenshotDir() + "tray_menu.png", &area);
    ASSERT_TRUE(e2e::PickTrayMenuItem(menu, ID_TRAY_NEWPAPER));
    EXPECT_TRUE(tray::MenuGone());
    ASSERT_TRUE(tray::WaitForNotes(1, trayProcess.Id()));
    EXPECT_TRUE(trayProcess.Running());
}

TEST_F(Tray, EscapeClosesTheMenuWithoutACommand) {
    e2e::Process trayProcess = StartTray();
    ASSERT_TRUE(tray::PostIconNotify(trayProcess, tray::kIconId, WM_RBUTTONUP));
    HWND menu = tray::WaitForMenu();
    ASSERT_NE(nullptr, menu);
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(tray::MenuGone());
    Sleep(800);
    EXPECT_TRUE(tray::NoteWindows(trayProcess.Id()).empty());
    EXPECT_TRUE(trayProcess.Running());
}

TEST_F(Tray, DoubleClickStartsANoteAndOtherIconsAreIgnored) {
    e2e::Process trayProcess = StartTray();
    ASSERT_TRUE(tray::PostIconNotify(trayProcess, tray::kIconId + 1, WM_LBUTTONDBLCLK));
    ASSERT_TRUE(tray::PostIconNotify(trayProcess, tray::kIconId + 1, WM_RBUTTONUP));
    Sleep(1000);
    EXPECT_TRUE(tray::NoteWindows(trayProcess.Id()).empty());
    EXPECT_TRUE(e2e::TopLevelWindows(0, "#32768", nullptr).empty());

    ASSERT_TRUE(tray::PostIconNotify(trayProcess, tray::kIconId, WM_LBUTTONDBLCLK));
    EXPECT_TRUE(tray::WaitForNotes(1, trayProcess.Id()));
}

TEST_F(Tray, RealClicksOnTheIcon) {
    e2e::Process trayProcess = StartTray();
    std::vector<HWND> icons = tray::TrayIcons();
    ASSERT_EQ(1u, icons.size());
    RECT rc = e2e::WindowRect(icons[0]);
    int x = (rc.left + rc.right) / 2, y = (rc.top + rc.bottom) / 2;

    e2e::Click(x, y, true);
    HWND menu = tray::WaitForMenu();
    ASSERT_NE(nullptr, menu) << "no menu on a right click";
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(tray::MenuGone());

    e2e::DoubleClick(x, y);
    EXPECT_TRUE(tray::WaitForNotes(1, trayProcess.Id()));
}

TEST_F(Tray, CloseEndsTheTrayAndTheNotesLiveOnAndSave) {
    dir.Write("tkn1.tkn", e2e::NoteFileBytes({200, 300, 480, 500}, "before"));
    e2e::Process trayProcess = StartTray();
    ASSERT_TRUE(tray::WaitForNotes(1, trayProcess.Id()));
    HWND note = tray::NoteWindows(trayProcess.Id()).front();
    HWND edit = GetDlgItem(note, 206);
    // Keys typed before the first paint has put the stored text in would be overwritten.
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::WindowText(edit) == "before"; }));

    ASSERT_TRUE(tray::PostIconNotify(trayProcess, tray::kIconId, WM_RBUTTONUP));
    HWND menu = tray::WaitForMenu();
    ASSERT_NE(nullptr, menu);
    ASSERT_TRUE(e2e::PickTrayMenuItem(menu, ID_TRAY_CLOSE));
    ASSERT_TRUE(trayProcess.WaitExit(5000)) << "the tray instance still runs";
    EXPECT_TRUE(tray::WaitForIconCount(0));
    ASSERT_TRUE(IsWindow(note));
    EXPECT_TRUE(IsWindowVisible(note));

    // The note still edits and saves: type, then let another note take the focus.
    ASSERT_TRUE(e2e::Activate(note));
    e2e::PressKey(VK_END, false, true); // a click never places the caret in a note
    e2e::TypeText(" after");
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::WindowText(edit) == "before after"; }))
        << e2e::WindowText(edit);
    e2e::Process other = Start("private");
    EXPECT_TRUE(e2e::FileBecomes(dir, "tkn1.tkn",
                                 e2e::NoteFileBytes({200, 300, 480, 500}, "before after")));
}

TEST_F(Tray, KeepAlarmsOverRestartsIsACheckItemStoredInTheDefaults) {
    dir.Write("tacknote.ini", "[Settings]\r\nWidth=400\r\n");
    e2e::Process trayProcess = StartTray();
    for (const char* expected : {"1", "0"}) {
        ASSERT_TRUE(tray::PostIconNotify(trayProcess, tray::kIconId, WM_RBUTTONUP));
        HWND menu = tray::WaitForMenu();
        ASSERT_NE(nullptr, menu);
        RECT area = e2e::WindowRect(menu);
        // Looked at by a person: unchecked, then checked.
        e2e::Screenshot(e2e::ScreenshotDir() + "tray_menu_keep_alarms_" +
                            (expected[0] == '1' ? "off" : "on") + ".png",
                        &area);
        ASSERT_TRUE(e2e::PickTrayMenuItem(menu, ID_TRAY_KEEPALARMS));
        EXPECT_TRUE(tray::MenuGone());
        const std::string bytes =
            std::string("[Settings]\r\nWidth=400\r\nKeepAlarms=") + expected + "\r\n";
        EXPECT_TRUE(e2e::FileBecomes(dir, "tacknote.ini", bytes)) << "the other keys must stay";
    }
    EXPECT_TRUE(trayProcess.Running());
}

} // namespace
