// dateedit.exe: a window with one date field that may be typed into, to try the field by hand
// and to drive it from the end-to-end tests.
//
//   dateedit.exe [--today=YYYY-MM-DD] [--date=YYYY-MM-DD] [--format=FORMAT] [--at=X,Y]
//
// --today fixes the clock the parser and the calendar read "today" from (at noon); --date
// puts a date into the field; --format replaces the display format "%m/%d/%Y".
#include "framework/Clock.h"
#include "framework/WinApp.h"
#include "tools/ToolArgs.h"
#include "tools/dateedit/DateEditHost.h"

#include <cstdio>
#include <cstring>

namespace {

class CDateEditToolApp : public CWinApp {
public:
    CDateEditToolApp() : CWinApp("Date Edit") {}

    BOOL InitInstance() override
    {
        DateEditToolOptions options;
        options.date.SetStatus(COleDateTime::invalid);
        CPoint ptAt(100, 100);

        CString args = m_lpCmdLine;
        char* context = nullptr;
        for (char* arg = strtok_r(args.GetBuffer(args.GetLength()), " ", &context); arg;
             arg = strtok_r(nullptr, " ", &context)) {
            if (TakeCommonToolArg(arg, ptAt)) continue;
            COleDateTime date;
            if (std::strncmp(arg, "--date=", 7) == 0 && ReadToolDate(arg + 7, date)) {
                options.date = date;
            } else if (std::strncmp(arg, "--format=", 9) == 0) {
                options.strFormat = arg + 9;
            }
        }

        auto* pHost = new CDateEditHost(options); // deletes itself with its window
        if (!pHost->Create(nullptr, "Date Edit",
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                           CRect(ptAt.x, ptAt.y, ptAt.x + 260, ptAt.y + 90))) {
            return FALSE;
        }
        m_pMainWnd = pHost;
        pHost->ShowWindow(m_nCmdShow);
        pHost->UpdateWindow();
        return TRUE;
    }
};

CDateEditToolApp theApp;

} // namespace
