// Dialog data exchange through UpdateData in a real dialog.
#include <gtest/gtest.h>

#include "ProbeDialog.h"

namespace {

class CCountingEdit : public CEdit {
public:
    int nSubclassed = 0;

protected:
    void PreSubclassWindow() override { ++nSubclassed; }
};

class CDdxDlg : public CProbeDlg {
public:
    CCountingEdit m_edit;
    int m_nCheck = BST_CHECKED;
    int m_nRadio = 2;
    CString m_strText = "hello";
    int nEdit2Change = 0;
    bool bExchangeMissingControl = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_EDIT, m_edit);
        DDX_Check(pDX, IDC_CHECK, m_nCheck);
        DDX_Radio(pDX, IDC_RADIO1, m_nRadio);
        DDX_Text(pDX, IDC_EDIT2, m_strText);
        if (bExchangeMissingControl) {
            int nUnused = 0;
            DDX_Check(pDX, 4711, nUnused);
        }
    }
    afx_msg void OnEdit2Change() { ++nEdit2Change; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDdxDlg, CProbeDlg)
    ON_EN_CHANGE(IDC_EDIT2, OnEdit2Change)
END_MESSAGE_MAP()

int CheckedRadio(CWnd& dlg)
{
    for (int i = 0; i < 3; ++i)
        if (dlg.IsDlgButtonChecked(IDC_RADIO1 + i))
            return i;
    return -1;
}

CString Text(CWnd& dlg, int nID)
{
    CString str;
    dlg.GetDlgItemText(nID, str);
    return str;
}

TEST(DataExchange, InitialTransferFillsTheControlsWithoutNotifications)
{
    CDdxDlg dlg;
    int nCheck = -1;
    int nRadio = -2;
    CString strText;
    HWND hWndBound = nullptr;
    dlg.onShown = [&](CProbeDlg& d) {
        nCheck = d.IsDlgButtonChecked(IDC_CHECK);
        nRadio = CheckedRadio(d);
        strText = Text(d, IDC_EDIT2);
        hWndBound = ::GetDlgItem(d.m_hWnd, IDC_EDIT);
        return IDOK;
    };
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(BST_CHECKED, nCheck);
    EXPECT_EQ(2, nRadio);
    EXPECT_EQ(CString("hello"), strText);
    EXPECT_EQ(0, dlg.nEdit2Change) << "notifications caused by UpdateData are not news";
    EXPECT_EQ(1, dlg.m_edit.nSubclassed);
    EXPECT_EQ(nullptr, dlg.m_edit.m_hWnd) << "unbound when the dialog went";
    EXPECT_NE(nullptr, hWndBound);
}

struct RoundTrip {
    int nCheck;
    int nRadio;  // -1: none checked
    const char* pszText;
};

const RoundTrip kRoundTrips[] = {
    {BST_UNCHECKED, 0, "first"},
    {BST_CHECKED, 1, ""},
    {BST_UNCHECKED, -1, "none of the radios"},
    {BST_CHECKED, 2, "last"},
};

TEST(DataExchange, CheckRadioAndTextTravelBothWays)
{
    CDdxDlg dlg;
    std::vector<std::string> failures;
    dlg.onShown = [&](CProbeDlg& d) {
        auto& x = static_cast<CDdxDlg&>(d);
        for (const RoundTrip& t : kRoundTrips) {
            // Controls -> members.
            x.CheckDlgButton(IDC_CHECK, t.nCheck);
            for (int i = 0; i < 3; ++i)
                x.CheckDlgButton(IDC_RADIO1 + i, i == t.nRadio ? BST_CHECKED : BST_UNCHECKED);
            x.SetDlgItemText(IDC_EDIT2, t.pszText);
            if (!x.UpdateData(TRUE) || x.m_nCheck != t.nCheck || x.m_nRadio != t.nRadio ||
                x.m_strText != t.pszText)
                failures.push_back(std::string("save ") + t.pszText);

            // Members -> controls, from a different state.
            x.CheckDlgButton(IDC_CHECK, !t.nCheck);
            x.CheckDlgButton(IDC_RADIO1, BST_CHECKED);
            x.SetDlgItemText(IDC_EDIT2, "stale");
            if (!x.UpdateData(FALSE) || static_cast<int>(x.IsDlgButtonChecked(IDC_CHECK)) != t.nCheck ||
                CheckedRadio(x) != t.nRadio || Text(x, IDC_EDIT2) != t.pszText)
                failures.push_back(std::string("load ") + t.pszText);
        }
        return IDOK;
    };
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(failures.empty()) << failures.front();
    EXPECT_EQ(1, dlg.m_edit.nSubclassed) << "DDX_Control binds once, however often it runs";
}

TEST(DataExchange, OkReadsTheControlsBackBeforeEnding)
{
    CDdxDlg dlg;
    dlg.onShown = [](CProbeDlg& d) {
        d.CheckDlgButton(IDC_CHECK, BST_UNCHECKED);
        d.CheckRadioButton(IDC_RADIO1, IDC_RADIO3, IDC_RADIO2);
        d.SetDlgItemText(IDC_EDIT2, "typed");
        d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                      reinterpret_cast<LPARAM>(::GetDlgItem(d.m_hWnd, IDOK)));
        return kKeepRunning;
    };
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(BST_UNCHECKED, dlg.m_nCheck);
    EXPECT_EQ(1, dlg.m_nRadio);
    EXPECT_EQ(CString("typed"), dlg.m_strText);
}

TEST(DataExchange, MissingControlFailsTheExchangeInsteadOfCrashing)
{
    CDdxDlg dlg;
    BOOL bSaved = TRUE;
    dlg.onShown = [&](CProbeDlg& d) {
        auto& x = static_cast<CDdxDlg&>(d);
        x.bExchangeMissingControl = true;
        bSaved = x.UpdateData(TRUE);
        return IDOK;
    };
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(bSaved);
}

}  // namespace
