#include "datectl/DropButton.h"

#include "datectl/DateEdit.h"
#include "dpi/DpiApi.h"
#include "dpi/DpiScale.h"
#include "dpi/PixelBitmap.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CDropButton, CButton)
    ON_WM_CREATE()
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

CDropButton::~CDropButton()
{
    // The window goes before the bitmap it shows.
    if (m_hWnd) DestroyWindow();
}

int CDropButton::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CButton::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_bitmap.LoadBitmap(IDB_DROPARROW)) return 0;
    int factor = WholeFactorForDpi(static_cast<int>(DpiForWindow(m_hWnd)));
    if (HBITMAP big = factor > 1 ? EnlargedBitmap(m_bitmap, factor) : nullptr) {
        m_bitmap.DeleteObject();
        m_bitmap.Attach(big);
    }
    SetBitmap(m_bitmap);
    return 0;
}

void CDropButton::OnClicked()
{
    if (m_pOwner) m_pOwner->OpenPopup();
}
