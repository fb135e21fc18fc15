// Where the date field's pieces go, without a window: the drop button beside the field, the
// calendar pop-up under it, and any pop-up kept inside the work area of its monitor so that
// the mouse can reach every part of it.
#pragma once

#include <windows.h>

#include "framework/Geometry.h"

// The drop button for a field whose window rectangle (in its parent's client coordinates) is
// rcField: 1 px right of it, 16 px wide at 96 dpi (scaled to `dpi`), 1 px in from its top and
// bottom.
CRect DropButtonRect(const CRect& rcField, int dpi = 96);

// rc moved (never resized) so that as much of it as fits lies inside rcWork: it is moved up
// or left when it sticks out at the bottom or right, and down or right, taking precedence,
// when it sticks out at the top or left.
CRect KeepInsideWorkArea(const CRect& rc, const CRect& rcWork);

// The calendar pop-up's window rectangle for a field whose client area is rcClient and window
// rcWindow (both screen coordinates): under the field, 2 px left of its client area; above the
// field when there is no room below but there is above; then kept inside the work area.
CRect CalendarPopupRect(const CRect& rcClient, const CRect& rcWindow, CSize sizePopup,
                        const CRect& rcWork);

// The work area of the monitor nearest to rc (screen coordinates), as the system reports it.
CRect MonitorWorkArea(const CRect& rc);
