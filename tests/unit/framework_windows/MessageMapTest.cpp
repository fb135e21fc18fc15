// Message maps and window binding: inheritance of tables, default processing, binding at
// creation (our classes and system controls), the exception boundary, frames and the
// application's quit, the command tail.
#include <gtest/gtest.h>

#include <stdexcept>

#include "ProbeDialog.h"

namespace {

constexpr UINT WM_BASE_ONLY = WM_APP + 1;
constexpr UINT WM_THROW = WM_APP + 2;

class CBaseWnd : public CWnd {
public:
    std::vector<std::string> log;
    int nPostNcDestroy = 0;

protected:
    afx_msg void OnTimer(UINT nIDEvent) { log.push_back("base timer " + std::to_string(nIDEvent)); }
    afx_msg LRESULT OnBaseOnly(WPARAM wParam, LPARAM) { log.push_back("base only"); return wParam * 2; }
    afx_msg void OnLButtonDown(UINT, CPoint point)
    {
        log.push_back("base click " + std::to_string(point.x) + "," + std::to_string(point.y));
    }
    void PostNcDestroy() override { ++nPostNcDestroy; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_WM_TIMER()
    ON_MESSAGE(WM_BASE_ONLY, OnBaseOnly)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
public:
    bool bThrowInCreate = false;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (bThrowInCreate)
            throw std::runtime_error("no");
        log.push_back("create");
        return CBaseWnd::OnCreate(lpcs);
    }
    afx_msg void OnTimer(UINT nIDEvent)
    {
        log.push_back("derived timer " + std::to_string(nIDEvent));
        CBaseWnd::OnTimer(nIDEvent);
    }
    afx_msg LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("handler failed"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_MESSAGE(WM_THROW, OnThrow)
END_MESSAGE_MAP()

// A class that adds members but no handlers of its own still declares a table; an empty one
// once broke the build (an unused typedef under -Werror).
class CEmptyTableWnd : public CBaseWnd {
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEmptyTableWnd, CBaseWnd)
END_MESSAGE_MAP()

BOOL CreatePopup(CWnd& wnd)
{
    return wnd.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), "probe", WS_POPUP, 0, 0, 100, 50,
                        nullptr, nullptr);
}

struct DispatchCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT nResult;
    std::vector<std::string> log;
};

const DispatchCase kDispatchCases[] = {
    {"derived entry overrides the base's, and can call it", WM_TIMER, 9, 0, 0,
     {"derived timer 9", "base timer 9"}},
    {"base entry reaches a derived object", WM_BASE_ONLY, 21, 0, 42, {"base only"}},
    {"mouse position decoded signed", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-3, 7), 0,
     {"base click -3,7"}},
    {"unhandled: default processing", WM_GETTEXTLENGTH, 0, 0, 5, {}},
    {"exception stops at the window procedure", WM_THROW, 0, 0, 0, {}},
};

TEST(MessageMap, DerivedTablesOverrideAndInherit)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(CreatePopup(wnd));
    EXPECT_EQ(std::vector<std::string>{"create"}, wnd.log) << "bound before WM_CREATE";
    for (const DispatchCase& c : kDispatchCases) {
        SCOPED_TRACE(c.name);
        wnd.log.clear();
        EXPECT_EQ(c.nResult, wnd.SendMessage(c.message, c.wParam, c.lParam));
        EXPECT_EQ(c.log, wnd.log);
    }
}

TEST(MessageMap, EmptyTablePassesEverythingToTheBase)
{
    CEmptyTableWnd wnd;
    ASSERT_TRUE(CreatePopup(wnd));
    wnd.log.clear();
    wnd.SendMessage(WM_TIMER, 4, 0);
    EXPECT_EQ(std::vector<std::string>{"base timer 4"}, wnd.log);
}

TEST(MessageMap, BindingLastsFromCreationToWmNcDestroy)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(CreatePopup(wnd));
    HWND hWnd = wnd.m_hWnd;
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandle(hWnd));
    EXPECT_FALSE(wnd.Attach(::GetDesktopWindow())) << "one window per object";
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(1, wnd.nPostNcDestroy);
    EXPECT_FALSE(wnd.DestroyWindow());
}

TEST(MessageMap, ExceptionInOnCreateFailsTheCreationCleanly)
{
    CDerivedWnd wnd;
    wnd.bThrowInCreate = true;
    EXPECT_FALSE(CreatePopup(wnd));
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(1, wnd.nPostNcDestroy);
}

TEST(MessageMap, ForeignWindowsGetTemporaryWrappers)
{
    HWND hDesktop = ::GetDesktopWindow();
    CWnd* pTemp = CWnd::FromHandle(hDesktop);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hDesktop, pTemp->m_hWnd);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hDesktop));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hDesktop));
    AfxDeleteTempMaps();
    EXPECT_TRUE(::IsWindow(hDesktop)) << "a wrapper never destroys what it does not own";
}

// A system control made by Create is bound in time for its own WM_CREATE.
class CCreateButton : public CButton {
public:
    int nCreate = 0;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        ++nCreate;
        return CButton::OnCreate(lpcs);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCreateButton, CButton)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(MessageMap, SystemControlsSeeTheirOwnCreation)
{
    CWnd parent;
    ASSERT_TRUE(CreatePopup(parent));
    CCreateButton button;
    ASSERT_TRUE(button.Create("box", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 60, 20), &parent, 77));
    EXPECT_EQ(1, button.nCreate);
    EXPECT_EQ(77, button.GetDlgCtrlID());
    EXPECT_EQ(&button, CWnd::FromHandlePermanent(button.m_hWnd));
    button.SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, button.GetCheck()) << "the system class still does the work";
}

TEST(MessageMap, RegisteredClassesAreSharedPerAttributeSet)
{
    LPCTSTR a = AfxRegisterWndClass(CS_DBLCLKS);
    LPCTSTR b = AfxRegisterWndClass(CS_DBLCLKS);
    LPCTSTR c = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW);
    ASSERT_NE(nullptr, a);
    EXPECT_EQ(a, b);
    EXPECT_STRNE(a, c);
    WNDCLASSA wc{};
    EXPECT_TRUE(::GetClassInfoA(::GetModuleHandleA(nullptr), c, &wc));
    EXPECT_EQ(static_cast<UINT>(CS_DBLCLKS | CS_HREDRAW), wc.style);
}

// ---- frames and the application ------------------------------------------------------------

class CProbeFrame : public CFrameWnd {
public:
    explicit CProbeFrame(bool* pDeleted) : m_pDeleted(pDeleted) {}
    ~CProbeFrame() override { *m_pDeleted = true; }

private:
    bool* m_pDeleted;
};

class CProbeApp : public CWinApp {};

TEST(Frame, MainFrameUsesTheFrameClassAndItsDestructionEndsTheLoop)
{
    CProbeApp app;
    ASSERT_EQ(&app, AfxGetApp());
    bool bDeleted = false;
    auto* pFrame = new CProbeFrame(&bDeleted);
    ASSERT_TRUE(pFrame->LoadFrame(IDR_PROBE_MENU, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    app.m_pMainWnd = pFrame;
    HWND hWnd = pFrame->m_hWnd;
    EXPECT_FALSE(::IsWindowVisible(hWnd));
    char szClass[64] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ("AfxFrameOrView42s", szClass) << "what a single-instance test looks for";
    EXPECT_NE(nullptr, ::GetMenu(hWnd)) << "the frame's menu resource";
    // Not the program's own title: a tray instance started meanwhile would take this for itself.
    pFrame->SetWindowText("framework probe frame");
    EXPECT_EQ(hWnd, ::FindWindowA("AfxFrameOrView42s", "framework probe frame"));

    pFrame->DestroyWindow();
    EXPECT_TRUE(bDeleted) << "frames delete themselves";
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(Frame, FrameWithoutResourcesStillLoads)
{
    bool bDeleted = false;
    auto* pFrame = new CProbeFrame(&bDeleted);
    ASSERT_TRUE(pFrame->LoadFrame(4711));
    EXPECT_EQ(nullptr, ::GetMenu(pFrame->m_hWnd));
    pFrame->DestroyWindow();
    EXPECT_TRUE(bDeleted);
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "not the main window";
}

struct TailCase {
    const char* pszCommandLine;
    const char* pszTail;
};

const TailCase kTailCases[] = {
    {"tacknote.exe private", "private"},
    {"\"C:\\Program Files\\tacknote.exe\" private", "private"},
    {"tacknote.exe  private", " private"},  // only the first blank separates
    {"tacknote.exe", ""},
    {"tacknote.exe\ttkn00042.tkn", "tkn00042.tkn"},
    {"\"tacknote.exe\"", ""},
};

TEST(WinApp, CommandTailIsWhatFollowsTheProgramAndOneBlank)
{
    for (const TailCase& c : kTailCases)
        EXPECT_STREQ(c.pszTail, AfxCommandTail(c.pszCommandLine)) << c.pszCommandLine;
}

}  // namespace
