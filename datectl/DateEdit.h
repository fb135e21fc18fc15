// CDateEdit: an edit field that holds one date as text. What it holds is read through the
// date parser and, when that is a date, shown in one display format; a drop button beside it
// opens a month calendar pop-up whose clicked day goes into the field.
//
// Attach it to an edit control that a dialog made (AttachToDlgItem). The drop button is made
// by the first message after attaching that reaches the default window procedure, when
// SetDropButton(TRUE) came before.
#pragma once

#include "datectl/CalendarTypes.h"
#include "datectl/DateEditText.h"
#include "dateparse/DateParser.h"
#include "framework/Controls.h"

#include <memory>
#include <vector>

class CDropButton;
class CCalendarPopup;

// Posted by the field to itself: wParam is a CString* the field made; the handler writes it.
constexpr UINT WM_DATEEDIT_SETTEXT = WM_USER + 1001;
// Posted by the pop-up to its field: close the pop-up.
constexpr UINT WM_DATEEDIT_CLOSEPOPUP = WM_USER + 102;

class CDateEdit : public CEdit {
public:
    CDateEdit();
    ~CDateEdit() override;

    virtual CString GetDisplayFormat() const;
    // Takes effect at the next reformat; the text shown now stays.
    virtual void SetDisplayFormat(LPCTSTR lpszFormat);
    virtual DWORD GetParseFlags() const;
    virtual void SetParseFlags(DWORD dwFlags);
    // The field's text read as a date; invalid when it is none.
    virtual CDateParser GetDate() const;
    // An invalid date empties the field.
    virtual void SetDate(const COleDateTime& date);
    virtual void SetDropButton(BOOL bDropButton);
    virtual void SetCalendarStyle(DWORD dwStyle);
    virtual void SetDayStateCallback(PFN_CALENDARDAYSTATE pfnDayState);
    // FALSE, doing nothing, when the dialog has no window or no such control.
    virtual BOOL AttachToDlgItem(CWnd* pDlg, UINT nID);

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The drop button's click: a fresh pop-up under the field (an open one goes first).
    void OpenPopup();
    CDropButton* GetDropButton() const { return m_pDropButton.get(); }
    CCalendarPopup* GetPopup() const { return m_pPopup.get(); }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnUpdateReflect();
    afx_msg LRESULT OnSetTextDeferred(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnClosePopup(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    DateTextRules Rules() const;
    void CreateDropButton();
    void PlaceButton();
    void ClosePopup();

    int m_bCreateButtonPending = 1;
    CString m_strFormat{"%m/%d/%Y"};
    int m_bSettingText = 0;
    DWORD m_dwParseFlags = 0;
    int m_nAmPmRule = 0;
    int m_nAmPmCutoff = 7;
    DWORD m_dwCalendarStyle = CALS_TODAYBUTTON;
    PFN_CALENDARDAYSTATE m_pfnDayState = nullptr;
    int m_bDropButton = 0;
    std::unique_ptr<CDropButton> m_pDropButton;
    std::unique_ptr<CCalendarPopup> m_pPopup;
    // Texts posted with WM_DATEEDIT_SETTEXT and not yet written. Only these pointers are ever
    // taken from the message; the field owns them until then, so none leaks or is freed twice.
    std::vector<std::unique_ptr<CString>> m_pendingTexts;
};
