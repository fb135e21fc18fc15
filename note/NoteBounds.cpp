#include "note/NoteBounds.h"

#include <algorithm>
#include <climits>

namespace {

long long Clamp(long long value, long long low, long long high)
{
    return std::min(std::max(value, low), high);
}

// Overlap of two ranges; 0 when they don't meet. 64-bit: a file's numbers can be anything.
long long Overlap(long long a0, long long a1, long long b0, long long b1)
{
    return std::max(0LL, std::min(a1, b1) - std::max(a0, b0));
}

// How far apart two ranges are; 0 when they meet.
long long Gap(long long a0, long long a1, long long b0, long long b1)
{
    if (a1 <= b0) return b0 - a1;
    if (b1 <= a0) return a0 - b1;
    return 0;
}

// Moves [start, start + size) into [low, high); the start wins when it doesn't fit.
long long FitRange(long long start, long long size, long long low, long long high)
{
    if (start + size > high) start = high - size;
    return std::max(start, low);
}

} // namespace

int ClampNoteWidth(long long width)
{
    return static_cast<int>(Clamp(width, kMinNoteWidth, kMaxNoteWidth));
}

int ClampNoteHeight(long long height)
{
    return static_cast<int>(Clamp(height, kMinNoteHeight, kMaxNoteHeight));
}

RECT ClampNoteRect(const RECT& rc)
{
    long long width =
        std::max<long long>(static_cast<long long>(rc.right) - rc.left, kMinNoteWidth);
    long long height =
        std::max<long long>(static_cast<long long>(rc.bottom) - rc.top, kMinNoteHeight);
    // The left and top must leave room for the size within the 32-bit range of a RECT.
    long long left = std::min<long long>(rc.left, LONG_MAX - width);
    long long top = std::min<long long>(rc.top, LONG_MAX - height);
    return RECT{static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(left + width),
                static_cast<LONG>(top + height)};
}

bool HasGrabStrip(const RECT& rc, const std::vector<RECT>& workAreas)
{
    for (const RECT& area : workAreas) {
        if (Overlap(rc.left, rc.right, area.left, area.right) >= kGrabSize &&
            Overlap(rc.top, rc.bottom, area.top, area.bottom) >= kGrabSize) {
            return true;
        }
    }
    return false;
}

int NearestWorkArea(const RECT& rc, const std::vector<RECT>& workAreas)
{
    int best = -1;
    long long bestOverlap = 0;
    double bestDistance = 0;
    for (size_t i = 0; i < workAreas.size(); ++i) {
        const RECT& area = workAreas[i];
        long long overlap = Overlap(rc.left, rc.right, area.left, area.right) *
                            Overlap(rc.top, rc.bottom, area.top, area.bottom);
        double dx = static_cast<double>(Gap(rc.left, rc.right, area.left, area.right));
        double dy = static_cast<double>(Gap(rc.top, rc.bottom, area.top, area.bottom));
        double distance = dx * dx + dy * dy;
        bool better = best < 0 || overlap > bestOverlap ||
                      (overlap == 0 && bestOverlap == 0 && distance < bestDistance);
        if (better) {
            best = static_cast<int>(i);
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return best;
}

RECT PlaceOnWorkAreas(const RECT& rc, const std::vector<RECT>& workAreas)
{
    if (HasGrabStrip(rc, workAreas)) return rc;
    int nearest = NearestWorkArea(rc, workAreas);
    if (nearest < 0) return rc;
    const RECT& area = workAreas[nearest];
    long long width = static_cast<long long>(rc.right) - rc.left;
    long long height = static_cast<long long>(rc.bottom) - rc.top;
    long long left = FitRange(rc.left, width, area.left, area.right);
    long long top = FitRange(rc.top, height, area.top, area.bottom);
    return RECT{static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(left + width),
                static_cast<LONG>(top + height)};
}

LONG ClampFontHeight(LONG lfHeight, int logPixelsY)
{
    if (lfHeight == 0 || logPixelsY <= 0) return lfHeight;
    const LONG magnitude = lfHeight < 0 ? -lfHeight : lfHeight;
    const LONG low = MulDiv(kMinFontPoints, logPixelsY, 72);
    const LONG high = MulDiv(kMaxFontPoints, logPixelsY, 72);
    const LONG clamped = magnitude < low ? low : magnitude > high ? high : magnitude;
    return lfHeight < 0 ? -clamped : clamped;
}
