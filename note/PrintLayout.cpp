#include "note/PrintLayout.h"

namespace {
bool FitsOnPage(HDC dc, const char* text, int count, const RECT& page)
{
    // DT_CALCRECT widens the rectangle for a word longer than a line, so every measurement
    // starts again at the page's width.
    RECT rc = page;
    int height = DrawTextA(dc, text, count, &rc, kPrintTextFlags | DT_CALCRECT);
    return height <= page.bottom - page.top;
}

// The end of the character that starts at `pos`: lead bytes take their trail byte along.
int CharEnd(const char* text, int length, int pos, UINT codePage)
{
    if (pos + 1 < length && IsDBCSLeadByteEx(codePage, static_cast<BYTE>(text[pos])))
        return pos + 2;
    return pos + 1;
}
} // namespace

int FitOnPage(HDC dc, const char* text, int length, const RECT& page)
{
    if (length <= 0) return 0;
    if (FitsOnPage(dc, text, length, page)) return length;
    int fits = 0, tooTall = length;
    while (tooTall - fits > 1) {
        int middle = fits + (tooTall - fits) / 2;
        if (FitsOnPage(dc, text, middle, page)) {
            fits = middle;
        } else {
            tooTall = middle;
        }
    }
    return fits;
}

int SafePageBreak(const char* text, int length, int count, UINT codePage)
{
    if (count >= length) return length;
    // Characters are walked from the page's start: a trail byte may look like a lead byte.
    int pos = 0, lastStart = 0;
    while (pos < count) {
        lastStart = pos;
        pos = CharEnd(text, length, pos, codePage);
    }
    if (pos > count) pos = lastStart; // the break fell inside a double-byte character
    if (pos > 0 && text[pos - 1] == '\r' && pos < length && text[pos] == '\n') pos--;
    if (pos == 0) {
        // Not even one character fits: one goes on the page anyway, whole.
        pos = CharEnd(text, length, 0, codePage);
        if (text[0] == '\r' && pos < length && text[pos] == '\n') pos++;
    }
    return pos;
}

std::vector<int> PaginateText(HDC dc, const char* text, int length, const RECT& page,
                              UINT codePage)
{
    std::vector<int> pages;
    for (int done = 0; done < length;) {
        int rest = length - done;
        int count = FitOnPage(dc, text + done, rest, page);
        count = SafePageBreak(text + done, rest, count, codePage);
        pages.push_back(count);
        done += count;
    }
    return pages;
}
