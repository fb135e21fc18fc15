#include "datectl/MemDC.h"

CMemDC::CMemDC(CDC* pDC) : m_pDC(pDC)
{
    // A printer gets the drawing directly: its pages are not shown while they are drawn.
    const bool bPrinting = pDC->GetDeviceCaps(TECHNOLOGY) == DT_RASPRINTER;
    m_bMemDC = !bPrinting && CreateOffScreen();
    if (!m_bMemDC) {
        m_hDC = pDC->m_hDC;
        m_hAttribDC = pDC->m_hAttribDC;
        m_bOwned = false;
    }
}

BOOL CMemDC::CreateOffScreen()
{
    if (m_pDC->GetClipBox(&m_rect) == ERROR || m_rect.IsRectEmpty())
        return FALSE;
    if (!CreateCompatibleDC(m_pDC))
        return FALSE;
    if (!m_bitmap.CreateCompatibleBitmap(m_pDC, m_rect.Width(), m_rect.Height())) {
        DeleteDC();
        return FALSE;
    }
    m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.m_hObject);
    SetWindowOrg(m_rect.left, m_rect.top);
    return TRUE;
}

CMemDC::~CMemDC()
{
    if (m_bMemDC) {
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this,
                      m_rect.left, m_rect.top, SRCCOPY);
        ::SelectObject(m_hDC, m_hOldBitmap);
    }
    // Without the memory DC m_hDC is the target's, which CDC leaves alone (not owned).
}
