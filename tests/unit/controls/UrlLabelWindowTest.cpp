// The link control on real static controls: it fits itself to its text, its tooltip covers
// the fitted control and shows the target, and its fonts and style are set up.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "controls/UrlLabel.h"
#include "framework/DC.h"
#include "framework/GdiObjects.h"

namespace {

const UINT_PTR kToolId = 100;

// Stops at the tooltip window that holds the control's tool: param is {control, found}.
BOOL CALLBACK FindToolTip(HWND w, LPARAM param)
{
    char cls[64] = "";
    GetClassNameA(w, cls, sizeof cls);
    // The framework makes system controls through superclasses of its own name.
    if (!std::strstr(cls, TOOLTIPS_CLASSA)) return TRUE;
    auto* data = reinterpret_cast<std::pair<HWND, HWND>*>(param);
    TOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = data->first;
    ti.uId = kToolId;
    if (!SendMessageA(w, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti))) return TRUE;
    data->second = w;
    return FALSE;
}

// The tooltip window (a top-level popup of this thread) that holds the control's tool.
HWND TooltipOf(HWND control)
{
    std::pair<HWND, HWND> search(control, nullptr);
    EnumThreadWindows(GetCurrentThreadId(), FindToolTip, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

class UrlLabelWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP | WS_VISIBLE, 0,
                                      0, 400, 200, nullptr, nullptr));
        ASSERT_TRUE(
            m_font.CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial"));
    }
    // A static of the given style and text at (20,30)-(220,50), bound to `label` the way
    // DDX_Control binds it.
    void MakeLink(CUrlLabel& label, DWORD dwStyle, const char* text)
    {
        HWND hStatic = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | dwStyle, 20, 30,
                                       200, 20, m_parent.m_hWnd, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, hStatic);
        SendMessageA(hStatic, WM_SETFONT, reinterpret_cast<WPARAM>(HFONT(m_font)), FALSE);
        ASSERT_TRUE(label.SubclassWindow(hStatic));
    }
    CSize UnderlinedExtent(const char* text)
    {
        LOGFONTA lf{};
        m_font.GetLogFont(&lf);
        lf.lfUnderline = TRUE;
        CFont underlined;
        underlined.CreateFontIndirect(&lf);
        CClientDC dc(&m_parent);
        CSelectedObject selected(dc, underlined.GetSafeHandle());
        return dc.GetTextExtent(text, lstrlenA(text));
    }
    CRect RectInParent(const CWnd& control)
    {
        CRect rc;
        control.GetWindowRect(&rc);
        m_parent.ScreenToClient(&rc);
        return rc;
    }
    static TOOLINFOA ToolInfo(HWND tooltip, HWND control, char* text)
    {
        TOOLINFOA ti{};
        ti.cbSize = TTTOOLINFOA_V2_SIZE;
        ti.hwnd = control;
        ti.uId = kToolId;
        ti.lpszText = text;
        SendMessageA(tooltip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti));
        return ti;
    }

    CWnd m_parent;
    CFont m_font;
};

// The About box's way: bound while its text is empty, then given text and target.
TEST_F(UrlLabelWindow, TextSetAfterBindingFitsTheControlAndItsTool)
{
    CUrlLabel label;
    MakeLink(label, SS_LEFT, "");
    label.SetWindowText("Written by the Tacknote developers");
    label.SetTarget("mailto:tacknote@example.org");

    const CSize text = UnderlinedExtent("Written by the Tacknote developers");
    const CRect rc = RectInParent(label);
    EXPECT_EQ(20, rc.left);
    EXPECT_EQ(30, rc.top);
    EXPECT_EQ(text.cx, rc.Width());
    EXPECT_EQ(text.cy, rc.Height());

    HWND tooltip = TooltipOf(label.m_hWnd);
    ASSERT_NE(nullptr, tooltip) << "no tooltip with the link's tool";
    char tip[128] = "";
    const TOOLINFOA ti = ToolInfo(tooltip, label.m_hWnd, tip);
    EXPECT_STREQ("mailto:tacknote@example.org", tip);
    // Regression: the tool kept the empty rectangle of the moment of binding, so the tooltip
    // never showed.
    CRect client;
    label.GetClientRect(&client);
    EXPECT_FALSE(client.IsRectEmpty());
    EXPECT_TRUE(EqualRect(&ti.rect, &client))
        << ti.rect.left << "," << ti.rect.top << "," << ti.rect.right << "," << ti.rect.bottom;
}

TEST_F(UrlLabelWindow, RightAlignedKeepsItsRightEdgeAndCentredItsCentre)
{
    CUrlLabel right;
    MakeLink(right, SS_RIGHT, "");
    right.SetWindowText("link");
    right.SetTarget("http://example.org/");
    const CSize text = UnderlinedExtent("link");
    CRect rc = RectInParent(right);
    EXPECT_EQ(220, rc.right);
    EXPECT_EQ(220 - text.cx, rc.left);

    CUrlLabel centred;
    MakeLink(centred, SS_CENTER, "");
    centred.SetWindowText("link");
    centred.SetTarget("http://example.org/");
    rc = RectInParent(centred);
    EXPECT_EQ(text.cx, rc.Width());
    EXPECT_EQ(20 + (200 - text.cx) / 2, rc.left);
}

TEST_F(UrlLabelWindow, EmptyTargetTakesTheTextAndEmptyTextShowsTheTarget)
{
    CUrlLabel fromText;
    MakeLink(fromText, SS_LEFT, "http://example.org/page");
    HWND tooltip = TooltipOf(fromText.m_hWnd);
    ASSERT_NE(nullptr, tooltip);
    char tip[128] = "";
    ToolInfo(tooltip, fromText.m_hWnd, tip);
    EXPECT_STREQ("http://example.org/page", tip);

    CUrlLabel fromTarget;
    fromTarget.SetTarget("mailto:someone@example.org");
    MakeLink(fromTarget, SS_LEFT, "");
    CString text;
    fromTarget.GetWindowText(text);
    EXPECT_EQ(CString("mailto:someone@example.org"), text);
    EXPECT_EQ(UnderlinedExtent("mailto:someone@example.org").cx, RectInParent(fromTarget).Width());
}

TEST_F(UrlLabelWindow, NotifiesClicksAndUnderlinesByMode)
{
    CUrlLabel label;
    MakeLink(label, SS_LEFT, "link");
    EXPECT_TRUE(label.GetStyle() & SS_NOTIFY) << "a static reports no click without it";
    auto underlined = [&] {
        LOGFONTA lf{};
        GetObjectA(reinterpret_cast<HGDIOBJ>(label.SendMessage(WM_GETFONT)), sizeof lf, &lf);
        return lf.lfUnderline != 0;
    };
    EXPECT_EQ(reinterpret_cast<LRESULT>(HFONT(m_font)), label.SendMessage(WM_GETFONT))
        << "mode -1 keeps the control's own font until the mouse comes";
    label.SetUnderlineMode(1);
    EXPECT_TRUE(underlined());
    label.SetUnderlineMode(0);
    EXPECT_FALSE(underlined());
    label.SetUnderlineMode(1);
    EXPECT_TRUE(underlined());
}

TEST_F(UrlLabelWindow, ShowsTheSystemHandCursor)
{
    CUrlLabel label;
    MakeLink(label, SS_LEFT, "link");
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    EXPECT_TRUE(label.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(label.m_hWnd),
                                  MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(LoadCursor(nullptr, IDC_HAND), GetCursor());
}

// The colour request the static sends its parent comes back to the link: green, navy once
// visited, text only over the background it erased itself.
TEST_F(UrlLabelWindow, AnswersTheColourRequestInLinkColours)
{
    CUrlLabel label;
    MakeLink(label, SS_LEFT, "link");
    CClientDC screen(nullptr);
    HDC dc = CreateCompatibleDC(screen.m_hDC);
    auto request = [&] {
        return m_parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                    reinterpret_cast<LPARAM>(label.m_hWnd));
    };
    EXPECT_EQ(reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)), request());
    EXPECT_EQ(RGB(0, 128, 0), GetTextColor(dc));
    EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
    label.MarkVisited(TRUE);
    request();
    EXPECT_EQ(RGB(0, 0, 128), GetTextColor(dc));
    label.MarkVisited(FALSE);
    request();
    EXPECT_EQ(RGB(0, 128, 0), GetTextColor(dc));
    DeleteDC(dc);
}

} // namespace
