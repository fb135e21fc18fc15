// CWinApp: the application object. As in MFC, the program defines exactly one global object
// of a class derived from CWinApp; its constructor makes it the application, and WinMain
// (framework/AppMain.cpp, in the library framework_main that only the program links) runs it:
//
//   m_hInstance, m_lpCmdLine, m_nCmdShow filled in -> InitInstance()
//     FALSE: ExitInstance() and the process ends (a main window still alive is destroyed)
//     TRUE:  Run() - the message loop - until WM_QUIT, then ExitInstance()
//
// WM_QUIT is posted when the window in m_pMainWnd is destroyed (for any CWnd: a frame, or a
// dialog run with DoModal). The loop gives each message to PreTranslateMessage (the window
// chain from msg.hwnd up to the main window, then the application's), then TranslateMessage
// and DispatchMessage, and calls OnIdle while the queue is empty.
#pragma once

#include <windows.h>

#include "framework/MessageMapTypes.h"
#include "framework/String.h"

class CWnd;

class CWinApp {
public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    HINSTANCE m_hPrevInstance = nullptr;
    // The command-line tail: what follows the program name and the one blank that ends it,
    // unchanged (quotes and further blanks kept).
    LPTSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCTSTR m_pszAppName = nullptr;  // the constructor's name, else the module's base name
    LPCTSTR m_pszExeName = nullptr;

    virtual BOOL InitApplication() { return TRUE; }
    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance();
    virtual int Run();
    // lCount counts calls since the queue became empty; return TRUE for more idle calls.
    // The base frees the temporary wrappers (AfxDeleteTempMaps).
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // One GetMessage/PreTranslateMessage/Dispatch step; FALSE on WM_QUIT.
    virtual BOOL PumpMessage();
    // Messages after which the idle calls start again (not mouse moves without movement,
    // WM_PAINT or the caret's timer).
    virtual BOOL IsIdleMessage(MSG* pMsg);
    CWnd* GetMainWnd() const { return m_pMainWnd; }

    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCE(nIDResource)); }
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const { return ::LoadIconA(nullptr, lpszIconName); }
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const { return LoadCursor(MAKEINTRESOURCE(nIDResource)); }
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const { return ::LoadCursorA(nullptr, lpszCursorName); }

    // The 3-D look of dialog controls is the system's own since Windows 95: nothing to do.
    BOOL Enable3dControls() { return TRUE; }
    BOOL Enable3dControlsStatic() { return TRUE; }

    MSG m_msgCur{};  // the message being pumped
    int m_nExitCode = 0;

private:
    CString m_strAppName;
    CString m_strCmdLine;
    friend int AFXAPI AfxWinMain(HINSTANCE, HINSTANCE, LPTSTR, int);
};

CWinApp* AFXAPI AfxGetApp();
// The application's main window, or nullptr (also when there is no application object).
CWnd* AFXAPI AfxGetMainWnd();
HINSTANCE AFXAPI AfxGetInstanceHandle();
HINSTANCE AFXAPI AfxGetResourceHandle();
LPCTSTR AFXAPI AfxGetAppName();
// Runs the application object; WinMain in framework_main calls it. Returns the exit code.
int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
// The tail of a whole command line after the program name (quoted or not) and one blank.
LPCSTR AfxCommandTail(LPCSTR lpszCommandLine);
