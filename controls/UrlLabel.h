#pragma once
// A static text of a dialog turned into a link: drawn in a link colour, underlined (always,
// never or while the mouse is over it), a hand cursor and a tooltip with its target, and a
// click opens the target through the shell, or else through the browser registered for
// ".htm". Bind it with DDX_Control; it sets itself up when the control is subclassed.

#include <windows.h>

#include "framework/Controls.h"
#include "framework/GdiObjects.h"
#include "framework/String.h"

class CUrlLabel : public CStatic {
public:
    CUrlLabel();
    ~CUrlLabel() override;

    // Also refits the control and shows the new target in its tooltip.
    void SetTarget(LPCTSTR lpszTarget);
    void MarkVisited(BOOL bVisited);
    // -1: underlined only while the mouse is over the link; 0: never; 1: always.
    void SetUnderlineMode(int nMode);
    // Resizes the control to its text (measured underlined) plus its frame.
    void FitToText();
    // Greater than 32 on success, as ShellExecute answers.
    int OpenTarget(LPCTSTR pszTarget, int nShowCmd);

    BOOL DestroyWindow() override;
    // Hands the control's mouse messages to its tooltip.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void PreSubclassWindow() override;

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnClicked();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    void LoadHandCursor();
    // The tooltip's tool covers the client area as it is now.
    void UpdateToolRect();

    COLORREF m_crNormal = RGB(0, 128, 0);
    COLORREF m_crVisited = RGB(0, 0, 128);
    COLORREF m_crHover = RGB(128, 0, 0);
    BOOL m_bHover = FALSE;
    BOOL m_bVisited = FALSE;
    int m_nUnderline = -1;
    BOOL m_bFitToText = TRUE;
    CString m_strTarget;
    CFont m_fontUnderline;
    CFont m_fontNormal;
    HCURSOR m_hHandCursor = nullptr; // a shared system cursor: never destroyed
    CToolTipCtrl m_toolTip;
    UINT m_nHoverTimer = 800;
};
