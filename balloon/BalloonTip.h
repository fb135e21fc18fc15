#pragma once
// CBalloonTip: a balloon (TTS_BALLOON) that points at a screen position beside a window and
// says something the user should know without being stopped by a message box. It never takes
// the focus, and it goes after a while or when its owner hides it.

#include "framework/Controls.h"
#include "framework/WndTimer.h"

class CBalloonTip : public CToolTipCtrl {
public:
    CBalloonTip();
    ~CBalloonTip() override;

    // Shows pszTitle and pszText with the balloon's tip at `point` (screen) for `ms`
    // milliseconds; pOwner's top-level window owns the balloon. FALSE when the system has no
    // tooltip control to show it with.
    BOOL Show(CWnd* pOwner, CPoint point, LPCSTR pszTitle, LPCSTR pszText, UINT ms);
    void Hide();
    BOOL IsShown() const { return m_hWnd && m_bShown; }

protected:
    afx_msg void OnTimer(UINT nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    void FillTool(TOOLINFOA& ti) const;

    CWnd* m_pOwner = nullptr;
    BOOL m_bShown = FALSE;
    CWndTimer m_timer;
};
