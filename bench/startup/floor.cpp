// The smallest program that shows a window like a note's: one empty modal dialog. The
// start-up benchmarks measure tacknote.exe against it. Built a few times over, each build
// adding one part of what a note does (FLOOR_STEP), so that the benchmarks can tell the
// system's cost of that part from the note's own. Its phases are stamped like a note's when
// TACKNOTE_TRACE_STARTUP is set.
//   0  the empty dialog
//   1  + reads two small files (a note file and its settings file), whole
//   2  + an edit control filling the dialog, with a font of its own and the program's icon
//   3  + the program's manifest (version 6 common controls, dpi awareness)
//   4  + the system DLLs tacknote.exe imports (gdi32, advapi32)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "framework/StartupTrace.h"

#ifndef FLOOR_STEP
#define FLOOR_STEP 0
#endif

namespace {

void ReadSmallFile(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    char buffer[4096];
    DWORD read = 0;
    ReadFile(file, buffer, sizeof buffer, &read, nullptr);
    CloseHandle(file);
}

HFONT g_font = nullptr;

INT_PTR CALLBACK FloorProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    static bool painted = false;
    if (message == WM_INITDIALOG) {
        TraceStartup("initdialog");
        if (FLOOR_STEP >= 2) {
            LOGFONTA lf{};
            lf.lfHeight = -16;
            lstrcpyA(lf.lfFaceName, "Arial");
            g_font = CreateFontIndirectA(&lf);
            SendDlgItemMessageA(dialog, 101, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), TRUE);
            HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
            SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        }
    }
    if (message == WM_PAINT && !painted) {
        painted = true;
        TraceStartup("painted");
    }
    if (message == WM_CLOSE) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR tail, int) {
    TraceStartup("winmain", tail);
    if (FLOOR_STEP >= 1) {
        // Started as "floorS.N" (or "floorSw.N") by tray_bench, it reads the N-th stored note of its folder.
        const char* number = strchr(tail, '.');
        const int note = number ? atoi(number + 1) : 1;
        char name[32];
        for (const char* extension : {"tkn", "ini"}) {
            snprintf(name, sizeof name, "tkn%d.%s", note, extension);
            ReadSmallFile(name);
        }
        TraceStartup("read");
    }
    static volatile bool never = false;
    if (FLOOR_STEP >= 4 && never) {
        // Never taken: the calls only make the loader bring in what tacknote.exe imports.
        HKEY key = nullptr;
        RegOpenKeyExA(HKEY_CURRENT_USER, "", 0, KEY_READ, &key);
        GetStockObject(DEFAULT_GUI_FONT);
    }
    INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(FLOOR_STEP >= 2 ? 102 : 100),
                                     nullptr, FloorProc, 0);
    if (g_font) DeleteObject(g_font);
    return static_cast<int>(result);
}
