#include "balloon/BalloonTip.h"

#include <commctrl.h>

#include "framework/CommonControls.h"

namespace {

// The tooltip's own timers use small ids; this one is ours.
const UINT_PTR kHideTimerId = 0x7B1;
const UINT_PTR kToolId = 1;
// Wide enough for two short lines; the balloon wraps the text at this width.
const int kMaxWidth = 260;

} // namespace

// clang-format off
BEGIN_MESSAGE_MAP(CBalloonTip, CToolTipCtrl)
    ON_WM_TIMER()
END_MESSAGE_MAP()
// clang-format on

CBalloonTip::CBalloonTip() = default;

CBalloonTip::~CBalloonTip() {
    m_timer.Kill();
    if (m_hWnd) DestroyWindow();
}

void CBalloonTip::FillTool(TOOLINFOA& ti) const {
    ti = TOOLINFOA{};
    // The record without the fields of version 6: the common controls we load are older.
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = m_pOwner->GetSafeHwnd();
    ti.uId = kToolId;
}

BOOL CBalloonTip::Show(CWnd* pOwner, CPoint point, LPCSTR pszTitle, LPCSTR pszText, UINT ms) {
    Hide();
    if (!m_hWnd) {
        AfxInitCommonControls(ICC_BAR_CLASSES);
        if (!Create(pOwner->GetTopLevelParent(), TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP))
            return FALSE;
        m_pOwner = pOwner;
        TOOLINFOA ti;
        FillTool(ti);
        // Tracking: the balloon shows where and while we say, not when the mouse rests.
        ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        ti.lpszText = const_cast<LPSTR>("");
        if (!SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti))) {
            DestroyWindow();
            return FALSE;
        }
        SetMaxTipWidth(kMaxWidth);
    }
    TOOLINFOA ti;
    FillTool(ti);
    ti.lpszText = const_cast<LPSTR>(pszText);
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
    SendMessage(TTM_SETTITLEA, TTI_INFO, reinterpret_cast<LPARAM>(pszTitle));
    SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(point.x, point.y));
    SendMessage(TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&ti));
    m_bShown = TRUE;
    m_timer.Set(this, kHideTimerId, ms);
    return TRUE;
}

void CBalloonTip::Hide() {
    m_timer.Kill();
    if (!m_hWnd || !m_bShown) return;
    m_bShown = FALSE;
    TOOLINFOA ti;
    FillTool(ti);
    SendMessage(TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&ti));
}

void CBalloonTip::OnTimer(UINT nIDEvent) {
    if (m_timer.IsEvent(nIDEvent)) {
        Hide();
        return;
    }
    CToolTipCtrl::OnTimer(nIDEvent);
}
