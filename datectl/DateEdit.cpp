#include "datectl/DateEdit.h"

#include "datectl/CalendarPopup.h"
#include "datectl/DropButton.h"
#include "datectl/PopupPlacement.h"
#include "dpi/DpiApi.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CDateEdit, CEdit)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_KILLFOCUS()
    ON_WM_MOVE()
    ON_WM_SIZE()
    ON_CONTROL_REFLECT(EN_UPDATE, OnUpdateReflect)
    ON_MESSAGE(WM_DATEEDIT_SETTEXT, OnSetTextDeferred)
    ON_MESSAGE(WM_DATEEDIT_CLOSEPOPUP, OnClosePopup)
END_MESSAGE_MAP()

CDateEdit::CDateEdit() = default;

CDateEdit::~CDateEdit()
{
    ClosePopup();
    m_pDropButton.reset();
    // Destroyed here, while the handlers above still belong to a whole object.
    if (m_hWnd) DestroyWindow();
}

// ---- settings --------------------------------------------------------------------------

CString CDateEdit::GetDisplayFormat() const
{
    return m_strFormat;
}
void CDateEdit::SetDisplayFormat(LPCTSTR lpszFormat)
{
    m_strFormat = lpszFormat ? lpszFormat : "";
}
DWORD CDateEdit::GetParseFlags() const
{
    return m_dwParseFlags;
}
void CDateEdit::SetParseFlags(DWORD dwFlags)
{
    m_dwParseFlags = dwFlags;
}
void CDateEdit::SetDropButton(BOOL bDropButton)
{
    m_bDropButton = bDropButton ? 1 : 0;
}
void CDateEdit::SetCalendarStyle(DWORD dwStyle)
{
    m_dwCalendarStyle = dwStyle;
}
void CDateEdit::SetDayStateCallback(PFN_CALENDARDAYSTATE pfnDayState)
{
    m_pfnDayState = pfnDayState;
}

DateTextRules CDateEdit::Rules() const
{
    DateTextRules rules;
    rules.strFormat = m_strFormat;
    rules.dwParseFlags = m_dwParseFlags;
    rules.nAmPmRule = m_nAmPmRule;
    rules.nAmPmCutoff = m_nAmPmCutoff;
    return rules;
}

CDateParser CDateEdit::GetDate() const
{
    CString text;
    if (m_hWnd) GetWindowText(text);
    return ReadDateText(text, Rules());
}

void CDateEdit::SetDate(const COleDateTime& date)
{
    if (!m_hWnd) return;
    SetWindowText(date.GetStatus() == COleDateTime::valid ? date.Format(m_strFormat) : CString());
}

BOOL CDateEdit::AttachToDlgItem(CWnd* pDlg, UINT nID)
{
    if (m_hWnd || !pDlg || !pDlg->m_hWnd || !::GetDlgItem(pDlg->m_hWnd, static_cast<int>(nID)))
        return FALSE;
    // Each attachment makes its own button: a dialog object run again attaches a new field.
    m_bCreateButtonPending = 1;
    return SubclassDlgItem(nID, pDlg);
}

// ---- the drop button -------------------------------------------------------------------

LRESULT CDateEdit::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = CEdit::DefWindowProc(message, wParam, lParam);
    if (m_bCreateButtonPending && m_hWnd && message != WM_NCDESTROY && message != WM_DESTROY) {
        m_bCreateButtonPending = 0; // first: creating the button sends messages of its own
        if (m_bDropButton) CreateDropButton();
    }
    return lResult;
}

void CDateEdit::CreateDropButton()
{
    CWnd* pParent = GetParent();
    if (!pParent) return;
    m_pDropButton = std::make_unique<CDropButton>(this);
    m_pDropButton->Create("", WS_CHILD | WS_VISIBLE | BS_ICON, CRect(0, 0, 0, 0), pParent,
                          IDC_DROPBUTTON);
    PlaceButton();
}

void CDateEdit::PlaceButton()
{
    CWnd* pParent = GetParent();
    if (!m_pDropButton || !m_pDropButton->m_hWnd || !pParent) return;
    CRect rc;
    GetWindowRect(&rc);
    pParent->ScreenToClient(&rc);
    const CRect rcButton = DropButtonRect(rc, static_cast<int>(DpiForWindow(pParent->m_hWnd)));
    m_pDropButton->SetWindowPos(nullptr, rcButton.left, rcButton.top, rcButton.Width(),
                                rcButton.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

int CDateEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return CEdit::OnCreate(lpCreateStruct) == -1 ? -1 : 0;
}

void CDateEdit::OnDestroy()
{
    ClosePopup();
    m_pDropButton.reset();
    m_pendingTexts.clear(); // their messages die with the window
    CEdit::OnDestroy();
}

void CDateEdit::OnMove(int x, int y)
{
    CEdit::OnMove(x, y);
    if (m_bDropButton) PlaceButton();
}

void CDateEdit::OnSize(UINT nType, int cx, int cy)
{
    CEdit::OnSize(nType, cx, cy);
    if (m_bDropButton) PlaceButton();
}

// ---- the text --------------------------------------------------------------------------

void CDateEdit::OnKillFocus(CWnd* pNewWnd)
{
    if (m_hWnd) {
        CString text;
        GetWindowText(text);
        m_bSettingText = 1;
        SetWindowText(ReformatDateText(text, Rules()));
        m_bSettingText = 0;
    }
    CEdit::OnKillFocus(pNewWnd);
}

void CDateEdit::OnUpdateReflect()
{
    // Only text set from outside is reformatted, and never inside its own EN_UPDATE: the
    // write comes back as WM_DATEEDIT_SETTEXT, whose own EN_UPDATE is then ignored.
    if (m_bSettingText || ::GetFocus() == m_hWnd) return;
    CString text;
    GetWindowText(text);
    auto pText = std::make_unique<CString>(ReformatDateText(text, Rules()));
    const WPARAM wParam = reinterpret_cast<WPARAM>(pText.get());
    m_pendingTexts.push_back(std::move(pText));
    if (!PostMessage(WM_DATEEDIT_SETTEXT, wParam)) m_pendingTexts.pop_back();
}

LRESULT CDateEdit::OnSetTextDeferred(WPARAM wParam, LPARAM)
{
    const auto* pText = reinterpret_cast<const CString*>(wParam);
    const auto it = std::find_if(m_pendingTexts.begin(), m_pendingTexts.end(),
                                 [pText](const auto& p) { return p.get() == pText; });
    m_bSettingText = 1;
    if (pText && it != m_pendingTexts.end()) {
        SetWindowText(**it);
        m_pendingTexts.erase(it);
    }
    m_bSettingText = 0;
    return 0;
}

// ---- the pop-up ------------------------------------------------------------------------

void CDateEdit::OpenPopup()
{
    ClosePopup();
    if (!m_hWnd) return;
    CRect rcClient;
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    CRect rcWindow;
    GetWindowRect(&rcWindow);

    m_pPopup = std::make_unique<CCalendarPopup>();
    m_pPopup->m_pOwner = this;
    m_pPopup->m_date = GetDate();
    m_pPopup->m_dwCalendarStyle = m_dwCalendarStyle;
    m_pPopup->m_pfnDayState = m_pfnDayState;

    LPCTSTR lpszClass =
        AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_BYTEALIGNCLIENT);
    // Created at its place under the field with no size; its WM_CREATE sizes it.
    if (!m_pPopup->CreateEx(0, lpszClass, "", WS_POPUP, rcClient.left - 2, rcClient.bottom, 0, 0,
                            m_hWnd, nullptr))
        return; // still owned, and closed as usual
    CRect rcPopup;
    m_pPopup->GetWindowRect(&rcPopup);
    const CRect rc =
        CalendarPopupRect(rcClient, rcWindow, rcPopup.Size(), MonitorWorkArea(rcWindow));
    m_pPopup->SetWindowPos(nullptr, rc.left, rc.top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pPopup->ShowWindow(SW_SHOWNORMAL);
    m_pPopup->StartPoll();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CDateEdit::ClosePopup()
{
    if (!m_pPopup) return;
    if (m_pPopup->m_hWnd) m_pPopup->ShowWindow(SW_HIDE);
    m_pPopup->StopPoll();
    m_pPopup.reset();
}

LRESULT CDateEdit::OnClosePopup(WPARAM, LPARAM)
{
    ClosePopup();
    return 0;
}
