// The About box from the tray menu and from a note's menu, its mail link (colour, underline,
// tooltip, hover), the ways it ends, and the splash at the tray's start.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "NoteDriver.h"
#include "e2e.h"
#include "res/resource.h"
#include "tray_driver.h"

namespace {

const char kVersion[] = "Tacknote Version 5.1a";
const char kCredit[] = "Written by the Tacknote developers";
const char kTarget[] = "mailto:tacknote@example.org";
const COLORREF kLinkGreen = RGB(0, 128, 0);
const COLORREF kHoverMaroon = RGB(128, 0, 0);

// Pixels of one colour in a screen rectangle, and the longest run of them in one row.
struct ColourCount {
    int pixels = 0;
    int longestRow = 0;
};

ColourCount CountColour(const RECT& rc, COLORREF colour)
{
    ColourCount count;
    HDC screen = GetDC(nullptr);
    for (int y = rc.top; y < rc.bottom; ++y) {
        int run = 0;
        for (int x = rc.left; x < rc.right; ++x) {
            if (GetPixel(screen, x, y) == colour) {
                ++count.pixels;
                if (++run > count.longestRow) count.longestRow = run;
            } else {
                run = 0;
            }
        }
    }
    ReleaseDC(nullptr, screen);
    return count;
}

// The middle of the part of the window's caption that answers the hit-test code, or {-1,-1}.
POINT FindHit(HWND window, LRESULT code)
{
    const RECT rc = e2e::WindowRect(window);
    RECT found = {rc.right, rc.bottom, rc.left, rc.top};
    for (int y = rc.top; y < rc.top + 40; ++y) {
        for (int x = rc.right - 80; x < rc.right; ++x) {
            DWORD_PTR hit = 0;
            SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000,
                                &hit);
            if (static_cast<LRESULT>(hit) != code) continue;
            found.left = std::min<LONG>(found.left, x);
            found.right = std::max<LONG>(found.right, x);
            found.top = std::min<LONG>(found.top, y);
            found.bottom = std::max<LONG>(found.bottom, y);
        }
    }
    if (found.left > found.right) return POINT{-1, -1};
    return POINT{(found.left + found.right) / 2, (found.top + found.bottom) / 2};
}

// The program makes its tooltip through a superclass, whose name ends in the system's.
HWND VisibleTooltip(DWORD pid)
{
    for (HWND window : e2e::TopLevelWindows(pid, nullptr, nullptr, true)) {
        char name[128] = "";
        GetClassNameA(window, name, sizeof name);
        if (std::strstr(name, "tooltips_class32")) return window;
    }
    return nullptr;
}

class About : public e2e::TacknoteTest {
protected:
    HWND WaitForAbout(DWORD pid) { return e2e::WaitForWindow(pid, "#32770", "About Tacknote"); }

    HWND OpenFromTray(const e2e::Process& trayProcess)
    {
        if (!tray::PostIconNotify(trayProcess, tray::kIconId, WM_RBUTTONUP)) return nullptr;
        HWND menu = tray::WaitForMenu();
        if (!menu) return nullptr;
        if (!e2e::PickTrayMenuItem(menu, ID_TRAY_ABOUT)) return nullptr;
        return WaitForAbout(trayProcess.Id());
    }

    HWND OpenFromNote(e2e::Process& note)
    {
        HWND window = notes::StartStoredNote(dir, note, "tkn1.tkn",
                                             e2e::NoteFileBytes({60, 60, 380, 300}, "about"));
        if (!window) return nullptr;
        if (!notes::PickMenuCommand(window, 150, 150, notes::kAbout)) return nullptr;
        return WaitForAbout(note.Id());
    }

    // The version line and the credit link as the user sees them: texts, the link drawn
    // green and underlined (a green row as wide as most of the text).
    void ExpectContent(HWND dlg)
    {
        EXPECT_EQ(kVersion, e2e::WindowText(GetDlgItem(dlg, IDC_ABOUT_VERSION)));
        HWND link = GetDlgItem(dlg, IDC_ABOUT_LINK);
        EXPECT_EQ(kCredit, e2e::WindowText(link));
        const RECT rc = e2e::WindowRect(link);
        ColourCount green;
        e2e::WaitUntil([&] {
            green = CountColour(rc, kLinkGreen);
            return green.pixels > 0;
        });
        EXPECT_GT(green.pixels, 50) << "the credit line is not drawn in the link colour";
        EXPECT_GT(green.longestRow, (rc.right - rc.left) * 9 / 10) << "no underline";
        // Fitted to its text: far narrower than the 204 units of the template.
        const RECT dlgRect = e2e::WindowRect(dlg);
        EXPECT_LT(rc.right - rc.left, (dlgRect.right - dlgRect.left) * 3 / 4);
    }
};

TEST_F(About, FromTheTrayMenuShowsVersionAndLinkAndEndsWithOk)
{
    e2e::Process trayProcess = tray::StartTray(dir);
    HWND dlg = OpenFromTray(trayProcess);
    ASSERT_NE(nullptr, dlg) << "no About box from the tray menu";
    ExpectContent(dlg);
    RECT area = e2e::WindowRect(dlg);
    e2e::Screenshot(e2e::ScreenshotDir() + "about_from_tray.png", &area);

    const RECT ok = e2e::WindowRect(GetDlgItem(dlg, IDOK));
    e2e::Click((ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dlg); })) << "OK did not end it";
    EXPECT_TRUE(trayProcess.Running());

    // It opens again, and Escape ends it as well.
    dlg = OpenFromTray(trayProcess);
    ASSERT_NE(nullptr, dlg) << "no second About box";
    ASSERT_TRUE(e2e::Activate(dlg));
    e2e::PressKey(VK_ESCAPE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dlg); })) << "Escape did not end it";
    EXPECT_TRUE(trayProcess.Running());
    EXPECT_EQ(1u, e2e::ProcessIds("tacknote.exe").size());
}

TEST_F(About, FromANotesMenuShowsVersionAndLinkAndEndsWithTheCloseBox)
{
    e2e::Process note;
    HWND dlg = OpenFromNote(note);
    ASSERT_NE(nullptr, dlg) << "no About box from the note's menu";
    ExpectContent(dlg);
    RECT area = e2e::WindowRect(dlg);
    e2e::Screenshot(e2e::ScreenshotDir() + "about_from_note.png", &area);

    const POINT close = FindHit(dlg, HTCLOSE);
    ASSERT_NE(-1, close.x) << "no close box";
    e2e::Click(close.x, close.y);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dlg); })) << "the close box did not end it";
    EXPECT_TRUE(note.Running()) << "the note lives on";
    EXPECT_EQ(1u, tray::NoteWindows().size());
}

TEST_F(About, LinkShowsItsAddressAsTooltipAndTurnsMaroonWhileHovered)
{
    e2e::Process note;
    HWND dlg = OpenFromNote(note);
    ASSERT_NE(nullptr, dlg);
    ASSERT_TRUE(e2e::Activate(dlg));
    const RECT rc = e2e::WindowRect(GetDlgItem(dlg, IDC_ABOUT_LINK));
    ASSERT_TRUE(e2e::WaitUntil([&] { return CountColour(rc, kLinkGreen).pixels > 0; }));

    // A move onto the link, and a little one on it, as a hand resting there makes.
    e2e::MoveMouse((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    Sleep(100);
    e2e::MoveMouse((rc.left + rc.right) / 2 + 2, (rc.top + rc.bottom) / 2);
    HWND tip = nullptr;
    EXPECT_TRUE(e2e::WaitUntil(
        [&] {
            tip = VisibleTooltip(note.Id());
            return tip && e2e::WindowText(tip) == kTarget;
        },
        5000))
        << "tooltip: " << (tip ? "\"" + e2e::WindowText(tip) + "\"" : std::string("none"));
    EXPECT_TRUE(e2e::WaitUntil([&] { return CountColour(rc, kHoverMaroon).pixels > 50; }))
        << "not maroon under the mouse";
    RECT shot = e2e::WindowRect(dlg);
    if (tip) {
        const RECT tipRect = e2e::WindowRect(tip);
        UnionRect(&shot, &shot, &tipRect);
    }
    e2e::Screenshot(e2e::ScreenshotDir() + "about_link_hover.png", &shot);

    // Away from the link: green again once the hover check notices.
    const RECT dlgRect = e2e::WindowRect(dlg);
    e2e::MoveMouse(dlgRect.left + 20, dlgRect.bottom - 20);
    EXPECT_TRUE(e2e::WaitUntil([&] { return CountColour(rc, kLinkGreen).pixels > 50; }))
        << "still in the hover colour after the mouse left";
    EXPECT_EQ(0, CountColour(rc, kHoverMaroon).pixels);
    PostMessageA(dlg, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dlg); }));
}

// The splash: a captionless window of the tray process with the version and the credit
// line, centred, that goes away by itself; the stored notes come back only after it.
TEST_F(About, SplashShowsAtTrayStartThenGoesBeforeTheNotesComeBack)
{
    dir.Write("tkn1.tkn", e2e::NoteFileBytes({40, 300, 240, 450}, "stored"));
    e2e::Process trayProcess = Start("");
    ASSERT_TRUE(trayProcess.Started());
    HWND splash = nullptr;
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
            for (HWND w : e2e::TopLevelWindows(trayProcess.Id(), "#32770", nullptr, true)) {
                if (e2e::WindowText(GetDlgItem(w, IDC_ABOUT_VERSION)) == kVersion) splash = w;
            }
            return splash != nullptr;
        },
        10000))
        << "no splash";
    const DWORD seen = GetTickCount();
    EXPECT_TRUE(tray::NoteWindows(trayProcess.Id()).empty())
        << "a note came before the splash went";
    EXPECT_EQ(1u, e2e::ProcessIds("tacknote.exe").size()) << "a note process started already";
    EXPECT_EQ(kCredit, e2e::WindowText(GetDlgItem(splash, IDC_ABOUT_LINK)));
    EXPECT_NE(static_cast<LONG>(WS_CAPTION), GetWindowLongA(splash, GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ("", e2e::WindowText(splash));

    const RECT rc = e2e::WindowRect(splash);
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((work.left + work.right) / 2, (rc.left + rc.right) / 2, 2) << "not centred";
    EXPECT_NEAR((work.top + work.bottom) / 2, (rc.top + rc.bottom) / 2, 2) << "not centred";
    e2e::Screenshot(e2e::ScreenshotDir() + "splash.png", &rc);

    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(splash); }, 10000)) << "splash stays";
    printf("splash seen for about %lu ms\n", static_cast<unsigned long>(GetTickCount() - seen));
    EXPECT_TRUE(tray::WaitForNotes(1, trayProcess.Id())) << "the stored note did not come back";
    EXPECT_NE(nullptr, tray::HostWindow(trayProcess.Id()));
}

} // namespace
