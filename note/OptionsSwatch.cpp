#include "note/OptionsSwatch.h"

#include <string.h>

#include <utility>

#include "framework/DC.h"

const char kFontSampleText[] = "AaBbCcDdEeFfGgHhIiJj";

namespace {

// A font too tall for the swatch is drawn at the swatch's height, so that the sample never
// shows a cut letter.
bool FitFont(CDC& dc, LOGFONTA& lf, int inner, CFont& font, TEXTMETRICA& tm) {
    for (int tries = 0; tries < 4; ++tries) {
        CFont made;
        if (!made.CreateFontIndirect(&lf)) return false;
        CSelectedObject selectFont(dc, made);
        if (!dc.GetTextMetrics(&tm)) return false;
        font = std::move(made);
        if (tm.tmHeight <= inner) return true;
        // A positive height asks for the cell height; the width keeps its proportion.
        const int cell = inner - tries;
        if (cell <= 0) return true;
        if (lf.lfWidth) lf.lfWidth = MulDiv(lf.lfWidth, cell, tm.tmHeight);
        lf.lfHeight = cell;
    }
    return true;
}

// The sample inside the border: the line centred between top and bottom, and only the letters
// that fit whole.
void DrawSample(CDC& dc, int cx, int cy, const SwatchLook& look) {
    const int inner = cy - 2;
    if (inner <= 0 || cx <= 3) return;
    LOGFONTA lf = *look.plfSample;
    CFont font;
    TEXTMETRICA tm;
    if (!FitFont(dc, lf, inner, font, tm)) return;
    CSelectedObject selectFont(dc, font);
    dc.SetTextColor(look.crText);
    dc.SetBkMode(TRANSPARENT);
    const int length = static_cast<int>(strlen(kFontSampleText));
    const int x = 2; // one pixel of paper between the border and the first letter
    int fit = 0;
    SIZE size;
    if (!GetTextExtentExPointA(dc.GetSafeHdc(), kFontSampleText, length, cx - 1 - x, &fit,
                               nullptr, &size))
        fit = length;
    const int y = 1 + (inner - tm.tmHeight) / 2;
    // Clipped as well: an italic letter's overhang must not draw over the border.
    RECT inside = {1, 1, cx - 1, cy - 1};
    ExtTextOutA(dc.GetSafeHdc(), x, y, ETO_CLIPPED, &inside, kFontSampleText,
                static_cast<UINT>(fit), nullptr);
}

} // namespace

CBitmap PaintSwatchBitmap(HDC hdcRef, int cx, int cy, const SwatchLook& look) {
    if (cx <= 0 || cy <= 0) return CBitmap();
    CTempDC ref(hdcRef);
    CDC dc;
    CBitmap bitmap;
    CBrush brush;
    if (!dc.CreateCompatibleDC(&ref) || !bitmap.CreateCompatibleBitmap(&ref, cx, cy) ||
        !brush.CreateSolidBrush(look.crFill)) {
        return CBitmap();
    }
    {
        // Deselected before the bitmap is handed on: a bitmap can be selected into one DC at
        // a time, and the picture control selects it to paint.
        CSelectedObject selectBitmap(dc, bitmap);
        CSelectedObject selectBrush(dc, brush);
        CSelectedObject selectPen(dc, GetStockObject(BLACK_PEN));
        dc.Rectangle(0, 0, cx, cy);
        if (look.plfSample) DrawSample(dc, cx, cy, look);
    }
    return bitmap;
}
