#include "AlarmDriver.h"

#include "NoteDriver.h"
#include "datectl/MonthCalendar.h"
#include "datectl/MonthMath.h"

#include <vector>

namespace alarms {

HWND OpenAlarmDialog(HWND note)
{
    RECT rc = e2e::WindowRect(note);
    if (!notes::PickMenuCommand(note, rc.left + 40, rc.top + 40, notes::kAlarm)) return nullptr;
    return e2e::WaitForWindow(e2e::WindowProcessId(note), "#32770", kAlarmCaption, 5000);
}

bool IsChecked(HWND dlg, int id)
{
    DWORD_PTR state = 0;
    SendMessageTimeoutA(GetDlgItem(dlg, id), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &state);
    return state == BST_CHECKED;
}

int TimeSelection(HWND dlg)
{
    DWORD_PTR sel = 0;
    SendMessageTimeoutA(GetDlgItem(dlg, kTimeId), CB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 2000, &sel);
    return static_cast<int>(static_cast<LRESULT>(sel));
}

std::string TimeText(HWND dlg, int index)
{
    // An ANSI CB_GETLBTEXT across processes returns only the first character.
    wchar_t text[64] = L"";
    SendMessageW(GetDlgItem(dlg, kTimeId), CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text));
    std::string out;
    for (const wchar_t* p = text; *p; ++p)
        out += static_cast<char>(*p);
    return out;
}

std::string FieldText(const COleDateTime& day)
{
    return static_cast<LPCSTR>(day.Format("%m/%d/%Y"));
}

namespace {

std::vector<HWND> Popups(DWORD pid)
{
    std::vector<HWND> found;
    for (HWND w : e2e::TopLevelWindows(pid)) {
        if (GetDlgItem(w, kCalendarId)) found.push_back(w);
    }
    return found;
}

} // namespace

int CountPopups(DWORD pid)
{
    return static_cast<int>(Popups(pid).size());
}

HWND FindPopup(DWORD pid)
{
    const std::vector<HWND> found = Popups(pid);
    return found.empty() ? nullptr : found.front();
}

HWND OpenPopup(HWND dlg)
{
    RECT rc = e2e::WindowRect(GetDlgItem(dlg, kDropButtonId));
    e2e::Click((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    HWND popup = nullptr;
    e2e::WaitUntil([&] { return (popup = FindPopup(e2e::WindowProcessId(dlg))) != nullptr; }, 3000);
    return popup;
}

PopupMap::PopupMap(HWND popup, const COleDateTime& month, const COleDateTime& selection)
{
    m_origin = POINT{0, 0};
    ClientToScreen(popup, &m_origin);
    RECT rcPopup;
    GetClientRect(popup, &rcPopup);

    // The same calendar in a hidden window of ours, painted once so that it records its cells.
    CWnd host;
    host.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    CMonthCalendar twin;
    twin.Create(nullptr, "", WS_CHILD | WS_VISIBLE | CALS_AUTOSIZE | CALS_TODAYBUTTON,
                CRect(0, 0, 0, 0), &host, kCalendarId);
    twin.SetSizeLimit(-2, -2);
    twin.SetSelection(selection);
    twin.SetShownMonth(month.GetMonth(), month.GetYear());
    twin.SetLayout(1, 1);
    const CSize size = twin.GetTotalSize();
    m_bSameSize = size.cx == rcPopup.right && size.cy == rcPopup.bottom;

    HDC screen = GetDC(nullptr);
    HDC hdc = CreateCompatibleDC(screen);
    HBITMAP hbm = CreateCompatibleBitmap(screen, size.cx, size.cy);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(hdc, hbm);
    twin.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hdc), PRF_CLIENT);
    SelectObject(hdc, old);
    DeleteObject(hbm);
    DeleteDC(hdc);

    m_today = twin.m_rcTodayButton;
    m_next = twin.m_rcNextArrow;
    const MonthBlockRecord& block = twin.m_blocks.at(0);
    for (size_t i = 0; i < 42 && i < block.cells.size(); ++i) {
        m_cells[i].nSerial = block.cells[i].rc.IsRectEmpty() ? -1 : DaySerial(block.cells[i].date);
        m_cells[i].rc = block.cells[i].rc;
    }
}

namespace {
POINT Centre(POINT origin, const RECT& rc)
{
    return POINT{origin.x + (rc.left + rc.right) / 2, origin.y + (rc.top + rc.bottom) / 2};
}
} // namespace

POINT PopupMap::Day(const COleDateTime& day) const
{
    const long nSerial = DaySerial(day);
    for (const Cell& cell : m_cells) {
        if (cell.nSerial == nSerial) return Centre(m_origin, cell.rc);
    }
    return POINT{-1, -1};
}

POINT PopupMap::TodayButton() const
{
    return Centre(m_origin, m_today);
}
POINT PopupMap::NextArrow() const
{
    return Centre(m_origin, m_next);
}

bool WaitUntilSteadyAt(HWND window, const RECT& rc, DWORD steadyMs, DWORD timeoutMs)
{
    DWORD since = 0;
    return e2e::WaitUntil(
        [&] {
            RECT now = e2e::WindowRect(window);
            if (!EqualRect(&now, &rc)) {
                since = 0;
                return false;
            }
            if (!since) since = GetTickCount();
            return GetTickCount() - since >= steadyMs;
        },
        timeoutMs);
}

} // namespace alarms
