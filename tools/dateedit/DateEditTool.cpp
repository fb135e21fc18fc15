// dateedit.exe: a window with one date field that may be typed into, to try the field by hand
// and to drive it from the end-to-end tests.
//
//   dateedit.exe [--today=YYYY-MM-DD] [--date=YYYY-MM-DD] [--format=FORMAT] [--at=X,Y]
//
// --today fixes the clock the parser and the calendar read "today" from (at noon); --date
// puts a date into the field; --format replaces the display format "%m/%d/%Y".
#include "framework/Clock.h"
#include "framework/WinApp.h"
#include "tools/dateedit/DateEditHost.h"

#include <cstdio>
#include <cstring>

namespace {

bool ReadDate(const char* text, COleDateTime& date)
{
    int y = 0, m = 0, d = 0;
    if (std::sscanf(text, "%d-%d-%d", &y, &m, &d) != 3) return false;
    return date.SetDate(y, m, d) == COleDateTime::valid;
}

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
            COleDateTime date;
            if (std::strncmp(arg, "--today=", 8) == 0 && ReadDate(arg + 8, date)) {
                date.SetDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), 12, 0, 0);
                CProcessClock::Fix(date);
            } else if (std::strncmp(arg, "--date=", 7) == 0 && ReadDate(arg + 7, date)) {
                options.date = date;
            } else if (std::strncmp(arg, "--format=", 9) == 0) {
                options.strFormat = arg + 9;
            } else if (std::strncmp(arg, "--at=", 5) == 0) {
                int x = 0, y = 0;
                if (std::sscanf(arg + 5, "%d,%d", &x, &y) == 2) ptAt = CPoint(x, y);
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
