#pragma once

#include <windows.h>

#include "framework/GdiObjects.h"

// The text the font sample shows; only its start fits the swatch.
extern const char kFontSampleText[];

// What one swatch of the options dialog shows: a colour, and for the font sample also the
// sample string in a font and text colour.
struct SwatchLook {
    COLORREF crFill = 0;
    const LOGFONTA* plfSample = nullptr; // no text when null
    COLORREF crText = 0;
};

// Paints a cx x cy bitmap compatible with hdcRef: a one-pixel black border around crFill,
// and inside it as much of the sample string as shows whole, in a font no taller than the
// inside. Empty when the size is
// empty or GDI is out of resources.
CBitmap PaintSwatchBitmap(HDC hdcRef, int cx, int cy, const SwatchLook& look);
