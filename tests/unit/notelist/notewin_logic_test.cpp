// The hotkey text, gathering notes onto a work area, the folder's note names and the list's
// stored column widths.
#include <gtest/gtest.h>

#include "notelist/ListState.h"
#include "notewin/Gather.h"
#include "notewin/Hotkey.h"
#include "notewin/NoteFolder.h"

namespace {

TEST(Hotkey, ParsesWhatAUserWrites) {
    const struct {
        const char* text;
        HotkeyText kind;
        UINT modifiers;
        UINT vk;
        const char* canonical;
    } cases[] = {
        {"Win+Shift+K", HotkeyText::Key, MOD_WIN | MOD_SHIFT, 'K', "Win+Shift+K"},
        {" ctrl + alt + f9 ", HotkeyText::Key, MOD_CONTROL | MOD_ALT, VK_F9, "Ctrl+Alt+F9"},
        {"Control+Shift+PageDown", HotkeyText::Key, MOD_CONTROL | MOD_SHIFT, VK_NEXT,
         "Ctrl+Shift+PageDown"},
        {"Alt+7", HotkeyText::Key, MOD_ALT, '7', "Alt+7"},
        {"Win+F24", HotkeyText::Key, MOD_WIN, VK_F24, "Win+F24"},
        {"", HotkeyText::None, 0, 0, ""},
        {"none", HotkeyText::None, 0, 0, ""},
        {"K", HotkeyText::Invalid, 0, 0, ""},
        {"Shift+K", HotkeyText::Invalid, 0, 0, ""},  // would take a capital letter
        {"Win+Win+K", HotkeyText::Invalid, 0, 0, ""},
        {"Win+", HotkeyText::Invalid, 0, 0, ""},
        {"Win+F25", HotkeyText::Invalid, 0, 0, ""},
        {"Hyper+K", HotkeyText::Invalid, 0, 0, ""},
        {"Win+KK", HotkeyText::Invalid, 0, 0, ""},
    };
    for (const auto& c : cases) {
        Hotkey hotkey;
        EXPECT_EQ(c.kind, ParseHotkey(c.text, hotkey)) << c.text;
        EXPECT_EQ(c.modifiers, hotkey.modifiers) << c.text;
        EXPECT_EQ(c.vk, hotkey.vk) << c.text;
        EXPECT_EQ(c.canonical, FormatHotkey(hotkey)) << c.text;
    }
}

TEST(Hotkey, TheDefaultIsAKey) {
    Hotkey hotkey;
    EXPECT_EQ(HotkeyText::Key, ParseHotkey(kDefaultHotkey, hotkey));
}

TEST(Gather, WhollyOnSomeArea) {
    const std::vector<RECT> areas{{0, 0, 1024, 738}, {1024, 0, 2048, 768}};
    const struct {
        RECT rc;
        bool want;
    } cases[] = {
        {{10, 10, 200, 200}, true},
        {{1100, 500, 1300, 760}, true},
        {{900, 10, 1100, 200}, false},   // across the two monitors
        {{10, 600, 200, 750}, false},    // under the taskbar
        {{3000, 3000, 3200, 3150}, false},
        {{-300, 10, -100, 200}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.want, IsWhollyOnArea(c.rc, areas)) << c.rc.left << "," << c.rc.top;
    EXPECT_FALSE(IsWhollyOnArea({0, 0, 10, 10}, {}));
}

TEST(Gather, CascadesKeepingSizesInsideTheArea) {
    const RECT area{100, 50, 900, 650};
    std::vector<RECT> lost(30, RECT{3000, 3000, 3320, 3240});
    lost.push_back(RECT{-5000, 0, -4000, 900}); // larger than the area
    std::vector<RECT> placed = CascadeInto(lost, area);
    ASSERT_EQ(lost.size(), placed.size());
    for (size_t i = 0; i < placed.size(); ++i) {
        EXPECT_EQ(lost[i].right - lost[i].left, placed[i].right - placed[i].left) << i;
        EXPECT_EQ(lost[i].bottom - lost[i].top, placed[i].bottom - placed[i].top) << i;
        EXPECT_GE(placed[i].left, area.left) << i;
        EXPECT_GE(placed[i].top, area.top) << i;
    }
    for (size_t i = 0; i + 1 < lost.size(); ++i) {
        EXPECT_LE(placed[i].right, area.right) << i;
        EXPECT_LE(placed[i].bottom, area.bottom) << i;
    }
    EXPECT_LT(placed[0].left, placed[1].left) << "each a step right and down";
    EXPECT_LT(placed[0].top, placed[1].top);
    EXPECT_TRUE(placed[1].left != placed[15].left || placed[1].top != placed[15].top);
}

TEST(NoteFolder, NamesANoteProcessAccepts) {
    EXPECT_TRUE(IsNoteFileName("tkn3A7.tkn"));
    EXPECT_TRUE(IsNoteFileName("TKN1.TKN"));
    EXPECT_FALSE(IsNoteFileName("tkn3A7.ini"));
    EXPECT_FALSE(IsNoteFileName("a-very-long-note-name.tkn"));
}

TEST(ListState, ColumnWidths) {
    EXPECT_EQ((std::vector<int>{200, 120, 90}), ParseColumnWidths("200,120,90"));
    EXPECT_EQ((std::vector<int>{200}), ParseColumnWidths("200,x,90"));
    EXPECT_EQ((std::vector<int>{}), ParseColumnWidths("-5,10"));
    EXPECT_EQ((std::vector<int>{}), ParseColumnWidths("99999"));
    EXPECT_EQ("200,120,90", FormatColumnWidths({200, 120, 90}));
}

} // namespace
