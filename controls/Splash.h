#pragma once
// The start-up splash of the tray instance: the About box's other template, centred on the
// screen without a caption, for a while.

#include <windows.h>

// Shows the splash for dwMilliseconds, handling this thread's messages meanwhile, then
// removes it.
void ShowSplash(DWORD dwMilliseconds);

// Dispatches this thread's messages (without keyboard translation) until dwMilliseconds have
// passed. A WM_QUIT met meanwhile ends the wait and is posted again for the caller's loop.
void PumpMessagesFor(DWORD dwMilliseconds);
