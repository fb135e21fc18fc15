// Where a shaken note stands at each move: 300 cycles of four corners 3 px around its place,
// then back to the place itself, so that an alarm never moves a note for good.
#pragma once

#include "framework/Geometry.h"

class ShakeSequence {
public:
    static constexpr int kCycles = 300;
    static constexpr int kAmplitude = 3;
    // Every position, the final return to the origin included.
    static constexpr int kMoves = kCycles * 4 + 1;

    explicit ShakeSequence(CPoint ptOrigin = CPoint(0, 0)) : m_ptOrigin(ptOrigin) {}

    CPoint Origin() const { return m_ptOrigin; }
    bool Done() const { return m_nNext >= kMoves; }
    int MovesMade() const { return m_nNext; }
    // The next position; the origin again once done.
    CPoint Next();
    // Position nMove of the whole run (0-based).
    CPoint At(int nMove) const;

private:
    CPoint m_ptOrigin;
    int m_nNext = 0;
};
