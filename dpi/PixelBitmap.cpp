#include "dpi/PixelBitmap.h"

void COwnedIcon::Reset(HICON icon)
{
    if (m_icon) DestroyIcon(m_icon);
    m_icon = icon;
}

namespace {

// Memory DCs and their bitmaps, released in order whatever step fails.
struct PaintTarget {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    PaintTarget(HDC screen, HBITMAP made) : dc(CreateCompatibleDC(screen)), bitmap(made)
    {
        if (dc && bitmap) old = SelectObject(dc, bitmap);
    }
    ~PaintTarget()
    {
        if (old) SelectObject(dc, old);
        if (dc) DeleteDC(dc);
        if (bitmap) DeleteObject(bitmap);
    }
    bool Ready() const { return old != nullptr; }
};

void FillBlock(HDC dc, int x, int y, int factor, COLORREF colour)
{
    for (int dy = 0; dy < factor; ++dy)
        for (int dx = 0; dx < factor; ++dx) SetPixelV(dc, x + dx, y + dy, colour);
}

} // namespace

HICON PixelIcon(HBITMAP source, COLORREF clear, int factor)
{
    BITMAP info = {};
    if (!source || factor < 1 || !GetObjectA(source, sizeof info, &info)) return nullptr;
    const int cx = info.bmWidth * factor, cy = info.bmHeight * factor;
    HDC screen = GetDC(nullptr);
    if (!screen) return nullptr;
    HICON icon = nullptr;
    {
        PaintTarget from(screen, nullptr);
        HGDIOBJ oldSource = from.dc ? SelectObject(from.dc, source) : nullptr;
        PaintTarget colour(screen, CreateCompatibleBitmap(screen, cx, cy));
        PaintTarget mask(screen, CreateBitmap(cx, cy, 1, 1, nullptr));
        if (oldSource && colour.Ready() && mask.Ready()) {
            for (int y = 0; y < info.bmHeight; ++y) {
                for (int x = 0; x < info.bmWidth; ++x) {
                    COLORREF pixel = GetPixel(from.dc, x, y);
                    bool transparent = pixel == clear;
                    // Where the mask is white the screen stays; the colour there must be black.
                    FillBlock(colour.dc, x * factor, y * factor, factor,
                              transparent ? RGB(0, 0, 0) : pixel);
                    FillBlock(mask.dc, x * factor, y * factor, factor,
                              transparent ? RGB(255, 255, 255) : RGB(0, 0, 0));
                }
            }
            SelectObject(colour.dc, colour.old);
            SelectObject(mask.dc, mask.old);
            colour.old = mask.old = nullptr;
            ICONINFO parts = {TRUE, 0, 0, mask.bitmap, colour.bitmap};
            icon = CreateIconIndirect(&parts);
        }
        if (oldSource) SelectObject(from.dc, oldSource);
    }
    ReleaseDC(nullptr, screen);
    return icon;
}
