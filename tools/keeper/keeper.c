/* Holds one window open so that Wine's desktop process (and the tray it hosts) stays alive
   between the short-lived programs that tests start. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)previous;
    (void)commandLine;
    (void)show;
    CreateWindowA("STATIC", "keeper", 0, 0, 0, 1, 1, NULL, NULL, instance, NULL);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
