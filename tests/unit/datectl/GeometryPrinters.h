// Readable failure messages for the framework's geometry and month types.
#pragma once

#include "datectl/MonthMath.h"
#include "framework/Geometry.h"

#include <ostream>

inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}
inline void PrintTo(const CSize& size, std::ostream* os)
{
    *os << size.cx << " x " << size.cy;
}
inline void PrintTo(const CPoint& pt, std::ostream* os)
{
    *os << "(" << pt.x << ", " << pt.y << ")";
}
inline void PrintTo(const YearMonth& ym, std::ostream* os)
{
    *os << ym.nMonth << "/" << ym.nYear;
}
