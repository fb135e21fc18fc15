#include "datectl/PopupPlacement.h"

#include "dpi/DpiScale.h"

CRect DropButtonRect(const CRect& rcField, int dpi)
{
    const int x = rcField.right + 1;
    const int y = rcField.top + 1;
    return CRect(x, y, x + FileToDevice(16, dpi), rcField.bottom - 1);
}

CRect KeepInsideWorkArea(const CRect& rc, const CRect& rcWork)
{
    CRect moved = rc;
    if (moved.right > rcWork.right) moved.OffsetRect(rcWork.right - moved.right, 0);
    if (moved.left < rcWork.left) moved.OffsetRect(rcWork.left - moved.left, 0);
    if (moved.bottom > rcWork.bottom) moved.OffsetRect(0, rcWork.bottom - moved.bottom);
    if (moved.top < rcWork.top) moved.OffsetRect(0, rcWork.top - moved.top);
    return moved;
}

CRect CalendarPopupRect(const CRect& rcClient, const CRect& rcWindow, CSize sizePopup,
                        const CRect& rcWork)
{
    CRect rc(CPoint(rcClient.left - 2, rcClient.bottom), sizePopup);
    if (rc.bottom > rcWork.bottom && rcWindow.top - sizePopup.cy >= rcWork.top)
        rc = CRect(CPoint(rcClient.left - 2, rcWindow.top - sizePopup.cy), sizePopup);
    return KeepInsideWorkArea(rc, rcWork);
}

CRect MonitorWorkArea(const CRect& rc)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoA(::MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &info))
        return CRect(info.rcWork);
    CRect rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    return rcWork;
}
