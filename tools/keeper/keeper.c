/* Holds one window open so that Wine's desktop process (and the tray it hosts) stays alive
   between the short-lived programs that tests start. The desktop process inherits the
   standard handles of whoever starts it first; the keeper starts it, with handles that lead
   nowhere, and then creates the file named on its command line so that the caller knows no
   later program will start it with a pipe that a test runner waits on. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)previous;
    (void)show;
    CreateWindowA("STATIC", "keeper", 0, 0, 0, 1, 1, NULL, NULL, instance, NULL);
    if (commandLine && *commandLine) {
        HANDLE ready = CreateFileA(commandLine, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, NULL);
        if (ready != INVALID_HANDLE_VALUE) CloseHandle(ready);
    }
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
