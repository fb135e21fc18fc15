#include "placement/Cascade.h"

#include <cstdlib>

namespace {

RECT Moved(const RECT& rc, LONG x, LONG y) {
    return RECT{x, y, x + (rc.right - rc.left), y + (rc.bottom - rc.top)};
}

bool StandsOnAny(const RECT& rc, const std::vector<RECT>& others, int step) {
    for (const RECT& other : others) {
        if (CoversCorner(rc, other, step)) return true;
    }
    return false;
}

} // namespace

bool CoversCorner(const RECT& a, const RECT& b, int step) {
    const int reach = step / 2 > 0 ? step / 2 : 1;
    return std::abs(a.left - b.left) < reach && std::abs(a.top - b.top) < reach;
}

RECT CascadePlace(const RECT& candidate, const std::vector<RECT>& others, const RECT& work,
                  int step) {
    if (step <= 0) return candidate;
    RECT rc = candidate;
    // Each note can block one place, so one more step than there are notes always suffices
    // unless the wrap leads back to a place already tried.
    for (size_t tries = 0; tries <= others.size(); ++tries) {
        if (!StandsOnAny(rc, others, step)) return rc;
        LONG x = rc.left + step, y = rc.top + step;
        if (x + (rc.right - rc.left) > work.right) x = work.left;
        if (y + (rc.bottom - rc.top) > work.bottom) y = work.top;
        rc = Moved(rc, x, y);
    }
    return StandsOnAny(rc, others, step) ? candidate : rc;
}

RECT KeepInside(const RECT& rc, const RECT& work) {
    LONG x = rc.left, y = rc.top;
    if (rc.right > work.right) x -= rc.right - work.right;
    if (rc.bottom > work.bottom) y -= rc.bottom - work.bottom;
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    return Moved(rc, x, y);
}
