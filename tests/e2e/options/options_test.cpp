// The options dialog from a note and from the tray: what OK applies and writes, what Cancel
// leaves alone, and the system colour dialog it opens.
#include <windows.h>

#include <commctrl.h>

#include "NoteDriver.h"
#include "e2e.h"
#include "res/resource.h"
#include "tray_driver.h"

namespace {

const int kOptionsCommand = 1004; // the note's context-menu "Options..."

int SpinPos(HWND dlg, int id) {
    return LOWORD(SendMessageA(GetDlgItem(dlg, id), UDM_GETPOS, 0, 0));
}

void SetSpin(HWND dlg, int id, int value) {
    SendMessageA(GetDlgItem(dlg, id), UDM_SETPOS, 0, MAKELPARAM(value, 0));
}

void ClickButton(HWND dlg, int id) {
    SendMessageA(GetDlgItem(dlg, id), BM_CLICK, 0, 0);
}

// BM_CLICK posts nothing back: a button that opens a modal dialog blocks a SendMessage.
void PressButton(HWND dlg, int id) {
    PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dlg, id));
}

std::string IniValue(const e2e::TempDir& dir, const std::string& file, const char* key) {
    char value[80] = "";
    GetPrivateProfileStringA("Settings", key, "", value, sizeof value, dir.FilePath(file).c_str());
    return value;
}

// The note writes its keys one by one; wait for the one asked about.
bool IniBecomes(const e2e::TempDir& dir, const std::string& file, const char* key,
                const std::string& want) {
    return e2e::WaitUntil([&] { return IniValue(dir, file, key) == want; }, 3000);
}

FILETIME LastWriteTime(const e2e::TempDir& dir, const std::string& name) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(dir.FilePath(name).c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

RECT Rect(LONG left, LONG top, LONG right, LONG bottom) {
    RECT rc = {left, top, right, bottom};
    return rc;
}

class Options : public e2e::TacknoteTest {
protected:
    // A stored note at `rc`, running and shown there.
    HWND StartNote(e2e::Process& process, const RECT& rc) {
        return notes::StartStoredNote(dir, process, "tkn1.tkn", e2e::NoteFileBytes(rc, "text"));
    }

    HWND OpenNoteOptions(const e2e::Process& process, HWND note) {
        PostMessageA(GetDlgItem(note, IDC_NOTE_EDIT), WM_COMMAND, kOptionsCommand, 0);
        return e2e::WaitForWindow(process.Id(), "#32770", "Tacknote Options", 5000);
    }

    HWND OpenTrayOptions(const e2e::Process& trayProcess) {
        if (!tray::PostIconNotify(trayProcess, tray::kIconId, WM_RBUTTONUP)) return nullptr;
        HWND menu = tray::WaitForMenu();
        if (!menu) return nullptr;
        e2e::PickMenuItem(menu, 2); // "Options..."
        return e2e::WaitForWindow(trayProcess.Id(), "#32770", "Tacknote Options", 5000);
    }

    e2e::Process StartTray() { return tray::StartTray(dir); }
};

TEST_F(Options, NoteOkResizesAtTheSameCornerAndSavesTheSettings) {
    e2e::Process process;
    HWND note = StartNote(process, Rect(200, 200, 520, 440));
    ASSERT_NE(nullptr, note);
    HWND dlg = OpenNoteOptions(process, note);
    ASSERT_NE(nullptr, dlg) << "no options dialog";
    RECT area = e2e::WindowRect(dlg);
    e2e::Screenshot(e2e::ScreenshotDir() + "options_dialog.png", &area);

    EXPECT_EQ(320, SpinPos(dlg, IDC_OPT_WIDTHSPIN));
    EXPECT_EQ(240, SpinPos(dlg, IDC_OPT_HEIGHTSPIN));
    EXPECT_EQ("320", e2e::WindowText(GetDlgItem(dlg, IDC_OPT_WIDTH)));
    EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(dlg, IDC_OPT_TOPMOST), BM_GETCHECK, 0, 0));

    // One real click on the width spin's upper arrow steps by exactly one.
    SetSpin(dlg, IDC_OPT_WIDTHSPIN, 400);
    RECT spin = e2e::WindowRect(GetDlgItem(dlg, IDC_OPT_WIDTHSPIN));
    e2e::Click((spin.left + spin.right) / 2, spin.top + 2);
    ASSERT_TRUE(e2e::WaitUntil([&] { return SpinPos(dlg, IDC_OPT_WIDTHSPIN) == 401; }))
        << SpinPos(dlg, IDC_OPT_WIDTHSPIN);
    EXPECT_EQ("401", e2e::WindowText(GetDlgItem(dlg, IDC_OPT_WIDTH)));
    SetSpin(dlg, IDC_OPT_HEIGHTSPIN, 150);
    ClickButton(dlg, IDC_OPT_TOPMOST); // clears "Paper on Top"
    ClickButton(dlg, IDOK);

    EXPECT_TRUE(e2e::WaitUntil([&] {
        RECT got = e2e::WindowRect(note);
        RECT want = Rect(200, 200, 601, 350);
        return EqualRect(&got, &want) != FALSE;
    })) << "note not resized at its corner";
    EXPECT_FALSE(GetWindowLongA(note, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IniBecomes(dir, "tkn1.ini", "Width", "401"));
    EXPECT_TRUE(IniBecomes(dir, "tkn1.ini", "Height", "150"));
    EXPECT_TRUE(IniBecomes(dir, "tkn1.ini", "TopmostWindow", "0"));
    EXPECT_FALSE(dir.Exists("tacknote.ini")) << "a note never writes the defaults";
}

TEST_F(Options, NoteCancelAfterResetChangesNothing) {
    dir.Write("tkn1.ini", "[Settings]\r\nTextColor=0\r\nBackgroundColor=FFFFFF\r\nWidth=200\r\n"
                          "Height=150\r\nTopmostWindow=0\r\nlfHeight=-16\r\nlfWeight=400\r\n"
                          "lfFaceName=Liberation Serif\r\n");
    e2e::Process process;
    HWND note = StartNote(process, Rect(300, 250, 500, 400));
    ASSERT_NE(nullptr, note);
    const FILETIME stored = LastWriteTime(dir, "tkn1.tkn");
    HWND dlg = OpenNoteOptions(process, note);
    ASSERT_NE(nullptr, dlg);
    EXPECT_EQ(200, SpinPos(dlg, IDC_OPT_WIDTHSPIN));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(GetDlgItem(dlg, IDC_OPT_TOPMOST), BM_GETCHECK, 0, 0));
    // Nothing changed, so the focus the dialog took wrote nothing: the files as they were are
    // the state to keep.
    Sleep(1000);
    const FILETIME now = LastWriteTime(dir, "tkn1.tkn");
    EXPECT_EQ(0, CompareFileTime(&now, &stored));
    const std::string saved = dir.Read("tkn1.ini");

    ClickButton(dlg, IDC_OPT_RESET);
    EXPECT_EQ(320, SpinPos(dlg, IDC_OPT_WIDTHSPIN));
    EXPECT_EQ(240, SpinPos(dlg, IDC_OPT_HEIGHTSPIN));
    EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(dlg, IDC_OPT_TOPMOST), BM_GETCHECK, 0, 0));
    ClickButton(dlg, IDCANCEL);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dlg); }));

    Sleep(500);
    RECT got = e2e::WindowRect(note);
    RECT want = Rect(300, 250, 500, 400);
    EXPECT_TRUE(EqualRect(&got, &want));
    EXPECT_EQ(saved, dir.Read("tkn1.ini"));
    EXPECT_EQ("200", IniValue(dir, "tkn1.ini", "Width"));
}

TEST_F(Options, TrayOkWritesTheDefaultsThatNewNotesUse) {
    e2e::Process trayProcess = StartTray();
    HWND dlg = OpenTrayOptions(trayProcess);
    ASSERT_NE(nullptr, dlg) << "no options dialog from the tray";
    EXPECT_EQ(320, SpinPos(dlg, IDC_OPT_WIDTHSPIN)) << "the built-in width";
    SetSpin(dlg, IDC_OPT_WIDTHSPIN, 300);
    SetSpin(dlg, IDC_OPT_HEIGHTSPIN, 200);
    ClickButton(dlg, IDC_OPT_TOPMOST);

    PressButton(dlg, IDC_OPT_BACKCOLOR);
    HWND color = e2e::WaitForWindow(trayProcess.Id(), "#32770", "Color", 5000);
    ASSERT_NE(nullptr, color);
    SetWindowTextA(GetDlgItem(color, 706), "0");
    SetWindowTextA(GetDlgItem(color, 707), "255");
    SetWindowTextA(GetDlgItem(color, 708), "0");
    PostMessageA(color, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(color); }));

    ClickButton(dlg, IDOK);
    ASSERT_TRUE(IniBecomes(dir, "tacknote.ini", "Width", "300"));
    EXPECT_TRUE(IniBecomes(dir, "tacknote.ini", "Height", "200"));
    EXPECT_TRUE(IniBecomes(dir, "tacknote.ini", "TopmostWindow", "0"));
    EXPECT_TRUE(IniBecomes(dir, "tacknote.ini", "BackgroundColor", "FF00"));
    // The last key: the file is complete before a new note reads it.
    ASSERT_TRUE(IniBecomes(dir, "tacknote.ini", "lfFaceName", "Arial"));

    // A note started afterwards takes the new defaults.
    ASSERT_TRUE(tray::PostIconNotify(trayProcess, tray::kIconId, WM_LBUTTONDBLCLK));
    ASSERT_TRUE(tray::WaitForNotes(1, trayProcess.Id()));
    HWND note = tray::NoteWindows(trayProcess.Id()).front();
    EXPECT_TRUE(e2e::WaitUntil([&] {
        RECT rc = e2e::WindowRect(note);
        return rc.right - rc.left == 300 && rc.bottom - rc.top == 200;
    }));
    EXPECT_FALSE(GetWindowLongA(note, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT rc = e2e::WindowRect(note);
    const COLORREF expected = RGB(0, 255, 0);
    EXPECT_EQ(expected, e2e::WaitForPixel(rc.right - 5, rc.bottom - 5, expected));
}

TEST_F(Options, TrayCancelLeavesTheDefaultsUntouched) {
    e2e::Process trayProcess = StartTray();
    HWND dlg = OpenTrayOptions(trayProcess);
    ASSERT_NE(nullptr, dlg);
    // While it is open the icon brings it back rather than opening the menu again.
    ASSERT_TRUE(tray::PostIconNotify(trayProcess, tray::kIconId, WM_RBUTTONUP));
    Sleep(500);
    EXPECT_TRUE(e2e::TopLevelWindows(0, "#32768", nullptr).empty()) << "menu over the dialog";
    SetSpin(dlg, IDC_OPT_WIDTHSPIN, 500);
    ClickButton(dlg, IDCANCEL);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dlg); }));
    Sleep(300);
    EXPECT_FALSE(dir.Exists("tacknote.ini")) << "Cancel must not create the defaults file";

    const std::string defaults = "[Settings]\r\nWidth=280\r\nHeight=210\r\n";
    dir.Write("tacknote.ini", defaults);
    dlg = OpenTrayOptions(trayProcess);
    ASSERT_NE(nullptr, dlg);
    EXPECT_EQ(280, SpinPos(dlg, IDC_OPT_WIDTHSPIN)) << "the dialog re-reads the defaults file";
    EXPECT_EQ(210, SpinPos(dlg, IDC_OPT_HEIGHTSPIN));
    ClickButton(dlg, IDC_OPT_RESET);
    ClickButton(dlg, IDCANCEL);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dlg); }));
    Sleep(300);
    EXPECT_EQ(defaults, dir.Read("tacknote.ini"));
}

} // namespace
