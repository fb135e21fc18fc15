// dateparse.exe's reading of its batch lines and options, and its result lines.
#include "tools/dateparse/ParseRequest.h"

#include "ParseHelpers.h"

#include <gtest/gtest.h>

namespace {

TEST(ToolRequest, Moments) {
    COleDateTime dt;
    EXPECT_TRUE(ReadMoment("2005-11-23 10:30:00", dt));
    EXPECT_EQ("OK 2005-11-23 10:30:00", Describe(TRUE, dt));
    const char* const kBad[] = {
        "2005-11-23",          "2005-11-23 10:30",     "2005-1-23 10:30:00",
        "2005-13-01 00:00:00", "2005-02-29 00:00:00",  "2005/11/23 10:30:00",
        "2005-11-23 24:00:00", "2005-11-23 10:30:00 ", " 2005-11-23 10:30:00",
        "0099-12-31 00:00:00", "abcd-ef-gh ij:kl:mn",  ""};
    for (const char* psz : kBad)
        EXPECT_FALSE(ReadMoment(psz, dt)) << psz;
}

TEST(ToolRequest, Settings) {
    int n = -1;
    EXPECT_TRUE(ReadSetting("2", 0, 2, n));
    EXPECT_EQ(2, n);
    EXPECT_TRUE(ReadSetting("11", 1, 11, n));
    EXPECT_FALSE(ReadSetting("3", 0, 2, n));
    EXPECT_FALSE(ReadSetting("0", 1, 11, n));
    EXPECT_FALSE(ReadSetting("-1", 0, 3, n));
    EXPECT_FALSE(ReadSetting("1x", 0, 3, n));
    EXPECT_FALSE(ReadSetting("", 0, 3, n));
    EXPECT_FALSE(ReadSetting("99999999999", 0, 3, n));
}

TEST(ToolRequest, BatchLines) {
    CParseRequest request;
    ASSERT_TRUE(ReadBatchLine("2005-11-23 10:30:00\t2\t3\t9\tnext\tfriday", request));
    EXPECT_TRUE(request.bFixedNow);
    EXPECT_EQ(2u, request.dwFlags);
    EXPECT_EQ(3, request.nAmPmRule);
    EXPECT_EQ(9, request.nAmPmCutoff);
    EXPECT_EQ("next\tfriday", std::string(request.strText)); // the phrase is the rest

    ASSERT_TRUE(ReadBatchLine("2005-11-23 10:30:00\t0\t0\t7\t", request));
    EXPECT_EQ("FAIL", RunRequest(request));

    const char* const kBad[] = {
        "",
        "next friday",
        "2005-11-23 10:30:00\t0\t0\t7",
        "2005-11-23 10:30:00\t3\t0\t7\ttoday",
        "2005-11-23 10:30:00\t0\tx\t7\ttoday",
        "2005-11-23 10:30:00\t0\t0\t-\ttoday",
        "2005-11-23 10:30:00\t0\t0\t12345\ttoday",
        "2005-11-23\t0\t0\t7\ttoday",
        "\t\t\t\t",
    };
    for (const char* psz : kBad)
        EXPECT_FALSE(ReadBatchLine(psz, request)) << psz;
    static const char kWithNul[] = "2005-11-23 10:30:00\t0\t0\t7\tto\0day";
    EXPECT_FALSE(ReadBatchLine(std::string(kWithNul, sizeof kWithNul - 1), request));
}

// The setters, not the batch reader, judge the rule and the cut-over hour: out of range they
// are ignored and the defaults (rule 0, cut-over hour 7) stay.
TEST(ToolRequest, BatchSettingsGoToTheSetters) {
    const struct {
        const char* pszLine;
        const char* pszExpected;
    } kRows[] = {
        {"2005-11-23 10:30:00\t1\t4\t7\t5", "OK 1899-12-30 17:00:00"},
        {"2005-11-23 10:30:00\t1\t-1\t7\t5", "OK 1899-12-30 17:00:00"},
        {"2005-11-23 10:30:00\t1\t99\t7\t8", "OK 1899-12-30 08:00:00"},
        {"2005-11-23 10:30:00\t1\t2\t0\t6", "OK 1899-12-30 18:00:00"},
        {"2005-11-23 10:30:00\t1\t2\t12\t8", "OK 1899-12-30 08:00:00"},
        {"2005-11-23 10:30:00\t1\t2\t9\t8", "OK 1899-12-30 20:00:00"},
        {"2005-11-23 10:30:00\t1\t3\t-5\t5", "OK 1899-12-30 05:00:00"},
    };
    for (const auto& row : kRows) {
        CParseRequest request;
        ASSERT_TRUE(ReadBatchLine(row.pszLine, request)) << row.pszLine;
        EXPECT_EQ(row.pszExpected, RunRequest(request)) << row.pszLine;
    }
    int n = 0;
    EXPECT_TRUE(ReadInteger("-1", n));
    EXPECT_EQ(-1, n);
    EXPECT_TRUE(ReadInteger("9999", n));
    EXPECT_FALSE(ReadInteger("12345", n));
    EXPECT_FALSE(ReadInteger("-", n));
    EXPECT_FALSE(ReadInteger("+1", n));
    EXPECT_FALSE(ReadInteger("", n));
}

TEST(ToolRequest, ResultLines) {
    CParseRequest request;
    request.bFixedNow = TRUE;
    request.dtNow = Moment(NOW_WED);
    request.strText = "next friday";
    EXPECT_EQ("OK 2005-11-25 10:30:00", RunRequest(request));
    request.strText = "1799";
    EXPECT_EQ("INVALID", RunRequest(request));
    request.strText = "never";
    EXPECT_EQ("FAIL", RunRequest(request));
    request.strText = "8";
    request.nAmPmRule = 2;
    request.nAmPmCutoff = 9;
    EXPECT_EQ("OK 1899-12-30 20:00:00", RunRequest(request));
    request.dwFlags = VAR_DATEVALUEONLY;
    EXPECT_EQ("FAIL", RunRequest(request));
}

} // namespace
