// The smallest program that shows a window like a note's: one empty modal dialog. The
// start-up benchmark measures tacknote.exe against it.
#include <windows.h>

static INT_PTR CALLBACK FloorProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return static_cast<int>(
        DialogBoxParamA(instance, MAKEINTRESOURCEA(100), nullptr, FloorProc, 0));
}
