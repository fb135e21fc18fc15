#include "tray_driver.h"

namespace tray {

namespace {

std::string ClassOf(HWND window) {
    char name[128] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

BOOL CALLBACK CollectIcon(HWND window, LPARAM param) {
    if (ClassOf(window) == "__winex11_tray_icon" && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

} // namespace

e2e::Process StartTray(const e2e::TempDir& dir) {
    e2e::Process process("tacknote.exe", "", dir.Path());
    EXPECT_TRUE(process.Started());
    EXPECT_NE(nullptr, HostWindow(process.Id())) << "no tray host window";
    EXPECT_TRUE(WaitForIconCount(1)) << "icons: " << TrayIcons().size();
    return process;
}

bool PostIconNotify(const e2e::Process& trayProcess, WPARAM iconId, UINT mouseMessage) {
    HWND callback = CallbackWindow(trayProcess.Id());
    return callback && PostMessageA(callback, kCallback, iconId, mouseMessage);
}

HWND HostWindow(DWORD pid, DWORD timeoutMs) {
    HWND found = nullptr;
    e2e::WaitUntil(
        [&] {
            std::vector<HWND> hosts =
                e2e::TopLevelWindows(pid, "AfxFrameOrView42s", "Tacknote", false);
            found = hosts.empty() ? nullptr : hosts.front();
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

HWND CallbackWindow(DWORD pid, DWORD timeoutMs) {
    HWND found = nullptr;
    e2e::WaitUntil(
        [&] {
            for (HWND window : e2e::TopLevelWindows(pid, nullptr, nullptr, false)) {
                if (ClassOf(window).compare(0, 4, "Afx:") == 0 && e2e::WindowText(window).empty()) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

std::vector<HWND> TrayIcons() {
    std::vector<HWND> icons;
    for (HWND tray : e2e::TopLevelWindows(0, "__winex11_standalone_tray", nullptr, false))
        EnumChildWindows(tray, CollectIcon, reinterpret_cast<LPARAM>(&icons));
    return icons;
}

bool WaitForIconCount(size_t count, DWORD timeoutMs) {
    return e2e::WaitUntil([&] { return TrayIcons().size() == count; }, timeoutMs);
}

std::vector<HWND> NoteWindows(DWORD except) {
    std::vector<HWND> notes;
    for (HWND window : e2e::TopLevelWindows(0, "#32770", "Tacknote")) {
        if (e2e::WindowProcessId(window) != except) notes.push_back(window);
    }
    return notes;
}

std::set<DWORD> NoteProcesses(DWORD except) {
    std::set<DWORD> ids;
    for (HWND window : NoteWindows(except))
        ids.insert(e2e::WindowProcessId(window));
    return ids;
}

bool WaitForNotes(size_t count, DWORD except, DWORD timeoutMs) {
    return e2e::WaitUntil([&] { return NoteWindows(except).size() == count; }, timeoutMs);
}

HWND WaitForMenu(DWORD timeoutMs) {
    return e2e::WaitForWindow(0, "#32768", nullptr, timeoutMs);
}

bool MenuGone(DWORD timeoutMs) {
    return e2e::WaitUntil([] { return e2e::TopLevelWindows(0, "#32768", nullptr).empty(); },
                          timeoutMs);
}

} // namespace tray
