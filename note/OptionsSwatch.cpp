#include "note/OptionsSwatch.h"

#include <string.h>

const char kFontSampleText[] = "AaBbCcDdEeFfGgHhIiJj";

namespace {

// Selects a GDI object into a DC for one scope.
class ScopedSelect {
public:
    ScopedSelect(HDC hdc, HGDIOBJ obj) : m_hdc(hdc), m_old(SelectObject(hdc, obj)) {}
    ~ScopedSelect() { SelectObject(m_hdc, m_old); }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC m_hdc;
    HGDIOBJ m_old;
};

// Deletes a GDI object at the end of a scope unless released.
class ScopedObject {
public:
    explicit ScopedObject(HGDIOBJ obj) : m_obj(obj) {}
    ~ScopedObject() {
        if (m_obj) DeleteObject(m_obj);
    }
    ScopedObject(const ScopedObject&) = delete;
    ScopedObject& operator=(const ScopedObject&) = delete;
    HGDIOBJ get() const { return m_obj; }
    HGDIOBJ release() {
        HGDIOBJ obj = m_obj;
        m_obj = NULL;
        return obj;
    }

private:
    HGDIOBJ m_obj;
};

void DrawSample(HDC hdc, int cy, const SwatchLook& look) {
    ScopedObject font(CreateFontIndirectA(look.plfSample));
    if (!font.get()) return;
    ScopedSelect selected(hdc, font.get());
    SetTextColor(hdc, look.crText);
    SetBkMode(hdc, TRANSPARENT);
    TEXTMETRICA tm;
    if (!GetTextMetricsA(hdc, &tm)) return;
    TextOutA(hdc, 0, cy - tm.tmAscent, kFontSampleText, static_cast<int>(strlen(kFontSampleText)));
}

} // namespace

CBitmap PaintSwatchBitmap(HDC hdcRef, int cx, int cy, const SwatchLook& look) {
    CBitmap result;
    if (cx <= 0 || cy <= 0) return result;
    HDC hdcMem = CreateCompatibleDC(hdcRef);
    if (!hdcMem) return result;
    ScopedObject bitmap(CreateCompatibleBitmap(hdcRef, cx, cy));
    ScopedObject brush(CreateSolidBrush(look.crFill));
    if (bitmap.get() && brush.get()) {
        ScopedSelect selectedBitmap(hdcMem, bitmap.get());
        ScopedSelect selectedBrush(hdcMem, brush.get());
        ScopedSelect selectedPen(hdcMem, GetStockObject(BLACK_PEN));
        Rectangle(hdcMem, 0, 0, cx, cy);
        if (look.plfSample) DrawSample(hdcMem, cy, look);
    }
    DeleteDC(hdcMem);
    if (brush.get()) result.Attach(bitmap.release());
    return result;
}
