#include "datectl/MonthPicker.h"

#include "datectl/MemDC.h"
#include "datectl/MonthCalendar.h"
#include "datectl/PopupPlacement.h"

namespace {

// Every letter and digit, so that the line fits any ascender and descender of the font.
const char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

} // namespace

BEGIN_MESSAGE_MAP(CMonthPicker, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CMonthPicker::CMonthPicker() = default;

CMonthPicker::~CMonthPicker()
{
    if (m_hWnd)
        DestroyWindow();
}

HGDIOBJ CMonthPicker::GetListFont() const
{
    if (m_pOwnerCalendar && m_pOwnerCalendar->m_fontDay.GetFont())
        return m_pOwnerCalendar->m_fontDay.GetFont()->m_hObject;
    return ::GetStockObject(DEFAULT_GUI_FONT);
}

int CMonthPicker::TextMargin() const
{
    return CalendarSpacingForDpi(m_pOwnerCalendar ? m_pOwnerCalendar->m_nDpi : 96).cxListMargin;
}

CString CMonthPicker::LineText(YearMonth ym) const
{
    CString text;
    if (!IsShowableMonth(ym))
        return text; // beyond the years a date can have: a blank line
    const CString name = m_pOwnerCalendar ? m_pOwnerCalendar->GetMonthName(ym.nMonth) : CString();
    text.Format("%s %d", static_cast<LPCSTR>(name), ym.nYear);
    return text;
}

void CMonthPicker::PlaceAround(CPoint ptScreen)
{
    int cxWidest = 0;
    {
        CClientDC dc(this);
        CSelectedObject font(dc, GetListFont());
        const CSize sizeAlphabet = dc.GetTextExtent(kAlphabet, sizeof(kAlphabet) - 1);
        m_cyLine = sizeAlphabet.cy;
        m_cxAlphabet = sizeAlphabet.cx;
        for (int nMonth = 1; nMonth <= 12; ++nMonth) {
            const CString name = m_pOwnerCalendar ? m_pOwnerCalendar->GetMonthName(nMonth)
                                                  : CString();
            const CSize size = dc.GetTextExtent(name + " 0000");
            if (size.cx > cxWidest)
                cxWidest = size.cx;
        }
    }
    // Centred on the press, then kept inside the work area: near a screen edge the mouse must
    // still reach every line.
    const CRect rcCentred =
        MonthListPlacement(ptScreen, m_cyLine, cxWidest, m_nRows, TextMargin());
    const CRect rc = KeepInsideWorkArea(rcCentred, MonitorWorkArea(rcCentred));
    MoveWindow(rc.left, rc.top, rc.Width(), rc.Height(), FALSE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL CMonthPicker::OnEraseBkgnd(CDC*)
{
    return FALSE; // painting covers everything
}

void CMonthPicker::OnPaint()
{
    CPaintDC paintDC(this);
    CMemDC dc(&paintDC);
    CRect rcClient;
    GetClientRect(&rcClient);

    // The line under the mouse of the message being handled is the picked one.
    const DWORD dwPos = ::GetMessagePos();
    CPoint ptMouse(static_cast<short>(LOWORD(dwPos)), static_cast<short>(HIWORD(dwPos)));
    ScreenToClient(&ptMouse);
    const int nHot = HitLine(ptMouse.y, m_cyLine, rcClient.Height());
    PickLine(nHot);

    CSelectedObject font(dc, GetListFont());
    dc.FillSolidRect(&rcClient, m_crBack);
    dc.SetBkMode(TRANSPARENT);
    for (int nLine = 0, y = 0; nLine < m_nRows; ++nLine, y += m_cyLine) {
        if (nLine == nHot) {
            dc.SetTextColor(m_crBack);
            dc.SetBkColor(m_crText);
            dc.FillSolidRect(0, y, rcClient.Width(), m_cyLine, m_crText);
        } else {
            dc.SetTextColor(m_crText);
            dc.SetBkColor(m_crBack);
        }
        CRect rcText(TextMargin(), y, TextMargin() + m_cxAlphabet, y + m_cyLine);
        dc.DrawText(LineText(GetLineMonth(nLine)), &rcText, DT_SINGLELINE | DT_NOPREFIX);
    }
}
