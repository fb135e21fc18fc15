// The options dialog run in-process and driven from inside its modal loop: what reaches
// g_settings on OK, Cancel and Reset, the spins' limits, and the swatches it shows.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <string.h>

#include <string>

#include "dialog_script.h"
#include "note/NoteSettings.h"
#include "note/OptionsDlg.h"
#include "res/resource.h"

namespace {

const char kOptions[] = "Tacknote Options";

NoteSettings Custom() {
    NoteSettings s = BuiltInSettings();
    s.crText = RGB(0x12, 0x34, 0x56);
    s.crBack = RGB(0xAB, 0xCD, 0xEF);
    s.lf.lfHeight = -16;
    s.lf.lfWeight = FW_NORMAL;
    s.lf.lfItalic = 1;
    s.lf.lfQuality = NONANTIALIASED_QUALITY; // exact text-colour pixels in the sample
    strcpy(s.lf.lfFaceName, "Liberation Serif");
    s.nWidth = 200;
    s.nHeight = 100;
    s.bTopmost = 0;
    return s;
}

void ExpectSame(const NoteSettings& want, const NoteSettings& got, const char* what) {
    EXPECT_EQ(want.crText, got.crText) << what;
    EXPECT_EQ(want.crBack, got.crBack) << what;
    EXPECT_EQ(0, memcmp(&want.lf, &got.lf, sizeof want.lf)) << what << ": font differs";
    EXPECT_STREQ(want.lf.lfFaceName, got.lf.lfFaceName) << what;
    EXPECT_EQ(want.nWidth, got.nWidth) << what;
    EXPECT_EQ(want.nHeight, got.nHeight) << what;
    EXPECT_EQ(want.bTopmost, got.bTopmost) << what;
}

int SpinPos(HWND dlg, int id) {
    return static_cast<short>(LOWORD(SendDlgItemMessageA(dlg, id, UDM_GETPOS, 0, 0)));
}

std::string Text(HWND dlg, int id) {
    char text[32] = "";
    GetDlgItemTextA(dlg, id, text, sizeof text);
    return text;
}

int RunOptions() {
    COptionsDlg dlg;
    return dlg.DoModal();
}

// The colour of a pixel of the bitmap a swatch control shows.
COLORREF SwatchPixel(HWND dlg, int id, int x, int y) {
    HBITMAP bitmap =
        reinterpret_cast<HBITMAP>(SendDlgItemMessageA(dlg, id, STM_GETIMAGE, IMAGE_BITMAP, 0));
    if (!bitmap) return CLR_INVALID;
    HDC dc = CreateCompatibleDC(NULL);
    HGDIOBJ old = SelectObject(dc, bitmap);
    COLORREF pixel = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return pixel;
}

SIZE SwatchSize(HWND dlg, int id) {
    BITMAP info = {};
    HBITMAP bitmap =
        reinterpret_cast<HBITMAP>(SendDlgItemMessageA(dlg, id, STM_GETIMAGE, IMAGE_BITMAP, 0));
    GetObjectA(bitmap, sizeof info, &info);
    SIZE size = {info.bmWidth, info.bmHeight};
    return size;
}

class OptionsDialog : public testing::Test {
protected:
    void SetUp() override { g_settings = Custom(); }
    void TearDown() override { g_settings = BuiltInSettings(); }
};

struct EndCase {
    const char* what;
    bool reset;
    int button;
    int result;
    bool builtIn; // g_settings afterwards: built-in values, else the ones before
};

TEST_F(OptionsDialog, ResetReachesSettingsOnlyThroughOk) {
    const EndCase cases[] = {
        {"Reset, OK", true, IDOK, IDOK, true},
        {"Reset, Cancel", true, IDCANCEL, IDCANCEL, false},
        {"Cancel", false, IDCANCEL, IDCANCEL, false},
        {"OK without changes", false, IDOK, IDOK, false},
    };
    for (const EndCase& c : cases) {
        g_settings = Custom();
        auto drive = [&](HWND dlg) {
            if (c.reset) {
                SendDlgItemMessageA(dlg, IDC_OPT_RESET, BM_CLICK, 0, 0);
                EXPECT_EQ(320, SpinPos(dlg, IDC_OPT_WIDTHSPIN)) << c.what;
                EXPECT_EQ(240, SpinPos(dlg, IDC_OPT_HEIGHTSPIN)) << c.what;
                EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dlg, IDC_OPT_TOPMOST)) << c.what;
                EXPECT_EQ(RGB(255, 255, 128), SwatchPixel(dlg, IDC_OPT_BACKSWATCH, 5, 5));
                EXPECT_EQ(RGB(0, 0, 255), SwatchPixel(dlg, IDC_OPT_TEXTSWATCH, 5, 5));
                // Reset must leave the settings alone until OK.
                ExpectSame(Custom(), g_settings, c.what);
            }
            PressButton(dlg, c.button);
        };
        DialogScript script({{kOptions, drive}});
        EXPECT_EQ(c.result, RunOptions()) << c.what;
        EXPECT_TRUE(script.Finished()) << c.what;
        ExpectSame(c.builtIn ? BuiltInSettings() : Custom(), g_settings, c.what);
    }
}

TEST_F(OptionsDialog, TopmostFollowsTheCheckBox) {
    struct Case {
        BOOL before;
        bool click;
        BOOL after;
    };
    const Case cases[] = {{0, false, 0}, {0, true, 1}, {1, false, 1}, {1, true, 0}, {7, false, 1}};
    for (const Case& c : cases) {
        g_settings.bTopmost = c.before;
        auto drive = [&](HWND dlg) {
            if (c.click) SendDlgItemMessageA(dlg, IDC_OPT_TOPMOST, BM_CLICK, 0, 0);
            PressButton(dlg, IDOK);
        };
        DialogScript script({{kOptions, drive}});
        RunOptions();
        EXPECT_EQ(c.after, g_settings.bTopmost) << c.before << (c.click ? " clicked" : "");
    }
}

TEST_F(OptionsDialog, SpinsStayInTheirRangesAndStepByOne) {
    struct Case {
        int width, height;           // g_settings before
        WORD key;                    // pressed once on both spins
        int shownWidth, shownHeight; // on opening
        int okWidth, okHeight;       // after the key and OK
    };
    const Case cases[] = {
        {320, 240, VK_UP, 320, 240, 321, 241},
        {320, 240, VK_DOWN, 320, 240, 319, 239},
        {600, 450, VK_UP, 600, 450, 600, 450},
        {60, 45, VK_DOWN, 60, 45, 60, 45},
        {60, 45, VK_UP, 60, 45, 61, 46},
        // A settings file may hold anything; the dialog shows and keeps the nearest limit.
        {5000, 0, VK_LEFT, 600, 45, 600, 45},
        {-3, 99999, VK_LEFT, 60, 450, 60, 450},
    };
    for (const Case& c : cases) {
        g_settings.nWidth = c.width;
        g_settings.nHeight = c.height;
        auto drive = [&](HWND dlg) {
            EXPECT_EQ(c.shownWidth, SpinPos(dlg, IDC_OPT_WIDTHSPIN)) << c.width;
            EXPECT_EQ(c.shownHeight, SpinPos(dlg, IDC_OPT_HEIGHTSPIN)) << c.height;
            // The displays are the spins' buddies and show the same numbers.
            EXPECT_EQ(std::to_string(c.shownWidth), Text(dlg, IDC_OPT_WIDTH));
            EXPECT_EQ(std::to_string(c.shownHeight), Text(dlg, IDC_OPT_HEIGHT));
            for (int id : {IDC_OPT_WIDTHSPIN, IDC_OPT_HEIGHTSPIN})
                SendDlgItemMessageA(dlg, id, WM_KEYDOWN, c.key, 0);
            PressButton(dlg, IDOK);
        };
        DialogScript script({{kOptions, drive}});
        RunOptions();
        EXPECT_EQ(c.okWidth, g_settings.nWidth) << c.width << "x" << c.height;
        EXPECT_EQ(c.okHeight, g_settings.nHeight) << c.width << "x" << c.height;
    }
}

TEST_F(OptionsDialog, SwatchesShowTheColoursAndTheSample) {
    auto check = [](HWND dlg) {
        struct Case {
            int id;
            COLORREF inside;
        };
        const Case cases[] = {{IDC_OPT_TEXTSWATCH, Custom().crText},
                              {IDC_OPT_BACKSWATCH, Custom().crBack},
                              {IDC_OPT_FONTSAMPLE, Custom().crBack}};
        RECT client;
        for (const Case& c : cases) {
            GetClientRect(GetDlgItem(dlg, c.id), &client);
            SIZE size = SwatchSize(dlg, c.id);
            EXPECT_EQ(client.right, size.cx) << "swatch " << c.id << " fills its control";
            EXPECT_EQ(client.bottom, size.cy) << "swatch " << c.id;
            EXPECT_EQ(RGB(0, 0, 0), SwatchPixel(dlg, c.id, size.cx - 1, 0)) << c.id;
            EXPECT_EQ(c.inside, SwatchPixel(dlg, c.id, size.cx - 2, 1)) << c.id;
        }
        // The sample's first letter, in the text colour, starts at the left edge.
        SIZE size = SwatchSize(dlg, IDC_OPT_FONTSAMPLE);
        bool textSeen = false;
        for (int y = 0; y < size.cy && !textSeen; ++y)
            for (int x = 1; x < size.cx / 3 && !textSeen; ++x)
                textSeen = SwatchPixel(dlg, IDC_OPT_FONTSAMPLE, x, y) == Custom().crText;
        EXPECT_TRUE(textSeen);
        PressButton(dlg, IDCANCEL);
    };
    DialogScript script({{kOptions, check}});
    RunOptions();
    EXPECT_TRUE(script.Finished());
}

void SetColour(HWND color, int r, int g, int b) {
    SetDlgItemInt(color, 706, r, FALSE);
    SetDlgItemInt(color, 707, g, FALSE);
    SetDlgItemInt(color, 708, b, FALSE);
}

TEST_F(OptionsDialog, ColourDialogsChangeOnlyTheirColour) {
    struct Case {
        const char* what;
        int button;
        int colourEnd; // how the colour dialog ends
        COLORREF text, back;
    };
    const COLORREF chosen = RGB(10, 20, 30);
    const Case cases[] = {
        {"text colour", IDC_OPT_TEXTCOLOR, IDOK, chosen, Custom().crBack},
        {"background colour", IDC_OPT_BACKCOLOR, IDOK, Custom().crText, chosen},
        {"text colour cancelled", IDC_OPT_TEXTCOLOR, IDCANCEL, Custom().crText, Custom().crBack},
    };
    for (const Case& c : cases) {
        g_settings = Custom();
        DialogScript script({
            {kOptions, [&](HWND dlg) { PressButton(dlg, c.button); }},
            {"Color",
             [&](HWND color) {
                 SetColour(color, 10, 20, 30);
                 PostMessageA(color, WM_COMMAND, c.colourEnd, 0);
             }},
            {kOptions,
             [&](HWND dlg) {
                 EXPECT_EQ(c.text, SwatchPixel(dlg, IDC_OPT_TEXTSWATCH, 5, 5)) << c.what;
                 EXPECT_EQ(c.back, SwatchPixel(dlg, IDC_OPT_BACKSWATCH, 5, 5)) << c.what;
                 PressButton(dlg, IDOK);
             }},
        });
        EXPECT_EQ(IDOK, RunOptions()) << c.what;
        EXPECT_TRUE(script.Finished()) << c.what;
        EXPECT_EQ(c.text, g_settings.crText) << c.what;
        EXPECT_EQ(c.back, g_settings.crBack) << c.what;
    }
}

TEST_F(OptionsDialog, FontDialogSetsFontAndTextColourOnlyOnOk) {
    struct Case {
        const char* what;
        int fontEnd;
        bool changed;
    };
    const Case cases[] = {{"font OK", IDOK, true}, {"font cancelled", IDCANCEL, false}};
    for (const Case& c : cases) {
        g_settings = Custom();
        DialogScript script({
            {kOptions, [](HWND dlg) { PressButton(dlg, IDC_OPT_FONT); }},
            {"Font",
             [&](HWND font) {
                 HWND face = GetDlgItem(font, 1136);
                 EXPECT_NE(CB_ERR, SendMessageA(face, CB_SELECTSTRING, (WPARAM)-1,
                                                (LPARAM) "Liberation Mono"));
                 SendMessageA(font, WM_COMMAND, MAKEWPARAM(1136, CBN_SELCHANGE), (LPARAM)face);
                 HWND colours = GetDlgItem(font, 1139);
                 SendMessageA(colours, CB_SETCURSEL, 2, 0); // green
                 SendMessageA(font, WM_COMMAND, MAKEWPARAM(1139, CBN_SELCHANGE), (LPARAM)colours);
                 PostMessageA(font, WM_COMMAND, c.fontEnd, 0);
             }},
            {kOptions, [](HWND dlg) { PressButton(dlg, IDOK); }},
        });
        EXPECT_EQ(IDOK, RunOptions()) << c.what;
        EXPECT_TRUE(script.Finished()) << c.what;
        if (c.changed) {
            EXPECT_STREQ("Liberation Mono", g_settings.lf.lfFaceName) << c.what;
            EXPECT_EQ(RGB(0, 128, 0), g_settings.crText) << c.what;
        } else {
            ExpectSame(Custom(), g_settings, c.what);
        }
        EXPECT_EQ(Custom().crBack, g_settings.crBack) << c.what;
    }
}

} // namespace
