#include "datectl/MonthCalendar.h"

#include "datectl/CalendarHitTest.h"
#include "datectl/CalendarLayout.h"
#include "datectl/CalendarPainter.h"
#include "datectl/MemDC.h"
#include "datectl/MonthPicker.h"
#include "dpi/DpiApi.h"

#include <commctrl.h>

namespace {

// Measures text in the calendar's own fonts on one DC.
class DcTextMeasure : public CalendarTextMeasure {
public:
    DcTextMeasure(CDC& dc, const MonthCalendarState& state) : m_dc(dc), m_state(state) {}

    CSize Measure(CalendarFontRole role, const CString& text) override
    {
        const FontSpec* specs[] = {&m_state.m_fontHeader, &m_state.m_fontWeekday,
                                   &m_state.m_fontDay, &m_state.m_fontSpecialDay};
        // A font GDI refused measures as the system font, as it would draw.
        const CFont* pFont = specs[role]->GetFont();
        const HGDIOBJ hFont = pFont ? pFont->m_hObject : ::GetStockObject(SYSTEM_FONT);
        if (hFont != m_hSelected) {
            ::SelectObject(m_dc.m_hDC, hFont);
            m_hSelected = hFont;
        }
        return m_dc.GetTextExtent(text);
    }

private:
    CDC& m_dc;
    const MonthCalendarState& m_state;
    HGDIOBJ m_hSelected = nullptr;
};

// SaveDC for a scope: what measuring or painting selects and sets is undone however it ends.
class SavedDC {
public:
    explicit SavedDC(CDC& dc) : m_dc(dc), m_nSaved(dc.SaveDC()) {}
    ~SavedDC() { m_dc.RestoreDC(m_nSaved); }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    CDC& m_dc;
    const int m_nSaved;
};

// In pixels: the point size it picks is then drawn at the window's dpi, so that a calendar on
// a 150% monitor is 1.5 times the size it has on the same monitor at 100%.
int MonitorWidth(HWND hWnd)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoA(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &info))
        return info.rcMonitor.right - info.rcMonitor.left;
    return ::GetSystemMetrics(SM_CXSCREEN);
}

CPoint MessagePos()
{
    const DWORD dwPos = ::GetMessagePos();
    return CPoint(static_cast<short>(LOWORD(dwPos)), static_cast<short>(HIWORD(dwPos)));
}

} // namespace

BEGIN_MESSAGE_MAP(CMonthCalendar, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_TIMER()
    ON_WM_CAPTURECHANGED()
    ON_WM_DEVMODECHANGE()
    ON_WM_FONTCHANGE()
    ON_WM_PALETTECHANGED()
    ON_WM_SETTINGCHANGE()
    ON_WM_TIMECHANGE()
    ON_WM_SYSCOLORCHANGE()
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, OnDpiChangedAfterParent)
END_MESSAGE_MAP()

CMonthCalendar::CMonthCalendar() = default;

CMonthCalendar::~CMonthCalendar()
{
    CloseMonthList();
    COleDateTime noDate;
    noDate.SetStatus(COleDateTime::invalid);
    SetSelection(noDate);
    ClearDayCells();
    // Destroyed here, while the handlers above still belong to a whole object.
    if (m_hWnd)
        DestroyWindow();
}

// ---- size ------------------------------------------------------------------------------

bool CMonthCalendar::FollowDpi()
{
    const int nDpi = static_cast<int>(m_hWnd ? DpiForWindow(m_hWnd) : SystemDpi());
    if (nDpi == m_nDpi)
        return false;
    m_nDpi = nDpi;
    InvalidateFonts();
    m_bMetricsValid = 0;
    return true;
}

bool CMonthCalendar::UpdateDpi()
{
    if (!FollowDpi())
        return false;
    CloseMonthList(); // placed and measured for the old dpi
    AutoSize();
    Repaint();
    return true;
}

LRESULT CMonthCalendar::OnDpiChangedAfterParent(WPARAM, LPARAM)
{
    UpdateDpi();
    return 0;
}

void CMonthCalendar::EnsureFonts()
{
    if (m_bFontsCreated && m_fontHeader.GetFont() && m_fontWeekday.GetFont() &&
        m_fontDay.GetFont() && m_fontSpecialDay.GetFont())
        return;
    // The window's dpi, not the DC's: a screen DC tells the system dpi on every monitor.
    m_fontHeader.CreateFont(m_nDpi);
    m_fontWeekday.CreateFont(m_nDpi);
    m_fontDay.CreateFont(m_nDpi);
    m_fontSpecialDay.CreateFont(m_nDpi);
    m_bFontsCreated = 1;
}

void CMonthCalendar::ComputeMetrics(CDC& dc)
{
    EnsureFonts();
    {
        SavedDC saved(dc); // the measure selects the fonts it measures in
        DcTextMeasure measure(dc, *this);
        m_metrics = ComputeCalendarMetrics(measure, m_strMonthNames, m_nYear,
                                           CalendarSpacingForDpi(m_nDpi));
    }
    m_bMetricsValid = 1;
}

CSize CMonthCalendar::MeasureButtonText(CDC& dc)
{
    CSelectedObject font(dc, m_fontWeekday.GetFont() ? m_fontWeekday.GetFont()->m_hObject
                                                     : ::GetStockObject(SYSTEM_FONT));
    return dc.GetTextExtent("Today", 5);
}

CSize CMonthCalendar::GetTotalSize()
{
    FollowDpi();
    // Before the window exists the screen stands in for it.
    CClientDC dc(m_hWnd ? this : nullptr);
    ComputeMetrics(dc);
    const CalendarSpacing spacing = CalendarSpacingForDpi(m_nDpi);
    const bool bButtons = m_bTodayButton || m_bNoneButton;
    const int cyFooter =
        CalendarFooterHeight(bButtons, bButtons ? MeasureButtonText(dc).cy : 0, spacing);
    return CalendarTotalSize(m_metrics, m_nRows, m_nCols, m_bBorder != 0, cyFooter, spacing);
}

void CMonthCalendar::AutoSize()
{
    if (!m_bAutoSize || !m_hWnd)
        return;
    const int nStart = AutoSizePointSize(MonitorWidth(m_hWnd));

    CSize sizeParent;
    CPoint ptInParent;
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent) {
        CRect rcParent;
        ::GetWindowRect(hParent, &rcParent);
        sizeParent = rcParent.Size();
        CRect rcSelf;
        GetWindowRect(&rcSelf);
        ptInParent = rcSelf.TopLeft();
        ::ScreenToClient(hParent, &ptInParent);
    }
    const AvailableSpace space =
        AutoSizeAvailableSpace(m_sizeLimit, hParent != nullptr, sizeParent, ptInParent);
    const int nSize = AutoSizeShrink(nStart, m_nMinFontSize, space, [this](int nPoints) {
        SetAllFonts(nPoints);
        return GetTotalSize();
    });
    SetAllFonts(nSize);
    const CSize total = GetTotalSize();
    SetWindowPos(nullptr, 0, 0, total.cx, total.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMonthCalendar::SetLayout(int nRows, int nCols)
{
    const int nBlocks = GetBlockCount();
    MonthCalendarState::SetLayout(nRows, nCols);
    if (m_nListBlock >= 0 && GetBlockCount() != nBlocks)
        CloseMonthList(); // its block is gone
    AutoSize();
}

// ---- painting --------------------------------------------------------------------------

int CMonthCalendar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    ApplyCreateStyle(lpCreateStruct->style & 0xFFFF);
    AutoSize();
    return 0;
}

BOOL CMonthCalendar::OnEraseBkgnd(CDC*)
{
    return FALSE; // the paint covers every pixel
}

void CMonthCalendar::Draw(CDC& dc)
{
    FollowDpi();
    if (!m_bMetricsValid)
        ComputeMetrics(dc);
    EnsureFonts();
    CRect rcClient;
    GetClientRect(&rcClient);

    const CalendarLayout layout = LayoutCalendar(*this, rcClient.Size(), MeasureButtonText(dc));
    CalendarPaintContext context;
    context.sizeClient = rcClient.Size();
    context.today = COleDateTime::GetCurrentTime();
    if (m_pfnDayState) {
        context.isSpecialDay = [this](const COleDateTime& date) {
            try {
                return m_pfnDayState(this, &date) != 0;
            } catch (...) {
                return false; // a failing callback does not mark the day
            }
        };
    }
    {
        SavedDC saved(dc);
        PaintCalendar(dc, *this, layout, context);
    }
    RecordCalendarLayout(*this, layout);
}

void CMonthCalendar::OnPaint()
{
    CPaintDC paintDC(this);
    CMemDC dc(&paintDC);
    Draw(dc);
}

LRESULT CMonthCalendar::OnPrintClient(WPARAM wParam, LPARAM)
{
    CTempDC dc(reinterpret_cast<HDC>(wParam));
    Draw(dc);
    return 0;
}

void CMonthCalendar::Repaint()
{
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// ---- mouse -----------------------------------------------------------------------------

void CMonthCalendar::Notify(int nCode)
{
    HWND hParent = ::GetParent(m_hWnd);
    if (!hParent)
        return;
    NMHDR nmhdr;
    nmhdr.hwndFrom = m_hWnd;
    nmhdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    nmhdr.code = static_cast<UINT>(nCode);
    ::SendMessageA(hParent, WM_NOTIFY, nmhdr.idFrom, reinterpret_cast<LPARAM>(&nmhdr));
}

void CMonthCalendar::ShowNextPage(bool bForward)
{
    PageStep(bForward);
    Repaint();
}

void CMonthCalendar::DropStalePresses(UINT nFlags)
{
    if (nFlags & MK_LBUTTON)
        return;
    const bool bShownPressed = (m_bTodayPressed && m_bTodayHot) || (m_bNonePressed && m_bNoneHot);
    m_bArrowHeld = 0;
    m_bTodayPressed = m_bTodayHot = 0;
    m_bNonePressed = m_bNoneHot = 0;
    if (bShownPressed)
        Repaint();
}

void CMonthCalendar::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    DropStalePresses(0);
    const CalendarHit hit = CalendarHitTest(*this, point);
    switch (hit.part) {
    case CALHIT_PREVARROW:
    case CALHIT_NEXTARROW:
        m_bArrowHeld = 1;
        ShowNextPage(hit.part == CALHIT_NEXTARROW);
        break;
    case CALHIT_TODAYBUTTON:
        m_bTodayPressed = m_bTodayHot = 1;
        Repaint();
        break;
    case CALHIT_NONEBUTTON:
        m_bNonePressed = m_bNoneHot = 1;
        Repaint();
        break;
    case CALHIT_HEADER:
        OpenMonthList(hit.nBlock);
        break;
    case CALHIT_DAY:
        PressDay(hit.date);
        SetCapture();
        m_bTrackingDay = 1;
        Repaint();
        break;
    case CALHIT_NOWHERE:
        break;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CMonthCalendar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bMonthListActive) {
        ScrollMonthList(MessagePos().y);
    } else if (m_bTrackingDay) {
        const CalendarHit hit = CalendarDayHitTest(*this, point);
        if (hit.part == CALHIT_DAY) {
            const COleDateTime oldStart = m_selStart;
            const COleDateTime oldEnd = m_selEnd;
            TrackDay(hit.date);
            if (m_selStart != oldStart || m_selEnd != oldEnd)
                Repaint();
        }
    } else if (m_bArrowHeld || m_bTodayPressed || m_bNonePressed) {
        DropStalePresses(nFlags);
        if (m_bArrowHeld) {
            // Each move over an arrow with the button still down pages once more.
            if (m_rcPrevArrow.PtInRect(point))
                ShowNextPage(false);
            else if (m_rcNextArrow.PtInRect(point))
                ShowNextPage(true);
        } else if (m_bTodayPressed || m_bNonePressed) {
            int& bHot = m_bTodayPressed ? m_bTodayHot : m_bNoneHot;
            const CRect& rcButton = m_bTodayPressed ? m_rcTodayButton : m_rcNoneButton;
            const int bOver = rcButton.PtInRect(point) ? 1 : 0;
            if (bOver != bHot) {
                bHot = bOver;
                Repaint();
            }
        }
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CMonthCalendar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTrackingDay) {
        m_bTrackingDay = 0; // first: releasing the capture reports back synchronously
        ReleaseCapture();
        Repaint();
        Notify(NM_CLICK);
    } else if (m_bArrowHeld) {
        m_bArrowHeld = 0;
        Repaint();
    } else if (m_bTodayPressed || m_bNonePressed) {
        // A footer button acts only when the button goes up over it.
        const bool bToday = m_bTodayPressed != 0;
        int& bPressed = bToday ? m_bTodayPressed : m_bNonePressed;
        int& bHot = bToday ? m_bTodayHot : m_bNoneHot;
        const bool bAct = bHot != 0;
        bPressed = bHot = 0;
        if (bAct) {
            const COleDateTime now = COleDateTime::GetCurrentTime();
            if (bToday)
                GoToToday(now);
            else
                ChooseNone(now);
        }
        Repaint();
        if (bAct)
            Notify(NM_CLICK);
    } else if (m_bMonthListActive) {
        if (m_pMonthList && m_nListBlock >= 0) {
            ShowPickedMonth(YearMonth{m_pMonthList->m_nPickedMonth, m_pMonthList->m_nPickedYear},
                            m_nListBlock);
        }
        CloseMonthList();
        Repaint();
    }
    CWnd::OnLButtonUp(nFlags, point);
}

void CMonthCalendar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const CalendarHit hit = CalendarHitTest(*this, point);
    if (hit.part != CALHIT_DAY) {
        // The class asks for double-clicks; elsewhere than on a day the second click of a
        // quick pair is an ordinary press (two quick clicks on an arrow page twice).
        OnLButtonDown(nFlags, point);
        return;
    }
    m_selStart = hit.date;
    m_selEnd = hit.date;
    Repaint();
    Notify(NM_DBLCLK);
    CWnd::OnLButtonDblClk(nFlags, point);
}

void CMonthCalendar::OnCaptureChanged(CWnd* pWnd)
{
    // Someone else took the mouse (a menu, a dialog, a task switch): stop what needed it,
    // without reporting a click that never ended.
    if (pWnd != this) {
        if (m_bMonthListActive) {
            CloseMonthList();
            Repaint();
        } else if (m_bTrackingDay) {
            m_bTrackingDay = 0;
            Repaint();
        }
    }
    CWnd::OnCaptureChanged(pWnd);
}

// ---- month list ------------------------------------------------------------------------

void CMonthCalendar::OpenMonthList(int nBlock)
{
    CloseMonthList();
    m_nListBlock = nBlock;
    const YearMonth month = GetBlockMonth(nBlock);

    FollowDpi();
    EnsureFonts(); // the list writes in the day font
    m_pMonthList = std::make_unique<CMonthPicker>();
    m_listTimer.Set(this, CALENDAR_LISTTIMER_ID, CALENDAR_LISTTIMER_MS);
    m_pMonthList->SetMiddleMonth(month.nMonth, month.nYear);
    m_pMonthList->m_pOwnerCalendar = this;

    LPCTSTR lpszClass = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS |
                                            CS_BYTEALIGNCLIENT);
    if (!m_pMonthList->CreateEx(0, lpszClass, "", WS_POPUP | WS_BORDER, 0, 0, 0, 0, m_hWnd,
                                nullptr)) {
        CloseMonthList();
        return;
    }
    m_pMonthList->PlaceAround(MessagePos());
    // Shown without taking the activation from the window that holds the calendar.
    m_pMonthList->ShowWindow(SW_SHOWNOACTIVATE);
    m_pMonthList->UpdateWindow();
    SetCapture();
    m_bMonthListActive = 1;
}

void CMonthCalendar::CloseMonthList()
{
    const bool bHadCapture = m_bMonthListActive != 0;
    m_bMonthListActive = 0; // first: releasing the capture reports back synchronously
    m_listTimer.Kill();
    m_nListBlock = -1;
    m_pMonthList.reset();
    if (bHadCapture && m_hWnd && ::GetCapture() == m_hWnd)
        ReleaseCapture();
}

void CMonthCalendar::ScrollMonthList(int yScreen)
{
    if (!m_pMonthList || !m_pMonthList->m_hWnd)
        return;
    CRect rcList;
    m_pMonthList->GetClientRect(&rcList);
    m_pMonthList->ClientToScreen(&rcList);
    m_pMonthList->ScrollStep(yScreen, rcList);
    m_pMonthList->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CMonthCalendar::OnTimer(UINT nIDEvent)
{
    if (m_bMonthListActive && m_listTimer.IsEvent(nIDEvent)) {
        // Keeps the list scrolling while the mouse rests above or below it.
        ScrollMonthList(MessagePos().y);
        return;
    }
    CWnd::OnTimer(nIDEvent);
}

// ---- system changes: colours read while painting follow at once -------------------------

void CMonthCalendar::OnDevModeChange(LPTSTR lpDeviceName)
{
    CWnd::OnDevModeChange(lpDeviceName);
    Repaint();
}

void CMonthCalendar::OnFontChange()
{
    CWnd::OnFontChange();
    Repaint();
}

void CMonthCalendar::OnPaletteChanged(CWnd* pFocusWnd)
{
    CWnd::OnPaletteChanged(pFocusWnd);
    Repaint();
}

void CMonthCalendar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);
    Repaint();
}

void CMonthCalendar::OnTimeChange()
{
    CWnd::OnTimeChange();
    Repaint(); // today's frame moves to the new date
}

void CMonthCalendar::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    Repaint();
}
