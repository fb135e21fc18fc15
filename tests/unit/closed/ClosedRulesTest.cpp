#include <gtest/gtest.h>

#include <set>

#include "closed/ClosedRules.h"

namespace {

const ULONGLONG kDay = 24ULL * 60 * 60 * 10000000;
const ULONGLONG kNow = 400 * kDay;

std::vector<std::string> Bases(const std::vector<ClosedNote>& notes)
{
    std::vector<std::string> bases;
    for (const ClosedNote& n : notes)
        bases.push_back(n.base);
    return bases;
}

TEST(ClosedRules, NewestFirstWithTiesByName)
{
    std::vector<ClosedNote> notes = {{"b", 5}, {"c", 9}, {"a", 5}, {"d", 1}};
    EXPECT_EQ((std::vector<std::string>{"c", "a", "b", "d"}), Bases(NewestFirst(notes)));
}

TEST(ClosedRules, PrunesWhatIsOlderThanThirtyDays)
{
    std::vector<ClosedNote> notes = {{"today", kNow},
                                     {"day29", kNow - 29 * kDay},
                                     {"day30", kNow - 30 * kDay},
                                     {"day31", kNow - 31 * kDay},
                                     {"year", kNow - 365 * kDay}};
    EXPECT_EQ((std::vector<std::string>{"day31", "year"}), ClosedToPrune(notes, kNow));
}

TEST(ClosedRules, KeepsOnlyTheNewestTwoHundred)
{
    std::vector<ClosedNote> notes;
    for (int i = 0; i < 205; ++i)
        notes.push_back({"n" + std::to_string(i), kNow - i * 1000});
    std::vector<std::string> pruned = ClosedToPrune(notes, kNow);
    EXPECT_EQ((std::vector<std::string>{"n200", "n201", "n202", "n203", "n204"}), pruned);
}

// A clock set before 1601 plus 30 days must not wrap around and delete everything.
TEST(ClosedRules, EarlyClockPrunesNothing)
{
    EXPECT_TRUE(ClosedToPrune({{"a", 5}}, 10).empty());
}

TEST(ClosedRules, LabelIsTheFirstLineCutAndEscaped)
{
    struct Case {
        std::string text, label;
    } cases[] = {
        {"Shopping\r\nmilk\r\n", "Shopping"},
        {"", "(empty)"},
        {" \r\n\t\r\n", "(empty)"},
        {"\r\n\r\n  second line  \r\n", "second line"},
        {"Tom & Jerry", "Tom && Jerry"},
        {"a\tb", "a b"},
        {std::string(40, 'x'), std::string(40, 'x')},
        {std::string(41, 'x'), std::string(40, 'x') + "..."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.label, ClosedNoteLabel(c.text)) << c.text;
}

TEST(ClosedRules, FreshBaseSkipsTakenNames)
{
    std::set<std::string> taken = {"tkn1", "tkn1_2", "tkn1_3"};
    auto isTaken = [&taken](const std::string& b) { return taken.count(b) > 0; };
    EXPECT_EQ("tkn2", FreshClosedBase("tkn2", isTaken));
    EXPECT_EQ("tkn1_4", FreshClosedBase("tkn1", isTaken));
    EXPECT_EQ("", FreshClosedBase("x", [](const std::string&) { return true; }));
}

} // namespace
