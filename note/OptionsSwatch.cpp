#include "note/OptionsSwatch.h"

#include <string.h>

#include "framework/DC.h"

const char kFontSampleText[] = "AaBbCcDdEeFfGgHhIiJj";

namespace {

void DrawSample(CDC& dc, int cy, const SwatchLook& look) {
    CFont font;
    if (!font.CreateFontIndirect(look.plfSample)) return;
    CSelectedObject selectFont(dc, font);
    dc.SetTextColor(look.crText);
    dc.SetBkMode(TRANSPARENT);
    TEXTMETRICA tm;
    if (!dc.GetTextMetrics(&tm)) return;
    dc.TextOut(0, cy - tm.tmAscent, kFontSampleText, static_cast<int>(strlen(kFontSampleText)));
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
        if (look.plfSample) DrawSample(dc, cy, look);
    }
    return bitmap;
}
