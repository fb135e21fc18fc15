#pragma once
// Where a note's text breaks into printed pages. Pure layout over a device context: the
// caller selects the print font first; nothing is drawn.

#include <windows.h>

#include <vector>

// DrawText flags of a printed page. Without DT_NOPREFIX an "&" would vanish from the paper
// and underline the next character.
const UINT kPrintTextFlags = DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX;

// The largest count of characters from `text` whose layout on `page` (DrawText with
// DT_CALCRECT at the page's width) is no taller than the page; 0 when not even one fits.
// Found by bisection between the largest count known to fit and the smallest known not to.
int FitOnPage(HDC dc, const char* text, int length, const RECT& page);

// Moves a break after `count` characters of `text` so that a page never ends between CR and
// LF or between the two bytes of a double-byte character (lead bytes of `codePage`), and so
// that every page takes at least one character, which ends printing on any paper.
int SafePageBreak(const char* text, int length, int count, UINT codePage);

// The number of characters on each page, in order; they add up to `length`.
std::vector<int> PaginateText(HDC dc, const char* text, int length, const RECT& page,
                              UINT codePage = CP_ACP);
