#include "dpi/WindowIcons.h"

#include "dpi/DpiApi.h"

namespace {

HICON LoadSized(HINSTANCE instance, LPCSTR resource, int size)
{
    return static_cast<HICON>(LoadImageA(instance, resource, IMAGE_ICON, size, size, 0));
}

void Destroy(HICON icon)
{
    if (icon) DestroyIcon(icon);
}

} // namespace

HICON LoadIconForDpi(HINSTANCE instance, LPCSTR resource, int metric, UINT dpi)
{
    return LoadSized(instance, resource, SystemMetricForDpi(metric, dpi));
}

CWindowIcons::~CWindowIcons()
{
    Destroy(m_big);
    Destroy(m_small);
}

void CWindowIcons::Apply(HWND wnd, HINSTANCE instance, LPCSTR resource)
{
    UINT dpi = DpiForWindow(wnd);
    int bigSize = SystemMetricForDpi(SM_CXICON, dpi);
    HICON big = LoadSized(instance, resource, bigSize);
    HICON small = LoadIconForDpi(instance, resource, SM_CXSMICON, dpi);
    if (!big || !small) {
        Destroy(big);
        Destroy(small);
        return;
    }
    SendMessageA(wnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageA(wnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    Destroy(m_big);
    Destroy(m_small);
    m_big = big;
    m_small = small;
    m_bigSize = bigSize;
}
