// Inside the framework only. MFC code calls GetSafeHwnd, GetSafeHdc, GetSafeHandle and
// GetSafeHmenu through pointers that may be null (m_pParentWnd->GetSafeHwnd()). A member call
// through null is undefined, so the compiler may drop a test of 'this' against null; passing
// the pointer through an empty asm statement hides where it came from and keeps the test.
#pragma once

template <class T>
inline const T* AfxPossiblyNull(const T* p)
{
    asm("" : "+r"(p));
    return p;
}
