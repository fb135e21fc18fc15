// The alarm dialog run in-process with a fixed clock and driven from inside its modal loop:
// what the first opening shows, what OK stores and Cancel keeps, and the choices left open.
#include "alarm/AlarmDlg.h"
#include "alarm/AlarmSchedule.h"
#include "datectl/DropButton.h"
#include "framework/Clock.h"

#include "dialog_script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kCaption[] = "Tacknote Alarm";

std::string Text(HWND dlg, int id)
{
    char text[64] = "";
    GetDlgItemTextA(dlg, id, text, sizeof text);
    return text;
}

int TimeSel(HWND dlg)
{
    return static_cast<int>(SendDlgItemMessageA(dlg, IDC_ALARM_TIME, CB_GETCURSEL, 0, 0));
}

bool Checked(HWND dlg, int id)
{
    return IsDlgButtonChecked(dlg, id) == BST_CHECKED;
}

std::string Moment(const COleDateTime& dt)
{
    if (dt.GetStatus() != COleDateTime::valid) return "invalid";
    return static_cast<LPCSTR>(dt.Format("%Y-%m-%d %H:%M:%S"));
}

// Puts a date into the read-only field the way the calendar does: as text from outside.
void SetDateText(HWND dlg, const char* pszText)
{
    SetDlgItemTextA(dlg, IDC_ALARM_DATE, pszText);
}

void Select(HWND dlg, int nIndex)
{
    SendDlgItemMessageA(dlg, IDC_ALARM_TIME, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
}

class AlarmDialog : public ::testing::Test {
protected:
    // Runs the dialog once; the step sees it and ends it.
    void Run(CAlarmDlg& dlg, std::function<void(HWND)> step)
    {
        DialogScript script({{kCaption, std::move(step)}});
        dlg.DoModal();
        EXPECT_TRUE(script.Finished()) << "the dialog never came up";
    }
};

TEST_F(AlarmDialog, FirstOpeningShowsOffShakeTodayAndTheNextQuarterHour)
{
    CFixedClock started(COleDateTime(2026, 3, 4, 8, 58, 40)); // the note starts
    CAlarmDlg dlg;
    CFixedClock opened(COleDateTime(2026, 3, 4, 9, 7, 12)); // "Alarm..." a while later
    Run(dlg, [](HWND h) {
        EXPECT_TRUE(Checked(h, IDC_ALARM_OFF));
        EXPECT_FALSE(Checked(h, IDC_ALARM_ON));
        EXPECT_FALSE(Checked(h, IDC_ALARM_BEEP));
        EXPECT_TRUE(Checked(h, IDC_ALARM_SHAKE));
        EXPECT_EQ("03/04/2026", Text(h, IDC_ALARM_DATE));
        EXPECT_EQ(96, SendDlgItemMessageA(h, IDC_ALARM_TIME, CB_GETCOUNT, 0, 0));
        EXPECT_EQ(37, TimeSel(h)); // 9:15 A.M.
        EXPECT_NE(nullptr, GetDlgItem(h, IDC_DROPBUTTON)) << "no drop button";
        PressButton(h, IDCANCEL);
    });
}

TEST_F(AlarmDialog, OKStoresTheMomentAndTheNextOpeningShowsIt)
{
    CFixedClock clock(COleDateTime(2026, 3, 4, 9, 7, 12));
    CAlarmDlg dlg;
    Run(dlg, [](HWND h) {
        SendDlgItemMessageA(h, IDC_ALARM_ON, BM_CLICK, 0, 0);
        SendDlgItemMessageA(h, IDC_ALARM_BEEP, BM_CLICK, 0, 0);
        SendDlgItemMessageA(h, IDC_ALARM_SHAKE, BM_CLICK, 0, 0);
        SetDateText(h, "03/10/2026");
        Select(h, 74); // 6:30 P.M.
        PressButton(h, IDOK);
    });
    EXPECT_EQ(0, dlg.m_nOnOff);
    EXPECT_EQ(1, dlg.m_bBeep);
    EXPECT_EQ(0, dlg.m_bShake);
    EXPECT_EQ("2026-03-10 18:30:00", Moment(dlg.m_alarmTime));

    Run(dlg, [](HWND h) {
        EXPECT_TRUE(Checked(h, IDC_ALARM_ON));
        EXPECT_TRUE(Checked(h, IDC_ALARM_BEEP));
        EXPECT_FALSE(Checked(h, IDC_ALARM_SHAKE));
        EXPECT_EQ("03/10/2026", Text(h, IDC_ALARM_DATE));
        EXPECT_EQ(74, TimeSel(h));
        EXPECT_NE(nullptr, GetDlgItem(h, IDC_DROPBUTTON)) << "no drop button the second time";
        PressButton(h, IDCANCEL);
    });
    EXPECT_EQ("2026-03-10 18:30:00", Moment(dlg.m_alarmTime));
}

TEST_F(AlarmDialog, CancelKeepsTheChoicesEvenWhenTheControlsChanged)
{
    CFixedClock clock(COleDateTime(2026, 3, 4, 9, 7, 12));
    CAlarmDlg dlg;
    dlg.m_nOnOff = 0;
    dlg.m_bBeep = 1;
    dlg.m_bShake = 0;
    dlg.m_alarmTime = COleDateTime(2026, 3, 5, 8, 0, 0);
    Run(dlg, [](HWND h) {
        SendDlgItemMessageA(h, IDC_ALARM_OFF, BM_CLICK, 0, 0);
        SendDlgItemMessageA(h, IDC_ALARM_BEEP, BM_CLICK, 0, 0);
        SendDlgItemMessageA(h, IDC_ALARM_SHAKE, BM_CLICK, 0, 0);
        Select(h, 3);
        PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(0, dlg.m_nOnOff);
    EXPECT_EQ(1, dlg.m_bBeep);
    EXPECT_EQ(0, dlg.m_bShake);
    EXPECT_EQ("2026-03-05 08:00:00", Moment(dlg.m_alarmTime));
}

TEST_F(AlarmDialog, AMomentEqualToNowShowsItsOwnQuarterHour)
{
    const COleDateTime now(2026, 3, 4, 9, 0, 0);
    CFixedClock clock(now);
    CAlarmDlg dlg;
    dlg.m_alarmTime = now;
    Run(dlg, [](HWND h) {
        EXPECT_EQ(36, TimeSel(h)); // 9:00 A.M.
        PressButton(h, IDCANCEL);
    });
}

TEST_F(AlarmDialog, At1150PMTheNextDaysMidnightIsShownAndStored)
{
    CFixedClock started(COleDateTime(2026, 12, 31, 20, 0, 0));
    CAlarmDlg dlg;
    CFixedClock opened(COleDateTime(2026, 12, 31, 23, 50, 0));
    Run(dlg, [](HWND h) {
        EXPECT_EQ("01/01/2027", Text(h, IDC_ALARM_DATE));
        EXPECT_EQ(0, TimeSel(h));
        SendDlgItemMessageA(h, IDC_ALARM_ON, BM_CLICK, 0, 0);
        PressButton(h, IDOK);
    });
    EXPECT_EQ("2027-01-01 00:00:00", Moment(dlg.m_alarmTime));
    // Armed for the future: the next test must not fire it.
    EXPECT_FALSE(IsAlarmDue(dlg.m_nOnOff, dlg.m_alarmTime, COleDateTime::GetCurrentTime()));
}

TEST_F(AlarmDialog, OKWithNoTimeSelectedTakesMidnightOfTheChosenDay)
{
    CFixedClock clock(COleDateTime(2026, 3, 4, 9, 7, 12));
    CAlarmDlg dlg;
    Run(dlg, [](HWND h) {
        SetDateText(h, "04/01/2026");
        Select(h, -1);
        PressButton(h, IDOK);
    });
    EXPECT_EQ("2026-04-01 00:00:00", Moment(dlg.m_alarmTime));
}

TEST_F(AlarmDialog, OKWithNoDateInTheFieldKeepsThePreviousMoment)
{
    CFixedClock clock(COleDateTime(2026, 3, 4, 9, 7, 12));
    CAlarmDlg dlg;
    dlg.m_alarmTime = COleDateTime(2026, 6, 1, 12, 0, 0);
    Run(dlg, [](HWND h) {
        SetDateText(h, "no day at all");
        Select(h, 10);
        SendDlgItemMessageA(h, IDC_ALARM_ON, BM_CLICK, 0, 0);
        PressButton(h, IDOK);
    });
    EXPECT_EQ("2026-06-01 12:00:00", Moment(dlg.m_alarmTime));
    EXPECT_EQ(0, dlg.m_nOnOff);
}

// Records what the dialog tells the note's keeper, in order.
class RecordingKeeper : public CAlarmKeeper {
public:
    std::vector<std::string> calls;
    void AlarmSet(int nOnOff, const KeptAlarm& alarm) override
    {
        calls.push_back((nOnOff == 0 ? "On " : "Off ") + Moment(alarm.moment) +
                        (alarm.bBeep ? " beep" : "") + (alarm.bShake ? " shake" : ""));
    }
    void AlarmFired() override { calls.push_back("fired"); }
};

// Regression: OK with "On" after the alarm fired during the opening armed the past moment
// again, and it fired a second time.
TEST_F(AlarmDialog, OKAfterTheAlarmFiredDuringTheOpeningStoresOff)
{
    const struct {
        bool bFire;
        int nIndex;  // chosen before OK; -1 leaves the shown entry
        int nStored; // m_nOnOff after OK
    } rows[] = {
        {true, -1, 1},  // the fault
        {true, 40, 0},  // a new, future moment chosen after the firing: armed
        {false, 20, 0}, // a past moment chosen on purpose, nothing fired: armed, fires next
    };
    for (const auto& row : rows) {
        CFixedClock opened(COleDateTime(2026, 3, 4, 8, 59, 30));
        CAlarmDlg dlg;
        RecordingKeeper keeper;
        dlg.SetKeeper(&keeper);
        dlg.m_nOnOff = 0;
        dlg.m_alarmTime = COleDateTime(2026, 3, 4, 9, 0, 0);
        Run(dlg, [&](HWND h) {
            EXPECT_TRUE(Checked(h, IDC_ALARM_ON));
            EXPECT_EQ(36, TimeSel(h)); // 9:00 A.M.
            CFixedClock later(COleDateTime(2026, 3, 4, 9, 0, 5));
            if (row.bFire) {
                dlg.CheckDue(nullptr);
                EXPECT_EQ(1, dlg.m_nOnOff);
            }
            if (row.nIndex >= 0) Select(h, row.nIndex);
            SendMessageA(h, WM_COMMAND, IDOK, 0);
            EXPECT_EQ(row.nStored, dlg.m_nOnOff) << row.bFire << " " << row.nIndex;
        });
        ASSERT_FALSE(keeper.calls.empty());
        EXPECT_EQ(row.bFire ? 2u : 1u, keeper.calls.size());
        if (row.bFire) {
            EXPECT_EQ("fired", keeper.calls.front());
        }
        EXPECT_EQ(0u, keeper.calls.back().rfind(row.nStored == 0 ? "On " : "Off ", 0))
            << keeper.calls.back();
    }
}

// The keeper hears of a firing before the note is announced, and of every OK, never of Cancel.
TEST_F(AlarmDialog, TheKeeperHearsOfEveryOKAndEveryFiring)
{
    CFixedClock clock(COleDateTime(2026, 3, 4, 9, 7, 12));
    CAlarmDlg dlg;
    RecordingKeeper keeper;
    dlg.SetKeeper(&keeper);
    Run(dlg, [](HWND h) {
        SendDlgItemMessageA(h, IDC_ALARM_ON, BM_CLICK, 0, 0);
        SendDlgItemMessageA(h, IDC_ALARM_BEEP, BM_CLICK, 0, 0);
        SetDateText(h, "03/10/2026");
        Select(h, 74);
        PressButton(h, IDOK);
    });
    Run(dlg, [](HWND h) { PressButton(h, IDCANCEL); });
    {
        CFixedClock due(COleDateTime(2026, 3, 10, 18, 30, 0));
        dlg.CheckDue(nullptr);
        dlg.CheckDue(nullptr);
    }
    const std::vector<std::string> expected = {"On 2026-03-10 18:30:00 beep shake", "fired"};
    EXPECT_EQ(expected, keeper.calls);

    KeptAlarm kept;
    kept.moment = COleDateTime(2026, 4, 1, 7, 45, 0);
    kept.bBeep = 1;
    kept.bShake = 0;
    dlg.Arm(kept);
    EXPECT_EQ(0, dlg.m_nOnOff);
    EXPECT_EQ(1, dlg.m_bBeep);
    EXPECT_EQ(0, dlg.m_bShake);
    EXPECT_EQ("2026-04-01 07:45:00", Moment(dlg.m_alarmTime));
}

} // namespace
