#include "controls/AboutDlg.h"

#include "dpi/DpiApi.h"
#include "dpi/WindowIcons.h"
#include "framework/DataExchange.h"
#include "framework/WinApp.h"

const char kAboutVersion[] = "Tacknote Version 5.1a";
const char kAboutCredit[] = "Written by the Tacknote developers";
const char kAboutMailTarget[] = "mailto:tacknote@example.org";

// clang-format off
BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()
// clang-format on

CAboutDlg::CAboutDlg() : CDialog(IDD) {}

CAboutDlg::~CAboutDlg()
{
    // While m_link and its fonts still exist.
    if (m_hWnd) DestroyWindow();
}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ABOUT_LINK, m_link);
}

BOOL CAboutDlg::OnInitDialog()
{
    // Subclasses the credit line while its text is still empty; SetTarget fits it later.
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_ABOUT_VERSION, kAboutVersion);
    SetDlgItemText(IDC_ABOUT_LINK, kAboutCredit);
    UpdateData(FALSE);
    m_link.SetTarget(kAboutMailTarget);
    m_link.SetUnderlineMode(1);
    ShowIcon();
    return TRUE;
}

// The template's icon comes at the system dpi's size; the monitor's may be another.
void CAboutDlg::ShowIcon()
{
    HWND picture = ::GetDlgItem(m_hWnd, IDC_ABOUT_ICON);
    HICON icon = LoadIconForDpi(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_TACKNOTE),
                                SM_CXICON, DpiForWindow(m_hWnd));
    if (!picture || !icon) {
        if (icon) DestroyIcon(icon);
        return;
    }
    ::SendMessageA(picture, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    m_icon.Reset(icon); // after the control let go of the old one
}

LRESULT CAboutDlg::OnDpiChanged(WPARAM, LPARAM)
{
    const LRESULT result = Default(); // the dialog manager scales the dialog and its controls
    ShowIcon();
    return result;
}
