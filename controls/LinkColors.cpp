#include "controls/LinkColors.h"

COLORREF LinkTextColor(COLORREF crNormal, COLORREF crVisited, COLORREF crHover, BOOL bHover,
                       BOOL bVisited)
{
    if (bHover) return crHover;
    return bVisited ? crVisited : crNormal;
}
