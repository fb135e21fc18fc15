#pragma once
// Dates as the calendar tests write and compare them.

#include "framework/DateTime.h"
#include "framework/String.h"

inline COleDateTime Day(int nYear, int nMonth, int nDay)
{
    return COleDateTime(nYear, nMonth, nDay, 0, 0, 0);
}

inline CString DateText(const COleDateTime& date)
{
    if (date.GetStatus() != COleDateTime::valid)
        return "none";
    CString text;
    text.Format("%04d-%02d-%02d", date.GetYear(), date.GetMonth(), date.GetDay());
    return text;
}
