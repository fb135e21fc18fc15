// An off-screen drawing context: everything drawn into it reaches the target DC in one
// BitBlt when it goes out of scope, so a repaint never flickers.
//   CPaintDC dc(this);
//   CMemDC memDC(&dc);
//   ... draw into memDC ...
#pragma once

#include "framework/Gdi.h"

class CMemDC : public CDC {
public:
    explicit CMemDC(CDC* pDC);
    ~CMemDC() override;
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    // FALSE when drawing goes straight to the target: a printer, an empty clip box, or no
    // memory for the bitmap.
    BOOL IsOffScreen() const { return m_bMemDC; }

private:
    CBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap = nullptr;
    CDC* m_pDC;
    CRect m_rect; // the target's clip box, in its logical coordinates
    BOOL m_bMemDC = FALSE;

    BOOL CreateOffScreen();
};
