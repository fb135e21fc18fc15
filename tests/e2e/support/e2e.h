#pragma once
// Driving the real program from outside, as a person would: start it in a fresh working
// folder, find its windows, type and click with SendInput, read its files, take screenshots.
// Runs inside Wine on the test display, in the same prefix as the program under test.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace e2e {

// The build root as a Windows path (from TACKNOTE_BUILD, a Unix path), with a trailing "\".
std::string BuildDir();

// Polls every 20 ms until the condition holds or the time is up; returns the last result.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// A fresh, empty working folder, removed with everything in it at destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }  // no trailing "\"
    std::string FilePath(const std::string& name) const { return m_path + "\\" + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;  // whole file, binary; "" when absent
    bool Exists(const std::string& name) const;
    std::vector<std::string> List(const std::string& pattern = "*") const;  // names, sorted

private:
    std::string m_path;
};

// A process started from the build root with the given working folder. The destructor ends
// it if it still runs.
class Process {
public:
    Process() = default;
    Process(const std::string& exeName, const std::string& args, const std::string& workDir);
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return m_process != nullptr; }
    DWORD Id() const { return m_id; }
    bool Running() const;
    bool WaitExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
    void Kill();

private:
    HANDLE m_process = nullptr;
    DWORD m_id = 0;
};

// Waits until the named file in `dir` holds exactly `bytes`; a failure tells what it held.
// Generous by default: tests run side by side, three Wine desktops on a loaded machine.
::testing::AssertionResult FileBecomes(const TempDir& dir, const std::string& name,
                                       const std::string& bytes, DWORD timeoutMs = 10000);

// What a note file holds for that window rectangle and text: "L\r\nT\r\nR\r\nB\r\n" + text.
std::string NoteFileBytes(const RECT& rc, const std::string& text);

// Ends every running process of that executable name (e.g. note processes that the tray or
// a note started, which no Process object holds).
void KillAll(const char* exeName);
// Ids of running processes of that executable name.
std::vector<DWORD> ProcessIds(const char* exeName);

// Top-level windows, optionally of one process, class and title (nullptr = any).
std::vector<HWND> TopLevelWindows(DWORD pid = 0, const char* className = nullptr,
                                  const char* title = nullptr, bool visibleOnly = true);
// Waits for a visible top-level window that matches; nullptr when none came in time.
HWND WaitForWindow(DWORD pid, const char* className, const char* title, DWORD timeoutMs = 5000);

std::string WindowText(HWND window);  // WM_GETTEXT across processes
RECT WindowRect(HWND window);
DWORD WindowProcessId(HWND window);

// Makes the window the foreground window and waits until the system agrees.
bool Activate(HWND window);
// Input through SendInput, to whatever has the focus / is under the pointer.
void TypeText(const std::string& text);
void PressKey(WORD vk, bool alt = false, bool ctrl = false, bool shift = false);
void MoveMouse(int x, int y);
void Click(int x, int y, bool right = false);
void DoubleClick(int x, int y);
void Drag(int fromX, int fromY, int toX, int toY);
// Picks the item of an open popup menu (class "#32768") that `downs` presses of the down key
// reach; separators are skipped. Another process's menu can't be read, only keyed.
void PickMenuItem(HWND menu, int downs);
// Picks by keyboard the item of the open tray menu whose command is `id` (for a submenu: whose
// first item's is). The Down presses are counted in the menu resource of the tacknote.exe under
// test (menus can't be read across processes under Wine), so that a test doesn't break when
// items are added. False when the menu holds no such item.
bool PickTrayMenuItem(HWND menu, UINT id);

// The screen (or a part of it) as a PNG file; returns false when it could not be written.
bool Screenshot(const std::string& path, const RECT* area = nullptr);
// The colour of one screen pixel.
COLORREF ScreenPixel(int x, int y);
// Waits until the pixel has the expected colour (a window paints some time after it shows);
// returns the colour last seen, so that a test can compare it and print it.
COLORREF WaitForPixel(int x, int y, COLORREF expected, DWORD timeoutMs = 3000);
// Where failure screenshots go: <build>\e2e-screens\ (created on demand).
std::string ScreenshotDir();

// Base fixture: a fresh working folder per test; every tacknote.exe is ended afterwards, and a
// failed test leaves a screenshot named after it in ScreenshotDir().
class TacknoteTest : public ::testing::Test {
protected:
    void TearDown() override;
    Process Start(const std::string& args) { return Process("tacknote.exe", args, dir.Path()); }

    TempDir dir;
};

}  // namespace e2e
