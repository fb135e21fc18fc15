// Repaint time of a 1 x 1 CMonthCalendar against the system's month calendar control
// (SysMonthCal32) showing the same month at the same size, in one process and one run.
//
//   calendar_bench [--iterations=N]      (default 300)
//
// Each iteration repaints both controls in full (RedrawWindow with RDW_UPDATENOW, so the
// paint runs before the call returns); the median time per paint of each is printed, and
// their ratio. Nothing is asserted: figures under Wine on a shared machine vary.
#include "datectl/MonthCalendar.h"
#include "framework/Clock.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

double Milliseconds(LONGLONG ticks)
{
    static LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency);
}

LONGLONG Now()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

// One full repaint; the elapsed time in ticks.
LONGLONG TimePaint(HWND hwnd)
{
    const LONGLONG start = Now();
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    GdiFlush();
    return Now() - start;
}

double Median(std::vector<LONGLONG> samples)
{
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    const LONGLONG middle = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    return Milliseconds(middle);
}

void DrainMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

} // namespace

int main(int argc, char** argv)
{
    int nIterations = 300;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--iterations=", 13) == 0)
            nIterations = std::max(1, std::atoi(argv[i] + 13));
    }

    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_DATE_CLASSES};
    if (!InitCommonControlsEx(&icc)) {
        std::fprintf(stderr, "calendar_bench: no date controls in comctl32\n");
        return 1;
    }
    // Both show May 2024 with today's mark on the same day.
    CFixedClock clock(COleDateTime(2024, 5, 20, 12, 0, 0));

    CWnd host;
    if (!host.CreateEx(0, AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW),
                                              GetSysColorBrush(COLOR_WINDOW)),
                       "calendar_bench", WS_POPUP | WS_VISIBLE, 40, 40, 700, 400, nullptr,
                       nullptr)) {
        std::fprintf(stderr, "calendar_bench: no host window\n");
        return 1;
    }

    CMonthCalendar ours;
    if (!ours.Create(nullptr, "", WS_CHILD | WS_VISIBLE | CALS_TODAYBUTTON, CRect(0, 0, 0, 0),
                     &host, 1)) {
        std::fprintf(stderr, "calendar_bench: no CMonthCalendar\n");
        return 1;
    }
    ours.SetShownMonth(5, 2024);
    ours.SetSelection(COleDateTime(2024, 5, 20, 0, 0, 0));

    HWND system = CreateWindowExA(0, MONTHCAL_CLASSA, "", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0,
                                  0, 0, host.m_hWnd, reinterpret_cast<HMENU>(2), nullptr, nullptr);
    if (!system) {
        std::fprintf(stderr, "calendar_bench: no SysMonthCal32\n");
        return 1;
    }
    SYSTEMTIME st = {};
    st.wYear = 2024;
    st.wMonth = 5;
    st.wDay = 20;
    SendMessageA(system, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&st));
    SendMessageA(system, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st));

    // The same size for both: large enough for either.
    const CSize sizeOurs = ours.GetTotalSize();
    RECT rcSystem = {};
    SendMessageA(system, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&rcSystem));
    const int cx = std::max<int>(sizeOurs.cx, rcSystem.right - rcSystem.left);
    const int cy = std::max<int>(sizeOurs.cy, rcSystem.bottom - rcSystem.top);
    ours.SetWindowPos(nullptr, 10, 10, cx, cy, SWP_NOZORDER);
    SetWindowPos(system, nullptr, 20 + cx, 10, cx, cy, SWP_NOZORDER);
    DrainMessages();

    // Warm up fonts, bitmaps and caches, then alternate so that both see the same load.
    for (int i = 0; i < 5; ++i) {
        TimePaint(ours.m_hWnd);
        TimePaint(system);
    }
    std::vector<LONGLONG> timesOurs, timesSystem;
    for (int i = 0; i < nIterations; ++i) {
        timesOurs.push_back(TimePaint(ours.m_hWnd));
        timesSystem.push_back(TimePaint(system));
        DrainMessages();
    }

    const double msOurs = Median(timesOurs);
    const double msSystem = Median(timesSystem);
    std::printf("1 x 1 month calendar, %d x %d pixels, May 2024, %d paints each\n", cx, cy,
                nIterations);
    std::printf("  CMonthCalendar  median %8.3f ms per paint\n", msOurs);
    std::printf("  SysMonthCal32   median %8.3f ms per paint\n", msSystem);
    if (msSystem > 0)
        std::printf("  ratio (ours / system) %.2f\n", msOurs / msSystem);
    return 0;
}
