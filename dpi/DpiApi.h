#pragma once
// The system's dpi functions that only newer Windows versions have, looked up when first
// called, so that the program still starts where they are missing. Each falls back to what
// the older system offers: one dpi for the whole screen.

#include <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

// Per-monitor awareness (v2, else v1), else system awareness. The manifest asks for the same;
// this covers a program started without it. False when the process was aware already or
// nothing could be set.
bool EnableDpiAwareness();

// The dpi of the screen as a whole: what a program without per-monitor support works in.
UINT SystemDpi();
UINT DpiForMonitor(HMONITOR monitor);
// The dpi of the monitor the window is on (its own, for a per-monitor aware window).
UINT DpiForWindow(HWND wnd);
// The dpi of the monitor that holds most of `rc` (the nearest one otherwise).
UINT DpiForRect(const RECT& rc);

// GetSystemMetrics for `dpi`: a metric of the system dpi scaled where the system can't tell.
int SystemMetricForDpi(int index, UINT dpi);
