// CDialog: a dialog from a template resource, run modally (DoModal, with the framework's own
// message loop) or modelessly (Create).
//
// The window is created from the template with CreateDialogIndirectParam and bound to this
// object at WM_INITDIALOG (from its lParam); from then on its messages run through the
// message map like any CWnd's. Earlier messages (WM_SETFONT, WM_CREATE) are not seen.
//
// After OnInitDialog a dialog that started hidden, is still hidden, was not moved by
// OnInitDialog, has no owner or a disabled one, and whose template says 0,0 without DS_CENTER
// is centred (CWnd::CenterWindow).
//
// DoModal: the owner is the parent given (or the application's main window), taken up to its
// top-level window; it is disabled while the dialog runs. A dialog that is not visible when
// the loop starts is shown (SW_SHOWNORMAL) the first time the queue is empty; hiding it in
// OnInitDialog does not prevent that, and a later SetWindowPos(SWP_SHOWWINDOW) from a handler
// works as well. The loop runs each message through PreTranslateMessage from msg.hwnd up the
// parent chain to the dialog (CDialog's runs IsDialogMessage), then TranslateMessage and
// DispatchMessage. EndDialog ends it; the window is then hidden, the owner re-enabled and
// the window destroyed, and DoModal returns the result (-1 if the window could not be made,
// IDABORT if it was destroyed without EndDialog).
#pragma once

#include <windows.h>

#include "framework/Wnd.h"

class CDataExchange;

class CDialog : public CWnd {
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    virtual int DoModal();
    // Modeless: the window exists when this returns TRUE (shown only if the template has
    // WS_VISIBLE); end it with DestroyWindow.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);

    // Runs DoDataExchange; TRUE when every exchange succeeded.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
    void SetDefID(UINT nID) { SendMessage(DM_SETDEFID, nID); }
    DWORD GetDefID() const { return static_cast<DWORD>(SendMessage(DM_GETDEFID)); }
    BOOL MapDialogRect(LPRECT lpRect) const { return ::MapDialogRect(m_hWnd, lpRect); }

    // CDialog's own: IsDialogMessage for keyboard and mouse input of the dialog and its
    // controls, after CWnd's.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    LPCTSTR m_lpszTemplateName = nullptr;
    UINT m_nIDHelp = 0;
    CWnd* m_pParentWnd = nullptr;

protected:
    // Runs UpdateData(FALSE); TRUE lets the system give the focus to the first control.
    virtual BOOL OnInitDialog();
    // UpdateData(TRUE), then EndDialog(IDOK) when it succeeded. Runs for IDOK commands.
    virtual void OnOK();
    // EndDialog(IDCANCEL). Runs for IDCANCEL commands (Escape, the close box).
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    // Called when the window is bound, before OnInitDialog.
    virtual void PreInitDialog();
    // WM_INITDIALOG: PreInitDialog, OnInitDialog, then the automatic centring.
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
    HWND CreateFromTemplate(LPCDLGTEMPLATE lpTemplate, HWND hWndOwner);
    BOOL CheckAutoCenter() const;
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;  // while the window is being created
};

// The dialog procedure of every CDialog: binds the object at WM_INITDIALOG and runs
// OnInitDialog; every later message reaches the object through its window procedure.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
