#pragma once
// A window's caption and taskbar icons, taken from the icon resource's image of the size that
// the window's dpi asks for (16, 32, 48 px ...), so that the system never stretches one.

#include <windows.h>

// The resource's image of the size that `metric` (SM_CXICON, SM_CXSMICON) has at `dpi`; null
// when it can't be loaded. The caller owns it.
HICON LoadIconForDpi(HINSTANCE instance, LPCSTR resource, int metric, UINT dpi);

class CWindowIcons {
public:
    CWindowIcons() = default;
    ~CWindowIcons();
    CWindowIcons(const CWindowIcons&) = delete;
    CWindowIcons& operator=(const CWindowIcons&) = delete;

    // Loads both sizes for the window's current dpi and hands them to it; again after the
    // window moved to a monitor of another dpi. The old icons go once the new ones are set.
    void Apply(HWND wnd, HINSTANCE instance, LPCSTR resource);

    // The large icon and its width, for drawing it as the window shows it; null and 0 before
    // Apply succeeded.
    HICON Big() const { return m_big; }
    int BigSize() const { return m_bigSize; }

private:
    HICON m_big = nullptr;
    HICON m_small = nullptr;
    int m_bigSize = 0;
};
