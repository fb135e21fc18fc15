// The control wrappers made with Create: their messages reach the real controls, and the
// common controls work through the framework's creation path.
#include <gtest/gtest.h>

#include "ProbeDialog.h"

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP | WS_VISIBLE,
                                      0, 0, 300, 200, nullptr, nullptr));
    }
    CWnd m_parent;
};

TEST_F(ControlsTest, SpinKeepsItsRangeAndShowsThePositionInItsBuddy)
{
    CStatic buddy;
    ASSERT_TRUE(buddy.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 20), &m_parent, 11));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS,
                            CRect(40, 0, 56, 20), &m_parent, 12));
    spin.SetBuddy(&buddy);
    EXPECT_EQ(buddy.m_hWnd, spin.GetBuddy()->m_hWnd);
    spin.SetRange(60, 600);
    int nLower = 0;
    int nUpper = 0;
    spin.GetRange(nLower, nUpper);
    EXPECT_EQ(60, nLower);
    EXPECT_EQ(600, nUpper);
    spin.SetPos(320);
    EXPECT_EQ(320, LOWORD(spin.GetPos()));
    CString text;
    buddy.GetWindowText(text);
    EXPECT_EQ(CString("320"), text);
}

TEST_F(ControlsTest, ToolTipToolsAreAddedUpdatedAndRemoved)
{
    CStatic label;
    ASSERT_TRUE(label.Create("link", WS_CHILD | WS_VISIBLE | SS_NOTIFY, CRect(0, 0, 80, 20), &m_parent, 13));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&label));
    CRect rc;
    label.GetClientRect(&rc);
    EXPECT_TRUE(tip.AddTool(&label, "mailto:someone", &rc, 100));
    EXPECT_EQ(1, tip.GetToolCount());
    tip.UpdateTipText("mailto:other", &label, 100);

    char szText[80] = "";
    TOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = label.m_hWnd;
    ti.uId = 100;
    ti.lpszText = szText;
    tip.SendMessage(TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
    EXPECT_STREQ("mailto:other", szText);
    tip.DelTool(&label, 100);
    EXPECT_EQ(0, tip.GetToolCount());
}

TEST_F(ControlsTest, PictureAndButtonHandBackThePreviousImage)
{
    CClientDC screen(nullptr);
    CBitmap first;
    CBitmap second;
    ASSERT_TRUE(first.CreateCompatibleBitmap(&screen, 8, 8));
    ASSERT_TRUE(second.CreateCompatibleBitmap(&screen, 8, 8));

    CStatic picture;
    ASSERT_TRUE(picture.Create("", WS_CHILD | WS_VISIBLE | SS_BITMAP, CRect(0, 0, 20, 20), &m_parent, 14));
    EXPECT_EQ(nullptr, picture.SetBitmap(first));
    EXPECT_EQ(static_cast<HBITMAP>(first), picture.GetBitmap());

    CButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_BITMAP, CRect(20, 0, 40, 20), &m_parent, 15));
    EXPECT_EQ(nullptr, button.SetBitmap(second));
    EXPECT_EQ(static_cast<HBITMAP>(second), button.GetBitmap());
}

TEST_F(ControlsTest, ComboListAndEditSelections)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 100, 120), &m_parent, 16));
    for (const char* psz : {"Off", "On", "Once"})
        combo.AddString(psz);
    EXPECT_EQ(3, combo.GetCount());
    EXPECT_EQ(1, combo.SelectString(-1, "On"));
    EXPECT_EQ(1, combo.GetCurSel());
    CString item;
    combo.GetLBText(2, item);
    EXPECT_EQ(CString("Once"), item);
    combo.GetLBText(7, item);
    EXPECT_TRUE(item.IsEmpty());

    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 130, 100, 150), &m_parent, 17));
    edit.SetWindowText("sticky note");
    edit.SetSel(0, 6);
    int nStart = -1;
    int nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_EQ(6, nEnd);
    edit.ReplaceSel("yellow");
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(CString("yellow note"), text);
    char szLine[4] = "";
    EXPECT_EQ(3, edit.GetLine(0, szLine, 3)) << "never more than the buffer holds";
}

}  // namespace
