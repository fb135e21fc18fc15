// Reflection: a control's own object answers its colour request and its notifications
// before (and instead of) its parent's table.
#include <gtest/gtest.h>

#include "ProbeDialog.h"

namespace {

const COLORREF kEditBack = RGB(255, 0, 0);

class CReflectEdit : public CEdit {
public:
    CReflectEdit() { m_brush.CreateSolidBrush(kEditBack); }
    CBrush m_brush;
    int nCtlColorCalls = 0;
    UINT nLastCtlColorType = 0;
    int nChange = 0;
    int nKillFocus = 0;

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        ++nCtlColorCalls;
        nLastCtlColorType = nCtlColor;
        pDC->SetBkMode(TRANSPARENT);
        return m_brush;
    }
    afx_msg void OnChange() { ++nChange; }
    afx_msg void OnKillFocusReflect() { ++nKillFocus; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectEdit, CEdit)
    ON_WM_CTLCOLOR_REFLECT()
    ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
    ON_CONTROL_REFLECT(EN_KILLFOCUS, OnKillFocusReflect)
END_MESSAGE_MAP()

// A child that sends notifications and handles some of them itself.
class CNotifier : public CWnd {
public:
    int nDblClk = 0;
    int nRClick = 0;

protected:
    afx_msg void OnReflectedDblClk(NMHDR*, LRESULT* pResult)
    {
        ++nDblClk;
        *pResult = 5;
    }
    afx_msg BOOL OnReflectedRClick(NMHDR*, LRESULT*)
    {
        ++nRClick;
        return FALSE;  // let the parent see it too
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifier, CWnd)
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnReflectedDblClk)
    ON_NOTIFY_REFLECT_EX(NM_RCLICK, OnReflectedRClick)
END_MESSAGE_MAP()

class CReflectDlg : public CProbeDlg {
public:
    CReflectEdit m_edit;
    CNotifier m_notifier;
    int nParentEditChange = 0;
    int nParentEdit2Change = 0;
    int nParentEditKillFocus = 0;
    int nParentClick = 0;
    int nParentDblClk = 0;
    int nParentRClick = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_EDIT, m_edit); }
    afx_msg void OnEditChange() { ++nParentEditChange; }
    afx_msg void OnEdit2Change() { ++nParentEdit2Change; }
    afx_msg void OnEditKillFocus() { ++nParentEditKillFocus; }
    afx_msg void OnChildClick(NMHDR*, LRESULT* pResult)
    {
        ++nParentClick;
        *pResult = 3;
    }
    afx_msg void OnChildDblClk(NMHDR*, LRESULT*) { ++nParentDblClk; }
    afx_msg void OnChildRClick(NMHDR*, LRESULT*) { ++nParentRClick; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectDlg, CProbeDlg)
    ON_EN_CHANGE(IDC_EDIT, OnEditChange)
    ON_EN_CHANGE(IDC_EDIT2, OnEdit2Change)
    ON_EN_KILLFOCUS(IDC_EDIT, OnEditKillFocus)
    ON_NOTIFY(NM_CLICK, IDC_CHILD, OnChildClick)
    ON_NOTIFY(NM_DBLCLK, IDC_CHILD, OnChildDblClk)
    ON_NOTIFY(NM_RCLICK, IDC_CHILD, OnChildRClick)
END_MESSAGE_MAP()

TEST(Reflection, ControlAnswersItsOwnColourRequestAndPaintsWithIt)
{
    CReflectDlg dlg;
    HBRUSH hbrAnswered = nullptr;
    HBRUSH hbrOther = nullptr;
    COLORREF crPainted = CLR_INVALID;
    dlg.onShown = [&](CProbeDlg&) {
        CClientDC dc(&dlg);
        hbrAnswered = reinterpret_cast<HBRUSH>(dlg.SendMessage(
            WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.m_hDC), reinterpret_cast<LPARAM>(dlg.m_edit.m_hWnd)));
        hbrOther = reinterpret_cast<HBRUSH>(dlg.SendMessage(
            WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.m_hDC),
            reinterpret_cast<LPARAM>(::GetDlgItem(dlg.m_hWnd, IDC_EDIT2))));
        dlg.m_edit.RedrawWindow();
        CRect rc;
        dlg.m_edit.GetClientRect(&rc);
        CClientDC editDC(&dlg.m_edit);
        crPainted = editDC.GetPixel(rc.right - 2, rc.bottom - 2);
        return IDOK;
    };
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_GT(dlg.m_edit.nCtlColorCalls, 0) << "the edit's own painting asked for its colours";
    EXPECT_EQ(static_cast<UINT>(CTLCOLOR_EDIT), dlg.m_edit.nLastCtlColorType);
    EXPECT_EQ(static_cast<HBRUSH>(dlg.m_edit.m_brush), hbrAnswered);
    EXPECT_NE(static_cast<HBRUSH>(dlg.m_edit.m_brush), hbrOther) << "another edit gets the default";
    EXPECT_EQ(kEditBack, crPainted);
}

TEST(Reflection, EditNotificationsGoToTheControlInsteadOfTheParent)
{
    CReflectDlg dlg;
    dlg.onShown = [](CProbeDlg& d) {
        auto& r = static_cast<CReflectDlg&>(d);
        r.m_edit.SetWindowText("changed");
        r.GetDlgItem(IDC_EDIT2)->SetWindowText("changed too");
        r.m_edit.SetFocus();
        r.GetDlgItem(IDC_EDIT2)->SetFocus();
        return IDOK;
    };
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(1, dlg.m_edit.nChange);
    EXPECT_EQ(0, dlg.nParentEditChange);
    EXPECT_EQ(1, dlg.nParentEdit2Change) << "a control without an object: the parent's table";
    EXPECT_EQ(1, dlg.m_edit.nKillFocus);
    EXPECT_EQ(0, dlg.nParentEditKillFocus);
}

struct NotifyCase {
    const char* name;
    UINT nCode;
    int nChild;   // reflected handler runs
    int nParent;  // parent's ON_NOTIFY runs
    LRESULT nResult;
};

const NotifyCase kNotifyCases[] = {
    {"no reflected entry: the parent's ON_NOTIFY answers", NM_CLICK, 0, 1, 3},
    {"reflected entry eats it and sets the result", NM_DBLCLK, 1, 0, 5},
    {"reflected _EX entry declining: both run", NM_RCLICK, 1, 1, 0},
    {"nobody: default processing", NM_RETURN, 0, 0, 0},
};

TEST(Reflection, NotifyGoesToTheChildFirstThenTheParent)
{
    for (const NotifyCase& c : kNotifyCases) {
        SCOPED_TRACE(c.name);
        CReflectDlg dlg;
        LRESULT lResult = -1;
        dlg.onInit = [](CProbeDlg& d) {
            auto& r = static_cast<CReflectDlg&>(d);
            ASSERT_TRUE(r.m_notifier.Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), &r, IDC_CHILD));
        };
        dlg.onShown = [&](CProbeDlg& d) {
            auto& r = static_cast<CReflectDlg&>(d);
            NMHDR nmhdr{r.m_notifier.m_hWnd, IDC_CHILD, c.nCode};
            lResult = ::SendMessageA(r.m_hWnd, WM_NOTIFY, IDC_CHILD, reinterpret_cast<LPARAM>(&nmhdr));
            return IDOK;
        };
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(c.nChild, dlg.m_notifier.nDblClk + dlg.m_notifier.nRClick);
        EXPECT_EQ(c.nParent, dlg.nParentClick + dlg.nParentDblClk + dlg.nParentRClick);
        EXPECT_EQ(c.nResult, lResult);
    }
}

}  // namespace
