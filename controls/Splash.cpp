#include "controls/Splash.h"

#include "controls/AboutDlg.h"

void PumpMessagesFor(DWORD dwMilliseconds)
{
    const DWORD dwStart = ::GetTickCount();
    // Unsigned difference: right across the tick count's wrap as well.
    for (DWORD dwPassed = 0; dwPassed < dwMilliseconds; dwPassed = ::GetTickCount() - dwStart) {
        MSG msg;
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            // Sleeps until a message comes or the time is up, rather than spinning.
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, dwMilliseconds - dwPassed, QS_ALLINPUT);
            continue;
        }
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        ::DispatchMessageA(&msg);
    }
}

void ShowSplash(DWORD dwMilliseconds)
{
    CAboutDlg splash;
    if (!splash.Create(IDD_SPLASH)) return;
    PumpMessagesFor(dwMilliseconds);
    splash.DestroyWindow();
}
