#include "dpi/DpiScale.h"

int ScaleRounded(int value, int numerator, int denominator)
{
    if (denominator == 0) return 0;
    long long n = static_cast<long long>(value) * numerator;
    long long d = denominator;
    bool negative = (n < 0) != (d < 0);
    if (n < 0) n = -n;
    if (d < 0) d = -d;
    long long q = (2 * n + d) / (2 * d);
    return static_cast<int>(negative ? -q : q);
}

int FileToDevice(int value, int dpi)
{
    return ScaleRounded(value, dpi, kFileDpi);
}

int DeviceToFile(int value, int dpi)
{
    return ScaleRounded(value, kFileDpi, dpi);
}

namespace {

RECT ScaleRect(const RECT& rc, int numerator, int denominator)
{
    LONG left = ScaleRounded(rc.left, numerator, denominator);
    LONG top = ScaleRounded(rc.top, numerator, denominator);
    LONG width = ScaleRounded(rc.right - rc.left, numerator, denominator);
    LONG height = ScaleRounded(rc.bottom - rc.top, numerator, denominator);
    return RECT{left, top, left + width, top + height};
}

} // namespace

RECT FileRectToDevice(const RECT& rc, int dpi)
{
    return ScaleRect(rc, dpi, kFileDpi);
}

RECT DeviceRectToFile(const RECT& rc, int dpi)
{
    return ScaleRect(rc, kFileDpi, dpi);
}

int WholeFactorForDpi(int dpi)
{
    int factor = ScaleRounded(dpi, 1, kFileDpi);
    return factor < 1 ? 1 : factor;
}
