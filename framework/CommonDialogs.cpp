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
