#include <gtest/gtest.h>

#include "app/TrayIconLogic.h"
#include "res/resource.h"

namespace {

const UINT kIcon = IDR_TRAYMENU;

struct RouteCase {
    const char* what;
    WPARAM wParam;
    LPARAM lParam;
    TrayIconAction expected;
};

TEST(RouteIconNotify, TellsMenuAndDefaultFromOtherNotifications) {
    const RouteCase cases[] = {
        {"right button up", kIcon, WM_RBUTTONUP, TrayIconAction::ShowMenu},
        {"left double-click", kIcon, WM_LBUTTONDBLCLK, TrayIconAction::RunDefault},
        {"mouse move", kIcon, WM_MOUSEMOVE, TrayIconAction::None},
        {"right button down", kIcon, WM_RBUTTONDOWN, TrayIconAction::None},
        {"left button up", kIcon, WM_LBUTTONUP, TrayIconAction::None},
        {"middle double-click", kIcon, WM_MBUTTONDBLCLK, TrayIconAction::None},
        {"another icon's right button", kIcon + 1, WM_RBUTTONUP, TrayIconAction::None},
        {"another icon's double-click", 0, WM_LBUTTONDBLCLK, TrayIconAction::None},
        // Newer shells put the icon id in the high word; only the low word is the message.
        {"high word set", kIcon, MAKELPARAM(WM_RBUTTONUP, kIcon), TrayIconAction::ShowMenu},
    };
    for (const RouteCase& c : cases)
        EXPECT_EQ(c.expected, RouteIconNotify(kIcon, c.wParam, c.lParam)) << c.what;
}

// The popup of the shipped menu resource 11, destroyed with the fixture.
class TrayMenu : public testing::Test {
protected:
    void SetUp() override {
        m_menu = LoadMenuA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDR_TRAYMENU));
        ASSERT_NE(nullptr, m_menu);
        m_popup = GetSubMenu(m_menu, 0);
        ASSERT_NE(nullptr, m_popup);
    }
    void TearDown() override {
        if (m_menu) DestroyMenu(m_menu);
    }

    HMENU m_menu = nullptr;
    HMENU m_popup = nullptr;
};

struct DefaultCase {
    const char* what;
    TrayDefaultItem def;
    int marked;       // MarkDefaultItem's result; -1 where the platforms differ
    UINT boldId;      // the item drawn in bold afterwards, 0 for none
    UINT doubleClick; // DefaultCommandId
};

TEST_F(TrayMenu, DefaultItemByPositionOrById) {
    const DefaultCase cases[] = {
        {"position 0 is New Paper", {0, TRUE}, TRUE, ID_TRAY_NEWPAPER, ID_TRAY_NEWPAPER},
        {"position 8 is Close", {8, TRUE}, TRUE, ID_TRAY_CLOSE, ID_TRAY_CLOSE},
        {"id of Options", {ID_TRAY_OPTIONS, FALSE}, TRUE, ID_TRAY_OPTIONS, ID_TRAY_OPTIONS},
        {"separator position runs nothing", {5, TRUE}, -1, 0, 0},
        {"position past the end", {9, TRUE}, FALSE, 0, 0},
        // By id the stored value is the command whether or not the menu holds it.
        {"id not in the menu", {12345, FALSE}, FALSE, 0, 12345},
    };
    for (const DefaultCase& c : cases) {
        SetMenuDefaultItem(m_popup, static_cast<UINT>(-1), TRUE);
        int marked = MarkDefaultItem(m_popup, c.def) ? TRUE : FALSE;
        if (c.marked >= 0) {
            EXPECT_EQ(c.marked, marked) << c.what;
        }
        // GetMenuDefaultItem skips separators, so a separator reads as no default.
        UINT bold = GetMenuDefaultItem(m_popup, FALSE, 0);
        EXPECT_EQ(c.boldId ? c.boldId : static_cast<UINT>(-1), bold) << c.what;
        EXPECT_EQ(c.doubleClick, DefaultCommandId(m_popup, c.def)) << c.what;
    }
}

TEST(TrayMenuMissing, MissingPopupDoesNothing) {
    EXPECT_FALSE(MarkDefaultItem(nullptr, TrayDefaultItem{}));
    EXPECT_EQ(0u, DefaultCommandId(nullptr, TrayDefaultItem{}));
    EXPECT_EQ(ID_TRAY_CLOSE, DefaultCommandId(nullptr, TrayDefaultItem{ID_TRAY_CLOSE, FALSE}));
}

} // namespace
