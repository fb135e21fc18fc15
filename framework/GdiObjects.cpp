#include "framework/GdiObjects.h"

#include <cstdlib>
#include <optional>
#include <utility>

#include "framework/DC.h"
#include "framework/PossiblyNull.h"
#include "framework/TempMap.h"

namespace {
CTempMap<HGDIOBJ, CGdiObject> g_tempObjects;
}

CGdiObject::CGdiObject(CGdiObject&& other) noexcept
    : m_hObject(std::exchange(other.m_hObject, nullptr)), m_bOwned(other.m_bOwned)
{
}

CGdiObject& CGdiObject::operator=(CGdiObject&& other) noexcept
{
    if (this != &other) {
        DeleteObject();
        m_hObject = std::exchange(other.m_hObject, nullptr);
        m_bOwned = other.m_bOwned;
    }
    return *this;
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    const CGdiObject* self = AfxPossiblyNull(this);
    return self ? self->m_hObject : nullptr;
}

template <class T>
T* CGdiObject::TempFromHandle(HGDIOBJ h)
{
    if (!h)
        return nullptr;
    // One wrapper per handle; the handle's type decides the wrapper's class.
    return static_cast<T*>(g_tempObjects.Get(h, [](HGDIOBJ hObject) -> CGdiObject* {
        T* p = new T;
        p->m_hObject = hObject;
        p->m_bOwned = false;
        return p;
    }));
}

void AfxDeleteTempGdiObjects()
{
    g_tempObjects.Clear([](CGdiObject* p) { p->m_hObject = nullptr; });
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) { return TempFromHandle<CGdiObject>(hObject); }
CPen* CPen::FromHandle(HPEN hPen) { return TempFromHandle<CPen>(hPen); }
CBrush* CBrush::FromHandle(HBRUSH hBrush) { return TempFromHandle<CBrush>(hBrush); }
CFont* CFont::FromHandle(HFONT hFont) { return TempFromHandle<CFont>(hFont); }
CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) { return TempFromHandle<CBitmap>(hBitmap); }
CRgn* CRgn::FromHandle(HRGN hRgn) { return TempFromHandle<CRgn>(hRgn); }

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (m_hObject || !hObject)
        return FALSE;
    m_hObject = hObject;
    m_bOwned = true;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    m_hObject = nullptr;
    m_bOwned = true;
    return h;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    const bool bOwned = m_bOwned;  // Detach resets it for the next handle
    HGDIOBJ h = Detach();
    return bOwned ? ::DeleteObject(h) : TRUE;
}

BOOL CGdiObject::Own(HGDIOBJ hNew)
{
    DeleteObject();
    if (!hNew)
        return FALSE;
    m_hObject = hNew;
    m_bOwned = true;
    return TRUE;
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    DeleteObject();
    m_hObject = ::GetStockObject(nIndex);
    m_bOwned = false;
    return m_hObject != nullptr;
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) { return Own(::CreatePen(nPenStyle, nWidth, crColor)); }
BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen) { return Own(::CreatePenIndirect(lpLogPen)); }

BOOL CBrush::CreateSolidBrush(COLORREF crColor) { return Own(::CreateSolidBrush(crColor)); }
BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor) { return Own(::CreateHatchBrush(nIndex, crColor)); }
BOOL CBrush::CreatePatternBrush(HBITMAP hBitmap) { return Own(::CreatePatternBrush(hBitmap)); }
BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush) { return Own(::CreateBrushIndirect(lpLogBrush)); }

BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    DeleteObject();
    m_hObject = ::GetSysColorBrush(nIndex);
    m_bOwned = false;  // system brushes must not be deleted
    return m_hObject != nullptr;
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) { return Own(::CreateFontIndirectA(lpLogFont)); }

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                       BYTE nPitchAndFamily, LPCTSTR lpszFacename)
{
    return Own(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                             bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                             nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    LOGFONTA lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = nPointSize;
    ::lstrcpynA(lf.lfFaceName, lpszFaceName ? lpszFaceName : "", LF_FACESIZE);
    return CreatePointFontIndirect(&lf, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    std::optional<CClientDC> screen;
    HDC hDC = pDC ? pDC->m_hDC : screen.emplace(nullptr).m_hDC;
    LOGFONTA lf = *lpLogFont;
    // Tenths of a point to logical units of the DC, as MFC converts them.
    POINT pt{0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), lf.lfHeight, 720)};
    ::DPtoLP(hDC, &pt, 1);
    POINT ptOrg{0, 0};
    ::DPtoLP(hDC, &ptOrg, 1);
    lf.lfHeight = -std::abs(pt.y - ptOrg.y);
    return CreateFontIndirect(&lf);
}

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName)
{
    return Own(::LoadBitmapA(::GetModuleHandleA(nullptr), lpszResourceName));
}

BOOL CBitmap::LoadOEMBitmap(UINT nIDBitmap) { return Own(::LoadBitmapA(nullptr, MAKEINTRESOURCE(nIDBitmap))); }

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
{
    return Own(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateBitmapIndirect(LPBITMAP lpBitmap) { return Own(::CreateBitmapIndirect(lpBitmap)); }

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Own(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

BOOL CBitmap::CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Own(::CreateDiscardableBitmap(pDC->m_hDC, nWidth, nHeight));
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) { return Own(::CreateRectRgn(x1, y1, x2, y2)); }
BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect) { return Own(::CreateRectRgnIndirect(lpRect)); }
BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2) { return Own(::CreateEllipticRgn(x1, y1, x2, y2)); }
BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3) { return Own(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3)); }
BOOL CRgn::CreatePolygonRgn(LPPOINT lpPoints, int nCount, int nMode) { return Own(::CreatePolygonRgn(lpPoints, nCount, nMode)); }

int CRgn::CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode)
{
    return ::CombineRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(pRgn1->GetSafeHandle()),
                        static_cast<HRGN>(pRgn2->GetSafeHandle()), nCombineMode);
}
