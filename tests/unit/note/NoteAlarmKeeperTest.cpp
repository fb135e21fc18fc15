// A note's kept alarm over its start, its changes and its firing, with the choice on and off.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "WorkingDir.h"
#include "framework/Clock.h"
#include "note/KeptAlarmFile.h"
#include "note/NoteAlarmKeeper.h"
#include "note/NoteSettings.h"
#include "note/NoteState.h"
#include "note/NoteStore.h"

namespace {

const char kIni[] = ".\\tkn7.ini";
const char kSection[] = "[Alarm]\r\nMoment=2026-12-09 21:15\r\nBeep=1\r\nShake=0\r\n";

class NoteAlarmKeeper : public ::testing::Test {
protected:
    ScopedWorkingDir dir;
    CFixedClock clock{COleDateTime(2026, 12, 9, 20, 0, 0)};
    std::string settings;

    void SetUp() override {
        strcpy(g_szSettingsFile, "tkn7.ini");
        g_settings = BuiltInSettings();
        g_settings.nWidth = 500;
        WriteSettingsFile(kIni, g_settings);
        settings = ReadBytes(kIni);
    }
    void TearDown() override {
        g_szSettingsFile[0] = '\0';
        g_settings = BuiltInSettings();
    }

    void Choose(bool bKeep) {
        WriteBytes(kDefaultsFile, bKeep ? "[Settings]\r\nKeepAlarms=1\r\n" : "");
    }
};

TEST_F(NoteAlarmKeeper, AtStart) {
    const struct {
        bool bKeep;
        const char* pszSection; // appended to the settings; nullptr: none
        bool bMissed;
        int nOnOff;
        bool bSectionStays;
    } rows[] = {
        {true, kSection, false, 0, true},
        {true, "[Alarm]\r\nMoment=2026-12-09 19:45\r\nBeep=1\r\nShake=0\r\n", true, 0, true},
        {true, "[Alarm]\r\nMoment=2026-12-09 21:15\r\nBeep=on\r\nShake=0\r\n", false, 1, true},
        {true, nullptr, false, 1, false},
        {false, kSection, false, 1, false}, // the choice is off: the kept alarm goes
        {false, "[Alarm]\r\nBeep=1\r\n", false, 1, false},
    };
    for (const auto& row : rows) {
        Choose(row.bKeep);
        const std::string bytes = settings + (row.pszSection ? row.pszSection : "");
        WriteBytes(kIni, bytes);
        CNoteAlarmKeeper keeper;
        CAlarmDlg dlg;
        EXPECT_EQ(row.bMissed, keeper.Restore(dlg)) << row.pszSection;
        EXPECT_EQ(row.nOnOff, dlg.m_nOnOff) << row.pszSection;
        EXPECT_EQ(row.bSectionStays ? bytes : settings, ReadBytes(kIni)) << row.pszSection;
        if (row.nOnOff == 0) {
            EXPECT_EQ(1, dlg.m_bBeep);
            EXPECT_EQ(0, dlg.m_bShake);
        }
    }
}

TEST_F(NoteAlarmKeeper, ChangesAndFiring) {
    CNoteAlarmKeeper keeper;
    KeptAlarm alarm;
    alarm.moment = COleDateTime(2026, 12, 9, 21, 15, 0);
    alarm.bBeep = 1;
    alarm.bShake = 0;

    Choose(false);
    keeper.AlarmSet(0, alarm);
    EXPECT_EQ(settings, ReadBytes(kIni)) << "kept although the choice is off";

    Choose(true);
    keeper.AlarmSet(0, alarm);
    EXPECT_EQ(settings + kSection, ReadBytes(kIni));
    keeper.AlarmSet(1, alarm);
    EXPECT_EQ(settings, ReadBytes(kIni)) << "switched Off but still kept";

    keeper.AlarmSet(0, alarm);
    keeper.AlarmFired();
    EXPECT_EQ(settings, ReadBytes(kIni)) << "fired but still kept";

    keeper.AlarmSet(0, alarm);
    Choose(false);
    keeper.AlarmSet(0, alarm); // any change after the choice went off removes it
    EXPECT_EQ(settings, ReadBytes(kIni));
}

TEST_F(NoteAlarmKeeper, ANoteNotYetSavedGetsItsLookBesideTheAlarm) {
    DeleteFileA(kIni);
    Choose(true);
    CNoteAlarmKeeper keeper;
    KeptAlarm alarm;
    alarm.moment = COleDateTime(2026, 12, 9, 21, 15, 0);
    alarm.bBeep = 1;
    alarm.bShake = 0;
    keeper.AlarmSet(0, alarm);
    EXPECT_EQ(settings + kSection, ReadBytes(kIni));
}

TEST_F(NoteAlarmKeeper, ADeletedNoteKeepsNothing) {
    Choose(true);
    g_szSettingsFile[0] = '\0';
    DeleteFileA(kIni);
    CNoteAlarmKeeper keeper;
    KeptAlarm alarm;
    alarm.moment = COleDateTime(2026, 12, 9, 21, 15, 0);
    keeper.AlarmSet(0, alarm);
    CAlarmDlg dlg;
    EXPECT_FALSE(keeper.Restore(dlg));
    EXPECT_FALSE(FileExists(kIni));
}

} // namespace
