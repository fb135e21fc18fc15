#include "controls/UrlLabel.h"

#include <shellapi.h>

#include <cstring>

#include "controls/BrowserCommand.h"
#include "controls/ClassesRoot.h"
#include "controls/LinkColors.h"
#include "controls/LinkFit.h"
#include "framework/CommonControls.h"
#include "framework/DC.h"
#include "framework/DelayLoad.h"

// clang-format off
BEGIN_MESSAGE_MAP(CUrlLabel, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()
// clang-format on

namespace {

const UINT_PTR kToolId = 100;
const UINT kHoverCheckMs = 500;

// shell32 is loaded only by the processes that open a link.
int ShellOpen(LPCTSTR pszTarget, int nShowCmd)
{
    auto shellExecute = DelayLoaded<HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT)>(
        "shell32.dll", "ShellExecuteA");
    if (!shellExecute) return 0;
    // Not a real instance handle: an error code (<= 32) or a success value.
    return static_cast<int>(reinterpret_cast<INT_PTR>(
        shellExecute(nullptr, "open", pszTarget, nullptr, nullptr, nShowCmd)));
}

} // namespace

CUrlLabel::CUrlLabel() = default;

CUrlLabel::~CUrlLabel()
{
    // While the fonts it may still hold are alive.
    if (m_hWnd) DestroyWindow();
}

void CUrlLabel::PreSubclassWindow()
{
    // A static reports clicks (and takes the mouse at all) only with SS_NOTIFY.
    ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(GetStyle() | SS_NOTIFY));
    CString strText;
    GetWindowText(strText);
    if (m_strTarget.IsEmpty()) m_strTarget = strText;
    if (strText.IsEmpty()) SetWindowText(m_strTarget);

    HGDIOBJ hFont = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
    if (!hFont) hFont = ::GetStockObject(DEFAULT_GUI_FONT);
    if (!hFont) hFont = ::GetStockObject(ANSI_VAR_FONT);
    LOGFONTA lf{};
    ::GetObjectA(hFont, sizeof lf, &lf);
    m_fontNormal.CreateFontIndirect(&lf);
    lf.lfUnderline = TRUE;
    m_fontUnderline.CreateFontIndirect(&lf);

    FitToText();
    LoadHandCursor();
    SetUnderlineMode(-1);

    AfxInitCommonControls(ICC_WIN95_CLASSES);
    if (m_toolTip.Create(this)) {
        // The text is often still empty here, so the rectangle may be too: FitToText moves
        // the tool along whenever the text is fitted later.
        CRect rc;
        GetClientRect(&rc);
        m_toolTip.AddTool(this, m_strTarget, &rc, kToolId);
    }
    CStatic::PreSubclassWindow();
}

void CUrlLabel::SetTarget(LPCTSTR lpszTarget)
{
    m_strTarget = lpszTarget;
    if (!m_hWnd) return;
    FitToText();
    if (m_toolTip.m_hWnd) m_toolTip.UpdateTipText(m_strTarget, this, kToolId);
}

void CUrlLabel::MarkVisited(BOOL bVisited)
{
    m_bVisited = bVisited;
    if (m_hWnd) Invalidate(TRUE);
}

void CUrlLabel::SetUnderlineMode(int nMode)
{
    if (nMode == m_nUnderline) return;
    if (m_hWnd) {
        SetFont(nMode == 1 ? &m_fontUnderline : &m_fontNormal, TRUE);
        Invalidate(TRUE);
    }
    m_nUnderline = nMode;
}

void CUrlLabel::FitToText()
{
    if (!m_hWnd || !m_bFitToText) return;
    CRect rcWindow;
    CRect rcClient;
    GetWindowRect(&rcWindow);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    if (CWnd* pParent = GetParent()) {
        pParent->ScreenToClient(&rcWindow);
        pParent->ScreenToClient(&rcClient);
    }

    CString strText;
    GetWindowText(strText);
    CSize szText;
    {
        CClientDC dc(this);
        CSelectedObject font(dc, m_fontUnderline.GetSafeHandle());
        szText = dc.GetTextExtent(strText);
    }
    const RECT rc = FitRectToText(rcWindow, rcClient, szText, GetStyle());
    SetWindowPos(nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, SWP_NOZORDER);
    UpdateToolRect();
}

void CUrlLabel::UpdateToolRect()
{
    if (!m_toolTip.m_hWnd) return;
    CRect rc;
    GetClientRect(&rc);
    m_toolTip.SetToolRect(this, kToolId, &rc);
}

void CUrlLabel::LoadHandCursor()
{
    if (m_hHandCursor) return;
    m_hHandCursor = ::LoadCursor(nullptr, IDC_HAND);
}

HBRUSH CUrlLabel::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    pDC->SetTextColor(LinkTextColor(m_crNormal, m_crVisited, m_crHover, m_bHover, m_bVisited));
    pDC->SetBkMode(TRANSPARENT);
    // Only the text is drawn, over what OnEraseBkgnd painted.
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

BOOL CUrlLabel::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

BOOL CUrlLabel::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (!m_hHandCursor) return CStatic::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(m_hHandCursor);
    return TRUE;
}

void CUrlLabel::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bHover) {
        m_bHover = TRUE;
        if (m_nUnderline == -1) SetFont(&m_fontUnderline, TRUE);
        Invalidate(TRUE);
        // There is no message when the mouse leaves: the timer looks for it.
        SetTimer(m_nHoverTimer, kHoverCheckMs);
    }
    CStatic::OnMouseMove(nFlags, point);
}

void CUrlLabel::OnTimer(UINT nIDEvent)
{
    const DWORD dwPos = ::GetMessagePos();
    CPoint pt(static_cast<short>(LOWORD(dwPos)), static_cast<short>(HIWORD(dwPos)));
    ScreenToClient(&pt);
    CRect rc;
    GetClientRect(&rc);
    if (!rc.PtInRect(pt)) {
        m_bHover = FALSE;
        KillTimer(m_nHoverTimer);
        if (m_nUnderline != 1) SetFont(&m_fontNormal, TRUE);
        Invalidate(TRUE);
    }
    CStatic::OnTimer(nIDEvent);
}

void CUrlLabel::OnClicked()
{
    // The timer, still running, puts the font back once the mouse has gone.
    m_bHover = FALSE;
    const int r = OpenTarget(m_strTarget, SW_SHOW);
    m_bVisited = r > 32;
    if (m_bVisited)
        MarkVisited(TRUE);
    else
        ::MessageBeep(MB_ICONEXCLAMATION);
}

int CUrlLabel::OpenTarget(LPCTSTR pszTarget, int nShowCmd)
{
    const int r = ShellOpen(pszTarget, nShowCmd);
    if (r > 32) return r;

    // The browser that opens web pages, by its registered command.
    char szKey[kClassesRootValueChars];
    if (!QueryClassesRootDefault(".htm", szKey, sizeof szKey)) return r;
    const char kCommandPath[] = "\\shell\\open\\command";
    if (std::strlen(szKey) + sizeof kCommandPath > sizeof szKey) return r;
    std::strcat(szKey, kCommandPath);
    char szCommand[kClassesRootValueChars];
    if (!QueryClassesRootDefault(szKey, szCommand, sizeof szCommand)) return r;

    char szLine[kBrowserCommandChars];
    if (!BuildBrowserCommand(szCommand, pszTarget, szLine, sizeof szLine)) return r;
    return static_cast<int>(::WinExec(szLine, static_cast<UINT>(nShowCmd)));
}

BOOL CUrlLabel::DestroyWindow()
{
    KillTimer(m_nHoverTimer);
    return CStatic::DestroyWindow();
}

BOOL CUrlLabel::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTip.m_hWnd) m_toolTip.RelayEvent(pMsg);
    return CStatic::PreTranslateMessage(pMsg);
}
