#include "controls/AboutDlg.h"

#include "framework/DataExchange.h"

const char kAboutVersion[] = "Tacknote Version 5.1a";
const char kAboutCredit[] = "Written by the Tacknote developers";
const char kAboutMailTarget[] = "mailto:tacknote@example.org";

// clang-format off
BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
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
    return TRUE;
}
