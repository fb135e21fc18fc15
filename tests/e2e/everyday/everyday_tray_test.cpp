// The tray's dialogs above notes kept on top, new notes beside each other, and a note's font
// kept to sizes a note can show.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

#include "NoteDriver.h"
#include "e2e.h"
#include "res/resource.h"
#include "tray_driver.h"

namespace {

class EverydayTray : public e2e::TacknoteTest {
protected:
    HWND OpenTrayItem(const e2e::Process& trayProcess, UINT id, const char* title) {
        if (!tray::PostIconNotify(trayProcess, tray::kIconId, WM_RBUTTONUP)) return nullptr;
        HWND menu = tray::WaitForMenu();
        if (!menu) return nullptr;
        if (!e2e::PickTrayMenuItem(menu, id)) return nullptr;
        return e2e::WaitForWindow(trayProcess.Id(), "#32770", title, 5000);
    }
};

bool IsOnTopUnderItsCentre(HWND dlg) {
    RECT rc = e2e::WindowRect(dlg);
    POINT centre = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    return GetAncestor(WindowFromPoint(centre), GA_ROOT) == dlg;
}

// A click meant for "Text Color..." went into an on-top note that covered the dialog.
TEST_F(EverydayTray, TrayDialogsOpenAboveANoteKeptOnTop) {
    e2e::Process trayProcess = tray::StartTray(dir);
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    const RECT rc = {cx / 2 - 300, cy / 2 - 225, cx / 2 + 300, cy / 2 + 225};
    dir.Write("tkn1.ini", notes::BuiltInSettingsBytes(600, 450)); // kept on top
    e2e::Process note;
    HWND window = notes::StartStoredNote(dir, note, "tkn1.tkn", e2e::NoteFileBytes(rc, "on top"));
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);

    HWND options = OpenTrayItem(trayProcess, ID_TRAY_OPTIONS, "Tacknote Options");
    ASSERT_NE(nullptr, options) << "no options dialog";
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsOnTopUnderItsCentre(options); }, 3000));
    EXPECT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == options; }, 3000));
    e2e::Screenshot(e2e::ScreenshotDir() + "tray-options-over-note.png");
    PostMessageA(options, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(options); }, 3000));

    HWND about = OpenTrayItem(trayProcess, ID_TRAY_ABOUT, "About Tacknote");
    ASSERT_NE(nullptr, about) << "no about box";
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsOnTopUnderItsCentre(about); }, 3000));
    PostMessageA(about, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(about); }, 3000));
}

// Three new notes looked like one: each opened at exactly the same place.
TEST_F(EverydayTray, NewPapersInARowDoNotCoincide) {
    e2e::Process trayProcess = tray::StartTray(dir);
    for (size_t count = 1; count <= 2; ++count) {
        ASSERT_TRUE(tray::PostIconNotify(trayProcess, tray::kIconId, WM_RBUTTONUP));
        HWND menu = tray::WaitForMenu();
        ASSERT_NE(nullptr, menu);
        ASSERT_TRUE(e2e::PickTrayMenuItem(menu, ID_TRAY_NEWPAPER));
        ASSERT_TRUE(tray::WaitForNotes(count, trayProcess.Id())) << count;
        Sleep(1000); // the first paint sizes and places the note
    }
    std::vector<HWND> windows = tray::NoteWindows(trayProcess.Id());
    ASSERT_EQ(2u, windows.size());
    RECT a = e2e::WindowRect(windows[0]), b = e2e::WindowRect(windows[1]);
    EXPECT_FALSE(EqualRect(&a, &b));
    EXPECT_GE(std::abs(a.left - b.left), 10);
    EXPECT_GE(std::abs(a.top - b.top), 10);
    // Both still whole on the screen.
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    for (const RECT& rc : {a, b}) {
        RECT inside;
        IntersectRect(&inside, &rc, &screen);
        EXPECT_TRUE(EqualRect(&inside, &rc));
    }
}

std::string IniValue(const e2e::TempDir& dir, const std::string& file, const char* key) {
    char value[80] = "";
    GetPrivateProfileStringA("Settings", key, "", value, sizeof value, dir.FilePath(file).c_str());
    return value;
}

// A mistyped size of 614 in the font dialog made the note one giant letter.
TEST_F(EverydayTray, AFontSizeOf614IsRefusedOrClamped) {
    e2e::Process process;
    const RECT rc = {100, 120, 420, 360};
    dir.Write("tkn2.ini", notes::BuiltInSettingsBytes(320, 240));
    HWND note = notes::StartStoredNote(dir, process, "tkn2.tkn", e2e::NoteFileBytes(rc, "text"));
    ASSERT_NE(nullptr, note);
    PostMessageA(notes::EditOf(note), WM_COMMAND, notes::kOptions, 0);
    HWND options = e2e::WaitForWindow(process.Id(), "#32770", "Tacknote Options", 5000);
    ASSERT_NE(nullptr, options);
    PostMessageA(options, WM_COMMAND, MAKEWPARAM(IDC_OPT_FONT, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(options, IDC_OPT_FONT)));
    HWND font = e2e::WaitForWindow(process.Id(), "#32770", "Font", 5000);
    ASSERT_NE(nullptr, font) << "no font dialog";
    HWND size = GetDlgItem(font, 0x472); // the size box
    ASSERT_NE(nullptr, size);
    // Typed as a user types it, then Enter for OK.
    RECT box = e2e::WindowRect(size);
    e2e::Click(box.left + 10, box.top + 8);
    e2e::PressKey(VK_HOME);
    e2e::PressKey(VK_END, false, false, true);
    e2e::TypeText("614");
    Sleep(300);
    e2e::PressKey(VK_RETURN);

    // Either the dialog says the size is out of range, or it hands the size back and the
    // options clamp it.
    HWND refusal = nullptr;
    e2e::WaitUntil(
        [&] {
            for (HWND w : e2e::TopLevelWindows(process.Id(), "#32770", nullptr, true))
                if (w != font && w != options && w != note) refusal = w;
            return refusal != nullptr || !IsWindow(font);
        },
        5000);
    if (refusal) {
        e2e::Screenshot(e2e::ScreenshotDir() + "font-size-refused.png");
        PostMessageA(refusal, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(refusal); }, 3000));
        PostMessageA(font, WM_COMMAND, IDCANCEL, 0);
    }
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(font); }, 3000));
    PostMessageA(options, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(options); }, 3000));
    Sleep(1000); // OK writes the settings file
    const int height = std::atoi(IniValue(dir, "tkn2.ini", "lfHeight").c_str());
    // 72 points at the screen's resolution, at most.
    HDC screen = GetDC(nullptr);
    const int limit = MulDiv(72, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    if (refusal) {
        EXPECT_EQ(-24, height); // nothing taken
    } else {
        EXPECT_EQ(-limit, height) << "614 points taken as they were, or not at all";
    }
}

} // namespace

namespace {

// A larger size pushed the note past the bottom of the screen.
TEST_F(EverydayTray, OptionsKeepAGrownNoteOnItsScreen) {
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const RECT rc = {work.right - 340, work.bottom - 260, work.right - 20, work.bottom - 20};
    dir.Write("tkn3.ini", notes::BuiltInSettingsBytes(320, 240));
    e2e::Process process;
    HWND note = notes::StartStoredNote(dir, process, "tkn3.tkn", e2e::NoteFileBytes(rc, "grow"));
    ASSERT_NE(nullptr, note);
    PostMessageA(notes::EditOf(note), WM_COMMAND, notes::kOptions, 0);
    HWND options = e2e::WaitForWindow(process.Id(), "#32770", "Tacknote Options", 5000);
    ASSERT_NE(nullptr, options);
    SendMessageA(GetDlgItem(options, IDC_OPT_WIDTHSPIN), UDM_SETPOS, 0, MAKELPARAM(600, 0));
    SendMessageA(GetDlgItem(options, IDC_OPT_HEIGHTSPIN), UDM_SETPOS, 0, MAKELPARAM(450, 0));
    PostMessageA(options, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] {
        RECT now = e2e::WindowRect(note);
        return now.right - now.left == 600 && now.bottom - now.top == 450;
    })) << "not resized";
    // It is sized first and moved after, and a loaded machine shows the moment between.
    RECT now;
    e2e::WaitUntil([&] {
        now = e2e::WindowRect(note);
        return now.right <= work.right && now.bottom <= work.bottom;
    });
    EXPECT_LE(now.right, work.right);
    EXPECT_LE(now.bottom, work.bottom);
    EXPECT_GE(now.left, work.left);
    EXPECT_GE(now.top, work.top);
}

} // namespace
