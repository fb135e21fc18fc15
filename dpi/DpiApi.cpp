#include "dpi/DpiApi.h"

#include "dpi/DpiScale.h"
#include "framework/DelayLoad.h"

namespace {

// The declarations of the newer functions, which the headers offer only to newer targets.
typedef void* DpiContext;
const DpiContext kPerMonitorAwareV2 = reinterpret_cast<DpiContext>(static_cast<INT_PTR>(-4));
const DpiContext kPerMonitorAware = reinterpret_cast<DpiContext>(static_cast<INT_PTR>(-3));
typedef BOOL(WINAPI* SetProcessDpiAwarenessContextFn)(DpiContext);
typedef HRESULT(WINAPI* SetProcessDpiAwarenessFn)(int);
typedef BOOL(WINAPI* NoArgumentBoolFn)();
typedef UINT(WINAPI* GetDpiForWindowFn)(HWND);
typedef HRESULT(WINAPI* GetDpiForMonitorFn)(HMONITOR, int, UINT*, UINT*);
typedef int(WINAPI* GetSystemMetricsForDpiFn)(int, UINT);
const int kProcessPerMonitorDpiAware = 2;
const int kMdtEffectiveDpi = 0;

} // namespace

bool EnableDpiAwareness()
{
    // Set once per process: a manifest's choice stays, and no call below could downgrade it.
    if (auto aware = DelayLoaded<NoArgumentBoolFn>("user32.dll", "IsProcessDPIAware")) {
        if (aware()) return false;
    }
    if (auto set = DelayLoaded<SetProcessDpiAwarenessContextFn>("user32.dll",
                                                                "SetProcessDpiAwarenessContext")) {
        if (set(kPerMonitorAwareV2) || set(kPerMonitorAware)) return true;
    }
    if (auto set =
            DelayLoaded<SetProcessDpiAwarenessFn>("shcore.dll", "SetProcessDpiAwareness")) {
        if (SUCCEEDED(set(kProcessPerMonitorDpiAware))) return true;
    }
    if (auto set = DelayLoaded<NoArgumentBoolFn>("user32.dll", "SetProcessDPIAware"))
        return set() != FALSE;
    return false;
}

UINT SystemDpi()
{
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kFileDpi;
}

UINT DpiForMonitor(HMONITOR monitor)
{
    static const auto get = DelayLoaded<GetDpiForMonitorFn>("shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (get && monitor && SUCCEEDED(get(monitor, kMdtEffectiveDpi, &x, &y)) && y > 0) return y;
    return SystemDpi();
}

UINT DpiForWindow(HWND wnd)
{
    static const auto get = DelayLoaded<GetDpiForWindowFn>("user32.dll", "GetDpiForWindow");
    if (get && wnd) {
        UINT dpi = get(wnd);
        if (dpi > 0) return dpi;
    }
    return DpiForMonitor(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST));
}

UINT DpiForRect(const RECT& rc)
{
    return DpiForMonitor(MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST));
}

int SystemMetricForDpi(int index, UINT dpi)
{
    static const auto get =
        DelayLoaded<GetSystemMetricsForDpiFn>("user32.dll", "GetSystemMetricsForDpi");
    if (get) return get(index, dpi);
    return ScaleRounded(GetSystemMetrics(index), static_cast<int>(dpi),
                        static_cast<int>(SystemDpi()));
}
