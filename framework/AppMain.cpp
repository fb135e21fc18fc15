// The program's entry point, in its own library (framework_main) so that test programs,
// which bring their own main, do not get it.
#include <windows.h>

#include "framework/StartupTrace.h"
#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR, int nCmdShow)
{
    // The tail is taken from the whole command line: the runtime's lpCmdLine has every
    // leading blank removed, which would turn " private" into "private".
    LPSTR lpszTail = const_cast<LPSTR>(AfxCommandTail(::GetCommandLineA()));
    TraceStartup("winmain", lpszTail);
    return AfxWinMain(hInstance, hPrevInstance, lpszTail, nCmdShow);
}
