#pragma once
// A cursor resource shown at the size of the window's dpi. Only the images drawn into the
// resource are used (32, 48, 64 px ...), never one the system stretches to an odd size.

#include <windows.h>

#include <vector>

// The sizes of the images a cursor resource holds, in the order it lists them.
std::vector<int> CursorResourceSizes(HMODULE module, LPCSTR resource);

// Of the drawn sizes, the largest that is no larger than `wanted`; the smallest when all are.
// 0 when there are none.
int PickDrawnSize(const std::vector<int>& drawn, int wanted);

class CDpiCursor {
public:
    CDpiCursor() = default;
    ~CDpiCursor();
    CDpiCursor(const CDpiCursor&) = delete;
    CDpiCursor& operator=(const CDpiCursor&) = delete;

    // Loads the image for the window's dpi, unless the one held is that already. A cursor
    // on screen is replaced there before it is destroyed.
    void Apply(HWND wnd, HINSTANCE instance, LPCSTR resource);
    HCURSOR Get() const { return m_cursor; }
    int Size() const { return m_size; }

private:
    HCURSOR m_cursor = nullptr;
    int m_size = 0;
};
