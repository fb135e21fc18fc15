// CWnd: binding, creation and message routing. The thin wrappers are in WndOps.cpp.
#include "framework/Wnd.h"

#include "framework/DC.h"
#include "framework/PossiblyNull.h"
#include "framework/WinApp.h"
#include "framework/WndBinding.h"

namespace {

bool IsCtlColor(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

// The control a notification-like message is about, or nullptr when it is about none.
HWND NotifyingChild(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsCtlColor(message))
        return reinterpret_cast<HWND>(lParam);
    switch (message) {
    case WM_DRAWITEM: {
        const auto* p = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return p && p->CtlType != ODT_MENU ? p->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        const auto* p = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        return p && p->CtlType != ODT_MENU ? ::GetDlgItem(hWndParent, p->CtlID) : nullptr;
    }
    case WM_DELETEITEM:
        return reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem;
    case WM_COMPAREITEM:
        return reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return reinterpret_cast<HWND>(lParam);
    case WM_PARENTNOTIFY:
        return (LOWORD(wParam) == WM_CREATE || LOWORD(wParam) == WM_DESTROY)
                   ? reinterpret_cast<HWND>(lParam)
                   : nullptr;
    default:
        return nullptr;
    }
}

// The same object asked twice would reflect to itself for ever.
CWnd* ChildObject(const CWnd* pParent, HWND hWndChild)
{
    CWnd* pChild = hWndChild ? CWnd::FromHandlePermanent(hWndChild) : nullptr;
    return pChild == pParent ? nullptr : pChild;
}

}  // namespace

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd() = default;

CWnd::CWnd(HWND hWndSentinel) : m_hWnd(hWndSentinel) {}

CWnd::~CWnd()
{
    if (m_hWnd && CWndBinding::Lookup(m_hWnd) == this) {
        // Still bound: the window goes with its object. Only CWnd's own handling runs for
        // its last messages, the derived part being gone.
        HWND hWnd = m_hWnd;
        ::DestroyWindow(hWnd);  // WM_NCDESTROY unbinds a subclassed window
        if (CWndBinding::Lookup(hWnd) == this)
            CWndBinding::Unbind(hWnd);  // attached only, or the window refused to go
    }
}

HWND CWnd::GetSafeHwnd() const
{
    const CWnd* self = AfxPossiblyNull(this);
    return self ? self->m_hWnd : nullptr;
}

// ---- maps ----------------------------------------------------------------------------------

CWnd* CWnd::FromHandlePermanent(HWND hWnd) { return hWnd ? CWndBinding::Lookup(hWnd) : nullptr; }

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd)
        return nullptr;
    if (CWnd* pWnd = CWndBinding::Lookup(hWnd))
        return pWnd;
    return CWndBinding::Temporary(hWnd);
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (m_hWnd || !hWndNew || !::IsWindow(hWndNew) || !CWndBinding::Bind(hWndNew, this))
        return FALSE;
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd && CWndBinding::Lookup(hWnd) == this)
        CWndBinding::Unbind(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    auto pfnOld = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
    // A window of one of our classes that nobody bound: its default is the class's.
    m_pfnSuper = pfnOld == AfxWndProc ? CWndBinding::ClassDefaultProc(hWnd) : pfnOld;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = pParent ? ::GetDlgItem(pParent->m_hWnd, nID) : nullptr;
    return hWndControl ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

// ---- creation ------------------------------------------------------------------------------

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                    DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                    HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE;  // one window per object
    CREATESTRUCTA cs{lpParam,  AfxGetInstanceHandle(), nIDorHMenu, hWndParent, nHeight, nWidth,
                     y,        x,                      static_cast<LONG>(dwStyle),
                     lpszWindowName, lpszClassName, dwExStyle};
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    WNDPROC pfnSuper = nullptr;
    LPCSTR lpszCreateClass = CWndBinding::ResolveClass(cs.lpszClass, &pfnSuper);
    if (!lpszCreateClass) {
        PostNcDestroy();
        return FALSE;
    }

    CWndBinding::ExpectCreation(this, pfnSuper);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, lpszCreateClass, cs.lpszName, cs.style, cs.x,
                                  cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance,
                                  cs.lpCreateParams);
    if (CWndBinding::EndCreation()) {
        // The window never reached our procedure: a class we could not route, or a failure
        // before the first message.
        if (hWnd && !SubclassWindow(hWnd)) {
            ::DestroyWindow(hWnd);
            hWnd = nullptr;
        }
        if (!hWnd) {
            PostNcDestroy();
            return FALSE;
        }
    }
    if (!hWnd) {
        // Bound, then failed: normally WM_NCDESTROY has unbound it and run PostNcDestroy
        // ('this' may be gone). If that message never came, clean up here.
        if (HWND hBound = CWndBinding::BoundWindowOf(this)) {
            CWndBinding::Unbind(hBound);
            m_hWnd = nullptr;
            PostNcDestroy();
        }
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext*)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = CWndBinding::ChildClass();
    return TRUE;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    HWND hWnd = m_hWnd;
    if (CWndBinding::Lookup(hWnd) != this)
        return ::DestroyWindow(hWnd);  // a temporary wrapper
    const BOOL bResult = ::DestroyWindow(hWnd);
    // 'this' may be deleted now (PostNcDestroy). If it is still in the map, WM_NCDESTROY
    // never reached it (attached without subclassing), so it is alive: detach it.
    if (CWndBinding::Lookup(hWnd) == this && !::IsWindow(hWnd))
        Detach();
    return bResult;
}

// ---- routing -------------------------------------------------------------------------------

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = CWndBinding::CurrentMessage();
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* CWnd::GetCurrentMessage() { return &CWndBinding::CurrentMessage(); }

BOOL CWnd::DispatchEntry(UINT nLookup, UINT nCode, UINT nID, const AFX_MSGCALL& call,
                         LRESULT* pResult)
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->pfnThunk; ++p) {
            // Notification codes are compared as 16-bit values, as WM_COMMAND carries them.
            if (p->nMessage != nLookup || LOWORD(p->nCode) != LOWORD(nCode) || nID < p->nID ||
                nID > p->nLastID)
                continue;
            LRESULT lResult = 0;
            if (p->pfnThunk(this, call, lResult)) {
                if (pResult)
                    *pResult = lResult;
                return TRUE;
            }
        }
    }
    return FALSE;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    BOOL bHandled = FALSE;
    if (message == WM_COMMAND) {
        bHandled = OnCommand(wParam, lParam);
        lResult = 1;
    } else if (message == WM_NOTIFY) {
        const auto* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
        bHandled = pNMHDR && pNMHDR->hwndFrom && OnNotify(wParam, lParam, &lResult);
    } else {
        UINT nLookup = message;
        if (IsCtlColor(message))
            nLookup = WM_CTLCOLOR;
        else if (message >= WM_REFLECT_BASE && IsCtlColor(message - WM_REFLECT_BASE))
            nLookup = WM_REFLECT_BASE + WM_CTLCOLOR;
        const AFX_MSGCALL call{message, wParam, lParam, 0, 0};
        bHandled = DispatchEntry(nLookup, 0, 0, call, &lResult);
        // Nobody here wants it: the control it is about may answer for itself.
        if (!bHandled) {
            if (CWnd* pChild = ChildObject(this, NotifyingChild(m_hWnd, message, wParam, lParam)))
                bHandled = pChild->OnChildNotify(message, wParam, lParam, &lResult);
        }
    }
    if (bHandled && pResult)
        *pResult = lResult;
    return bHandled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (!hWndCtrl) {
        nCode = CN_COMMAND;  // menu (0) or accelerator (1)
    } else {
        if (CWndBinding::LockoutNotifyWindow() == m_hWnd)
            return TRUE;  // UpdateData is filling the controls
        if (CWnd* pChild = ChildObject(this, hWndCtrl)) {
            LRESULT lResult = 0;
            if (pChild->OnChildNotify(WM_COMMAND, wParam, lParam, &lResult))
                return TRUE;
        }
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, MAKELONG(nCode, WM_COMMAND), nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (CWndBinding::LockoutNotifyWindow() == m_hWnd)
        return TRUE;
    if (CWnd* pChild = ChildObject(this, pNMHDR->hwndFrom)) {
        if (pChild->OnChildNotify(WM_NOTIFY, wParam, lParam, pResult))
            return TRUE;
    }
    AFX_NOTIFY notify{pResult, pNMHDR};
    return OnCmdMsg(static_cast<UINT>(pNMHDR->idFrom), MAKELONG(pNMHDR->code, WM_NOTIFY), &notify,
                    nullptr);
}

BOOL CWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO*)
{
    UINT nMsg = HIWORD(static_cast<DWORD>(nCode));
    if (nMsg == 0)
        nMsg = WM_COMMAND;
    const UINT nNotifyCode = LOWORD(static_cast<DWORD>(nCode));
    const bool bNotify = nMsg == WM_NOTIFY || nMsg == WM_REFLECT_BASE + WM_NOTIFY;
    auto* pNotify = bNotify ? static_cast<AFX_NOTIFY*>(pExtra) : nullptr;

    AFX_MSGCALL call{nMsg, nID, 0, nID, static_cast<short>(nNotifyCode)};
    if (pNotify)
        call.lParam = reinterpret_cast<LPARAM>(pNotify->pNMHDR);
    LRESULT lResult = 0;
    if (!DispatchEntry(nMsg, nNotifyCode, nID, call, &lResult))
        return FALSE;
    if (pNotify && pNotify->pResult)
        *pNotify->pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_COMMAND:
        if (OnCmdMsg(0, MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr)) {
            if (pResult)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY: {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        AFX_NOTIFY notify{pResult, pNMHDR};
        return OnCmdMsg(0, MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, nullptr);
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    default:
        if (IsCtlColor(message))
            return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
        return FALSE;
    }
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hWndChild);
    if (!pChild)
        return FALSE;
    const MSG& msg = CWndBinding::CurrentMessage();
    if (msg.hwnd == hWndChild)
        return FALSE;
    return pChild->OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        if (CWnd* pWnd = FromHandlePermanent(hWnd)) {
            if (pWnd->PreTranslateMessage(pMsg))
                return TRUE;
        }
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

// ---- default handlers ----------------------------------------------------------------------

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnNcPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
BOOL CWnd::OnIconEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnTimer(UINT) { Default(); }
void CWnd::OnClose() { Default(); }
HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonDown(UINT, CPoint) { Default(); }
UINT CWnd::OnNcHitTest(CPoint) { return static_cast<UINT>(Default()); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnActivateApp(BOOL, DWORD) { Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return static_cast<int>(Default()); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnSettingChange(UINT, LPCTSTR) { Default(); }
void CWnd::OnWinIniChange(LPCTSTR) { Default(); }
void CWnd::OnDevModeChange(LPTSTR) { Default(); }
void CWnd::OnFontChange() { Default(); }
void CWnd::OnTimeChange() { Default(); }
void CWnd::OnPaletteChanged(CWnd*) { Default(); }
BOOL CWnd::OnQueryNewPalette() { return static_cast<BOOL>(Default()); }
void CWnd::OnDropFiles(HDROP) { Default(); }

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult = 0;
    if (pWnd && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return reinterpret_cast<HBRUSH>(lResult);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType != ODT_MENU && ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType != ODT_MENU &&
        ReflectLastMsg(::GetDlgItem(m_hWnd, lpMeasureItemStruct->CtlID)))
        return;
    Default();
}
