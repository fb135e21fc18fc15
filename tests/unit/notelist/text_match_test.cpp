// The filter of the notes list: which notes match and what a row shows of them.
#include <gtest/gtest.h>

#include "notelist/NoteRow.h"
#include "notelist/TextMatch.h"

namespace {

std::vector<std::string> Terms(const std::string& filter) {
    return FilterTerms(FoldCase(filter));
}

TEST(FirstLine, SkipsBlankLinesAndTrims) {
    const struct {
        const char* text;
        const char* want;
    } cases[] = {
        {"", ""},
        {"one", "one"},
        {"one\r\ntwo", "one"},
        {"\r\n  \r\n\t two  \r\nthree", "two"},
        {"   \r\n", ""},
        {"last line without end", "last line without end"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.want, FirstLine(c.text)) << c.text;
}

TEST(Matching, EveryWordAnywhereIgnoringCase) {
    const std::string text = FoldCase("Shopping\r\nbread, MILK\r\ncall Ann about the Invoice");
    const struct {
        const char* filter;
        bool want;
    } cases[] = {
        {"", true},
        {"   ", true},
        {"milk", true},
        {"INVOICE", true},
        {"invoice milk", true},
        {"  ann   shop ", true},
        {"invoice cheese", false},
        {"milk,", false},
        {"bread,", true},
    };
    for (const auto& c : cases) EXPECT_EQ(c.want, MatchesAll(text, Terms(c.filter))) << c.filter;
}

TEST(Matching, AccentedLettersFoldToo) {
    // Windows-1252: "\xC4" is A-umlaut, "\xE4" its lower case.
    EXPECT_TRUE(MatchesAll(FoldCase("K\xC4SE"), Terms("k\xe4se")));
}

TEST(FindTerms, SortedAndOverlapsMerged) {
    auto marks = FindTerms("abcabc", Terms("bc ab"));
    ASSERT_EQ(1u, marks.size()) << "ab|bc|ab|bc touch and overlap into one run";
    EXPECT_EQ(0u, marks[0].first);
    EXPECT_EQ(6u, marks[0].second);
    marks = FindTerms("Milk and milk", Terms("MILK"));
    ASSERT_EQ(2u, marks.size());
    EXPECT_EQ(0u, marks[0].first);
    EXPECT_EQ(9u, marks[1].first);
}

TEST(DisplayFor, ShowsTheFirstLineAndWhereAWordBelowIt) {
    const std::string text = "Shopping\r\nbread\r\ncall Ann about the invoice today";
    const struct {
        const char* filter;
        const char* want;
    } cases[] = {
        {"", "Shopping"},
        {"shop", "Shopping"},
        {"invoice", "Shopping   ...call Ann about the invoice today"},
        {"shop bread", "Shopping   ...bread"},
        {"nothing", "Shopping"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.want, DisplayFor(text, Terms(c.filter)).text) << c.filter;
    RowDisplay shown = DisplayFor(text, Terms("INVOICE shop"));
    ASSERT_EQ(2u, shown.marks.size());
    EXPECT_EQ("Shop", shown.text.substr(shown.marks[0].first, shown.marks[0].second));
    EXPECT_EQ("invoice", shown.text.substr(shown.marks[1].first, shown.marks[1].second));
}

TEST(DisplayFor, CutsALongLineAroundTheWord) {
    std::string line(200, 'x');
    line.replace(120, 6, "needle");
    RowDisplay shown = DisplayFor("title\r\n" + line, Terms("needle"));
    EXPECT_LT(shown.text.size(), 100u);
    EXPECT_NE(std::string::npos, shown.text.find("...x"));
    ASSERT_EQ(1u, shown.marks.size());
    EXPECT_EQ("needle", shown.text.substr(shown.marks[0].first, 6));
}

TEST(IniValue, FindsTheKeyOfItsSectionOnly) {
    const std::string ini =
        "[Settings]\r\nBackgroundColor=80FFFF\r\nMoment=wrong\r\n; Moment=comment\r\n"
        "[alarm]\r\n  moment =  2026-12-24 18:30  \r\nBeep=1\r\n";
    std::string value;
    ASSERT_TRUE(IniValue(ini, "Settings", "BackgroundColor", value));
    EXPECT_EQ("80FFFF", value);
    ASSERT_TRUE(IniValue(ini, "Alarm", "Moment", value));
    EXPECT_EQ("2026-12-24 18:30", value);
    EXPECT_FALSE(IniValue(ini, "Alarm", "Shake", value));
    EXPECT_FALSE(IniValue(ini, "Other", "Beep", value));
    EXPECT_FALSE(IniValue("", "Alarm", "Moment", value));
}

TEST(IsAlarmMoment, OnlyTheStoredShape) {
    EXPECT_TRUE(IsAlarmMoment("2026-12-24 18:30"));
    for (const char* bad : {"", "2026-12-24", "2026-12-24 18:30:00", "2026/12/24 18:30",
                            "2026-1a-24 18:30"})
        EXPECT_FALSE(IsAlarmMoment(bad)) << bad;
}

} // namespace
