#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "note/PrintLayout.h"

namespace {

// A memory DC in pixels with a 20-pixel font selected, as a printer DC would have its print
// font.
class MemoryPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dc = CreateCompatibleDC(nullptr);
        ASSERT_NE(nullptr, m_dc);
        m_font = CreateFontA(-20, 0, 0, 0, 0, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                             0, 0, FF_SWISS, "MS Sans Serif");
        ASSERT_NE(nullptr, m_font);
        m_old = SelectObject(m_dc, m_font);
        TEXTMETRICA tm;
        ASSERT_TRUE(GetTextMetricsA(m_dc, &tm));
        m_line = tm.tmHeight;
        ASSERT_GT(m_line, 0);
    }
    void TearDown() override
    {
        if (m_old) SelectObject(m_dc, m_old);
        if (m_font) DeleteObject(m_font);
        if (m_dc) DeleteDC(m_dc);
    }

    // A page `width` pixels wide that holds `lines` lines of text and a little more.
    RECT Page(int width, int lines) const { return {0, 0, width, lines * m_line + m_line / 2}; }
    int Height(const std::string& text, const RECT& page) const
    {
        RECT rc = page;
        return DrawTextA(m_dc, text.data(), static_cast<int>(text.size()), &rc,
                         kPrintTextFlags | DT_CALCRECT);
    }
    std::vector<std::string> Pages(const std::string& text, const RECT& page) const
    {
        std::vector<std::string> pages;
        size_t done = 0;
        for (int count : PaginateText(m_dc, text.data(), static_cast<int>(text.size()), page)) {
            pages.push_back(text.substr(done, count));
            done += count;
        }
        return pages;
    }

    HDC m_dc = nullptr;
    HFONT m_font = nullptr;
    HGDIOBJ m_old = nullptr;
    int m_line = 0;
};

std::string Lines(int count, const char* pattern)
{
    std::string text;
    for (int i = 1; i <= count; i++) {
        char line[64];
        snprintf(line, sizeof line, pattern, i);
        if (i > 1) text += "\r\n";
        text += line;
    }
    return text;
}

std::string Words(int count)
{
    std::string text;
    for (int i = 0; i < count; i++) text += "word" + std::to_string(i) + " ";
    return text;
}

std::string Joined(const std::vector<std::string>& pages)
{
    std::string all;
    for (const std::string& page : pages) all += page;
    return all;
}

TEST_F(MemoryPage, PagesJoinToTheWholeTextAndEachFitsItsPage)
{
    struct Case {
        const char* name;
        std::string text;
        int width, lines;
    } cases[] = {
        {"short lines", Lines(40, "line %d"), 300, 5},
        {"one long line", Words(200), 300, 4},
        {"tabs", Lines(30, "a\tb\t%d\tc"), 150, 3},
        {"empty lines", Lines(30, ""), 300, 4},
        {"ampersands", Lines(20, "R&D %d && more"), 200, 3},
        {"word longer than the page", std::string(500, 'x'), 120, 3},
        {"characters above 127", Lines(25, "caf\xe9 \xfc\xdf %d \xa9"), 200, 4},
        {"fits on one page", "one\r\ntwo", 300, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RECT page = Page(c.width, c.lines);
        std::vector<std::string> pages = Pages(c.text, page);
        EXPECT_EQ(c.text, Joined(pages));
        for (size_t i = 0; i < pages.size(); i++) {
            SCOPED_TRACE("page " + std::to_string(i + 1));
            ASSERT_FALSE(pages[i].empty());
            EXPECT_LE(Height(pages[i], page), page.bottom - page.top);
            // The page is full: its next character would not have fitted, unless the break
            // was moved back to keep a CR LF together.
            if (i + 1 < pages.size() && pages[i + 1].compare(0, 2, "\r\n") != 0) {
                std::string more = pages[i] + pages[i + 1][0];
                EXPECT_GT(Height(more, page), page.bottom - page.top);
            }
        }
    }
}

TEST_F(MemoryPage, ShortLinesBreakBetweenLines)
{
    std::string text = Lines(7, "line %d");
    std::vector<std::string> pages = Pages(text, Page(300, 3));
    ASSERT_EQ(3u, pages.size());
    EXPECT_EQ("line 1\r\nline 2\r\nline 3\r\n", pages[0]);
    EXPECT_EQ("line 4\r\nline 5\r\nline 6\r\n", pages[1]);
    EXPECT_EQ("line 7", pages[2]);
}

TEST_F(MemoryPage, LongLineBreaksInsideTheLine)
{
    std::string text = Words(120);
    RECT page = Page(300, 3);
    ASSERT_GT(Height(text, page), 6 * m_line) << "the line must need more than two pages";
    std::vector<std::string> pages = Pages(text, page);
    ASSERT_GE(pages.size(), 3u);
    EXPECT_EQ(text, Joined(pages));
    for (size_t i = 0; i + 1 < pages.size(); i++) {
        EXPECT_EQ(3 * m_line, Height(pages[i], page)) << "page " << i + 1;
    }
}

TEST_F(MemoryPage, TabsAreMeasuredExpanded)
{
    // Expanded, each line is wider than the page and wraps; with spaces it does not.
    RECT page = Page(130, 3);
    std::string tabs = Lines(6, "a\tb\tc\t%d");
    std::string spaces = Lines(6, "a b c %d");
    ASSERT_EQ(m_line, Height("a b c 1", page));
    EXPECT_EQ(2u, Pages(spaces, page).size());
    EXPECT_GE(Pages(tabs, page).size(), 4u);
}

TEST_F(MemoryPage, PageTooSmallForOneCharacterStillAdvances)
{
    RECT page = {0, 0, 300, 1};
    std::string text = "ab\r\nc\r\n\r\nd";
    std::vector<std::string> pages = Pages(text, page);
    EXPECT_EQ((std::vector<std::string>{"a", "b", "\r\n", "c", "\r\n", "\r\n", "d"}), pages);
}

TEST_F(MemoryPage, EmptyTextHasNoPages)
{
    EXPECT_TRUE(Pages("", Page(300, 3)).empty());
    EXPECT_EQ(0, FitOnPage(m_dc, "", 0, Page(300, 3)));
}

TEST(SafePageBreak, NeverSplitsPairsAndAlwaysAdvances)
{
    // Shift-JIS: 0x82 is a lead byte, and a trail byte may be one too.
    const UINT kJapanese = 932;
    struct Case {
        const char* name;
        std::string text;
        int count;
        UINT codePage;
        int expected;
    } cases[] = {
        {"between CR and LF", "ab\r\ncd", 3, CP_ACP, 2},
        {"after CR LF", "ab\r\ncd", 4, CP_ACP, 4},
        {"before CR", "ab\r\ncd", 2, CP_ACP, 2},
        {"whole text", "ab\r\ncd", 6, CP_ACP, 6},
        {"nothing fits", "abc", 0, CP_ACP, 1},
        {"nothing fits before CR LF", "\r\nab", 0, CP_ACP, 2},
        {"only the CR fits", "\r\nab", 1, CP_ACP, 2},
        {"lone CR at the end", "ab\r", 2, CP_ACP, 2},
        {"inside a double-byte character", "a\x82\xa0z", 2, kJapanese, 1},
        {"after a double-byte character", "a\x82\xa0z", 3, kJapanese, 3},
        {"trail byte that looks like a lead byte", "\x82\x82\x82\x82", 2, kJapanese, 2},
        {"inside the second of two", "\x82\x82\x82\x82", 3, kJapanese, 2},
        {"nothing fits before a double-byte character", "\x82\xa0z", 0, kJapanese, 2},
        {"no lead bytes in a single-byte page", "a\x82\xa0z", 2, 1252, 2},
    };
    if (!IsDBCSLeadByteEx(kJapanese, 0x82)) GTEST_SKIP() << "code page 932 is not installed";
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, SafePageBreak(c.text.data(), static_cast<int>(c.text.size()),
                                            c.count, c.codePage))
            << c.name;
    }
}

} // namespace
