// calendar.exe: a window with one month calendar, to try the control by hand and to drive
// it from the end-to-end tests.
//
//   calendar.exe [--today=YYYY-MM-DD] [--month=YYYY-MM] [--select=YYYY-MM-DD]
//                [--layout=RxC] [--style=0xNNNN] [--at=X,Y]
//
// --today fixes the clock the calendar reads "today" from; --style replaces the calendar
// style bits (default 0x0100, the "Today" button); the window opens at --at (default 100,100).
#include "framework/Clock.h"
#include "framework/WinApp.h"
#include "tools/ToolArgs.h"
#include "tools/calendar/CalendarHost.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

class CCalendarToolApp : public CWinApp {
public:
    CCalendarToolApp() : CWinApp("Calendar") {}

    BOOL InitInstance() override
    {
        CalendarToolOptions options;
        options.selection.SetStatus(COleDateTime::invalid);
        CPoint ptAt(100, 100);

        CString args = m_lpCmdLine;
        char* context = nullptr;
        for (char* arg = strtok_r(args.GetBuffer(args.GetLength()), " ", &context); arg;
             arg = strtok_r(nullptr, " ", &context)) {
            if (TakeCommonToolArg(arg, ptAt)) continue;
            COleDateTime date;
            if (std::strncmp(arg, "--select=", 9) == 0 && ReadToolDate(arg + 9, date)) {
                options.selection = date;
            } else if (std::strncmp(arg, "--month=", 8) == 0) {
                std::sscanf(arg + 8, "%d-%d", &options.nYear, &options.nMonth);
            } else if (std::strncmp(arg, "--layout=", 9) == 0) {
                std::sscanf(arg + 9, "%dx%d", &options.nRows, &options.nCols);
            } else if (std::strncmp(arg, "--style=", 8) == 0) {
                options.dwStyle = std::strtoul(arg + 8, nullptr, 0) & 0xFFFF;
            }
        }

        auto* pHost = new CCalendarHost(options); // deletes itself with its window
        if (!pHost->Create(nullptr, "Calendar", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU |
                                                    WS_MINIMIZEBOX,
                           CRect(ptAt.x, ptAt.y, ptAt.x + 200, ptAt.y + 200))) {
            return FALSE;
        }
        m_pMainWnd = pHost;
        pHost->ShowWindow(m_nCmdShow);
        pHost->UpdateWindow();
        return TRUE;
    }
};

CCalendarToolApp theApp;

} // namespace
