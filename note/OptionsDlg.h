#pragma once

#include <windows.h>

#include "framework/BitmapStatic.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "note/NoteSettings.h"
#include "res/resource.h"

struct SwatchLook;

// "Tacknote Options": text and background colour, font, size and "Paper on Top" of this
// process's g_settings. Works on copies; only OK writes g_settings. Reads and writes no file:
// the opener saves on IDOK.
class COptionsDlg : public CDialog {
public:
    explicit COptionsDlg(CWnd* pParent = NULL);
    ~COptionsDlg() override;

    enum { IDD = IDD_OPTIONS };

    CBitmapStatic m_stFontSample;
    CBitmapStatic m_stBackSwatch;
    CBitmapStatic m_stTextSwatch;
    CButton m_chkTopmost;
    CSpinButtonCtrl m_spinWidth;
    CSpinButtonCtrl m_spinHeight;
    CStatic m_stWidth;
    CStatic m_stHeight;
    COLORREF m_crText;
    COLORREF m_crBack;
    LOGFONTA m_lf;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnBackgroundColor();
    afx_msg void OnFont();
    afx_msg void OnTextColor();
    afx_msg void OnReset();
    DECLARE_MESSAGE_MAP()

private:
    // Puts the values into the controls and the copies, and repaints the swatches.
    void ShowValues(const NoteSettings& s);
    // The system colour dialog, starting at `cr`; on OK `cr` takes its choice.
    BOOL PickColor(COLORREF& cr);
    void PaintTextSwatch();
    void PaintBackSwatch();
    void PaintFontSample();
    static void PaintSwatch(CBitmapStatic& control, const SwatchLook& look);
};
