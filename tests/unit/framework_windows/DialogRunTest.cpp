// DoModal's own loop: placement and showing of the dialog, EndDialog's result, the owner,
// and PreTranslateMessage up the window chain before IsDialogMessage.
#include <gtest/gtest.h>

#include "ProbeDialog.h"

namespace {

// ---- placement and showing -----------------------------------------------------------------

enum class InitAction { kNothing, kMove, kHide, kShow };

struct PlacementCase {
    const char* name;
    UINT nTemplate;
    InitAction action;
    bool bCentred;
};

const PlacementCase kPlacementCases[] = {
    {"template at 0,0 is centred and shown at idle", IDD_PROBE, InitAction::kNothing, true},
    // The note hides itself in OnInitDialog and still appears, centred, at the first idle.
    {"hidden by OnInitDialog: centred and shown anyway", IDD_PROBE, InitAction::kHide, true},
    {"moved by OnInitDialog: stays where it was put", IDD_PROBE, InitAction::kMove, false},
    {"shown by OnInitDialog: not centred", IDD_PROBE, InitAction::kShow, false},
    {"template with a position keeps it", IDD_PROBE_PLACED, InitAction::kNothing, false},
    {"WS_VISIBLE template is still hidden at init and centred", IDD_PROBE_VISIBLE,
     InitAction::kNothing, true},
};

TEST(DialogRun, PlacementAndShowing)
{
    int nCase = 0;
    for (const PlacementCase& c : kPlacementCases) {
        SCOPED_TRACE(c.name);
        CProbeDlg dlg(c.nTemplate);
        dlg.onInit = [&](CProbeDlg& d) {
            if (c.action == InitAction::kMove)
                d.SetWindowPos(nullptr, 5, 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            else if (c.action == InitAction::kHide)
                d.ShowWindow(SW_HIDE);
            else if (c.action == InitAction::kShow)
                d.ShowWindow(SW_SHOW);
        };
        const int nExpected = 1000 + nCase++;
        dlg.onShown = [&](CProbeDlg&) { return nExpected; };

        EXPECT_EQ(nExpected, dlg.DoModal());
        EXPECT_EQ(nullptr, dlg.m_hWnd);  // destroyed by DoModal
        EXPECT_FALSE(dlg.bVisibleInInit) << "created hidden, whatever the template says";
        EXPECT_TRUE(dlg.bVisibleAtShown);
        const CPoint centred = CentredTopLeft(dlg.rcAtShown);
        EXPECT_EQ(c.bCentred, dlg.rcAtShown.TopLeft() == centred)
            << "at " << dlg.rcAtShown.left << "," << dlg.rcAtShown.top << ", centre would be "
            << centred.x << "," << centred.y;
        if (c.action == InitAction::kMove) {
            EXPECT_EQ(5, dlg.rcAtShown.left);
            EXPECT_EQ(7, dlg.rcAtShown.top);
        }
    }
}

TEST(DialogRun, EndDialogInOnInitDialogEndsWithoutShowing)
{
    CProbeDlg dlg;
    dlg.onInit = [](CProbeDlg& d) { d.EndDialog(7); };
    bool bShownRan = false;
    dlg.onShown = [&](CProbeDlg&) {
        bShownRan = true;
        return IDOK;
    };
    EXPECT_EQ(7, dlg.DoModal());
    EXPECT_FALSE(bShownRan);
}

TEST(DialogRun, MissingTemplateFailsWithMinusOne)
{
    CProbeDlg dlg(4242);
    EXPECT_EQ(-1, dlg.DoModal());
}

// Regression: a dialog destroyed without EndDialog must not leave DoModal looping.
TEST(DialogRun, DestroyedWithoutEndDialogReturnsIdAbort)
{
    CProbeDlg dlg;
    dlg.onShown = [](CProbeDlg& d) {
        d.DestroyWindow();
        return kKeepRunning;
    };
    EXPECT_EQ(IDABORT, dlg.DoModal());
}

TEST(DialogRun, OwnerIsDisabledWhileTheDialogRunsAndItsOwnerAfterwards)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP | WS_VISIBLE, 50, 50,
                               200, 100, nullptr, nullptr));
    CProbeDlg dlg(IDD_PROBE, &owner);
    bool bOwnerEnabledInside = true;
    HWND hWndOwnerInside = nullptr;
    dlg.onShown = [&](CProbeDlg& d) {
        bOwnerEnabledInside = owner.IsWindowEnabled() != FALSE;
        hWndOwnerInside = ::GetWindow(d.m_hWnd, GW_OWNER);
        return IDOK;
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(bOwnerEnabledInside);
    EXPECT_EQ(owner.m_hWnd, hWndOwnerInside);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST(DialogRun, ModelessCreateFromTemplate)
{
    CProbeDlg hidden;
    ASSERT_TRUE(hidden.Create(IDD_PROBE));
    EXPECT_EQ(&hidden, CWnd::FromHandlePermanent(hidden.m_hWnd));
    EXPECT_FALSE(hidden.IsWindowVisible());
    CRect rc;
    hidden.GetWindowRect(&rc);
    EXPECT_TRUE(rc.TopLeft() == CentredTopLeft(rc));  // unowned, unplaced: centred
    HWND hWnd = hidden.m_hWnd;
    EXPECT_TRUE(hidden.DestroyWindow());
    EXPECT_EQ(nullptr, hidden.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));

    {
        CProbeDlg visible;
        ASSERT_TRUE(visible.Create(IDD_PROBE_VISIBLE));
        EXPECT_TRUE(visible.IsWindowVisible());
        hWnd = visible.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));  // the object took its window with it
}

// ---- PreTranslateMessage in the modal loop -------------------------------------------------

class CKeyEdit : public CEdit {
public:
    std::vector<std::string>* pLog = nullptr;
    bool bSwallow = false;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) {
            pLog->push_back("child");
            if (bSwallow)
                return TRUE;
        }
        return CEdit::PreTranslateMessage(pMsg);
    }
};

class CKeyDlg : public CProbeDlg {
public:
    CKeyEdit m_edit;
    bool bSwallow = false;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) {
            log.push_back("dialog");
            if (bSwallow)
                return TRUE;
        }
        return CProbeDlg::PreTranslateMessage(pMsg);  // IsDialogMessage
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_EDIT, m_edit); }
    void OnCancel() override
    {
        log.push_back("cancel");
        CProbeDlg::OnCancel();
    }
};

struct KeyCase {
    const char* name;
    bool bChildSwallows;
    bool bDialogSwallows;
    int nExpectedResult;
    std::vector<std::string> expectedLog;
};

const KeyCase kKeyCases[] = {
    {"the control swallows: the dialog never sees it", true, false, 42, {"child"}},
    {"the dialog swallows after the control passed", false, true, 42, {"child", "dialog"}},
    {"nobody swallows: IsDialogMessage makes it IDCANCEL", false, false, IDCANCEL,
     {"child", "dialog", "cancel"}},
};

TEST(DialogRun, PreTranslateMessageSeesKeysFromTheControlUp)
{
    for (const KeyCase& c : kKeyCases) {
        SCOPED_TRACE(c.name);
        CKeyDlg dlg;
        dlg.m_edit.pLog = &dlg.log;
        dlg.m_edit.bSwallow = c.bChildSwallows;
        dlg.bSwallow = c.bDialogSwallows;
        dlg.onShown = [](CProbeDlg& d) {
            HWND hWndEdit = ::GetDlgItem(d.m_hWnd, IDC_EDIT);
            ::SetFocus(hWndEdit);
            ::PostMessageA(hWndEdit, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
            d.PostMessage(WM_PROBE_END, 42);
            return kKeepRunning;
        };
        EXPECT_EQ(c.nExpectedResult, dlg.DoModal());
        EXPECT_EQ(c.expectedLog, dlg.log);
    }
}

}  // namespace
