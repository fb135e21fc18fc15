#include "controls/LinkFit.h"

namespace {

// Moves both ends by half the change, so the middle stays; the half truncates toward zero,
// which leaves an odd change one pixel short (or long) at the far end.
void KeepCentre(LONG& low, LONG& high, LONG newSize)
{
    const LONG half = ((high - low) - newSize) / 2;
    low += half;
    high -= half;
}

} // namespace

RECT FitRectToText(const RECT& rcWindow, const RECT& rcClient, SIZE szText, DWORD dwStyle)
{
    // The frame around the client area (a border, a sunken edge) stays as it is.
    const LONG newWidth =
        szText.cx + (rcWindow.right - rcWindow.left) - (rcClient.right - rcClient.left);
    const LONG newHeight =
        szText.cy + (rcWindow.bottom - rcWindow.top) - (rcClient.bottom - rcClient.top);
    RECT rc = rcWindow;
    if (dwStyle & SS_CENTERIMAGE)
        KeepCentre(rc.top, rc.bottom, newHeight);
    else
        rc.bottom = rc.top + newHeight;

    // SS_CENTER and SS_RIGHT are values of the type field, not flags (SS_ICON is 3).
    const DWORD dwType = dwStyle & SS_TYPEMASK;
    if (dwType == SS_CENTER)
        KeepCentre(rc.left, rc.right, newWidth);
    else if (dwType == SS_RIGHT)
        rc.left = rc.right - newWidth;
    else
        rc.right = rc.left + newWidth;
    return rc;
}
