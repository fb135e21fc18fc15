#include "framework/BitmapStatic.h"

#include <utility>

// clang-format off
BEGIN_MESSAGE_MAP(CBitmapStatic, CStatic)
    ON_WM_DESTROY()
END_MESSAGE_MAP()
// clang-format on

CBitmapStatic::~CBitmapStatic() = default;

void CBitmapStatic::SetOwnedBitmap(CBitmap&& bitmap) {
    if (m_hWnd) DeleteReturned(SetBitmap(static_cast<HBITMAP>(bitmap.m_hObject)));
    m_bitmap = std::move(bitmap);
}

void CBitmapStatic::OnDestroy() {
    // The control must not point at the bitmap once it is deleted.
    DeleteReturned(SetBitmap(NULL));
    CStatic::OnDestroy();
}

void CBitmapStatic::DeleteReturned(HBITMAP hReturned) {
    if (hReturned && hReturned != m_bitmap.m_hObject) ::DeleteObject(hReturned);
}
