#pragma once

#include <windows.h>

// Runs the tray role of a start without arguments: refuses a second tray
// instance, otherwise creates the hidden tray host as the main window.
// TRUE means the caller should enter the message loop.
BOOL StartTrayInstance();
