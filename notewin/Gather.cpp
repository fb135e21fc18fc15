#include "notewin/Gather.h"

#include <algorithm>

#include "note/Monitors.h"
#include "note/NoteRemote.h"

namespace {

// About a caption's height: each cascaded note shows the top of the one behind it.
const int kCascadeStep = 26;
const int kMargin = 16;

// A minimized note's rectangle is its icon's; where it comes back to is what counts.
bool RestoredRect(HWND note, RECT& rc) {
    if (!IsIconic(note)) return GetWindowRect(note, &rc) != FALSE;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetWindowPlacement(note, &placement) ||
        !GetMonitorInfoA(MonitorFromWindow(note, MONITOR_DEFAULTTOPRIMARY), &monitor))
        return false;
    // In work-area coordinates.
    rc = placement.rcNormalPosition;
    OffsetRect(&rc, monitor.rcWork.left - monitor.rcMonitor.left,
               monitor.rcWork.top - monitor.rcMonitor.top);
    return true;
}

RECT AreaOf(HWND window) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY);
    if (monitor && GetMonitorInfoA(monitor, &info)) return info.rcWork;
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

} // namespace

bool IsWhollyOnArea(const RECT& rc, const std::vector<RECT>& workAreas) {
    for (const RECT& area : workAreas) {
        if (rc.left >= area.left && rc.top >= area.top && rc.right <= area.right &&
            rc.bottom <= area.bottom)
            return true;
    }
    return false;
}

std::vector<RECT> CascadeInto(const std::vector<RECT>& rects, const RECT& area) {
    std::vector<RECT> placed;
    long x = area.left + kMargin, y = area.top + kMargin;
    long column = x;
    for (const RECT& rc : rects) {
        long width = rc.right - rc.left, height = rc.bottom - rc.top;
        if (y + height > area.bottom || x + width > area.right) {
            // A new run, shifted right so that it doesn't cover the first run's captions.
            column += kCascadeStep * 2;
            if (column + width > area.right) column = area.left + kMargin;
            x = column;
            y = area.top + kMargin;
        }
        // A note larger than the area keeps its top-left corner on it.
        long left = std::max<long>(area.left, std::min<long>(x, area.right - width));
        long top = std::max<long>(area.top, std::min<long>(y, area.bottom - height));
        placed.push_back(RECT{left, top, left + width, top + height});
        x += kCascadeStep;
        y += kCascadeStep;
    }
    return placed;
}

int GatherNotes(const std::vector<HWND>& notes, HWND anchor) {
    std::vector<RECT> areas = MonitorWorkAreas();
    std::vector<HWND> lost;
    std::vector<RECT> rects;
    for (HWND note : notes) {
        RECT rc;
        if (!RestoredRect(note, rc) || IsWhollyOnArea(rc, areas)) continue;
        lost.push_back(note);
        rects.push_back(rc);
    }
    std::vector<RECT> placed = CascadeInto(rects, AreaOf(anchor));
    // The note moves itself: only its own process may write its file.
    for (size_t i = 0; i < lost.size(); ++i)
        PostMessageA(lost[i], kMoveNoteMessage, static_cast<WPARAM>(placed[i].left),
                     static_cast<LPARAM>(placed[i].top));
    return static_cast<int>(lost.size());
}
