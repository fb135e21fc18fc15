// CDropButton: the small bitmap button right of a date field; a click opens the field's
// calendar pop-up.
#pragma once

#include "framework/Controls.h"
#include "dpi/PixelBitmap.h"
#include "framework/GdiObjects.h"

class CDateEdit;

// The button's control id in the field's parent.
constexpr UINT IDC_DROPBUTTON = 9191;

class CDropButton : public CButton {
public:
    explicit CDropButton(CDateEdit* pOwner = nullptr) : m_pOwner(pOwner) {}
    ~CDropButton() override;

    CDateEdit* m_pOwner; // the field it serves
    CBitmap m_bitmap;    // the arrow, bitmap resource 12
    COwnedIcon m_arrow;  // the same at the window's dpi, on a clear background

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClicked();
    afx_msg LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void ShowArrow(); // at the window's dpi
};
