#include "framework/FrameWnd.h"

#include "framework/MessageMap.h"
#include "framework/WinApp.h"
#include "framework/WndBinding.h"

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd()
{
    if (m_hAccelTable)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle,
                       CCreateContext*)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName) {
        hMenu = ::LoadMenuA(AfxGetResourceHandle(), lpszMenuName);
        if (!hMenu) {
            PostNcDestroy();
            return FALSE;
        }
    }
    m_strTitle = lpszWindowName ? lpszWindowName : "";
    // rectDefault lets the system choose; its width would overflow if computed.
    const bool bDefault = CRect(rect) == rectDefault;
    const int x = rect.left;
    const int y = rect.top;
    const int cx = bDefault ? CW_USEDEFAULT : rect.right - rect.left;
    const int cy = bDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
    if (!CreateEx(dwExStyle, lpszClassName ? lpszClassName : CWndBinding::FrameClass(),
                  lpszWindowName, dwStyle, x, y, cx, cy, pParentWnd->GetSafeHwnd(), hMenu)) {
        // 'this' may be gone (PostNcDestroy); the menu was never given to a window.
        if (hMenu && ::IsMenu(hMenu))  // a window that existed took its menu with it
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    LPCSTR lpszResource = MAKEINTRESOURCE(nIDResource);
    CString strTitle;
    char szTitle[256] = "";
    if (::LoadStringA(hInst, nIDResource, szTitle, sizeof(szTitle)) > 0) {
        strTitle = szTitle;
        const int nNewLine = strTitle.Find('\n');  // document strings follow the title
        if (nNewLine >= 0)
            strTitle = strTitle.Left(nNewLine);
    }
    LPCSTR lpszMenu = ::FindResourceA(hInst, lpszResource, RT_MENU) ? lpszResource : nullptr;
    HACCEL hAccel = ::LoadAcceleratorsA(hInst, lpszResource);
    if (!Create(nullptr, strTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0, pContext)) {
        if (hAccel)
            ::DestroyAcceleratorTable(hAccel);
        return FALSE;  // 'this' is deleted
    }
    m_hAccelTable = hAccel;
    if (HICON hIcon = ::LoadIconA(hInst, lpszResource)) {
        SetIcon(hIcon, TRUE);
        SetIcon(hIcon, FALSE);
    }
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) { return CWnd::OnCreate(lpCreateStruct); }

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    return m_hAccelTable && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
           ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
}

void CFrameWnd::PostNcDestroy() { delete this; }
