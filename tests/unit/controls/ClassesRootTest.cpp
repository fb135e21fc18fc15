// Reading a file type's default value: plain and expandable strings, and the values that are
// refused rather than cut (too long, not a string, a missing key).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "controls/ClassesRoot.h"

namespace {

// A key of its own under HKEY_CLASSES_ROOT, removed afterwards.
class ClassesRoot : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_name = ".tacknote-unit-" + std::to_string(GetCurrentProcessId());
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CLASSES_ROOT, m_name.c_str(), 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &m_key, nullptr));
    }
    void TearDown() override
    {
        RegCloseKey(m_key);
        RegDeleteKeyA(HKEY_CLASSES_ROOT, m_name.c_str());
    }
    void SetDefault(DWORD type, const std::string& value)
    {
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(m_key, nullptr, 0, type,
                                                reinterpret_cast<const BYTE*>(value.c_str()),
                                                static_cast<DWORD>(value.size() + 1)));
    }
    // What the read gives, or "<refused>"; a refusal must leave the buffer empty.
    std::string Read(size_t cchBuffer = kClassesRootValueChars)
    {
        std::string buffer(cchBuffer, '#');
        if (!QueryClassesRootDefault(m_name.c_str(), &buffer[0], cchBuffer)) {
            EXPECT_EQ('\0', buffer[0]) << "refused, but the buffer holds something";
            return "<refused>";
        }
        return buffer.c_str();
    }

    std::string m_name;
    HKEY m_key = nullptr;
};

TEST_F(ClassesRoot, PlainStringComesBackAsStored)
{
    SetDefault(REG_SZ, "htmlfile");
    EXPECT_EQ("htmlfile", Read());
}

TEST_F(ClassesRoot, ExpandableStringIsExpanded)
{
    SetDefault(REG_EXPAND_SZ, "%SystemRoot%\\browser.exe \"%1\"");
    char expected[MAX_PATH];
    ExpandEnvironmentStringsA("%SystemRoot%\\browser.exe \"%1\"", expected, sizeof expected);
    ASSERT_EQ(std::string::npos, std::string(expected).find("%SystemRoot%"));
    EXPECT_EQ(expected, Read());
}

TEST_F(ClassesRoot, LongestValueThatFitsIsRead)
{
    const std::string value(kClassesRootValueChars - 1, 'v');
    SetDefault(REG_SZ, value);
    EXPECT_EQ(value, Read());
}

TEST_F(ClassesRoot, OverlongValueIsRefused)
{
    SetDefault(REG_SZ, std::string(kClassesRootValueChars, 'v'));
    EXPECT_EQ("<refused>", Read());
    SetDefault(REG_SZ, std::string(1000, 'v'));
    EXPECT_EQ("<refused>", Read());
}

TEST_F(ClassesRoot, ValueThatGrowsPastTheBufferWhenExpandedIsRefused)
{
    // Short as stored; longer than the buffer once the variable is replaced.
    ASSERT_TRUE(SetEnvironmentVariableA("TACKNOTE_UNIT_LONG", std::string(100, 'e').c_str()));
    SetDefault(REG_EXPAND_SZ, "%TACKNOTE_UNIT_LONG%%TACKNOTE_UNIT_LONG%");
    EXPECT_EQ(std::string(200, 'e'), Read()) << "two fit";
    SetDefault(REG_EXPAND_SZ, "%TACKNOTE_UNIT_LONG%%TACKNOTE_UNIT_LONG%%TACKNOTE_UNIT_LONG%");
    EXPECT_EQ("<refused>", Read()) << "three do not";
    SetEnvironmentVariableA("TACKNOTE_UNIT_LONG", nullptr);
}

TEST_F(ClassesRoot, SmallCallerBufferIsRefusedNotCut)
{
    SetDefault(REG_SZ, "htmlfile");
    EXPECT_EQ("<refused>", Read(8));
    EXPECT_EQ("htmlfile", Read(9));
}

TEST_F(ClassesRoot, NumberOrMissingValueIsRefused)
{
    EXPECT_EQ("<refused>", Read()) << "no default value";
    const DWORD number = 7;
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(m_key, nullptr, 0, REG_DWORD,
                                            reinterpret_cast<const BYTE*>(&number), sizeof number));
    EXPECT_EQ("<refused>", Read());
}

TEST(ClassesRootMissing, MissingKeyIsRefused)
{
    char buffer[16] = "unchanged";
    EXPECT_FALSE(QueryClassesRootDefault(".tacknote-no-such-type\\shell\\open\\command", buffer,
                                         sizeof buffer));
    EXPECT_STREQ("", buffer);
}

} // namespace
