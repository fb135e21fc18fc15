#include <gtest/gtest.h>

#include <algorithm>

#include "WorkingDir.h"
#include "note/SaveLeftovers.h"

namespace {

const ULONGLONG kMinute = 60ULL * 10000000;
const ULONGLONG kNow = 1000000 * kMinute;

TEST(SaveLeftovers, OnlyOldTemporariesOfASaveAreLeftovers)
{
    struct Case {
        const char* name;
        ULONGLONG age;
        bool leftover;
    } cases[] = {
        {"~tn1A2.tmp", 10 * kMinute, true}, {"~TN1A2.TMP", 10 * kMinute, true},
        {"~tn1A2.tmp", 1 * kMinute, false}, // a save may still be writing it
        {"~tn1A2.tmp", 0, false},           {"tkn1.tkn", 10 * kMinute, false},
        {"~tn.tmp", 10 * kMinute, false},   {"other.tmp", 10 * kMinute, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.leftover, IsSaveLeftover(c.name, kNow - c.age, kNow)) << c.name << " " << c.age;
    EXPECT_FALSE(IsSaveLeftover("~tn1A2.tmp", kNow + kMinute, kNow)) << "written in the future";
}

TEST(SaveLeftovers, RemovesOldOnesAndKeepsNotesAndOpenOnes)
{
    ScopedWorkingDir dir;
    WriteBytes("~tn1.tmp", "old");
    WriteBytes("~tn2.tmp", "being written");
    WriteBytes("tkn1.tkn", "note");
    HANDLE writing = CreateFileA("~tn2.tmp", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    // Every file counts as old an hour from now; only the one nobody writes goes.
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULONGLONG later =
        ((static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime) + 60 * kMinute;
    EXPECT_EQ(1, RemoveSaveLeftovers(later));
    CloseHandle(writing);
    std::vector<std::string> left = dir.Files();
    std::sort(left.begin(), left.end());
    EXPECT_EQ((std::vector<std::string>{"tkn1.tkn", "~tn2.tmp"}), left);
}

} // namespace
