// The window of dateedit.exe: one date field that may be typed into, with its drop button,
// and a "Done" button to move the focus to. The title shows what the field reads as a date.
#pragma once

#include "datectl/DateEdit.h"
#include "framework/Controls.h"
#include "framework/FrameWnd.h"

struct DateEditToolOptions {
    CString strFormat = "%m/%d/%Y";
    DWORD dwParseFlags = VAR_DATEVALUEONLY;
    COleDateTime date; // invalid: the field starts empty
};

// Control ids, for the programs that drive the tool.
constexpr UINT IDC_DATEEDIT_FIELD = 100;
constexpr UINT IDC_DATEEDIT_DONE = 101;

class CDateEditHost : public CFrameWnd {
public:
    explicit CDateEditHost(const DateEditToolOptions& options);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnFieldChange();
    afx_msg void OnDone();
    DECLARE_MESSAGE_MAP()

private:
    void ShowDateInTitle();

    DateEditToolOptions m_options;
    CDateEdit m_field;
    CButton m_done;
};
