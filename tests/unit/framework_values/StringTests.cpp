#include "framework/String.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct FindCase {
    const char* text;
    const char* sub;
    int start;
    int expected;
};

TEST(CStringFind, SubstringFromStart)
{
    const FindCase cases[] = {
        {"abcabc", "bc", 0, 1},  {"abcabc", "bc", 2, 4},   {"abcabc", "bc", 5, -1},
        {"abcabc", "bc", 6, -1}, {"abcabc", "bc", 100, -1}, {"abcabc", "bc", -5, 1},
        {"abc", "", 0, 0},       {"abc", "", 3, 3},         {"abc", "", 4, -1},
        {"", "a", 0, -1},        {"abc", "abcd", 0, -1},
    };
    for (const FindCase& c : cases)
        EXPECT_EQ(c.expected, CString(c.text).Find(c.sub, c.start))
            << '"' << c.text << "\" find \"" << c.sub << "\" from " << c.start;
}

TEST(CStringFind, CharactersAndSets)
{
    const CString s("a,b;c,d");
    EXPECT_EQ(1, s.Find(','));
    EXPECT_EQ(5, s.Find(',', 2));
    EXPECT_EQ(-1, s.Find(',', 7));  // start at the end
    EXPECT_EQ(-1, s.Find(',', 70));
    EXPECT_EQ(5, s.ReverseFind(','));
    EXPECT_EQ(-1, s.ReverseFind('x'));
    EXPECT_EQ(1, s.FindOneOf(";,"));
    EXPECT_EQ(-1, s.FindOneOf(""));
    EXPECT_STREQ("a", s.SpanExcluding(",;"));
    EXPECT_STREQ("a,b;c,d", s.SpanExcluding("xyz"));
    EXPECT_STREQ("12", CString("12a3").SpanIncluding("0123456789"));
    EXPECT_STREQ("", CString("a12").SpanIncluding("0123456789"));
}

struct SliceCase {
    int first;
    int count;
    const char* mid;
};

TEST(CStringSlice, OutOfRangeIsClamped)
{
    const CString s("hello");
    const SliceCase cases[] = {
        {0, 5, "hello"}, {1, 3, "ell"}, {3, 10, "lo"}, {5, 1, ""},  {9, 2, ""},
        {-2, 3, "hel"},  {2, -1, ""},   {0, 0, ""},    {4, 1, "o"},
    };
    for (const SliceCase& c : cases)
        EXPECT_STREQ(c.mid, s.Mid(c.first, c.count)) << "Mid(" << c.first << ", " << c.count << ")";
    EXPECT_STREQ("llo", s.Mid(2));
    EXPECT_STREQ("", s.Mid(6));
    EXPECT_STREQ("he", s.Left(2));
    EXPECT_STREQ("hello", s.Left(99));
    EXPECT_STREQ("", s.Left(-1));
    EXPECT_STREQ("lo", s.Right(2));
    EXPECT_STREQ("hello", s.Right(99));
    EXPECT_STREQ("", s.Right(-3));
}

struct TrimCase {
    const char* text;
    const char* targets;  // nullptr: white space
    const char* left;
    const char* right;
};

TEST(CStringTrim, WhiteSpaceCharactersAndSets)
{
    const TrimCase cases[] = {
        {" \t\r\n x y \t\r\n", nullptr, "x y \t\r\n", " \t\r\n x y"},
        {"   ", nullptr, "", ""},
        {"", nullptr, "", ""},
        {"xxaxx", "x", "axx", "xxa"},
        {"-+-a+b-+", "+-", "a+b-+", "-+-a+b"},
        {"abc", "", "abc", "abc"},
        {"aaaa", "a", "", ""},
    };
    for (const TrimCase& c : cases) {
        CString left(c.text), right(c.text);
        if (c.targets) {
            left.TrimLeft(c.targets);
            right.TrimRight(c.targets);
        } else {
            left.TrimLeft();
            right.TrimRight();
        }
        EXPECT_STREQ(c.left, left) << '"' << c.text << '"';
        EXPECT_STREQ(c.right, right) << '"' << c.text << '"';
    }
    CString s("..a..");
    s.TrimLeft('.');
    s.TrimRight('.');
    EXPECT_STREQ("a", s);
}

struct ReplaceCase {
    const char* text;
    const char* from;
    const char* to;
    int count;
    const char* result;
};

TEST(CStringEdit, ReplaceRemoveInsertDelete)
{
    const ReplaceCase cases[] = {
        {"a.b.c", ".", "--", 2, "a--b--c"}, {"aaaa", "aa", "a", 2, "aa"},
        {"abc", "", "x", 0, "abc"},         {"abc", "b", "", 1, "ac"},
        {"abc", "b", nullptr, 1, "ac"},     {"abab", "ab", "abab", 2, "abababab"},
        {"", "a", "b", 0, ""},
    };
    for (const ReplaceCase& c : cases) {
        CString s(c.text);
        EXPECT_EQ(c.count, s.Replace(c.from, c.to)) << c.text;
        EXPECT_STREQ(c.result, s) << c.text;
    }
    CString s("banana");
    EXPECT_EQ(3, s.Replace('a', 'o'));
    EXPECT_STREQ("bonono", s);
    EXPECT_EQ(3, s.Remove('o'));
    EXPECT_STREQ("bnn", s);
    EXPECT_EQ(4, s.Insert(1, 'a'));
    EXPECT_EQ(7, s.Insert(99, "xyz"));
    EXPECT_EQ(8, s.Insert(-3, '<'));
    EXPECT_STREQ("<bannxyz", s);
    EXPECT_EQ(6, s.Delete(5, 2));
    EXPECT_EQ(4, s.Delete(4, 99));
    EXPECT_EQ(4, s.Delete(9));
    EXPECT_STREQ("<ban", s);
}

TEST(CStringFormat, LongOutputIsNotCut)
{
    const std::string big(5000, 'x');
    CString s;
    s.Format("[%s] %d %05.1f %c", big.c_str(), -42, 3.14159, 'z');
    const std::string expected = "[" + big + "] -42 003.1 z";
    EXPECT_EQ(static_cast<int>(expected.size()), s.GetLength());
    EXPECT_STREQ(expected.c_str(), s);
    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringCase, AsciiOnlyAndReverse)
{
    CString s("Hello, World \xE9");  // a Latin-1 letter stays as it is, like the "C" runtime
    s.MakeUpper();
    EXPECT_STREQ("HELLO, WORLD \xE9", s);
    s.MakeLower();
    EXPECT_STREQ("hello, world \xE9", s);
    CString r("abc");
    r.MakeReverse();
    EXPECT_STREQ("cba", r);
}

TEST(CStringCompare, OperatorsAndNoCase)
{
    const CString abc("abc");
    EXPECT_TRUE(abc == "abc");
    EXPECT_TRUE("abc" == abc);
    EXPECT_TRUE(abc != "ABC");
    EXPECT_TRUE(abc < "abd");
    EXPECT_TRUE("abd" > abc);
    EXPECT_TRUE(abc <= CString("abc"));
    EXPECT_TRUE(abc >= "ab");
    EXPECT_TRUE(CString("ab") < abc);
    EXPECT_EQ(0, abc.CompareNoCase("ABC"));
    EXPECT_GT(0, abc.Compare("abcd"));
    EXPECT_LT(0, abc.CompareNoCase("AB"));
    EXPECT_TRUE(CString() == "");
    EXPECT_TRUE(CString(static_cast<LPCSTR>(nullptr)).IsEmpty());
}

TEST(CStringBuild, ConstructAndConcatenate)
{
    EXPECT_STREQ("---", CString('-', 3));
    EXPECT_STREQ("", CString('-', -1));
    EXPECT_STREQ("ab", CString("abcdef", 2));
    CString s = CString("a") + 'b' + "c" + CString("d");
    s = 'x' + s;
    s += "yz";
    s += '!';
    EXPECT_STREQ("xabcdyz!", s);
    s = static_cast<LPCSTR>(s) + 1;  // assigning from the string's own buffer
    EXPECT_STREQ("abcdyz!", s);
    EXPECT_EQ('a', s[0]);
    EXPECT_EQ('\0', s.GetAt(99));
    s.SetAt(0, 'A');
    s.SetAt(99, 'Z');
    EXPECT_STREQ("Abcdyz!", s);
}

TEST(CStringBuffer, WriteThenRelease)
{
    CString s("abc");
    char* p = s.GetBuffer(10);
    std::strcpy(p, "0123456789");
    s.ReleaseBuffer();
    EXPECT_STREQ("0123456789", s);
    p = s.GetBuffer(2);  // shorter request keeps the content
    EXPECT_STREQ("0123456789", p);
    s.ReleaseBuffer(4);
    EXPECT_STREQ("0123", s);
    std::strcpy(s.GetBufferSetLength(3), "xy");
    s.ReleaseBuffer();
    EXPECT_EQ(2, s.GetLength());
}

}  // namespace
