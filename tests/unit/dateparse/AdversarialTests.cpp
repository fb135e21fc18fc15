// Long and deeply nested texts: every text a date field can hold parses without crashing,
// hanging or exhausting the stack, and nesting beyond the limit is not a date.
#include "ParseHelpers.h"

#include <gtest/gtest.h>

namespace {

std::string Repeat(const std::string& strPart, size_t nTimes) {
    std::string s;
    for (size_t i = 0; i < nTimes; ++i)
        s += strPart;
    return s;
}

// As much of the pattern, repeated, as a date field holds.
std::string Fill(const std::string& strPattern) {
    return Repeat(strPattern, CDateParser::kMaxTextLength / strPattern.size() + 1)
        .substr(0, CDateParser::kMaxTextLength);
}

TEST(Adversarial, FourKilobytesOfNestedPhrasesAreNoDates) {
    const std::string kTexts[] = {
        Repeat("1-", 2047) + "1",
        Repeat("1+", 2047) + "1",
        Fill("1 days after "),
        Fill("1 till "),
        Fill("half past "),
        Fill("1 - 1 days after "),
        Fill("1 days after 1 - "),
        Fill("1 days after 1 till 1 + "),
        Fill("1 till 1 days after 1 - 2 weeks before "),
        Fill("today - 1 + "),
        Fill("next "),
        Fill("1 months before christmas - "),
        Fill("1 days after 12/25/2005 - "),
        Fill("3 days after 12/25/2005 + 1 till 5 pm "),
        Fill("three days after "),
        Fill("a few days after 1 - "),
        Fill("10 till 5 p m "),
    };
    for (const std::string& strText : kTexts) {
        ASSERT_LE(strText.size(), static_cast<size_t>(CDateParser::kMaxTextLength));
        EXPECT_EQ("FAIL", ParseAt(NOW_WED, strText)) << strText.substr(0, 40);
        EXPECT_EQ("FAIL", ParseAt(NOW_WED, strText, VAR_DATEVALUEONLY)) << strText.substr(0, 40);
    }
}

// Time-only, a run of digits and dashes is a clock number whatever its length.
TEST(Adversarial, TimeOnlyReadsLongDigitRunsAsAnHour) {
    EXPECT_EQ("OK 1899-12-30 13:00:00",
              ParseAt(NOW_WED, Repeat("1-", 2047) + "1", VAR_TIMEVALUEONLY));
    EXPECT_EQ("OK 1899-12-30 23:00:00",
              ParseAt(NOW_WED, std::string(CDateParser::kMaxTextLength, '9'), VAR_TIMEVALUEONLY));
    EXPECT_EQ("FAIL", ParseAt(NOW_WED, Fill("1 till "), VAR_TIMEVALUEONLY));
}

TEST(Adversarial, NestingUpToTheLimitIsRead) {
    const int kLimit = CDateParser::kMaxNesting;
    EXPECT_EQ("OK 2006-01-10 00:00:00",
              ParseAt(NOW_WED, Repeat("1 days after ", kLimit) + "christmas"));
    EXPECT_EQ("FAIL", ParseAt(NOW_WED, Repeat("1 days after ", kLimit + 1) + "christmas"));
    EXPECT_EQ("OK 1899-12-30 16:44:00", ParseAt(NOW_WED, Repeat("1 till ", kLimit) + "5"));
    EXPECT_EQ("FAIL", ParseAt(NOW_WED, Repeat("1 till ", kLimit + 1) + "5"));
    EXPECT_EQ("OK 2005-12-09 10:30:00", ParseAt(NOW_WED, Repeat("1+", kLimit) + "today"));
    EXPECT_EQ("FAIL", ParseAt(NOW_WED, Repeat("1+", kLimit + 1) + "today"));
}

// The limit belongs to one parse: a parser that refused a deep text reads the next one.
TEST(Adversarial, AParserRecoversAfterARefusal) {
    CFixedClock clock(Moment(NOW_WED));
    CDateParser parser;
    EXPECT_FALSE(parser.ParseDateTime(Fill("1 days after ").c_str()));
    EXPECT_TRUE(parser.ParseDateTime("2 days after christmas"));
    EXPECT_EQ("OK 2005-12-27 00:00:00", Describe(TRUE, parser));
    COleDateTime dt;
    EXPECT_FALSE(parser.ParseTimePhrase(Fill("1 till ").c_str(), dt));
    EXPECT_TRUE(parser.ParseTimePhrase("10 till 5", dt));
    EXPECT_EQ("OK 1899-12-30 16:50:00", Describe(TRUE, dt));
}

TEST(Adversarial, OddCharactersAreNoDates) {
    const char* const kTexts[] = {
        "\x01\x02\x03", "\xff\xfe next friday", "+", "+-+-+-", "o'clock", "'", "\t\t", "\xe9\xe9"};
    for (const char* psz : kTexts)
        EXPECT_EQ("FAIL", ParseAt(NOW_WED, psz)) << psz;
}

} // namespace
