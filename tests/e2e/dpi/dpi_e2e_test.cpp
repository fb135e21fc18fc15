// A stored note and the dialogs at the display's dpi: shown scaled from the 96-dpi units the
// files keep, saved back unchanged. Runs in the suite's 96-dpi prefix and, through
// dpi144.sh, in a prefix whose display is set to 144 dpi.
#include <windows.h>

#include <cstdio>
#include <string>

#include "AlarmDriver.h"
#include "NoteDriver.h"
#include "dpi/DpiScale.h"
#include "res/resource.h"

namespace {

// The test reads the program's windows in device pixels, as the program places them.
const bool kAware = [] {
    typedef BOOL(WINAPI * SetAwareFn)();
    auto set = reinterpret_cast<SetAwareFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDPIAware")));
    return set && set();
}();

int DisplayDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

std::string Shot(const std::string& name) {
    char dpi[16];
    snprintf(dpi, sizeof dpi, "-%d", DisplayDpi());
    return e2e::ScreenshotDir() + name + dpi + ".png";
}

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

// The height of one line of the note's text, as its control lays it out.
int LineStep(HWND note) {
    HWND edit = notes::EditOf(note);
    DWORD_PTR first = 0, second = 0;
    DWORD_PTR start = 0;
    SendMessageTimeoutA(edit, EM_LINEINDEX, 1, 0, SMTO_ABORTIFHUNG, 2000, &start);
    SendMessageTimeoutA(edit, EM_POSFROMCHAR, 0, 0, SMTO_ABORTIFHUNG, 2000, &first);
    SendMessageTimeoutA(edit, EM_POSFROMCHAR, start, 0, SMTO_ABORTIFHUNG, 2000, &second);
    return static_cast<short>(HIWORD(second)) - static_cast<short>(HIWORD(first));
}

// The line height of the note font at this display, made in this process.
int FontLineHeight(LONG lfHeight) {
    LOGFONTA lf = {};
    lf.lfHeight = lfHeight;
    lf.lfWeight = FW_NORMAL;
    lstrcpyA(lf.lfFaceName, "Arial");
    HFONT font = CreateFontIndirectA(&lf);
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICA tm = {};
    GetTextMetricsA(screen, &tm);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return tm.tmHeight;
}

// Every child control lies wholly inside the dialog's client area.
::testing::AssertionResult NothingClipped(HWND dlg) {
    RECT client;
    GetClientRect(dlg, &client);
    MapWindowPoints(dlg, nullptr, reinterpret_cast<POINT*>(&client), 2);
    for (HWND child = GetWindow(dlg, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        RECT rc = e2e::WindowRect(child), both;
        IntersectRect(&both, &rc, &client);
        if (!EqualRect(&both, &rc))
            return ::testing::AssertionFailure() << "control " << GetDlgCtrlID(child)
                                                 << " reaches out of the dialog";
    }
    return ::testing::AssertionSuccess();
}

// The dialog manager's units for the templates' font, 8-point "MS Sans Serif", at this
// display's dpi: the average width of the letters, and the line height.
SIZE DialogBaseUnits() {
    HDC screen = GetDC(nullptr);
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    lstrcpyA(lf.lfFaceName, "MS Sans Serif");
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICA tm = {};
    GetTextMetricsA(screen, &tm);
    SIZE letters = {};
    const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    GetTextExtentPoint32A(screen, alphabet, 52, &letters);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return SIZE{(letters.cx / 26 + 1) / 2, tm.tmHeight};
}

// A dialog laid out in its font's units at this dpi (never stretched from 96 dpi), whose
// width is `at96` scaled within 5% (the letters' widths scale with the dpi; the line height
// is the font's own).
::testing::AssertionResult LaidOutAtDisplayDpi(HWND dlg, SIZE units, int at96Width) {
    RECT client;
    GetClientRect(dlg, &client);
    SIZE base = DialogBaseUnits();
    int cx = MulDiv(units.cx, base.cx, 4), cy = MulDiv(units.cy, base.cy, 8);
    int dpi = DisplayDpi(), wide = FileToDevice(at96Width, dpi);
    if (client.right != cx || client.bottom != cy || abs(client.right - wide) > wide / 20)
        return ::testing::AssertionFailure()
               << client.right << "x" << client.bottom << " for " << cx << "x" << cy
               << " (about " << wide << " wide) at " << dpi << " dpi";
    return ::testing::AssertionSuccess();
}

class Dpi : public e2e::TacknoteTest {
protected:
    HWND StartNote(e2e::Process& note) {
        dir.Write("tkn24.ini", "[Settings]\r\nWidth=200\r\nHeight=150\r\nlfHeight=-24\r\n"
                               "lfWeight=400\r\nlfFaceName=Arial\r\nTopmostWindow=0\r\n");
        return notes::StartStoredNote(dir, note, "tkn24.tkn",
                                      e2e::NoteFileBytes(kStored, "one\r\ntwo"));
    }
    const RECT kStored = {100, 100, 300, 250};
};

TEST_F(Dpi, StoredNoteIsShownScaledAndSavedInFileUnits) {
    ASSERT_TRUE(kAware);
    notes::FocusThief thief;
    e2e::Process note;
    HWND window = StartNote(note);
    ASSERT_NE(nullptr, window);
    int dpi = DisplayDpi();
    RECT rc = e2e::WindowRect(window);
    RECT expected = FileRectToDevice(kStored, dpi);
    EXPECT_TRUE(EqualRect(&rc, &expected)) << rc.left << "," << rc.top << " " << Width(rc)
                                           << "x" << Height(rc) << " at " << dpi << " dpi";
    if (dpi == 144) {
        EXPECT_EQ(150, rc.left);
        EXPECT_EQ(300, Width(rc));
        EXPECT_EQ(225, Height(rc));
    }
    EXPECT_EQ(FontLineHeight(FileToDevice(-24, dpi)), LineStep(window)) << "font at " << dpi;
    e2e::Screenshot(Shot("dpi-note"), &rc);

    ASSERT_TRUE(notes::TypeInto(window, "three", "three" "one\r\ntwo"));
    ASSERT_TRUE(thief.Steal());
    EXPECT_TRUE(e2e::FileBecomes(dir, "tkn24.tkn", e2e::NoteFileBytes(kStored, "threeone\r\ntwo")));
    std::string ini = dir.Read("tkn24.ini");
    EXPECT_NE(std::string::npos, ini.find("Width=200\r\nHeight=150\r\n")) << ini;
    EXPECT_NE(std::string::npos, ini.find("lfHeight=-24\r\n")) << ini;
}

TEST_F(Dpi, DialogsScaleWithNothingClipped) {
    ASSERT_TRUE(kAware);
    e2e::Process note;
    HWND window = StartNote(note);
    ASSERT_NE(nullptr, window);
    RECT rc = e2e::WindowRect(window);
    const POINT at = {rc.left + 20, rc.top + 20};

    ASSERT_TRUE(notes::PickMenuCommand(window, at.x, at.y, notes::kOptions));
    HWND options = e2e::WaitForWindow(note.Id(), "#32770", "Tacknote Options");
    ASSERT_NE(nullptr, options);
    EXPECT_TRUE(LaidOutAtDisplayDpi(options, SIZE{201, 79}, 302));
    EXPECT_TRUE(NothingClipped(options));
    Sleep(300);
    RECT shot = e2e::WindowRect(options);
    e2e::Screenshot(Shot("dpi-options"), &shot);
    e2e::PressKey(VK_ESCAPE);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(options); }));

    ASSERT_TRUE(notes::PickMenuCommand(window, at.x, at.y, notes::kAbout));
    HWND about = e2e::WaitForWindow(note.Id(), "#32770", "About Tacknote");
    ASSERT_NE(nullptr, about);
    EXPECT_TRUE(LaidOutAtDisplayDpi(about, SIZE{256, 215}, 384));
    EXPECT_TRUE(NothingClipped(about));
    // Its icon is the image drawn for the dpi (48 px at 144), not the 32 px one enlarged.
    RECT icon = e2e::WindowRect(GetDlgItem(about, IDC_ABOUT_ICON));
    EXPECT_EQ(FileToDevice(32, DisplayDpi()), Width(icon));
    EXPECT_EQ(FileToDevice(32, DisplayDpi()), Height(icon));
    Sleep(300);
    shot = e2e::WindowRect(about);
    e2e::Screenshot(Shot("dpi-about"), &shot);
    e2e::PressKey(VK_ESCAPE);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(about); }));

    HWND alarm = alarms::OpenAlarmDialog(window);
    ASSERT_NE(nullptr, alarm);
    EXPECT_TRUE(LaidOutAtDisplayDpi(alarm, SIZE{166, 90}, 249));
    EXPECT_TRUE(NothingClipped(alarm));
    HWND popup = alarms::OpenPopup(alarm);
    ASSERT_NE(nullptr, popup);
    Sleep(300);
    RECT both = e2e::WindowRect(alarm), pop = e2e::WindowRect(popup);
    UnionRect(&both, &both, &pop);
    e2e::Screenshot(Shot("dpi-alarm-calendar"), &both);
    // Fonts and gaps both follow the dpi: the pop-up is its 96-dpi size scaled, within the
    // few pixels that the fonts' letters round to.
    RECT popClient;
    GetClientRect(popup, &popClient);
    const SIZE at96 = {206, 222};
    int dpi = DisplayDpi();
    SIZE wanted = {FileToDevice(at96.cx, dpi), FileToDevice(at96.cy, dpi)};
    int slack = dpi == 96 ? 0 : 3;
    EXPECT_LE(abs(popClient.right - wanted.cx), wanted.cx * slack / 100)
        << popClient.right << " wide for " << wanted.cx << " at " << dpi << " dpi";
    EXPECT_LE(abs(popClient.bottom - wanted.cy), wanted.cy * slack / 100)
        << popClient.bottom << " tall for " << wanted.cy << " at " << dpi << " dpi";
    EXPECT_TRUE(NothingClipped(popup));
    e2e::PressKey(VK_ESCAPE);
}

} // namespace
