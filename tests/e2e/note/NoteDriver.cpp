#include "NoteDriver.h"

#include <cstdio>

namespace notes {

HWND StartStoredNote(const e2e::TempDir& dir, e2e::Process& note, const std::string& name,
                     const std::string& bytes) {
    dir.Write(name, bytes);
    note = e2e::Process("tacknote.exe", name, dir.Path());
    HWND window = WaitForNote(note);
    if (!window || !e2e::Activate(window)) return nullptr;
    return window;
}

HWND WaitForNote(const e2e::Process& process) {
    HWND note = e2e::WaitForWindow(process.Id(), "#32770", "Tacknote", 10000);
    if (!note) return nullptr;
    // The first paint sizes and places the window; wait until it has settled.
    RECT last = e2e::WindowRect(note);
    int steady = 0;
    e2e::WaitUntil(
        [&] {
            RECT now = e2e::WindowRect(note);
            steady = EqualRect(&now, &last) ? steady + 1 : 0;
            last = now;
            return steady >= 4;
        },
        3000);
    return note;
}

HWND EditOf(HWND note) {
    return GetDlgItem(note, kEditId);
}

std::string NoteText(HWND note) {
    return e2e::WindowText(EditOf(note));
}

std::pair<int, int> Selection(HWND note) {
    DWORD_PTR packed = 0;
    SendMessageTimeoutA(EditOf(note), EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 2000, &packed);
    return {LOWORD(packed), HIWORD(packed)};
}

std::string BuiltInSettingsBytes(int width, int height) {
    char size[64];
    snprintf(size, sizeof size, "Width=%d\r\nHeight=%d\r\n", width, height);
    return std::string("[Settings]\r\nTextColor=FF0000\r\nBackgroundColor=80FFFF\r\n") + size +
           "TopmostWindow=1\r\nlfHeight=-24\r\nlfWidth=0\r\nlfEscapement=0\r\nlfOrientation=0\r\n"
           "lfWeight=700\r\nlfItalic=0\r\nlfUnderline=0\r\nlfStrikeOut=0\r\nlfCharSet=1\r\n"
           "lfOutPrecision=0\r\nlfClipPrecision=0\r\nlfQuality=0\r\nlfPitchAndFamily=0\r\n"
           "lfFaceName=Arial\r\n";
}

bool TypeInto(HWND note, const std::string& typed, const std::string& expected) {
    if (!e2e::Activate(note)) return false;
    e2e::TypeText(typed);
    // Switching away at once would lose the keys still queued. Two suites side by side on a
    // 2-core machine once took over 3 s to show them.
    return e2e::WaitUntil([&] { return NoteText(note) == expected; }, 10000);
}

int MenuDowns(UINT commandId) {
    // Down from no lit entry lights the first; separators are skipped.
    return NoteMenuCommandIndex(commandId);
}

bool PickMenuCommand(HWND note, int x, int y, UINT commandId) {
    DWORD pid = e2e::WindowProcessId(note);
    e2e::Click(x, y, true);
    HWND menu = e2e::WaitForWindow(pid, "#32768", nullptr, 3000);
    if (!menu) return false;
    e2e::PickMenuItem(menu, MenuDowns(commandId));
    return e2e::WaitUntil([&] { return !IsWindowVisible(menu); }, 3000);
}

namespace {
LRESULT CALLBACK ThiefProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}
} // namespace

FocusThief::FocusThief() {
    WNDCLASSA cls = {};
    cls.lpfnWndProc = ThiefProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    cls.lpszClassName = "NoteTestFocusThief";
    RegisterClassA(&cls); // fails harmlessly when a previous test registered it
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    m_window = CreateWindowExA(0, cls.lpszClassName, "focus thief", WS_POPUP, cx - 60, cy - 60,
                               50, 50, nullptr, nullptr, cls.hInstance, nullptr);
    // Shown without taking the activation: taken at creation, the display server's word of it
    // could reach this thread only after the test's note had come up, and take the focus back
    // from that note before the test asked for it.
    ShowWindow(m_window, SW_SHOWNOACTIVATE);
}

FocusThief::~FocusThief() {
    DestroyWindow(m_window);
}

bool FocusThief::Steal() {
    bool ok = e2e::Activate(m_window);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    return ok;
}

void Snapshot(const std::string& name, HWND note) {
    RECT area;
    if (note) area = e2e::WindowRect(note);
    e2e::Screenshot(e2e::ScreenshotDir() + name + ".png", note ? &area : nullptr);
}

} // namespace notes
