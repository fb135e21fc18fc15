// The files behind kept alarms: the [Alarm] section beside a note's [Settings] and the choice
// in the defaults file. Neither writer may touch what the other keeps.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "WorkingDir.h"
#include "note/KeptAlarmFile.h"
#include "note/NoteSettings.h"

namespace {

const char kKeptFile[] = ".\\tkn4.ini";

NoteSettings Custom() {
    NoteSettings s = BuiltInSettings();
    s.crBack = RGB(10, 200, 30);
    s.nWidth = 400;
    s.bTopmost = FALSE;
    return s;
}

// The bytes that the settings writer alone makes of `s`.
std::string SettingsBytes(const NoteSettings& s) {
    const char kOther[] = ".\\other.ini";
    WriteSettingsFile(kOther, s);
    std::string bytes = ReadBytes(kOther);
    DeleteFileA(kOther);
    return bytes;
}

bool SameSettings(const NoteSettings& a, const NoteSettings& b) {
    return a.crText == b.crText && a.crBack == b.crBack && a.nWidth == b.nWidth &&
           a.nHeight == b.nHeight && a.bTopmost == b.bTopmost &&
           memcmp(&a.lf, &b.lf, sizeof a.lf) == 0;
}

NoteSettings ReadBack(const char* path) {
    NoteSettings s = BuiltInSettings();
    ReadSettingsFile(path, s);
    return s;
}

TEST(KeptAlarmFile, RoundTripBesideTheSettingsBothWays) {
    ScopedWorkingDir dir;
    ASSERT_TRUE(WriteSettingsFile(kKeptFile, Custom()));
    KeptAlarm alarm;
    alarm.moment = COleDateTime(2026, 12, 9, 21, 15, 0);
    alarm.bBeep = 1;
    alarm.bShake = 0;
    ASSERT_TRUE(WriteAlarmSection(kKeptFile, alarm));
    EXPECT_EQ(SettingsBytes(Custom()) +
                  "[Alarm]\r\nMoment=2026-12-09 21:15\r\nBeep=1\r\nShake=0\r\n",
              ReadBytes(kKeptFile));

    // The note saves its look again: the alarm stays.
    NoteSettings changed = Custom();
    changed.nHeight = 300;
    ASSERT_TRUE(WriteSettingsFile(kKeptFile, changed));
    KeptAlarm back;
    ASSERT_EQ(AlarmSection::Valid, ReadAlarmSection(kKeptFile, back));
    EXPECT_EQ(alarm.moment, back.moment);
    EXPECT_EQ(1, back.bBeep);
    EXPECT_EQ(0, back.bShake);
    EXPECT_TRUE(SameSettings(changed, ReadBack(kKeptFile)));

    // A second alarm replaces the first; removing it gives the settings file as it was.
    alarm.moment = COleDateTime(2027, 1, 2, 8, 0, 0);
    ASSERT_TRUE(WriteAlarmSection(kKeptFile, alarm));
    ASSERT_EQ(AlarmSection::Valid, ReadAlarmSection(kKeptFile, back));
    EXPECT_EQ(alarm.moment, back.moment);
    ASSERT_TRUE(RemoveAlarmSection(kKeptFile));
    EXPECT_EQ(SettingsBytes(changed), ReadBytes(kKeptFile));
    EXPECT_EQ(AlarmSection::Absent, ReadAlarmSection(kKeptFile, back));
    EXPECT_EQ(1u, dir.Files().size()) << "a temporary file was left behind";
}

TEST(KeptAlarmFile, ADamagedSectionGivesNoAlarmAndTouchesNothing) {
    const char* rows[] = {
        "Moment=tomorrow\r\nBeep=0\r\nShake=1\r\n",
        "Moment=9999-12-31 23:45\r\nBeep=0\r\nShake=1\r\n",
        "Moment=0099-06-01 10:00\r\nBeep=0\r\nShake=1\r\n",
        "Moment=2026-02-30 10:00\r\nBeep=0\r\nShake=1\r\n",
        "Moment=2026-12-09 21:15 or so\r\nBeep=0\r\nShake=1\r\n",
        "Moment=2026-12-09 21:15\r\nBeep=2\r\nShake=1\r\n",
        "Moment=2026-12-09 21:15\r\nBeep=0\r\nShake=maybe\r\n",
        "Beep=0\r\nShake=1\r\n",
        "Moment=2026-12-09 21:15\r\nShake=1\r\n",
        "Moment=\r\nBeep=\r\nShake=\r\n",
        "garbage without an equals sign\r\n",
    };
    for (const char* section : rows) {
        ScopedWorkingDir dir;
        const std::string bytes = SettingsBytes(Custom()) + "[Alarm]\r\n" + section;
        WriteBytes(kKeptFile, bytes);
        KeptAlarm alarm;
        EXPECT_EQ(AlarmSection::Damaged, ReadAlarmSection(kKeptFile, alarm)) << section;
        EXPECT_TRUE(SameSettings(Custom(), ReadBack(kKeptFile))) << section;
        EXPECT_EQ(bytes, ReadBytes(kKeptFile)) << section;
    }
}

TEST(KeptAlarmFile, RemovingWhatIsNotThereWritesNothing) {
    ScopedWorkingDir dir;
    EXPECT_TRUE(RemoveAlarmSection(kKeptFile));
    EXPECT_FALSE(FileExists(kKeptFile));
    WriteBytes(kKeptFile, "[Settings]\r\nWidth = 300 \r\n");
    EXPECT_TRUE(RemoveAlarmSection(kKeptFile));
    EXPECT_EQ("[Settings]\r\nWidth = 300 \r\n", ReadBytes(kKeptFile));
}

TEST(KeptAlarmFile, AMomentThatCannotBeKeptIsNotWritten) {
    ScopedWorkingDir dir;
    KeptAlarm alarm;
    alarm.moment = COleDateTime(9999, 3, 1, 0, 0, 0);
    EXPECT_FALSE(WriteAlarmSection(kKeptFile, alarm));
    EXPECT_FALSE(FileExists(kKeptFile));
}

TEST(KeepAlarmsChoice, ReadFromTheDefaultsAndWrittenBesideTheirKeys) {
    const struct {
        const char* pszLine; // nullptr: no such key
        bool bOn;
    } rows[] = {
        {nullptr, false},          {"KeepAlarms=1", true},   {"KeepAlarms=0", false},
        {"KeepAlarms=", false},    {"KeepAlarms=yes", false}, {"KeepAlarms=2", false},
        {"KeepAlarms = 1 ", true},
    };
    for (const auto& row : rows) {
        ScopedWorkingDir dir;
        WriteBytes(".\\tacknote.ini",
                   std::string("[Settings]\r\n") + (row.pszLine ? row.pszLine : "") + "\r\n");
        EXPECT_EQ(row.bOn, ReadKeepAlarms(".\\tacknote.ini"))
            << (row.pszLine ? row.pszLine : "-");
    }

    ScopedWorkingDir dir;
    const char kDefaults[] = ".\\tacknote.ini";
    EXPECT_FALSE(ReadKeepAlarms(kDefaults));
    ASSERT_TRUE(WriteSettingsFile(kDefaults, Custom()));
    ASSERT_TRUE(WriteKeepAlarms(kDefaults, true));
    EXPECT_TRUE(ReadKeepAlarms(kDefaults));
    EXPECT_TRUE(SameSettings(Custom(), ReadBack(kDefaults)));
    // "Options..." of the tray writes the defaults again: the choice stays.
    ASSERT_TRUE(WriteSettingsFile(kDefaults, BuiltInSettings()));
    EXPECT_TRUE(ReadKeepAlarms(kDefaults));
    ASSERT_TRUE(WriteKeepAlarms(kDefaults, false));
    EXPECT_FALSE(ReadKeepAlarms(kDefaults));
    EXPECT_EQ(SettingsBytes(BuiltInSettings()) + "KeepAlarms=0\r\n", ReadBytes(kDefaults));
}

} // namespace
