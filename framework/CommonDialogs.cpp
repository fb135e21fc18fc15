#include "framework/CommonDialogs.h"

#include <string.h>

#include "framework/DelayLoad.h"
#include "framework/Wnd.h"

COLORREF CColorDialog::clrSavedCustom[16] = {
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};

namespace {
BOOL CallChooseColor(CHOOSECOLORA* pcc) {
    auto chooseColor = DelayLoaded<BOOL(WINAPI*)(CHOOSECOLORA*)>("comdlg32.dll", "ChooseColorA");
    return chooseColor && chooseColor(pcc);
}

BOOL CallChooseFont(CHOOSEFONTA* pcf) {
    auto chooseFont = DelayLoaded<BOOL(WINAPI*)(CHOOSEFONTA*)>("comdlg32.dll", "ChooseFontA");
    return chooseFont && chooseFont(pcf);
}

BOOL CallGetFileName(BOOL bOpen, OPENFILENAMEA* pofn) {
    auto getFileName = DelayLoaded<BOOL(WINAPI*)(OPENFILENAMEA*)>(
        "comdlg32.dll", bOpen ? "GetOpenFileNameA" : "GetSaveFileNameA");
    return getFileName && getFileName(pofn);
}

BOOL CallPrintDlg(PRINTDLGA* ppd) {
    auto printDlg = DelayLoaded<BOOL(WINAPI*)(PRINTDLGA*)>("comdlg32.dll", "PrintDlgA");
    return printDlg && printDlg(ppd);
}
}  // namespace

HWND AfxCommonDialogOwner(CWnd* pParentWnd) {
    if (pParentWnd && pParentWnd->GetSafeHwnd()) return pParentWnd->GetSafeHwnd();
    return GetActiveWindow();
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : m_pParentWnd(pParentWnd) {
    memset(&m_cc, 0, sizeof m_cc);
    m_cc.lStructSize = sizeof m_cc;
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = dwFlags | CC_RGBINIT;
    m_cc.rgbResult = clrInit;
}

int CColorDialog::DoModal() {
    m_cc.hwndOwner = AfxCommonDialogOwner(m_pParentWnd);
    return CallChooseColor(&m_cc) ? IDOK : IDCANCEL;
}

CFontDialog::CFontDialog(const LOGFONTA* lplfInitial, DWORD dwFlags, HDC hdcPrinter,
                         CWnd* pParentWnd)
    : m_pParentWnd(pParentWnd) {
    memset(&m_cf, 0, sizeof m_cf);
    memset(&m_lf, 0, sizeof m_lf);
    memset(m_szStyleName, 0, sizeof m_szStyleName);
    m_cf.lStructSize = sizeof m_cf;
    m_cf.lpszStyle = m_szStyleName;
    m_cf.lpLogFont = &m_lf;
    m_cf.Flags = dwFlags;
    if (lplfInitial) {
        m_lf = *lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    if (hdcPrinter) {
        m_cf.hDC = hdcPrinter;
        m_cf.Flags |= CF_PRINTERFONTS;
    }
}

int CFontDialog::DoModal() {
    m_cf.hwndOwner = AfxCommonDialogOwner(m_pParentWnd);
    // The system dialog may rewrite the font while the user browses; keep the start so that
    // a cancelled dialog leaves m_lf as it was.
    LOGFONTA before = m_lf;
    if (CallChooseFont(&m_cf)) return IDOK;
    m_lf = before;
    return IDCANCEL;
}

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName,
                         DWORD dwFlags, LPCSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog), m_pParentWnd(pParentWnd),
      m_strFilter(lpszFilter ? lpszFilter : ""), m_strDefExt(lpszDefExt ? lpszDefExt : "") {
    memset(&m_ofn, 0, sizeof m_ofn);
    memset(m_szFileName, 0, sizeof m_szFileName);
    if (lpszFileName) lstrcpynA(m_szFileName, lpszFileName, MAX_PATH);
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    if (lpszDefExt) m_ofn.lpstrDefExt = m_strDefExt;
    if (lpszFilter) {
        // The "||" at the end becomes the double NUL that ends the list.
        for (int i = 0; i < m_strFilter.GetLength(); i++) {
            if (m_strFilter[i] == '|') m_strFilter.SetAt(i, '\0');
        }
        m_ofn.lpstrFilter = m_strFilter;
    }
}

int CFileDialog::DoModal() {
    m_ofn.hwndOwner = AfxCommonDialogOwner(m_pParentWnd);
    return CallGetFileName(m_bOpenFileDialog, &m_ofn) ? IDOK : IDCANCEL;
}

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : m_pParentWnd(pParentWnd) {
    memset(&m_pd, 0, sizeof m_pd);
    m_pd.lStructSize = sizeof m_pd;
    m_pd.Flags = dwFlags & ~PD_RETURNIC;
    m_pd.Flags |= bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC;
}

CPrintDialog::~CPrintDialog() {
    if (m_pd.hDevMode) GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames) GlobalFree(m_pd.hDevNames);
}

int CPrintDialog::DoModal() {
    m_pd.hwndOwner = AfxCommonDialogOwner(m_pParentWnd);
    m_pd.hDC = NULL;
    return CallPrintDlg(&m_pd) ? IDOK : IDCANCEL;
}

CString CPrintDialog::GetDeviceName() const {
    CString name;
    if (!m_pd.hDevNames) return name;
    auto* names = static_cast<const DEVNAMES*>(GlobalLock(m_pd.hDevNames));
    if (names) {
        name = reinterpret_cast<const char*>(names) + names->wDeviceOffset;
        GlobalUnlock(m_pd.hDevNames);
    }
    return name;
}
