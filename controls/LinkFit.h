#pragma once
// Where a static control goes when it is fitted to its text: the edge its alignment names
// stays put (the left one, the right one with SS_RIGHT, the centre with SS_CENTER), and the
// top stays put unless SS_CENTERIMAGE keeps the vertical centre.

#include <windows.h>

// rcWindow and rcClient: the control's window and client rectangles in the same coordinates
// (its parent's client area); szText: the text's extent; dwStyle: the control's style.
RECT FitRectToText(const RECT& rcWindow, const RECT& rcClient, SIZE szText, DWORD dwStyle);
