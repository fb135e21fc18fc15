// "Print..." sends the note's text to a real printer: the test script's CUPS queue, which
// writes PDF files that are read back as text.
#include <cstdio>

#include "PdfCheck.h"
#include "SavePrintDriver.h"

namespace {

using saveprint::CloseDialog;
using saveprint::WaitForDialog;

class Print : public saveprint::NoteOutput {
protected:
    void SetUp() override
    {
        std::string reason = pdf::SkipReason();
        if (!reason.empty()) GTEST_SKIP() << "printing is not tested here: " << reason;
    }
    HWND OpenPrintDialog(HWND note)
    {
        if (!notes::PickMenuCommand(note, saveprint::kMenuX, saveprint::kMenuY, notes::kPrint))
            return nullptr;
        return WaitForDialog(note, "Print");
    }
};

// How many lines of 10-point text a page of the printer holds, from the font's own height
// on that printer: the layout is measured independently of the program's page search.
int LinesPerPage(const std::string& printer)
{
    HDC ic = CreateICA("WINSPOOL", printer.c_str(), nullptr, nullptr);
    if (!ic) return 0;
    HFONT font = CreateFontA(-MulDiv(10, GetDeviceCaps(ic, LOGPIXELSY), 72), 0, 0, 0, 0, FALSE,
                             FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS, 0, 0, FF_SWISS,
                             "MS Sans Serif");
    HGDIOBJ old = SelectObject(ic, font);
    TEXTMETRICA tm = {};
    GetTextMetricsA(ic, &tm);
    int lines = tm.tmHeight > 0 ? GetDeviceCaps(ic, VERTRES) / tm.tmHeight : 0;
    SelectObject(ic, old);
    DeleteObject(font);
    DeleteDC(ic);
    return lines;
}

std::string Token(int line)
{
    char token[16];
    snprintf(token, sizeof token, "L%03d", line);
    return token;
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        count++;
    return count;
}

TEST_F(Print, ThreePageNotePrintsOnThreePagesWithEveryLineOnce)
{
    int perPage = LinesPerPage(pdf::Printer());
    ASSERT_GT(perPage, 10) << "the printer's page and font could not be measured";
    // Two and a half pages: whatever the exact line height, three pages.
    int lines = perPage * 2 + perPage / 2;
    std::string text;
    for (int i = 1; i <= lines; i++) {
        if (i > 1) text += "\r\n";
        text += Token(i);
        if (i == 10) text += "\ttab";
        if (i == 20) text += " R&D";
        if (i == 30) text += " caf\xe9";
    }
    ASSERT_LE(text.size(), 4095u);

    e2e::Process note;
    HWND window = StartNote(note, text);
    ASSERT_NE(nullptr, window);
    Select(window, 3, 6);
    std::vector<std::string> before = pdf::Files();
    HWND dlg = OpenPrintDialog(window);
    ASSERT_NE(nullptr, dlg) << "no Print dialog";
    Sleep(300); // the dialog paints its lower half a little later
    notes::Snapshot("print-dialog");
    EXPECT_EQ(pdf::Printer(), e2e::WindowText(GetDlgItem(dlg, 1139)));
    ASSERT_TRUE(CloseDialog(dlg, IDOK));

    std::string name;
    std::string printed = pdf::WaitForNewPdfText(before, &name);
    ASSERT_FALSE(printed.empty()) << "no PDF came from the queue";
    EXPECT_EQ(3u, Count(printed, "\f")) << printed;
    size_t last = 0;
    for (int i = 1; i <= lines; i++) {
        std::string token = Token(i);
        EXPECT_EQ(1u, Count(printed, token)) << token;
        size_t at = printed.find(token);
        EXPECT_TRUE(at != std::string::npos && at >= last) << token << " out of order";
        if (at != std::string::npos) last = at;
    }
    EXPECT_EQ(1u, Count(printed, "R&D"));
    EXPECT_EQ(1u, Count(printed, "caf\xc3\xa9")); // UTF-8 from pdftotext
    size_t tabLine = printed.find(Token(10));
    ASSERT_NE(std::string::npos, tabLine);
    EXPECT_EQ(printed.find("tab", tabLine), printed.find_first_not_of(" \t", tabLine + 4))
        << "the tab's word is not on its line";
    for (size_t page = 0, start = 0; page < 3; page++) {
        size_t end = printed.find('\f', start);
        ASSERT_NE(std::string::npos, end);
        EXPECT_NE(std::string::npos, printed.substr(start, end - start).find('L'))
            << "page " << page + 1 << " is empty";
        start = end + 1;
    }
    EXPECT_TRUE(e2e::WaitUntil([&] { return notes::Selection(window) == std::make_pair(3, 6); }));
    EXPECT_TRUE(pdf::FirstPageAsPng(name, "printed-page-1"));
}

TEST_F(Print, CancelPrintsNothingAndKeepsTheSelection)
{
    e2e::Process note;
    HWND window = StartNote(note, "not to be printed");
    ASSERT_NE(nullptr, window);
    Select(window, 2, 4);
    std::vector<std::string> before = pdf::Files();
    HWND dlg = OpenPrintDialog(window);
    ASSERT_NE(nullptr, dlg) << "no Print dialog";
    ASSERT_TRUE(CloseDialog(dlg, IDCANCEL));
    EXPECT_TRUE(e2e::WaitUntil([&] { return notes::Selection(window) == std::make_pair(2, 4); }));
    EXPECT_EQ("not to be printed", notes::NoteText(window));
    EXPECT_TRUE(pdf::WaitForNewPdfText(before, nullptr, 2000).empty()) << "a job was printed";
}

} // namespace
