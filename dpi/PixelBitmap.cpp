#include "dpi/PixelBitmap.h"

HBITMAP EnlargedBitmap(HBITMAP source, int factor)
{
    BITMAP info = {};
    if (!source || factor < 1 || !GetObjectA(source, sizeof info, &info)) return nullptr;
    HDC screen = GetDC(nullptr);
    if (!screen) return nullptr;
    HBITMAP result = CreateCompatibleBitmap(screen, info.bmWidth * factor, info.bmHeight * factor);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    if (result && from && to) {
        HGDIOBJ oldFrom = SelectObject(from, source);
        HGDIOBJ oldTo = SelectObject(to, result);
        SetStretchBltMode(to, COLORONCOLOR);
        StretchBlt(to, 0, 0, info.bmWidth * factor, info.bmHeight * factor, from, 0, 0,
                   info.bmWidth, info.bmHeight, SRCCOPY);
        SelectObject(from, oldFrom);
        SelectObject(to, oldTo);
    }
    if (from) DeleteDC(from);
    if (to) DeleteDC(to);
    ReleaseDC(nullptr, screen);
    return result;
}
