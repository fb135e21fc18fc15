// How the date field reads its text: its own display format first, strictly, then the parser;
// and what a reformat leaves in the field.
#include "datectl/DateEditText.h"
#include "framework/Clock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <windows.h>

namespace {

std::string Day(const COleDateTime& dt)
{
    if (dt.GetStatus() != COleDateTime::valid) return "invalid";
    return static_cast<LPCSTR>(dt.Format("%Y-%m-%d"));
}

std::string ReadBack(const char* pszText, const char* pszFormat)
{
    COleDateTime dt;
    if (!ReadDisplayFormat(pszText, pszFormat, dt)) return "no";
    return Day(dt);
}

TEST(DisplayFormatReadBack, ReadsOnlyWhatTheFormatWrites)
{
    const struct {
        const char* pszText;
        const char* pszFormat;
        const char* pszDay;
    } rows[] = {
        {"03/04/2027", "%m/%d/%Y", "2027-03-04"},
        {"12/31/1999", "%m/%d/%Y", "1999-12-31"},
        {"02/29/2028", "%m/%d/%Y", "2028-02-29"},
        {"02/29/2027", "%m/%d/%Y", "no"}, // no such day
        {"13/01/2027", "%m/%d/%Y", "no"}, // no such month
        {"3/4/2027", "%m/%d/%Y", "no"},   // the format writes two digits: left to the parser
        {"03/04/27", "%m/%d/%Y", "no"},
        {"03/04/2027 ", "%m/%d/%Y", "no"}, // the whole text or nothing
        {"03-04-2027", "%m/%d/%Y", "no"},
        {"next friday", "%m/%d/%Y", "no"},
        {"", "%m/%d/%Y", "no"},
        {"04.03.2027", "%d.%m.%Y", "2027-03-04"},
        {"2027-03-04", "%Y-%m-%d", "2027-03-04"},
        {"3/4/2027", "%#m/%#d/%Y", "2027-03-04"},
        {"03/4/2027", "%#m/%#d/%Y", "2027-03-04"},
        {"100% 03/04/2027", "100%% %m/%d/%Y", "2027-03-04"},
        {"March 04 2027", "%B %d %Y", "no"}, // codes the reader does not know
        {"03/2027", "%m/%Y", "no"},          // no day in the format
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.pszDay, ReadBack(row.pszText, row.pszFormat))
            << row.pszText << " as " << row.pszFormat;
}

TEST(DateFieldText, AParsedPhraseIsShownInTheDisplayFormat)
{
    CFixedClock clock(COleDateTime(2024, 5, 20, 12, 0, 0)); // a Monday
    DateTextRules rules;
    rules.dwParseFlags = VAR_DATEVALUEONLY;
    EXPECT_EQ("05/24/2024", std::string(ReformatDateText("next friday", rules)));
    EXPECT_EQ("12/25/2024", std::string(ReformatDateText("christmas", rules)));
    EXPECT_EQ("05/20/2024", std::string(ReformatDateText("today", rules)));
}

TEST(DateFieldText, WordsThatAreNoDateStayAsTheyAre)
{
    DateTextRules rules;
    rules.dwParseFlags = VAR_DATEVALUEONLY;
    EXPECT_EQ("lunch with Ann", std::string(ReformatDateText("lunch with Ann", rules)));
    EXPECT_EQ("", std::string(ReformatDateText("", rules)));
}

TEST(DateFieldText, TheOwnFormatReformatsToItself)
{
    DateTextRules rules;
    rules.dwParseFlags = VAR_DATEVALUEONLY;
    for (const char* pszText : {"01/02/2030", "03/04/2027", "12/11/2026"})
        EXPECT_EQ(pszText, std::string(ReformatDateText(pszText, rules)));
}

TEST(DateFieldText, ReadsTheDisplayFormatEvenWhereTheLocaleIsDayFirst)
{
    // The locale is handed over explicitly here; the next test runs under such a user locale.
    DateTextRules rules;
    rules.dwParseFlags = VAR_DATEVALUEONLY;
    rules.lcid = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK), SORT_DEFAULT);
    EXPECT_EQ("2027-03-04", Day(ReadDateText("03/04/2027", rules)));
    EXPECT_EQ("03/04/2027", std::string(ReformatDateText("03/04/2027", rules)));
    // Typed in the locale's own order, a date still reads the locale's way.
    EXPECT_EQ("2027-04-03", Day(ReadDateText("3/4/2027", rules)));
}

// True when the user's locale reads 03/04/2027 as 3 April.
bool UserLocaleIsDayFirst()
{
    COleDateTime dt;
    return dt.ParseDateTime("03/04/2027", VAR_DATEVALUEONLY, LANG_USER_DEFAULT) &&
           dt.GetMonth() == 4;
}

// Regression: the field wrote %m/%d/%Y and read it back through the user's locale, so under a
// day-first locale 03/04/2027 came back as 3 April and the next reformat wrote 04/03/2027.
// ctest runs this once more under LC_ALL=en_GB.UTF-8 (datectl_dayfirst).
TEST(DayFirstLocale, TheFieldReadsItsOwnTextAsTheSameDay)
{
    const bool bExpected = std::getenv("TACKNOTE_EXPECT_DAYFIRST") != nullptr;
    if (!UserLocaleIsDayFirst()) {
        if (bExpected) {
            char shortDate[80] = "";
            GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, shortDate, sizeof shortDate);
            const char* lcAll = std::getenv("LC_ALL");
            FAIL() << "the user locale is not day-first; LC_ALL did not reach the process (LC_ALL "
                   << (lcAll ? lcAll : "unset") << ", user LCID " << std::hex
                   << GetUserDefaultLCID() << ", short date " << shortDate << ")";
        }
        GTEST_SKIP() << "the user locale is month-first";
    }
    DateTextRules rules; // LANG_USER_DEFAULT, as the field uses it
    rules.dwParseFlags = VAR_DATEVALUEONLY;
    EXPECT_EQ("2027-03-04", Day(ReadDateText("03/04/2027", rules)));
    std::string text = "03/04/2027";
    for (int i = 0; i < 3; ++i) // every focus loss reformats; the day must never move
        text = static_cast<LPCSTR>(ReformatDateText(text.c_str(), rules));
    EXPECT_EQ("03/04/2027", text);
}

} // namespace
