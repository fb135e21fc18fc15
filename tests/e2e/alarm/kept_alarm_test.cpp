// Alarms kept over restarts: with "KeepAlarms=1" in the defaults an alarm set in the dialog
// comes back after the note process was ended, fires at its moment and marks the note until
// it is activated; one missed while the note was not running fires once at the next start.
// Without the choice nothing is kept and nothing fires after a restart.
#include "AlarmDriver.h"
#include "NoteDriver.h"

#include <cstdio>

namespace {

using namespace alarms;

const RECT kStored = {200, 180, 520, 420};
const char kKeepOn[] = "[Settings]\r\nKeepAlarms=1\r\n";

std::string MomentText(const COleDateTime& t)
{
    char text[32];
    snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.GetYear(), t.GetMonth(), t.GetDay(),
             t.GetHour(), t.GetMinute());
    return text;
}

std::string Section(const COleDateTime& moment, int beep, int shake)
{
    return "[Alarm]\r\nMoment=" + MomentText(moment) + "\r\nBeep=" + std::to_string(beep) +
           "\r\nShake=" + std::to_string(shake) + "\r\n";
}

bool Marked(HWND note)
{
    return GetPropA(note, "Tacknote.Attention") != nullptr;
}

bool Shaking(HWND note)
{
    return GetPropA(note, "Tacknote.ShakeOrigin") != nullptr;
}

class KeptAlarms : public e2e::TacknoteTest {
protected:
    const std::string settings = notes::BuiltInSettingsBytes(320, 240);

    bool HasSection(const char* name) const
    {
        return dir.Read(name).find("[Alarm]") != std::string::npos;
    }

    HWND Start(e2e::Process& note, const char* name)
    {
        return notes::StartStoredNote(dir, note, name, e2e::NoteFileBytes(kStored, "remind me"));
    }

    // "On" for the quarter-hour the dialog proposes (the next one, or the one after it when
    // that is too close to outlive a restart); returns the moment set.
    COleDateTime SetAlarmInTheDialog(HWND window)
    {
        HWND dlg = OpenAlarmDialog(window);
        EXPECT_NE(nullptr, dlg);
        if (!dlg) return COleDateTime();
        COleDateTime day;
        EXPECT_TRUE(day.ParseDateTime(e2e::WindowText(GetDlgItem(dlg, kDateId)).c_str(),
                                      VAR_DATEVALUEONLY, 0x0409));
        int k = TimeSelection(dlg);
        COleDateTime moment(day.GetYear(), day.GetMonth(), day.GetDay(), k / 4, 15 * (k % 4), 0);
        // A moment that could pass before the restart: a later quarter, on the next day after
        // 23:45.
        while (moment - COleDateTime::GetCurrentTime() < COleDateTimeSpan(0, 0, 2, 0)) {
            k = (k + 1) % 96;
            moment += COleDateTimeSpan(0, 0, 15, 0);
            if (k == 0) SetWindowTextA(GetDlgItem(dlg, kDateId), FieldText(moment).c_str());
            SendMessageA(GetDlgItem(dlg, kTimeId), CB_SETCURSEL, static_cast<WPARAM>(k), 0);
        }
        SendMessageA(GetDlgItem(dlg, kOnId), BM_CLICK, 0, 0);
        PostMessageA(dlg, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dlg); }, 3000));
        return moment;
    }

    // What the alarm dialog shows now: "On"/"Off", date and time entry; then Cancel.
    std::string Shown(HWND window)
    {
        HWND dlg = OpenAlarmDialog(window);
        if (!dlg) return "no dialog";
        std::string shown = std::string(IsChecked(dlg, kOnId) ? "On " : "Off ") +
                            e2e::WindowText(GetDlgItem(dlg, kDateId)) + " " +
                            TimeText(dlg, TimeSelection(dlg));
        PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
        e2e::WaitUntil([&] { return !IsWindow(dlg); }, 3000);
        return shown;
    }

    static std::string ShownFor(const COleDateTime& moment)
    {
        return "On " + FieldText(moment) + " " +
               TimeText_(moment.GetHour() * 4 + moment.GetMinute() / 15);
    }
    static std::string TimeText_(int k)
    {
        const int h = k / 4 % 12 == 0 ? 12 : k / 4 % 12;
        char text[16];
        snprintf(text, sizeof text, "%d:%02d %s", h, 15 * (k % 4), k < 48 ? "A.M." : "P.M.");
        return text;
    }
};

TEST_F(KeptAlarms, SetInTheDialogItOutlivesTheProcessAndFiresAtItsMoment)
{
    dir.Write("tacknote.ini", kKeepOn);
    dir.Write("tkn3.ini", settings);
    e2e::Process note;
    HWND window = Start(note, "tkn3.tkn");
    ASSERT_NE(nullptr, window);
    const COleDateTime moment = SetAlarmInTheDialog(window);
    ASSERT_TRUE(e2e::WaitUntil([&] {
        return dir.Read("tkn3.ini") == settings + Section(moment, 0, 1);
    })) << dir.Read("tkn3.ini");

    note.Kill();
    ASSERT_TRUE(note.WaitExit(5000));
    e2e::Process again;
    window = Start(again, "tkn3.tkn");
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(ShownFor(moment), Shown(window));

    // The moment written a little ahead, as a later day would come: it fires at its moment,
    // not at the start, while the user is in another window.
    again.Kill();
    ASSERT_TRUE(again.WaitExit(5000));
    // The first whole minute at least 10 s ahead: time enough for the note to start. Made from
    // its parts once more after the sum, which may lie a hair past the minute and so later
    // than the clock's reading of that same second.
    const COleDateTime ahead = COleDateTime::GetCurrentTime() + COleDateTimeSpan(0, 0, 1, 10);
    const COleDateTime soon(ahead.GetYear(), ahead.GetMonth(), ahead.GetDay(), ahead.GetHour(),
                            ahead.GetMinute(), 0);
    dir.Write("tkn3.ini", settings + Section(soon, 0, 1));
    e2e::Process third;
    window = Start(third, "tkn3.tkn");
    ASSERT_NE(nullptr, window);
    notes::FocusThief thief;
    ASSERT_TRUE(thief.Steal());
    if (COleDateTime::GetCurrentTime() >= soon)
        GTEST_SKIP() << "the machine took longer to start the note than the moment was ahead";
    EXPECT_TRUE(HasSection("tkn3.ini")) << "the note's own save must keep the alarm";

    ASSERT_TRUE(e2e::WaitUntil([&] { return !HasSection("tkn3.ini"); }, 100000))
        << "the kept alarm never fired";
    EXPECT_GE(COleDateTime::GetCurrentTime(), soon) << "fired before its moment";
    EXPECT_EQ(settings, dir.Read("tkn3.ini"));
    ASSERT_TRUE(e2e::WaitUntil([&] { return Marked(window); }, 10000))
        << "the fired alarm left no mark on a note the user is not looking at";
    EXPECT_TRUE(WaitUntilSteadyAt(window, kStored, 1000, 10000));
    notes::Snapshot("kept-alarm-fired");
    ASSERT_TRUE(e2e::Activate(window));
    EXPECT_TRUE(e2e::WaitUntil([&] { return !Marked(window); }, 3000))
        << "the mark stayed after the note was brought up";
}

TEST_F(KeptAlarms, OneMissedWhileTheNoteWasNotRunningFiresOnceAtStart)
{
    dir.Write("tacknote.ini", kKeepOn);
    const COleDateTime missed = COleDateTime::GetCurrentTime() - COleDateTimeSpan(0, 0, 30, 0);
    dir.Write("tkn5.ini", settings + Section(missed, 0, 1));
    dir.Write("tkn5.tkn", e2e::NoteFileBytes(kStored, "missed"));

    for (int start = 0; start < 2; ++start) {
        e2e::Process note("tacknote.exe", "tkn5.tkn", dir.Path());
        HWND window = e2e::WaitForWindow(note.Id(), "#32770", "Tacknote", 10000);
        ASSERT_NE(nullptr, window);
        bool shaken = false;
        e2e::WaitUntil([&] { return shaken = Shaking(window); }, start == 0 ? 15000 : 3000);
        EXPECT_EQ(start == 0, shaken) << "start " << start;
        EXPECT_FALSE(HasSection("tkn5.ini")) << "start " << start;
        EXPECT_TRUE(WaitUntilSteadyAt(window, kStored, 1000, 10000));
        EXPECT_EQ("Off", Shown(window).substr(0, 3)) << "start " << start;
        note.Kill();
        ASSERT_TRUE(note.WaitExit(5000));
    }
}

TEST_F(KeptAlarms, WithoutTheChoiceNothingIsKeptAndNothingFiresAfterARestart)
{
    dir.Write("tkn6.ini", settings);
    e2e::Process note;
    HWND window = Start(note, "tkn6.tkn");
    ASSERT_NE(nullptr, window);
    SetAlarmInTheDialog(window);
    EXPECT_EQ("On ", Shown(window).substr(0, 3));
    EXPECT_FALSE(HasSection("tkn6.ini"));

    // A section left from a time when the choice was on goes at the next start, unannounced.
    note.Kill();
    ASSERT_TRUE(note.WaitExit(5000));
    dir.Write("tkn6.ini",
              settings +
                  Section(COleDateTime::GetCurrentTime() - COleDateTimeSpan(1, 0, 0, 0), 1, 1));
    e2e::Process again("tacknote.exe", "tkn6.tkn", dir.Path());
    window = e2e::WaitForWindow(again.Id(), "#32770", "Tacknote", 10000);
    ASSERT_NE(nullptr, window);
    bool shaken = false;
    e2e::WaitUntil([&] { return shaken = Shaking(window); }, 3000);
    EXPECT_FALSE(shaken);
    EXPECT_TRUE(e2e::WaitUntil([&] { return dir.Read("tkn6.ini") == settings; }));
    EXPECT_EQ("Off", Shown(window).substr(0, 3));
    const std::vector<std::string> files = {"tkn6.ini", "tkn6.tkn"};
    EXPECT_EQ(files, dir.List());
}

} // namespace
