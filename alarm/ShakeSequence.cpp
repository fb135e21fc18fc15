#include "alarm/ShakeSequence.h"

CPoint ShakeSequence::At(int nMove) const
{
    if (nMove < 0 || nMove >= kMoves - 1) return m_ptOrigin;
    // Up-right, down-right, down-left, up-left.
    static const int kDx[4] = {+1, +1, -1, -1};
    static const int kDy[4] = {-1, +1, +1, -1};
    const int nCorner = nMove % 4;
    return CPoint(m_ptOrigin.x + kDx[nCorner] * kAmplitude,
                  m_ptOrigin.y + kDy[nCorner] * kAmplitude);
}

CPoint ShakeSequence::Next()
{
    const CPoint pt = At(m_nNext);
    if (m_nNext < kMoves) ++m_nNext;
    return pt;
}
