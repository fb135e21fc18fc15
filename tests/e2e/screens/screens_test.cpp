// The README's pictures, taken of the real program as a person would see it. Each test is one
// picture: it sets the scene, and Picture() frames the windows that matter on a desktop-blue
// backdrop. The files go to TACKNOTE_SCREENS_OUT (a Unix folder; scripts/screenshots.sh
// points it at docs/screens) or else to the build's screenshot folder, so that every test run
// proves the scenes still work. A new picture is one more TEST_F here and a line in README.md.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>

#include "NoteDriver.h"
#include "e2e.h"
#include "res/resource.h"
#include "tray_driver.h"

namespace {

const COLORREF kDesktop = RGB(58, 110, 165);
const int kMargin = 24;

std::string OutputDir()
{
    const char* unixPath = std::getenv("TACKNOTE_SCREENS_OUT");
    if (!unixPath || !*unixPath) return e2e::ScreenshotDir();
    std::string path = std::string("Z:") + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    CreateDirectoryA(path.c_str(), nullptr);
    return path + "\\";
}

LRESULT CALLBACK BackdropProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

// A plain screen-sized window in the desktop's colour behind the program's windows: the test
// display's root window is black, and nothing else should show in a picture.
class Backdrop {
public:
    Backdrop()
    {
        WNDCLASSA cls = {};
        cls.lpfnWndProc = BackdropProc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.hbrBackground = m_brush;
        cls.lpszClassName = "TacknoteScreensBackdrop";
        RegisterClassA(&cls); // unregistered again with the window: the brush is this one's
        m_window = CreateWindowExA(0, cls.lpszClassName, "backdrop", WS_POPUP | WS_VISIBLE, 0, 0,
                                   GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                   nullptr, nullptr, cls.hInstance, nullptr);
        UpdateWindow(m_window);
        // The display's expose events arrive a moment later; serve them before the scene.
        DWORD start = GetTickCount();
        while (GetTickCount() - start < 300) {
            Pump();
            Sleep(10);
        }
    }
    ~Backdrop()
    {
        DestroyWindow(m_window);
        UnregisterClassA("TacknoteScreensBackdrop", GetModuleHandleA(nullptr));
        DeleteObject(m_brush);
    }
    Backdrop(const Backdrop&) = delete;
    Backdrop& operator=(const Backdrop&) = delete;

    static void Pump()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }

private:
    HBRUSH m_brush = CreateSolidBrush(kDesktop);
    HWND m_window = nullptr;
};

// The settings file of a note in these colours, with an Arial face of that height.
std::string Look(const char* text, const char* back, int width, int height, int fontHeight)
{
    char ini[512];
    std::snprintf(ini, sizeof ini,
                  "[Settings]\r\nTextColor=%s\r\nBackgroundColor=%s\r\nWidth=%d\r\nHeight=%d\r\n"
                  "TopmostWindow=1\r\nlfHeight=%d\r\nlfWidth=0\r\nlfEscapement=0\r\n"
                  "lfOrientation=0\r\nlfWeight=700\r\nlfItalic=0\r\nlfUnderline=0\r\n"
                  "lfStrikeOut=0\r\nlfCharSet=1\r\nlfOutPrecision=0\r\nlfClipPrecision=0\r\n"
                  "lfQuality=0\r\nlfPitchAndFamily=0\r\nlfFaceName=Arial\r\n",
                  text, back, width, height, fontHeight);
    return ini;
}

class Screens : public e2e::TacknoteTest {
protected:
    // A stored note in its own process, shown and settled.
    HWND ShowNote(e2e::Process& process, const std::string& name, const RECT& rc,
                  const std::string& text, const std::string& look)
    {
        dir.Write(name + ".ini", look);
        return notes::StartStoredNote(dir, process, name + ".tkn", e2e::NoteFileBytes(rc, text));
    }

    HWND ShowShoppingNote(e2e::Process& process)
    {
        const RECT rc = {80, 70, 400, 290};
        return ShowNote(process, "tkn1", rc,
                        "Saturday:\r\nbread, cheese, grapes\r\ncall Anna about the picnic",
                        Look("800000", "80FFFF", rc.right - rc.left, rc.bottom - rc.top, -20));
    }

    // Waits for a visible top-level window of the process other than the ones given.
    static HWND WaitForOtherWindow(DWORD pid, const char* className,
                                   std::initializer_list<HWND> known, DWORD timeoutMs = 5000)
    {
        HWND found = nullptr;
        e2e::WaitUntil(
            [&] {
                for (HWND w : e2e::TopLevelWindows(pid, className, nullptr, true)) {
                    if (std::find(known.begin(), known.end(), w) == known.end()) {
                        found = w;
                        return true;
                    }
                }
                return false;
            },
            timeoutMs);
        return found;
    }

    // Writes <name>.png: the windows' bounding box and a margin of backdrop around it.
    void Picture(const std::string& name, std::initializer_list<HWND> windows)
    {
        RECT area = {};
        for (HWND w : windows) {
            RECT rc = e2e::WindowRect(w);
            UnionRect(&area, &area, &rc);
        }
        InflateRect(&area, kMargin, kMargin);
        area.left = std::max(0L, area.left);
        area.top = std::max(0L, area.top);
        Sleep(400); // the last paints of the windows in the picture
        std::string path = OutputDir() + name + ".png";
        ASSERT_TRUE(e2e::Screenshot(path, &area)) << path;
        // The corner is backdrop: the picture shows the scene, not a stray window.
        EXPECT_EQ(e2e::ScreenPixel(area.left + 2, area.top + 2), kDesktop) << name;
    }

    Backdrop backdrop;
};

TEST_F(Screens, Note)
{
    e2e::Process first, second;
    HWND shopping = ShowShoppingNote(first);
    ASSERT_NE(shopping, nullptr);
    const RECT rc = {330, 250, 580, 400};
    HWND reminder = ShowNote(second, "tkn2", rc, "Dentist\r\nTuesday 9:30",
                             Look("004000", "C0FFC0", rc.right - rc.left, rc.bottom - rc.top, -24));
    ASSERT_NE(reminder, nullptr);
    Picture("note", {shopping, reminder});
}

TEST_F(Screens, NoteMenu)
{
    e2e::Process process;
    HWND note = ShowShoppingNote(process);
    ASSERT_NE(note, nullptr);
    RECT rc = e2e::WindowRect(note);
    e2e::Click(rc.left + 210, rc.top + 60, true);
    HWND menu = e2e::WaitForWindow(process.Id(), "#32768", nullptr, 3000);
    ASSERT_NE(menu, nullptr) << "no context menu";
    // "Select All" lit: the edit commands above it are greyed in a note with nothing selected.
    const int itemHeight = GetSystemMetrics(SM_CYMENU) - 2;
    e2e::MoveMouse(rc.left + 260, e2e::WindowRect(menu).top + 4 + itemHeight * 9 / 2);
    Picture("note-menu", {note, menu});
    e2e::PressKey(VK_ESCAPE);
}

// A note too full for what was pasted, and the hint it gives once.
TEST_F(Screens, NoteFull)
{
    e2e::Process process;
    const RECT rc = {80, 120, 300, 250};
    HWND note = ShowNote(process, "tkn3", rc, "Call the garage about the brakes",
                         Look("800000", "80FFFF", rc.right - rc.left, rc.bottom - rc.top, -20));
    ASSERT_NE(note, nullptr);
    std::string pasted;
    for (int i = 0; i < 20; ++i) pasted += " and the tyres, and the lights";
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, pasted.size() + 1);
    memcpy(GlobalLock(memory), pasted.c_str(), pasted.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
    e2e::PressKey(VK_END, false, true);
    e2e::PressKey('V', false, true);
    HWND tip = WaitForOtherWindow(process.Id(), nullptr, {note}, 3000);
    ASSERT_NE(tip, nullptr) << "no hint";
    Picture("note-full", {note, tip});
}

TEST_F(Screens, Options)
{
    e2e::Process process;
    HWND note = ShowShoppingNote(process);
    ASSERT_NE(note, nullptr);
    RECT rc = e2e::WindowRect(note);
    ASSERT_TRUE(notes::PickMenuCommand(note, rc.left + 40, rc.top + 40, notes::kOptions));
    HWND options = e2e::WaitForWindow(process.Id(), "#32770", "Tacknote Options");
    ASSERT_NE(options, nullptr) << "no options dialog";
    Picture("options", {options});
    PostMessageA(options, WM_COMMAND, IDCANCEL, 0);
}

// The alarm dialog with its calendar dropped down.
TEST_F(Screens, AlarmCalendar)
{
    e2e::Process process;
    HWND note = ShowShoppingNote(process);
    ASSERT_NE(note, nullptr);
    RECT rc = e2e::WindowRect(note);
    ASSERT_TRUE(notes::PickMenuCommand(note, rc.left + 40, rc.top + 40, notes::kAlarm));
    HWND alarm = e2e::WaitForWindow(process.Id(), "#32770", "Tacknote Alarm", 3000);
    if (!alarm) GTEST_SKIP() << "\"Alarm...\" opens no \"Tacknote Alarm\" dialog in this build yet";
    HWND drop = GetDlgItem(alarm, 9191); // the date field's drop-down button
    ASSERT_NE(drop, nullptr) << "the alarm dialog has no drop-down button";
    RECT button = e2e::WindowRect(drop);
    e2e::Click((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    HWND calendar = WaitForOtherWindow(process.Id(), nullptr, {note, alarm}, 3000);
    ASSERT_NE(calendar, nullptr) << "the drop-down button opened no calendar";
    // The dialog is centred on its note, so the note is part of the scene.
    Picture("alarm-calendar", {note, alarm, calendar});
    e2e::PressKey(VK_ESCAPE);
    PostMessageA(alarm, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(Screens, About)
{
    e2e::Process process;
    HWND note = ShowShoppingNote(process);
    ASSERT_NE(note, nullptr);
    RECT rc = e2e::WindowRect(note);
    ASSERT_TRUE(notes::PickMenuCommand(note, rc.left + 40, rc.top + 40, notes::kAbout));
    HWND about = e2e::WaitForWindow(process.Id(), "#32770", "About Tacknote", 3000);
    if (!about) GTEST_SKIP() << "\"About...\" opens no \"About Tacknote\" box in this build yet";
    Picture("about", {about});
    PostMessageA(about, WM_COMMAND, IDOK, 0);
}

// The notes list, filtered: the word found in the first line of some notes and further down
// in another. The notes themselves are minimized out of the picture.
TEST_F(Screens, NotesList)
{
    const char* const texts[] = {
        "Saturday:\r\nbread, cheese, grapes\r\ncall Anna about the picnic",
        "Dentist\r\nTuesday 9:30",
        "Picnic basket: plates, cups, the blue rug",
        "Book train tickets\r\nfor Sunday",
        "Ideas for the garden\r\nherbs by the kitchen door",
    };
    const char* const backs[] = {"80FFFF", "C0FFC0", "C0E0FF", "FFE0C0", "E0C0FF"};
    for (int i = 0; i < 5; ++i) {
        std::string name = "tkn" + std::to_string(i + 1);
        RECT rc = {40 + i * 30, 40 + i * 30, 240 + i * 30, 160 + i * 30};
        dir.Write(name + ".ini", Look("800000", backs[i], 200, 120, -16));
        dir.Write(name + ".tkn", e2e::NoteFileBytes(rc, texts[i]));
    }
    e2e::Process trayProcess = tray::StartTray(dir);
    ASSERT_TRUE(tray::WaitForNotes(5, trayProcess.Id()));
    HWND host = tray::HostWindow(trayProcess.Id());
    ASSERT_NE(host, nullptr);
    PostMessageA(host, WM_COMMAND, ID_TRAY_HIDEALL, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] {
        for (HWND note : tray::NoteWindows(trayProcess.Id()))
            if (!IsIconic(note)) return false;
        return true;
    }));
    // From the icon's menu, as the user opens it: the tray then may take the foreground.
    ASSERT_TRUE(tray::PostIconNotify(trayProcess, tray::kIconId, WM_RBUTTONUP));
    HWND menu = tray::WaitForMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(e2e::PickTrayMenuItem(menu, ID_TRAY_NOTELIST));
    HWND list = e2e::WaitForWindow(trayProcess.Id(), "#32770", "Tacknote Notes", 3000);
    if (!list) GTEST_SKIP() << "\"Notes...\" opens no notes list in this build yet";
    e2e::TypeText("picnic");
    Picture("notelist", {list});
    e2e::PressKey(VK_ESCAPE);
}

} // namespace
