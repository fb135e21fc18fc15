// An alarm set a quarter-hour back with Shake and On: the minimized note comes back within
// 20 s, shakes, and ends at its old place, and the next save stores that place.
#include "AlarmDriver.h"
#include "NoteDriver.h"

namespace {

using namespace alarms;

class AlarmFiring : public e2e::TacknoteTest {};

TEST_F(AlarmFiring, ADueAlarmRestoresTheNoteAndLeavesItWhereItWas)
{
    const RECT kStored = {150, 160, 470, 400};
    dir.Write("tkn8.ini", notes::BuiltInSettingsBytes(320, 240));
    e2e::Process note;
    HWND window =
        notes::StartStoredNote(dir, note, "tkn8.tkn", e2e::NoteFileBytes(kStored, "wake me"));
    ASSERT_NE(nullptr, window);

    HWND dlg = OpenAlarmDialog(window);
    ASSERT_NE(nullptr, dlg);
    HWND popup = OpenPopup(dlg);
    ASSERT_NE(nullptr, popup);
    // "Today" in the pop-up: the field then holds today whatever the dialog proposed.
    const COleDateTime now = COleDateTime::GetCurrentTime();
    COleDateTime shownDay;
    ASSERT_TRUE(shownDay.ParseDateTime(e2e::WindowText(GetDlgItem(dlg, kDateId)).c_str(),
                                       VAR_DATEVALUEONLY, 0x0409));
    PopupMap map(popup, COleDateTime(shownDay.GetYear(), shownDay.GetMonth(), 1, 0, 0, 0),
                 shownDay);
    ASSERT_TRUE(map.SameSizeAsPopup());
    const POINT today = map.TodayButton();
    e2e::Click(today.x, today.y);
    ASSERT_TRUE(e2e::WaitUntil([&] { return FindPopup(note.Id()) == nullptr; }, 3000));
    const COleDateTime day(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0);
    ASSERT_EQ(FieldText(day), e2e::WindowText(GetDlgItem(dlg, kDateId)));

    // The quarter-hour before the current one (today's first, just after midnight).
    const int k = std::max(0, now.GetHour() * 4 + now.GetMinute() / 15 - 1);
    SendMessageA(GetDlgItem(dlg, kTimeId), CB_SETCURSEL, static_cast<WPARAM>(k), 0);
    SendMessageA(GetDlgItem(dlg, kOnId), BM_CLICK, 0, 0);
    ASSERT_TRUE(IsChecked(dlg, kShakeId));
    PostMessageA(dlg, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dlg); }, 3000));

    ASSERT_TRUE(
        notes::PickMenuCommand(window, kStored.left + 40, kStored.top + 40, notes::kMinimize));
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(window) != FALSE; }, 3000));

    // The alarm check runs every 15 s.
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsIconic(window); }, 20000))
        << "the note was not restored";
    EXPECT_TRUE(WaitUntilSteadyAt(window, kStored, 1500, 15000))
        << "the note did not come to rest at its place";
    notes::Snapshot("alarm-after-shake", window);

    // The next save stores the note's own place.
    notes::FocusThief thief;
    ASSERT_TRUE(e2e::Activate(window));
    ASSERT_TRUE(thief.Steal());
    EXPECT_TRUE(e2e::FileBecomes(dir, "tkn8.tkn", e2e::NoteFileBytes(kStored, "wake me")));

    // Fired once: the next opening shows Off.
    HWND again = OpenAlarmDialog(window);
    ASSERT_NE(nullptr, again);
    EXPECT_TRUE(IsChecked(again, kOffId));
    PostMessageA(again, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(again); }, 3000));
}

} // namespace
