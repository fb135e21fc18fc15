#include "note/Monitors.h"

#include "note/NoteBounds.h"

namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC /*dc*/, LPRECT /*clip*/, LPARAM param)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info))
        reinterpret_cast<std::vector<RECT>*>(param)->push_back(info.rcWork);
    return TRUE;
}

} // namespace

std::vector<RECT> MonitorWorkAreas()
{
    std::vector<RECT> areas;
    EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    if (areas.empty()) {
        // Without the monitor list the primary work area still stands for the screen.
        RECT work;
        if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) areas.push_back(work);
    }
    return areas;
}

RECT PlaceOnScreen(const RECT& rc)
{
    return PlaceOnWorkAreas(rc, MonitorWorkAreas());
}
