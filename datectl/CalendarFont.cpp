#include "datectl/CalendarFont.h"

#include <cstring>

FontSpec::FontSpec() = default;

FontSpec::FontSpec(LPCSTR lpszFace, int nPointSize, BOOL bBold, BOOL bItalic, BOOL bUnderline,
                   COLORREF crText)
{
    Set(lpszFace, nPointSize, bBold, bItalic, bUnderline, crText);
}

FontSpec::~FontSpec() = default;
FontSpec::FontSpec(FontSpec&&) noexcept = default;
FontSpec& FontSpec::operator=(FontSpec&&) noexcept = default;

void FontSpec::Set(LPCSTR lpszFace, int nPointSize, BOOL bBold, BOOL bItalic, BOOL bUnderline,
                   COLORREF crText)
{
    m_strFace = lpszFace;
    m_nPointSize = nPointSize;
    m_bBold = bBold ? 1 : 0;
    m_bItalic = bItalic ? 1 : 0;
    m_bUnderline = bUnderline ? 1 : 0;
    m_crText = crText;
    DeleteFont();
}

LOGFONT FontSpec::MakeLogFont(int nLogPixelsY) const
{
    LOGFONT lf;
    std::memset(&lf, 0, sizeof(lf));
    lf.lfHeight = -MulDiv(m_nPointSize, nLogPixelsY, 72);
    // Regular text asks for the thinnest weight; faces without one fall back to regular.
    lf.lfWeight = m_bBold ? FW_BOLD : FW_THIN;
    lf.lfItalic = m_bItalic ? 1 : 0;
    lf.lfUnderline = m_bUnderline ? 1 : 0;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = PROOF_QUALITY;
    // LOGFONT holds 31 characters of face name; a longer name is cut, never overrun.
    lstrcpynA(lf.lfFaceName, m_strFace, LF_FACESIZE);
    return lf;
}

BOOL FontSpec::CreateFont(int nLogPixelsY)
{
    DeleteFont();
    const LOGFONT lf = MakeLogFont(nLogPixelsY);
    auto pFont = std::make_unique<CFont>();
    if (!pFont->CreateFontIndirect(&lf))
        return FALSE;
    m_pFont = std::move(pFont);
    return TRUE;
}
