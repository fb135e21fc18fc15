// The date field as a window: attached to an edit control of a hidden parent, with its drop
// button and its calendar pop-up, driven through messages.
#include "datectl/CalendarPopup.h"
#include "datectl/DateEdit.h"
#include "datectl/DropButton.h"
#include "datectl/PopupPlacement.h"
#include "framework/Clock.h"

#include "GeometryPrinters.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>
#include <string>

namespace {

const UINT kFieldId = 221;

// A hidden top-level window holding one edit control, as a dialog template would make it.
class FieldHost {
public:
    FieldHost()
    {
        m_parent.CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP | WS_CLIPCHILDREN, 300, 200,
                          320, 120, nullptr, nullptr);
        m_hEdit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                                  20, 30, 100, 22, m_parent.m_hWnd,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kFieldId)),
                                  GetModuleHandleA(nullptr), nullptr);
    }
    CWnd m_parent;
    HWND m_hEdit = nullptr;
};

std::string Text(HWND h)
{
    char text[128] = "";
    GetWindowTextA(h, text, sizeof text);
    return text;
}

// Dispatches what is queued for this thread, a bounded number of rounds; returns how many of
// the messages were `message` for hWnd.
int Pump(HWND hWnd = nullptr, UINT message = 0)
{
    int nSeen = 0;
    for (int nRound = 0; nRound < 20; ++nRound) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (hWnd && msg.hwnd == hWnd && msg.message == message) ++nSeen;
            DispatchMessageA(&msg);
        }
        Sleep(1);
    }
    return nSeen;
}

CRect RectInParent(HWND h)
{
    CRect rc;
    GetWindowRect(h, &rc);
    MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

void NotifyClick(CCalendarPopup& popup)
{
    NMHDR nmhdr = {};
    nmhdr.hwndFrom = popup.m_calendar.m_hWnd;
    nmhdr.idFrom = IDC_MONTHCALENDAR;
    nmhdr.code = static_cast<UINT>(NM_CLICK);
    popup.SendMessage(WM_NOTIFY, IDC_MONTHCALENDAR, reinterpret_cast<LPARAM>(&nmhdr));
}

class DateEditWindow : public ::testing::Test {
protected:
    void Attach(bool bButton = true)
    {
        field.SetDropButton(bButton ? TRUE : FALSE);
        ASSERT_TRUE(field.AttachToDlgItem(&host.m_parent, kFieldId));
        field.SetParseFlags(VAR_DATEVALUEONLY);
    }

    CFixedClock clock{COleDateTime(2024, 5, 20, 12, 0, 0)}; // a Monday
    FieldHost host;
    CDateEdit field;
};

TEST_F(DateEditWindow, AttachFailsWithoutADialogOrControl)
{
    CDateEdit other;
    EXPECT_FALSE(other.AttachToDlgItem(nullptr, kFieldId));
    EXPECT_FALSE(other.AttachToDlgItem(&host.m_parent, 999));
    EXPECT_EQ(nullptr, other.m_hWnd);
}

TEST_F(DateEditWindow, SetDateShowsTheDateOnceAndTheUpdateDoesNotLoop)
{
    Attach();
    field.SetDate(COleDateTime(2027, 3, 4, 15, 30, 0));
    EXPECT_EQ("03/04/2027", Text(field.m_hWnd));
    // Its EN_UPDATE posts one deferred write; that write's own EN_UPDATE posts nothing more.
    EXPECT_EQ(1, Pump(field.m_hWnd, WM_DATEEDIT_SETTEXT));
    EXPECT_EQ(0, Pump(field.m_hWnd, WM_DATEEDIT_SETTEXT));
    EXPECT_EQ("03/04/2027", Text(field.m_hWnd));
}

TEST_F(DateEditWindow, AnInvalidDateEmptiesTheField)
{
    Attach();
    field.SetDate(COleDateTime(2027, 3, 4, 0, 0, 0));
    COleDateTime none;
    none.SetStatus(COleDateTime::invalid);
    field.SetDate(none);
    EXPECT_EQ("", Text(field.m_hWnd));
    EXPECT_NE(COleDateTime::valid, field.GetDate().GetStatus());
}

TEST_F(DateEditWindow, TextSetFromOutsideIsReformattedAfterwards)
{
    Attach();
    SetWindowTextA(field.m_hWnd, "next friday");
    EXPECT_EQ("next friday", Text(field.m_hWnd)); // never inside its own update
    Pump();
    EXPECT_EQ("05/24/2024", Text(field.m_hWnd));
}

TEST_F(DateEditWindow, LosingTheFocusReformatsAPhraseAndKeepsOtherWords)
{
    Attach();
    SetWindowTextA(field.m_hWnd, "next friday");
    field.SendMessage(WM_KILLFOCUS);
    EXPECT_EQ("05/24/2024", Text(field.m_hWnd));
    SetWindowTextA(field.m_hWnd, "lunch with Ann");
    field.SendMessage(WM_KILLFOCUS);
    EXPECT_EQ("lunch with Ann", Text(field.m_hWnd));
    Pump();
    EXPECT_EQ("lunch with Ann", Text(field.m_hWnd));
}

TEST_F(DateEditWindow, GetDateReadsTheFieldDateOnly)
{
    Attach();
    SetWindowTextA(field.m_hWnd, "12/25/2024");
    const CDateParser date = field.GetDate();
    ASSERT_EQ(COleDateTime::valid, date.GetStatus());
    EXPECT_EQ(2024, date.GetYear());
    EXPECT_EQ(12, date.GetMonth());
    EXPECT_EQ(25, date.GetDay());
    EXPECT_EQ(0, date.GetHour());
}

TEST_F(DateEditWindow, AForeignDeferredTextMessageIsIgnored)
{
    Attach();
    field.SetDate(COleDateTime(2027, 3, 4, 0, 0, 0));
    Pump();
    // A pointer the field never made (from anyone posting the message) must not be used.
    static CString s_notOurs("01/01/2000");
    field.SendMessage(WM_DATEEDIT_SETTEXT, reinterpret_cast<WPARAM>(&s_notOurs));
    field.SendMessage(WM_DATEEDIT_SETTEXT, 0x1234);
    EXPECT_EQ("03/04/2027", Text(field.m_hWnd));
}

TEST_F(DateEditWindow, TheButtonSitsRightOfTheFieldAndFollowsIt)
{
    Attach();
    field.SetDate(COleDateTime(2027, 3, 4, 0, 0, 0)); // the first message makes the button
    ASSERT_NE(nullptr, field.GetDropButton());
    HWND hButton = GetDlgItem(host.m_parent.m_hWnd, IDC_DROPBUTTON);
    ASSERT_EQ(field.GetDropButton()->m_hWnd, hButton);
    EXPECT_EQ(DropButtonRect(RectInParent(field.m_hWnd)), RectInParent(hButton));
    EXPECT_EQ(CRect(121, 31, 137, 51), RectInParent(hButton));

    field.MoveWindow(60, 50, 140, 30);
    EXPECT_EQ(CRect(201, 51, 217, 79), RectInParent(hButton));
    field.SetWindowPos(nullptr, 0, 0, 80, 24, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(CRect(141, 51, 157, 73), RectInParent(hButton));
}

TEST_F(DateEditWindow, NoButtonUnlessAskedForBeforeAttaching)
{
    Attach(false);
    field.SetDate(COleDateTime(2027, 3, 4, 0, 0, 0));
    field.SetDropButton(TRUE);
    field.SetDate(COleDateTime(2027, 3, 5, 0, 0, 0));
    EXPECT_EQ(nullptr, field.GetDropButton());
    EXPECT_EQ(nullptr, GetDlgItem(host.m_parent.m_hWnd, IDC_DROPBUTTON));
}

TEST_F(DateEditWindow, TheButtonGoesWithTheField)
{
    Attach();
    field.SetDate(COleDateTime(2027, 3, 4, 0, 0, 0));
    ASSERT_NE(nullptr, GetDlgItem(host.m_parent.m_hWnd, IDC_DROPBUTTON));
    field.DestroyWindow();
    EXPECT_EQ(nullptr, GetDlgItem(host.m_parent.m_hWnd, IDC_DROPBUTTON));
    EXPECT_EQ(nullptr, field.GetDropButton());
}

TEST_F(DateEditWindow, ThePopupOpensUnderTheFieldOnTheFieldsDate)
{
    Attach();
    field.SetDate(COleDateTime(2027, 3, 4, 0, 0, 0));
    field.OpenPopup();
    CCalendarPopup* pPopup = field.GetPopup();
    ASSERT_NE(nullptr, pPopup);
    ASSERT_NE(nullptr, pPopup->m_hWnd);
    EXPECT_TRUE(pPopup->IsWindowVisible());
    EXPECT_TRUE(pPopup->m_bTimerRunning);

    CRect rcClient;
    field.GetClientRect(&rcClient);
    field.ClientToScreen(&rcClient);
    CRect rcPopup;
    pPopup->GetWindowRect(&rcPopup);
    EXPECT_EQ(rcClient.left - 2, rcPopup.left);
    EXPECT_EQ(rcClient.bottom, rcPopup.top);
    const CSize size = pPopup->m_calendar.GetTotalSize();
    EXPECT_EQ(size, rcPopup.Size());

    EXPECT_EQ((YearMonth{3, 2027}), pPopup->m_calendar.GetShownMonth());
    EXPECT_EQ(DaySerial(COleDateTime(2027, 3, 4, 0, 0, 0)),
              DaySerial(pPopup->m_calendar.GetSelection()));
}

TEST_F(DateEditWindow, APopupOverAnEmptyFieldShowsThisMonthWithNoDay)
{
    Attach();
    field.OpenPopup();
    CCalendarPopup* pPopup = field.GetPopup();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ((YearMonth{5, 2024}), pPopup->m_calendar.GetShownMonth());
    EXPECT_NE(COleDateTime::valid, pPopup->m_calendar.GetSelection().GetStatus());
}

TEST_F(DateEditWindow, AClickedDayGoesIntoTheFieldAndClosesThePopup)
{
    Attach();
    field.SetDate(COleDateTime(2027, 3, 4, 0, 0, 0));
    field.OpenPopup();
    CCalendarPopup* pPopup = field.GetPopup();
    ASSERT_NE(nullptr, pPopup);
    pPopup->m_calendar.SetSelection(COleDateTime(2027, 3, 18, 14, 5, 0));
    NotifyClick(*pPopup);
    EXPECT_EQ("03/18/2027", Text(field.m_hWnd)); // no time of day
    EXPECT_NE(nullptr, field.GetPopup()) << "closed inside its own notification";
    Pump();
    EXPECT_EQ(nullptr, field.GetPopup());
}

// Regression: "None" (or a range) left an invalid selection, and the pick emptied the field.
TEST_F(DateEditWindow, NoneLeavesTheFieldAsItWas)
{
    Attach();
    field.SetDate(COleDateTime(2027, 3, 4, 0, 0, 0));
    Pump();
    field.OpenPopup();
    CCalendarPopup* pPopup = field.GetPopup();
    ASSERT_NE(nullptr, pPopup);
    COleDateTime none;
    none.SetStatus(COleDateTime::invalid);
    pPopup->m_calendar.SetSelection(none);
    NotifyClick(*pPopup);
    Pump();
    EXPECT_EQ("03/04/2027", Text(field.m_hWnd));
    EXPECT_EQ(nullptr, field.GetPopup());
}

TEST_F(DateEditWindow, EscapeClosesThePopupWithoutAChange)
{
    Attach();
    field.SetDate(COleDateTime(2027, 3, 4, 0, 0, 0));
    Pump();
    field.OpenPopup();
    CCalendarPopup* pPopup = field.GetPopup();
    ASSERT_NE(nullptr, pPopup);
    MSG msg = {};
    msg.hwnd = pPopup->m_calendar.m_hWnd;
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_ESCAPE;
    CWnd::WalkPreTranslateTree(host.m_parent.m_hWnd, &msg);
    Pump();
    EXPECT_EQ(nullptr, field.GetPopup());
    EXPECT_EQ("03/04/2027", Text(field.m_hWnd));
}

TEST_F(DateEditWindow, OpeningAgainGivesOneFreshPopup)
{
    Attach();
    field.OpenPopup();
    const HWND hFirst = field.GetPopup()->m_hWnd;
    field.OpenPopup();
    ASSERT_NE(nullptr, field.GetPopup());
    EXPECT_FALSE(IsWindow(hFirst));
    EXPECT_TRUE(IsWindowVisible(field.GetPopup()->m_hWnd));
}

TEST_F(DateEditWindow, ThePopupGoesWithTheField)
{
    Attach();
    field.OpenPopup();
    const HWND hPopup = field.GetPopup()->m_hWnd;
    field.DestroyWindow();
    EXPECT_FALSE(IsWindow(hPopup));
}

} // namespace
