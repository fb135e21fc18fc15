#include "datectl/DropButton.h"

#include "datectl/DateEdit.h"
#include "dpi/DpiApi.h"
#include "dpi/DpiScale.h"
#include "dpi/PixelBitmap.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CDropButton, CButton)
    ON_WM_CREATE()
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, OnDpiChangedAfterParent)
END_MESSAGE_MAP()

CDropButton::~CDropButton()
{
    // The window goes before the picture it shows.
    if (m_hWnd) DestroyWindow();
}

int CDropButton::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CButton::OnCreate(lpCreateStruct) == -1) return -1;
    if (m_bitmap.LoadBitmap(IDB_DROPARROW)) ShowArrow();
    return 0;
}

void CDropButton::ShowArrow()
{
    // The bitmap's light grey is its background: a themed button face shows through instead.
    int factor = WholeFactorForDpi(static_cast<int>(DpiForWindow(m_hWnd)));
    HICON arrow = PixelIcon(m_bitmap, RGB(192, 192, 192), factor);
    if (!arrow) return;
    // The button lets go of the old picture before it is destroyed.
    SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(arrow));
    m_arrow.Reset(arrow);
}

LRESULT CDropButton::OnDpiChangedAfterParent(WPARAM, LPARAM)
{
    if (m_bitmap.GetSafeHandle()) ShowArrow();
    return 0;
}

void CDropButton::OnClicked()
{
    if (m_pOwner) m_pOwner->OpenPopup();
}
