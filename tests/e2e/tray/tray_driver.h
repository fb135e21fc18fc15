#pragma once
// Finding and driving the tray instance from outside: its hidden windows, its icon in the
// system tray that the desktop process shows, its popup menu.

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "e2e.h"

namespace tray {

const UINT kCallback = WM_USER + 8;
const UINT kIconId = 11;

// Starts the tray instance in `dir` and waits (checking as it goes) for its hidden host
// window and its one icon.
e2e::Process StartTray(const e2e::TempDir& dir);
// Posts the icon's callback as the shell would: `iconId` in wParam, the mouse message in
// lParam. False when the tray process has no callback window.
bool PostIconNotify(const e2e::Process& trayProcess, WPARAM iconId, UINT mouseMessage);

// The hidden tray host frame of that process (found although never shown).
HWND HostWindow(DWORD pid, DWORD timeoutMs = 10000);
// The icon component's hidden window, which receives the icon's callback.
HWND CallbackWindow(DWORD pid, DWORD timeoutMs = 10000);
// The icons that the desktop process shows in its tray window.
std::vector<HWND> TrayIcons();
// Waits until exactly `count` icons are shown.
bool WaitForIconCount(size_t count, DWORD timeoutMs = 5000);

// Visible note windows ("#32770" titled "Tacknote") of processes other than `except`.
std::vector<HWND> NoteWindows(DWORD except = 0);
// Process ids of those note windows.
std::set<DWORD> NoteProcesses(DWORD except = 0);
// Waits until exactly `count` note windows are visible.
bool WaitForNotes(size_t count, DWORD except, DWORD timeoutMs = 15000);

// The popup menu window of a tracked menu, or nullptr when none came.
HWND WaitForMenu(DWORD timeoutMs = 5000);
bool MenuGone(DWORD timeoutMs = 5000);

} // namespace tray
