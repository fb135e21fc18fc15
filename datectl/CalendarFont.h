// One of the calendar's fonts: what it should look like, and the GDI font once made.
#pragma once

#include "framework/Gdi.h"
#include "framework/String.h"

#include <memory>

class FontSpec {
public:
    FontSpec();
    FontSpec(LPCSTR lpszFace, int nPointSize, BOOL bBold, BOOL bItalic, BOOL bUnderline,
             COLORREF crText);
    virtual ~FontSpec();
    FontSpec(FontSpec&&) noexcept;
    FontSpec& operator=(FontSpec&&) noexcept;
    FontSpec(const FontSpec&) = delete;
    FontSpec& operator=(const FontSpec&) = delete;

    // Replaces the description and drops the GDI font made from the old one.
    void Set(LPCSTR lpszFace, int nPointSize, BOOL bBold, BOOL bItalic, BOOL bUnderline,
             COLORREF crText);

    // Makes the GDI font for a window of nLogPixelsY dots per inch. FALSE when GDI refuses.
    virtual BOOL CreateFont(int nLogPixelsY);
    void DeleteFont() { m_pFont.reset(); }
    CFont* GetFont() const { return m_pFont.get(); }

    // The LOGFONT CreateFont asks GDI for, at nLogPixelsY dots per inch.
    LOGFONT MakeLogFont(int nLogPixelsY) const;

    CString m_strFace;
    int m_nPointSize = 8; // 1..72
    int m_bBold = 0;
    int m_bItalic = 0;
    int m_bUnderline = 0;
    COLORREF m_crText = 0;
    std::unique_ptr<CFont> m_pFont; // null until created
};
