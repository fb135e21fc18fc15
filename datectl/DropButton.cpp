#include "datectl/DropButton.h"

#include "datectl/DateEdit.h"
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
    if (m_bitmap.LoadBitmap(IDB_DROPARROW)) SetBitmap(m_bitmap);
    return 0;
}

void CDropButton::OnClicked()
{
    if (m_pOwner) m_pOwner->OpenPopup();
}
