// CBitmapStatic: a picture control (SS_BITMAP) that owns the bitmap it shows.
#pragma once

#include <windows.h>

#include "framework/Controls.h"
#include "framework/GdiObjects.h"

// A static control does not delete the bitmaps handed to it with STM_SETIMAGE; this one
// keeps the bitmap it shows and deletes it when a new one replaces it or the object goes.
class CBitmapStatic : public CStatic {
public:
    CBitmapStatic() = default;
    ~CBitmapStatic() override;

    // Shows the bitmap and takes it over; the one shown before is deleted. An empty bitmap
    // clears the picture.
    void SetOwnedBitmap(CBitmap&& bitmap);
    HBITMAP GetOwnedBitmap() const { return static_cast<HBITMAP>(m_bitmap.m_hObject); }

protected:
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // Deletes what the control handed back unless it is our own bitmap (a control of the
    // version 6 common controls may show a copy of its own).
    void DeleteReturned(HBITMAP hReturned);

    CBitmap m_bitmap;
};
