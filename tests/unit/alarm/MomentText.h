#pragma once
// A moment as the alarm tests compare it: one text that also tells an invalid moment apart.

#include <string>

#include "framework/DateTime.h"

inline std::string MomentText(const COleDateTime& dt)
{
    if (dt.GetStatus() != COleDateTime::valid) return "invalid";
    return static_cast<LPCSTR>(dt.Format("%Y-%m-%d %H:%M:%S"));
}
