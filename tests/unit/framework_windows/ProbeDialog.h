// A real dialog for the tests, driven from inside: a hook runs in OnInitDialog, another once
// the dialog is up (first timer tick, which comes only after the modal loop went idle and
// showed it), and a watchdog ends a dialog that a broken loop would keep open.
#pragma once

#include "framework/Afx.h"

#include <functional>
#include <string>
#include <vector>

#include "TestIds.h"

constexpr int kWatchdogResult = -99;
constexpr int kKeepRunning = -1000;  // from onShown: leave the dialog open
// Posted to end the dialog later with wParam as the result (after earlier posted input).
constexpr UINT WM_PROBE_END = WM_APP + 50;

class CProbeDlg : public CDialog {
public:
    explicit CProbeDlg(UINT nIDTemplate = IDD_PROBE, CWnd* pParent = nullptr)
        : CDialog(nIDTemplate, pParent)
    {
    }

    std::function<void(CProbeDlg&)> onInit;      // inside OnInitDialog, after the base
    std::function<int(CProbeDlg&)> onShown;      // the result to end with, or kKeepRunning
    std::vector<std::string> log;                // what the handlers saw, in order

    // Window state seen from inside (the "shown" hook runs once the dialog is visible).
    BOOL bVisibleInInit = TRUE;
    CRect rcAtShown;
    BOOL bVisibleAtShown = FALSE;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        bVisibleInInit = IsWindowVisible();
        if (onInit)
            onInit(*this);
        SetTimer(kShownTimer, 1, nullptr);
        SetTimer(kWatchdogTimer, 10000, nullptr);
        return TRUE;
    }

    afx_msg void OnTimer(UINT nIDEvent)
    {
        if (nIDEvent == kWatchdogTimer) {
            EndDialog(kWatchdogResult);
            return;
        }
        // A timer that is due can beat the first idle time, before which the dialog is not
        // shown yet: wait for the next tick then.
        if (nIDEvent != kShownTimer || !IsWindowVisible())
            return;
        KillTimer(kShownTimer);
        GetWindowRect(&rcAtShown);
        bVisibleAtShown = IsWindowVisible();
        const int nResult = onShown ? onShown(*this) : IDOK;
        if (nResult != kKeepRunning)
            EndDialog(nResult);
    }

    afx_msg LRESULT OnProbeEnd(WPARAM wParam, LPARAM)
    {
        EndDialog(static_cast<int>(wParam));
        return 0;
    }

    DECLARE_MESSAGE_MAP()

private:
    enum : UINT { kShownTimer = 7001, kWatchdogTimer = 7002 };
};

// The screen's work area, where a dialog without owner is centred.
inline CRect WorkArea()
{
    CRect rc;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rc, 0);
    return rc;
}

// Where CenterWindow puts a window of this size in the work area.
inline CPoint CentredTopLeft(const CRect& rcWindow)
{
    const CRect area = WorkArea();
    return CPoint((area.left + area.right) / 2 - rcWindow.Width() / 2,
                  (area.top + area.bottom) / 2 - rcWindow.Height() / 2);
}
