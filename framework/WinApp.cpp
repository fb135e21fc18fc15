#include "framework/WinApp.h"

#include <cstring>

#include "framework/Wnd.h"
#include "framework/WndBinding.h"

namespace {
CWinApp* g_pApp = nullptr;

CString ModuleBaseName()
{
    char szPath[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    const char* pszName = std::strrchr(szPath, '\\');
    pszName = pszName ? pszName + 1 : szPath;
    CString strName(pszName);
    const int nDot = strName.ReverseFind('.');
    return nDot > 0 ? strName.Left(nDot) : strName;
}
}  // namespace

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    // The one application object of the program, as in MFC.
    if (!g_pApp)
        g_pApp = this;
    if (lpszAppName)
        m_strAppName = lpszAppName;
    m_pszAppName = lpszAppName ? static_cast<LPCTSTR>(m_strAppName) : nullptr;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

CWinApp* AFXAPI AfxGetApp() { return g_pApp; }

CWnd* AFXAPI AfxGetMainWnd() { return g_pApp ? g_pApp->m_pMainWnd : nullptr; }

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return g_pApp && g_pApp->m_hInstance ? g_pApp->m_hInstance : ::GetModuleHandleA(nullptr);
}

HINSTANCE AFXAPI AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

LPCTSTR AFXAPI AfxGetAppName()
{
    static CString s_strModuleName;
    if (g_pApp && g_pApp->m_pszAppName)
        return g_pApp->m_pszAppName;
    if (s_strModuleName.IsEmpty())
        s_strModuleName = ModuleBaseName();
    return s_strModuleName;
}

LPCSTR AfxCommandTail(LPCSTR lpszCommandLine)
{
    LPCSTR p = lpszCommandLine ? lpszCommandLine : "";
    if (*p == '"') {
        ++p;
        while (*p && *p != '"')
            ++p;
        if (*p == '"')
            ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t')
            ++p;
    }
    // One blank separates the program from its arguments; any further blank belongs to them.
    if (*p == ' ' || *p == '\t')
        ++p;
    return p;
}

// ---- the message loop ----------------------------------------------------------------------

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::WalkPreTranslateTree(AfxGetMainWnd()->GetSafeHwnd(), pMsg);
}

BOOL CWinApp::PumpMessage()
{
    if (::GetMessageA(&m_msgCur, nullptr, 0, 0) <= 0)
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinApp::IsIdleMessage(MSG* pMsg) { return AfxIsIdleMessage(pMsg); }

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount >= 1 && CWndBinding::IsOutermostLoop())
        AfxDeleteTempMaps();
    return lCount < 1;
}

int CWinApp::Run()
{
    CWndBinding::EnterLoop();
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;) {
        while (bIdle && !::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!PumpMessage()) {
                m_nExitCode = static_cast<int>(m_msgCur.wParam);
                CWndBinding::LeaveLoop();
                return ExitInstance();
            }
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

int CWinApp::ExitInstance() { return m_nExitCode; }

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIconA(AfxGetResourceHandle(), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursorA(AfxGetResourceHandle(), lpszResourceName);
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return -1;  // the program defines no application object
    pApp->m_hInstance = hInstance;
    pApp->m_hPrevInstance = hPrevInstance;
    pApp->m_strCmdLine = lpCmdLine ? lpCmdLine : "";
    pApp->m_lpCmdLine = pApp->m_strCmdLine.GetBuffer(pApp->m_strCmdLine.GetLength());
    pApp->m_nCmdShow = nCmdShow;
    if (!pApp->m_pszAppName) {
        pApp->m_strAppName = ModuleBaseName();
        pApp->m_pszAppName = pApp->m_strAppName;
    }
    pApp->m_pszExeName = pApp->m_pszAppName;

    int nReturnCode = -1;
    try {
        if (!pApp->InitApplication() || !pApp->InitInstance()) {
            if (CWnd* pMainWnd = pApp->m_pMainWnd)
                pMainWnd->DestroyWindow();
            nReturnCode = pApp->ExitInstance();
        } else {
            nReturnCode = pApp->Run();
        }
    } catch (...) {
        ::OutputDebugStringA("Tacknote: exception out of the application object\n");
    }
    return nReturnCode;
}
