#pragma once
// "About Tacknote": the version line, the credit line as a mail link, the disclaimer. Run it
// modally from a menu; created modeless from the splash template it is the start-up splash.

#include <windows.h>

#include "controls/UrlLabel.h"
#include "dpi/PixelBitmap.h"
#include "framework/Dialog.h"
#include "res/resource.h"

// The credit line and the address its link opens.
extern const char kAboutCredit[];
extern const char kAboutMailTarget[];
extern const char kAboutVersion[];

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

    enum { IDD = IDD_ABOUT };

    CUrlLabel m_link;
    COwnedIcon m_icon; // the program icon at the dialog's dpi

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void ShowIcon();
};
