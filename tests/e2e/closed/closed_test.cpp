// Close keeps a note in the Closed folder, and the tray's "Reopen Closed Note" brings it back
// with its text, look and place.
#include "NoteDriver.h"
#include "tray_driver.h"

namespace {

using e2e::NoteFileBytes;

// Down presses from the top of the tray menu to "Reopen Closed Note".
const int kReopenItem = 3;

class ClosedNotes : public e2e::TacknoteTest {
protected:
    // Opens the tray menu's submenu; nullptr when it did not open.
    HWND OpenReopenMenu(const e2e::Process& trayProcess)
    {
        if (!tray::PostIconNotify(trayProcess, tray::kIconId, WM_RBUTTONUP)) return nullptr;
        HWND menu = tray::WaitForMenu();
        if (!menu) return nullptr;
        e2e::PickMenuItem(menu, kReopenItem);
        HWND sub = nullptr;
        e2e::WaitUntil([&] {
            for (HWND w : e2e::TopLevelWindows(0, "#32768", nullptr))
                if (w != menu) sub = w;
            return sub != nullptr;
        });
        return sub;
    }
};

TEST_F(ClosedNotes, CloseThenReopenBringsTheNoteBack)
{
    const RECT place = {260, 220, 600, 470};
    // Its own look: green text on white, 340 x 250.
    std::string look = notes::BuiltInSettingsBytes(340, 250);
    look.replace(look.find("TextColor=FF0000"), 16, "TextColor=8000");
    look.replace(look.find("BackgroundColor=80FFFF"), 22, "BackgroundColor=FFFFFF");
    dir.Write("tkn5.ini", look);
    // An older closed note, so the menu must put the newest first.
    CreateDirectoryA(dir.FilePath("Closed").c_str(), nullptr);
    dir.Write("Closed\\tkn9.tkn", NoteFileBytes({10, 10, 330, 250}, "older note"));

    e2e::Process note;
    HWND window = notes::StartStoredNote(dir, note, "tkn5.tkn",
                                         NoteFileBytes(place, "Groceries & more\r\nmilk"));
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(notes::PickMenuCommand(window, 300, 300, notes::kClose));
    ASSERT_TRUE(note.WaitExit(5000)) << "the note process still runs";
    EXPECT_TRUE(dir.List("*.tkn").empty());
    EXPECT_TRUE(dir.List("*.ini").empty());
    EXPECT_EQ(NoteFileBytes(place, "Groceries & more\r\nmilk"), dir.Read("Closed\\tkn5.tkn"));
    EXPECT_EQ(look, dir.Read("Closed\\tkn5.ini"));

    e2e::Process trayProcess = tray::StartTray(dir);
    Sleep(1000);
    EXPECT_TRUE(tray::NoteWindows(trayProcess.Id()).empty()) << "a closed note was started";
    HWND sub = OpenReopenMenu(trayProcess);
    ASSERT_NE(nullptr, sub) << "no submenu";
    Sleep(300);
    e2e::Screenshot(e2e::ScreenshotDir() + "reopen_menu.png");
    PostMessageA(sub, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(tray::MenuGone());

    ASSERT_TRUE(tray::WaitForNotes(1, trayProcess.Id()));
    HWND back = tray::NoteWindows(trayProcess.Id()).front();
    EXPECT_TRUE(
        e2e::WaitUntil([&] { return notes::NoteText(back) == "Groceries & more\r\nmilk"; }));
    EXPECT_TRUE(e2e::WaitUntil([&] {
        RECT now = e2e::WindowRect(back);
        return EqualRect(&now, &place) != FALSE;
    }));
    EXPECT_EQ(RGB(255, 255, 255),
              e2e::WaitForPixel(place.right - 5, place.bottom - 5, RGB(255, 255, 255)));
    EXPECT_EQ(NoteFileBytes(place, "Groceries & more\r\nmilk"), dir.Read("tkn5.tkn"));
    EXPECT_EQ(look, dir.Read("tkn5.ini"));
    EXPECT_FALSE(dir.Exists("Closed\\tkn5.tkn"));
    EXPECT_TRUE(dir.Exists("Closed\\tkn9.tkn"));
}

// Text typed a moment before Close goes with the note; a blank new note leaves nothing.
TEST_F(ClosedNotes, NewNoteClosesWithWhatWasJustTypedAndABlankOneLeavesNothing)
{
    e2e::Process blank = Start("private");
    HWND window = notes::WaitForNote(blank);
    ASSERT_NE(nullptr, window);
    RECT rc = e2e::WindowRect(window);
    ASSERT_TRUE(notes::PickMenuCommand(window, rc.left + 40, rc.top + 40, notes::kClose));
    ASSERT_TRUE(blank.WaitExit(5000));
    EXPECT_TRUE(dir.List().empty());
    EXPECT_FALSE(dir.Exists("Closed"));

    e2e::Process typed = Start("private");
    window = notes::WaitForNote(typed);
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(notes::TypeInto(window, "just now", "just now"));
    rc = e2e::WindowRect(window);
    ASSERT_TRUE(notes::PickMenuCommand(window, rc.left + 40, rc.top + 40, notes::kClose));
    ASSERT_TRUE(typed.WaitExit(5000));
    EXPECT_TRUE(dir.List().empty());
    std::vector<std::string> closed = dir.List("Closed\\*.tkn");
    ASSERT_EQ(1u, closed.size());
    std::string bytes = dir.Read("Closed\\" + closed[0]);
    EXPECT_EQ("just now", bytes.substr(bytes.size() - 8));
}

TEST_F(ClosedNotes, SubmenuIsGreyedWhenNothingWasClosed)
{
    e2e::Process trayProcess = tray::StartTray(dir);
    ASSERT_TRUE(tray::PostIconNotify(trayProcess, tray::kIconId, WM_RBUTTONUP));
    HWND menu = tray::WaitForMenu();
    ASSERT_NE(nullptr, menu);
    e2e::PickMenuItem(menu, kReopenItem);
    Sleep(800);
    RECT area = e2e::WindowRect(menu);
    e2e::Screenshot(e2e::ScreenshotDir() + "reopen_menu_greyed.png", &area);
    EXPECT_EQ(1u, e2e::TopLevelWindows(0, "#32768", nullptr).size()) << "a greyed submenu opened";
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(tray::MenuGone());
    EXPECT_TRUE(tray::NoteWindows(trayProcess.Id()).empty());
}

} // namespace
