// A note's "Alarm..." as a person uses it: the dialog's first look, the calendar pop-up opened
// from the drop button, a day and a time picked, OK, and the next opening showing the same;
// Escape, a click outside and a second press of the button.
#include "AlarmDriver.h"
#include "NoteDriver.h"

namespace {

using namespace alarms;

// A press held as long as a person holds one, so that the pop-up's click-away poll sees it.
void SlowClick(int x, int y)
{
    e2e::MoveMouse(x, y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &input, sizeof input);
    Sleep(120);
    input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
    Sleep(30);
}

class AlarmDialog : public e2e::TacknoteTest {
protected:
    HWND StartNote(e2e::Process& note)
    {
        dir.Write("tkn7.ini", notes::BuiltInSettingsBytes(320, 240));
        return notes::StartStoredNote(dir, note, "tkn7.tkn", e2e::NoteFileBytes(kStored, "alarm"));
    }
    const RECT kStored = {80, 120, 400, 360};
};

COleDateTime FirstOfNextMonth(const COleDateTime& day)
{
    const int nMonth = day.GetMonth() == 12 ? 1 : day.GetMonth() + 1;
    const int nYear = day.GetMonth() == 12 ? day.GetYear() + 1 : day.GetYear();
    return COleDateTime(nYear, nMonth, 1, 0, 0, 0);
}

TEST_F(AlarmDialog, PickADayAndATimeThenTheNextOpeningShowsThem)
{
    e2e::Process note;
    HWND window = StartNote(note);
    ASSERT_NE(nullptr, window);
    // A person opens the menu a while after the note came up; within the same second the
    // alarm's moment (made with the note) would still equal now and not move on.
    Sleep(1100);

    const COleDateTime before = COleDateTime::GetCurrentTime();
    HWND dlg = OpenAlarmDialog(window);
    ASSERT_NE(nullptr, dlg) << "no alarm dialog";
    const COleDateTime after = COleDateTime::GetCurrentTime();

    // First opening: Off, no beep, shake, today and the quarter-hour after now (at 11:45 P.M.
    // and later, the next day's first entry).
    EXPECT_TRUE(IsChecked(dlg, kOffId));
    EXPECT_FALSE(IsChecked(dlg, kOnId));
    EXPECT_FALSE(IsChecked(dlg, kBeepId));
    EXPECT_TRUE(IsChecked(dlg, kShakeId));
    auto expectedShown = [](const COleDateTime& now) {
        int k = now.GetHour() * 4 + now.GetMinute() / 15 + 1;
        COleDateTime day(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0);
        if (k == 96) {
            k = 0;
            day += COleDateTimeSpan(1, 0, 0, 0);
        }
        return std::make_pair(FieldText(day), k);
    };
    const auto shown =
        std::make_pair(e2e::WindowText(GetDlgItem(dlg, kDateId)), TimeSelection(dlg));
    EXPECT_TRUE(shown == expectedShown(before) || shown == expectedShown(after))
        << shown.first << " entry " << shown.second;
    EXPECT_EQ("12:00 A.M.", TimeText(dlg, 0));
    EXPECT_EQ("11:45 P.M.", TimeText(dlg, 95));

    // The drop button: right of the field, 16 px wide.
    const RECT rcField = e2e::WindowRect(GetDlgItem(dlg, kDateId));
    const RECT rcButton = e2e::WindowRect(GetDlgItem(dlg, kDropButtonId));
    EXPECT_EQ(rcField.right + 1, rcButton.left);
    EXPECT_EQ(16, rcButton.right - rcButton.left);

    HWND popup = OpenPopup(dlg);
    ASSERT_NE(nullptr, popup) << "no calendar pop-up";
    const RECT rcPopup = e2e::WindowRect(popup);
    RECT rcFieldClient;
    GetClientRect(GetDlgItem(dlg, kDateId), &rcFieldClient);
    MapWindowPoints(GetDlgItem(dlg, kDateId), nullptr, reinterpret_cast<POINT*>(&rcFieldClient), 2);
    EXPECT_EQ(rcFieldClient.bottom, rcPopup.top) << "not under the field";
    EXPECT_EQ(rcFieldClient.left - 2, rcPopup.left);
    Sleep(200);
    RECT area = {e2e::WindowRect(dlg).left - 10, e2e::WindowRect(dlg).top - 10,
                 std::max(rcPopup.right, e2e::WindowRect(dlg).right) + 10, rcPopup.bottom + 10};
    EXPECT_TRUE(e2e::Screenshot(e2e::ScreenshotDir() + "alarm-calendar-open.png", &area));

    // Next month, the 15th: a moment in the future, so the alarm cannot fire during the test.
    COleDateTime shownDay;
    ASSERT_TRUE(shownDay.ParseDateTime(shown.first.c_str(), VAR_DATEVALUEONLY, 0x0409));
    PopupMap map(popup, COleDateTime(shownDay.GetYear(), shownDay.GetMonth(), 1, 0, 0, 0),
                 shownDay);
    ASSERT_TRUE(map.SameSizeAsPopup()) << "the twin calendar differs from the pop-up";
    const POINT next = map.NextArrow();
    e2e::Click(next.x, next.y);
    const COleDateTime nextMonth = FirstOfNextMonth(shownDay);
    const COleDateTime picked(nextMonth.GetYear(), nextMonth.GetMonth(), 15, 0, 0, 0);
    PopupMap pagedMap(popup, nextMonth, shownDay);
    const POINT day = pagedMap.Day(picked);
    ASSERT_NE(-1, day.x);
    Sleep(100);
    e2e::Click(day.x, day.y);
    ASSERT_TRUE(e2e::WaitUntil([&] { return FindPopup(note.Id()) == nullptr; }, 3000))
        << "the pop-up stayed open";
    EXPECT_EQ(FieldText(picked), e2e::WindowText(GetDlgItem(dlg, kDateId)));

    SendMessageA(GetDlgItem(dlg, kTimeId), CB_SETCURSEL, 74, 0); // 6:30 P.M.
    SendMessageA(GetDlgItem(dlg, kOnId), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(dlg, kBeepId), BM_CLICK, 0, 0);
    PostMessageA(dlg, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dlg); }, 3000));

    HWND again = OpenAlarmDialog(window);
    ASSERT_NE(nullptr, again) << "no alarm dialog the second time";
    EXPECT_TRUE(IsChecked(again, kOnId));
    EXPECT_TRUE(IsChecked(again, kBeepId));
    EXPECT_TRUE(IsChecked(again, kShakeId));
    EXPECT_EQ(FieldText(picked), e2e::WindowText(GetDlgItem(again, kDateId)));
    EXPECT_EQ(74, TimeSelection(again));
    EXPECT_NE(nullptr, GetDlgItem(again, kDropButtonId)) << "no drop button the second time";
    PostMessageA(again, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(again); }, 3000));
}

TEST_F(AlarmDialog, EscapeAndAClickOutsideCloseThePopupWithoutAChange)
{
    e2e::Process note;
    HWND window = StartNote(note);
    ASSERT_NE(nullptr, window);
    HWND dlg = OpenAlarmDialog(window);
    ASSERT_NE(nullptr, dlg);
    const std::string text = e2e::WindowText(GetDlgItem(dlg, kDateId));

    ASSERT_NE(nullptr, OpenPopup(dlg));
    e2e::PressKey(VK_ESCAPE);
    ASSERT_TRUE(e2e::WaitUntil([&] { return FindPopup(note.Id()) == nullptr; }, 3000))
        << "Escape left the pop-up open";
    EXPECT_TRUE(IsWindowVisible(dlg)) << "Escape closed the dialog too";
    EXPECT_EQ(text, e2e::WindowText(GetDlgItem(dlg, kDateId)));

    HWND popup = OpenPopup(dlg);
    ASSERT_NE(nullptr, popup);
    // The dialog left of the pop-up, beside the "Time:" label.
    const RECT rcDlg = e2e::WindowRect(dlg);
    const RECT rcPopup = e2e::WindowRect(popup);
    const POINT outside = {rcDlg.left + 8, rcPopup.top + 12};
    ASSERT_FALSE(PtInRect(&rcPopup, outside));
    SlowClick(outside.x, outside.y);
    ASSERT_TRUE(e2e::WaitUntil([&] { return FindPopup(note.Id()) == nullptr; }, 3000))
        << "a click outside left the pop-up open";
    EXPECT_TRUE(IsWindowVisible(dlg));
    EXPECT_EQ(text, e2e::WindowText(GetDlgItem(dlg, kDateId)));

    // The button pressed while the pop-up is open: one fresh pop-up, never two.
    ASSERT_NE(nullptr, OpenPopup(dlg));
    ASSERT_NE(nullptr, OpenPopup(dlg));
    Sleep(200);
    EXPECT_EQ(1, CountPopups(note.Id()));
    e2e::PressKey(VK_ESCAPE);
    ASSERT_TRUE(e2e::WaitUntil([&] { return FindPopup(note.Id()) == nullptr; }, 3000));
    PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dlg); }, 3000));
}

} // namespace
