#include "tools/dateedit/DateEditHost.h"

#include "framework/WinApp.h"

BEGIN_MESSAGE_MAP(CDateEditHost, CFrameWnd)
    ON_WM_CREATE()
    ON_EN_CHANGE(IDC_DATEEDIT_FIELD, OnFieldChange)
    ON_BN_CLICKED(IDC_DATEEDIT_DONE, OnDone)
END_MESSAGE_MAP()

CDateEditHost::CDateEditHost(const DateEditToolOptions& options) : m_options(options) {}

int CDateEditHost::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    // Made as a dialog template would make it, then attached the way the alarm dialog does.
    HWND hField = ::CreateWindowExA(
        WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 10, 10,
        120, 22, m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_DATEEDIT_FIELD)),
        AfxGetInstanceHandle(), nullptr);
    if (!hField) return -1;
    ::SendMessageA(hField, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                   FALSE);
    m_field.SetDropButton(TRUE);
    if (!m_field.AttachToDlgItem(this, IDC_DATEEDIT_FIELD)) return -1;
    m_field.SetDisplayFormat(m_options.strFormat);
    m_field.SetParseFlags(m_options.dwParseFlags);
    m_field.SetDate(m_options.date);

    if (!m_done.Create("Done", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                       CRect(160, 10, 230, 32), this, IDC_DATEEDIT_DONE))
        return -1;
    m_done.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)));
    ShowDateInTitle();
    return 0;
}

void CDateEditHost::ShowDateInTitle()
{
    const CDateParser date = m_field.GetDate();
    CString title = "Date Edit - ";
    title += date.GetStatus() == COleDateTime::valid ? date.Format("%Y-%m-%d") : CString("none");
    SetWindowText(title);
}

void CDateEditHost::OnFieldChange()
{
    ShowDateInTitle();
}

void CDateEditHost::OnDone()
{
    m_done.SetFocus();
}
