#include "framework/Dialog.h"

#include <cstring>

#include "framework/DataExchange.h"
#include "framework/MessageMap.h"
#include "framework/WinApp.h"
#include "framework/WndBinding.h"

namespace {

// What the automatic centring needs from a template: its style and position.
struct TemplateHeader {
    DWORD dwStyle = 0;
    short x = 0;
    short y = 0;
};

TemplateHeader ReadTemplateHeader(LPCDLGTEMPLATE lpTemplate)
{
    TemplateHeader header;
    if (!lpTemplate)
        return header;
    const auto* pBytes = reinterpret_cast<const BYTE*>(lpTemplate);
    WORD wVersion = 0;
    WORD wSignature = 0;
    std::memcpy(&wVersion, pBytes, sizeof(WORD));
    std::memcpy(&wSignature, pBytes + 2, sizeof(WORD));
    if (wVersion == 1 && wSignature == 0xFFFF) {
        // DLGTEMPLATEEX: dlgVer, signature, helpID, exStyle, style, cDlgItems, x, y, cx, cy
        std::memcpy(&header.dwStyle, pBytes + 12, sizeof(DWORD));
        std::memcpy(&header.x, pBytes + 18, sizeof(short));
        std::memcpy(&header.y, pBytes + 20, sizeof(short));
    } else {
        header.dwStyle = lpTemplate->style;
        header.x = lpTemplate->x;
        header.y = lpTemplate->y;
    }
    return header;
}

LPCDLGTEMPLATE LoadTemplate(LPCTSTR lpszTemplateName)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource ? ::LoadResource(hInst, hResource) : nullptr;
    return hTemplate ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : nullptr;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog()
{
    // Destroyed here, while OnDestroy & co. can still reach this class.
    if (m_hWnd && CWndBinding::Lookup(m_hWnd) == this)
        DestroyWindow();
}

// ---- creation ------------------------------------------------------------------------------

HWND CDialog::CreateFromTemplate(LPCDLGTEMPLATE lpTemplate, HWND hWndOwner)
{
    if (!lpTemplate)
        return nullptr;
    m_lpDialogTemplate = lpTemplate;  // for the centring check during WM_INITDIALOG
    HWND hWnd = ::CreateDialogIndirectParamA(AfxGetResourceHandle(), lpTemplate, hWndOwner,
                                             AfxDlgProc, reinterpret_cast<LPARAM>(this));
    m_lpDialogTemplate = nullptr;
    return hWnd;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    if (m_hWnd)
        return FALSE;
    m_lpszTemplateName = lpszTemplateName;
    if (!pParentWnd)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    HWND hWndOwner = pParentWnd->GetSafeHwnd();
    return CreateFromTemplate(LoadTemplate(lpszTemplateName), hWndOwner) != nullptr;
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    if (m_hWnd || !lpDialogTemplate)
        return FALSE;
    if (!pParentWnd)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(lpDialogTemplate, pParentWnd->GetSafeHwnd()) != nullptr;
}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;  // everything else reaches the object through AfxWndProc
    auto* pDlg = reinterpret_cast<CDialog*>(lParam);
    if (!pDlg || CWnd::FromHandlePermanent(hWnd) || pDlg->m_hWnd || !CWndBinding::Bind(hWnd, pDlg))
        return FALSE;
    pDlg->m_hWnd = hWnd;
    pDlg->m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
    return CWndBinding::Call(pDlg, hWnd, WM_INITDIALOG, wParam, lParam);
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // WM_INITDIALOG is not a table entry: a derived table could not take it over by
    // mistake, and the centring after OnInitDialog always runs.
    if (message == WM_INITDIALOG) {
        const LRESULT lResult = HandleInitDialog(wParam, lParam);
        if (pResult)
            *pResult = lResult;
        return TRUE;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    const DWORD dwStyleOld = GetStyle();
    RECT rcOld;
    ::GetWindowRect(m_hWnd, &rcOld);

    PreInitDialog();
    const BOOL bResult = OnInitDialog();
    if (!m_hWnd)
        return bResult;

    // Centre a dialog that nobody placed: hidden before and after OnInitDialog, not moved by
    // it, unowned (or its owner disabled, as during DoModal), and at 0,0 in its template.
    RECT rcNow;
    ::GetWindowRect(m_hWnd, &rcNow);
    HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (!(dwStyleOld & WS_VISIBLE) && !(GetStyle() & (WS_VISIBLE | WS_CHILD)) &&
        rcNow.left == rcOld.left && rcNow.top == rcOld.top &&
        (!hWndOwner || !::IsWindowEnabled(hWndOwner)) && CheckAutoCenter())
        CenterWindow();
    return bResult;
}

BOOL CDialog::CheckAutoCenter() const
{
    LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
    if (!lpTemplate && m_lpszTemplateName)
        lpTemplate = LoadTemplate(m_lpszTemplateName);
    if (!lpTemplate)
        return FALSE;
    const TemplateHeader header = ReadTemplateHeader(lpTemplate);
    // DS_CENTER dialogs are centred by the system already.
    return !(header.dwStyle & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) && header.x == 0 &&
           header.y == 0;
}

void CDialog::PreInitDialog() {}

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

// ---- modal run -----------------------------------------------------------------------------

int CDialog::DoModal()
{
    if (m_hWnd || !m_lpszTemplateName)
        return -1;
    HWND hWndTop = nullptr;
    HWND hWndOwner = GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), &hWndTop);
    BOOL bEnableOwner = FALSE;
    if (hWndOwner && ::IsWindowEnabled(hWndOwner)) {
        ::EnableWindow(hWndOwner, FALSE);
        bEnableOwner = TRUE;
    }

    // Set before creation: OnInitDialog may already end the dialog.
    m_nFlags |= WF_CONTINUEMODAL;
    m_nModalResult = -1;
    HWND hWnd = CreateFromTemplate(LoadTemplate(m_lpszTemplateName), hWndOwner);
    if (hWnd && ContinueModal()) {
        DWORD dwFlags = MLF_SHOWONIDLE;
        if (GetStyle() & DS_NOIDLEMSG)
            dwFlags |= MLF_NOIDLEMSG;
        RunModalLoop(dwFlags);
    }
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);

    // The owner is enabled before this window goes, so that activation returns to it.
    const bool bWasActive = m_hWnd && ::GetActiveWindow() == m_hWnd;
    if (bEnableOwner)
        ::EnableWindow(hWndOwner, TRUE);
    if (m_hWnd)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (hWndOwner && bWasActive)
        ::SetActiveWindow(hWndOwner);
    DestroyWindow();
    if (hWndTop)
        ::EnableWindow(hWndTop, TRUE);
    return hWnd ? m_nModalResult : -1;
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);  // DoModal hides and destroys the window
    else if (m_hWnd)
        ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // Keyboard and mouse input of the dialog and its controls: Tab, arrows, Enter, Escape,
    // mnemonics. IsDialogMessage ignores messages of other windows.
    const UINT message = pMsg->message;
    if ((message < WM_KEYFIRST || message > WM_KEYLAST) &&
        (message < WM_MOUSEFIRST || message > WM_MOUSELAST))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

// ---- data exchange and commands ------------------------------------------------------------

namespace {

// Notifications the exchange itself causes (EN_CHANGE of DDX_Text ...) are not news: they are
// dropped for the length of a scope, however it is left.
class CNotifyLockout {
public:
    explicit CNotifyLockout(HWND hWnd)
        : m_hLockout(CWndBinding::LockoutNotifyWindow()), m_hOld(m_hLockout)
    {
        m_hLockout = hWnd;
    }
    ~CNotifyLockout() { m_hLockout = m_hOld; }
    CNotifyLockout(const CNotifyLockout&) = delete;
    CNotifyLockout& operator=(const CNotifyLockout&) = delete;

private:
    HWND& m_hLockout;
    const HWND m_hOld;
};

}  // namespace

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CNotifyLockout lockout(m_hWnd);
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;  // the failing exchange has told the user and put the focus on the control
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->GetSafeHwnd()), 1L);
}
