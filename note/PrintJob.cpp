#include "note/PrintJob.h"

#include <vector>

#include "note/PrintLayout.h"

namespace {
// Keeps the print font selected for as long as it lives.
class SelectedFont {
public:
    SelectedFont(CDC& dc, CFont& font) : m_dc(dc), m_old(dc.SelectObject(&font)) {}
    ~SelectedFont() { m_dc.SelectObject(m_old); }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    CDC& m_dc;
    CFont* m_old;
};

bool PrintPages(CDC& dc, const char* text, const std::vector<int>& pages, const RECT& area)
{
    int done = 0;
    for (int count : pages) {
        if (dc.StartPage() <= 0) return false;
        RECT rc = area;
        dc.DrawText(text + done, count, &rc, kPrintTextFlags);
        done += count;
        if (dc.EndPage() <= 0) return false;
    }
    return true;
}
} // namespace

bool PrintNoteText(CDC& dc, const char* text, int length)
{
    dc.SetMapMode(MM_TEXT);
    CFont font;
    if (!font.CreateFont(-MulDiv(10, dc.GetDeviceCaps(LOGPIXELSY), 72), 0, 0, 0, 0, FALSE,
                         FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS, 0, 0, FF_SWISS,
                         "MS Sans Serif")) {
        return false;
    }
    dc.SetBkMode(OPAQUE);
    SelectedFont selected(dc, font);

    // No margins: the printable area is the page.
    RECT area = {0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES)};
    std::vector<int> pages = PaginateText(dc, text, length, area);

    if (dc.StartDoc("") <= 0) {
        dc.AbortDoc();
        return false;
    }
    if (!PrintPages(dc, text, pages, area)) {
        dc.AbortDoc();
        return false;
    }
    return dc.EndDoc() > 0;
}
