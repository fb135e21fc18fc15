#pragma once
// Small pixel drawings (the drop-down arrow) for high-dpi displays: every pixel copied into a
// square of whole pixels, never blended, so that the drawing stays sharp.

#include <windows.h>

// A new bitmap `factor` times as wide and tall as `source`, owned by the caller; null when
// GDI refuses.
HBITMAP EnlargedBitmap(HBITMAP source, int factor);
