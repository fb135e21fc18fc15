#pragma once
// Messages that other processes of this program post to a note window.

#include <windows.h>

// Move to (x, y) = (wParam, lParam), as signed screen coordinates; restored first when
// minimized, then the new place is saved.
const UINT kMoveNoteMessage = WM_APP + 0x50;
