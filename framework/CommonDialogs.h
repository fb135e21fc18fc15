// CColorDialog, CFontDialog, CFileDialog and CPrintDialog: the system's common dialogs with
// MFC's members.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include "framework/String.h"

class CWnd;

// Owner of a common dialog: the given parent, else this thread's active window, so that
// the window the user came from is disabled while the dialog runs.
HWND AfxCommonDialogOwner(CWnd* pParentWnd);

class CColorDialog {
public:
    // Starts on clrInit (black included, unlike a bare CHOOSECOLOR without CC_RGBINIT).
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = NULL);
    CColorDialog(const CColorDialog&) = delete;
    CColorDialog& operator=(const CColorDialog&) = delete;

    // IDOK when a colour was chosen, else IDCANCEL.
    int DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF clr) { m_cc.rgbResult = clr; }

    // The sixteen custom colours, kept for the life of the process as the system dialog
    // expects of its caller.
    static COLORREF* GetSavedCustomColors() { return clrSavedCustom; }
    static COLORREF clrSavedCustom[16];

    CHOOSECOLORA m_cc;

private:
    CWnd* m_pParentWnd;
};

class CFontDialog {
public:
    // The dialog works on its own copy, m_lf, so that Cancel can't touch the caller's font;
    // read the choice with GetCurrentFont after IDOK.
    explicit CFontDialog(const LOGFONTA* lplfInitial = NULL,
                         DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS, HDC hdcPrinter = NULL,
                         CWnd* pParentWnd = NULL);
    CFontDialog(const CFontDialog&) = delete;
    CFontDialog& operator=(const CFontDialog&) = delete;

    int DoModal();
    void GetCurrentFont(LPLOGFONTA lplf) const { *lplf = m_lf; }
    COLORREF GetColor() const { return m_cf.rgbColors; }
    // Size in tenths of a point, as the dialog reports it.
    int GetSize() const { return m_cf.iPointSize; }
    int GetWeight() const { return m_lf.lfWeight; }
    BOOL IsBold() const { return m_lf.lfWeight >= FW_SEMIBOLD; }
    BOOL IsItalic() const { return m_lf.lfItalic ? TRUE : FALSE; }

    CHOOSEFONTA m_cf;
    LOGFONTA m_lf;
    char m_szStyleName[64];

private:
    CWnd* m_pParentWnd;
};

class CFileDialog {
public:
    // lpszFilter as MFC takes it: "Description|pattern|...||".
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = NULL,
                         LPCSTR lpszFileName = NULL,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCSTR lpszFilter = NULL, CWnd* pParentWnd = NULL);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    int DoModal();
    // The chosen file's full path.
    CString GetPathName() const { return CString(m_szFileName); }

    OPENFILENAMEA m_ofn;

private:
    BOOL m_bOpenFileDialog;
    CWnd* m_pParentWnd;
    CString m_strFilter; // the filter with its separators made NULs, as the system reads it
    CString m_strDefExt;
    char m_szFileName[MAX_PATH];
};

class CPrintDialog {
public:
    // Unless bPrintSetupOnly, the dialog returns a DC of the chosen printer (PD_RETURNDC).
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                          PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          CWnd* pParentWnd = NULL);
    // Frees the device-mode and device-names memory the system dialog handed back; the
    // printer DC belongs to whoever took it with GetPrinterDC.
    ~CPrintDialog();
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    int DoModal();
    // The printer DC of the last IDOK; the caller deletes it. NULL when there is none.
    HDC GetPrinterDC() const { return m_pd.hDC; }
    CString GetDeviceName() const;

    PRINTDLGA m_pd;

private:
    CWnd* m_pParentWnd;
};
