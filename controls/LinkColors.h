#pragma once
// Which colour a link is drawn in.

#include <windows.h>

// The mouse over a link matters more than its history: hover wins over visited.
COLORREF LinkTextColor(COLORREF crNormal, COLORREF crVisited, COLORREF crHover, BOOL bHover,
                       BOOL bVisited);
