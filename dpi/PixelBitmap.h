#pragma once
// Small pixel drawings (the drop-down arrow) for high-dpi displays and visual styles: every
// pixel copied into a square of whole pixels, never blended, so that the drawing stays sharp;
// its background colour made transparent, so that a themed button face shows through.

#include <windows.h>

// An icon owned until destruction.
class COwnedIcon {
public:
    COwnedIcon() = default;
    ~COwnedIcon() { Reset(nullptr); }
    COwnedIcon(const COwnedIcon&) = delete;
    COwnedIcon& operator=(const COwnedIcon&) = delete;

    HICON Get() const { return m_icon; }
    void Reset(HICON icon);

private:
    HICON m_icon = nullptr;
};

// An icon `factor` times as wide and tall as `source`, clear where `source` has the colour
// `clear`; null when GDI refuses. The caller owns it.
HICON PixelIcon(HBITMAP source, COLORREF clear, int factor);
