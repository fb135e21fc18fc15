// Command-line pieces that the small window tools (calendar.exe, dateedit.exe) share.
#pragma once

#include <cstdio>
#include <cstring>

#include "framework/Clock.h"
#include "framework/DateTime.h"
#include "framework/Geometry.h"

// "YYYY-MM-DD" into date; false when the text is no valid date.
inline bool ReadToolDate(const char* text, COleDateTime& date)
{
    int y = 0, m = 0, d = 0;
    if (std::sscanf(text, "%d-%d-%d", &y, &m, &d) != 3) return false;
    return date.SetDate(y, m, d) == COleDateTime::valid;
}

// The options every tool takes: --today=YYYY-MM-DD fixes the process clock at noon of that
// day, --at=X,Y places the window. False for any other argument.
inline bool TakeCommonToolArg(const char* arg, CPoint& ptAt)
{
    COleDateTime date;
    if (std::strncmp(arg, "--today=", 8) == 0) {
        if (ReadToolDate(arg + 8, date)) {
            date.SetDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), 12, 0, 0);
            CProcessClock::Fix(date);
        }
        return true;
    }
    if (std::strncmp(arg, "--at=", 5) == 0) {
        int x = 0, y = 0;
        if (std::sscanf(arg + 5, "%d,%d", &x, &y) == 2) ptAt = CPoint(x, y);
        return true;
    }
    return false;
}
