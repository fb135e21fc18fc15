// The note's menu: its order, and which entries are greyed for the text control's state.
#include <gtest/gtest.h>

#include <cstring>

#include "note/NoteCommands.h"

namespace {

TEST(NoteMenu, EditGroupFirstThenTheNoteCommandsCloseLast) {
    const UINT expected[] = {ID_NOTE_UNDO, ID_NOTE_CUT, ID_NOTE_COPY, ID_NOTE_PASTE,
                             ID_NOTE_SELECTALL, 0, ID_NOTE_BLANK, ID_NOTE_PRINT, ID_NOTE_SAVE,
                             ID_NOTE_ALARM, ID_NOTE_OPTIONS, 0, ID_NOTE_NEWPAPER, 0,
                             ID_NOTE_ABOUT, 0, ID_NOTE_MINIMIZE, ID_NOTE_CLOSE};
    ASSERT_EQ(sizeof expected / sizeof expected[0], static_cast<size_t>(kNoteMenuSize));
    for (int i = 0; i < kNoteMenuSize; ++i) EXPECT_EQ(expected[i], kNoteMenu[i].nID) << i;
    // The shortcuts the control answers to are shown beside their commands.
    EXPECT_NE(nullptr, strstr(kNoteMenu[0].pszText, "\tCtrl+Z"));
    EXPECT_NE(nullptr, strstr(kNoteMenu[4].pszText, "\tCtrl+A"));
    EXPECT_EQ(1, NoteMenuCommandIndex(ID_NOTE_UNDO));
    EXPECT_EQ(6, NoteMenuCommandIndex(ID_NOTE_BLANK));
    EXPECT_EQ(14, NoteMenuCommandIndex(ID_NOTE_CLOSE));
    EXPECT_EQ(0, NoteMenuCommandIndex(4242));
}

TEST(NoteMenu, EditCommandsGreyWhenTheyCannotApply) {
    struct Case {
        const char* what;
        NoteEditState state;
        bool undo, cut, copy, paste, selectAll;
    };
    //                                 undo   sel    ro     clip   text
    const Case cases[] = {
        {"empty note, empty clipboard", {false, false, false, false, false},
         false, false, false, false, false},
        {"text, nothing selected", {false, false, false, false, true},
         false, false, false, false, true},
        {"after Blank Paper", {true, false, false, false, false},
         true, false, false, false, false},
        {"a selection", {false, true, false, false, true}, false, true, true, false, true},
        {"text on the clipboard", {false, false, false, true, true},
         false, false, false, true, true},
        {"read-only text copies only", {true, true, true, true, true},
         false, false, true, false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.undo, IsNoteCommandEnabled(ID_NOTE_UNDO, c.state)) << c.what;
        EXPECT_EQ(c.cut, IsNoteCommandEnabled(ID_NOTE_CUT, c.state)) << c.what;
        EXPECT_EQ(c.copy, IsNoteCommandEnabled(ID_NOTE_COPY, c.state)) << c.what;
        EXPECT_EQ(c.paste, IsNoteCommandEnabled(ID_NOTE_PASTE, c.state)) << c.what;
        EXPECT_EQ(c.selectAll, IsNoteCommandEnabled(ID_NOTE_SELECTALL, c.state)) << c.what;
        // The note's own commands never grey.
        EXPECT_TRUE(IsNoteCommandEnabled(ID_NOTE_BLANK, c.state)) << c.what;
        EXPECT_TRUE(IsNoteCommandEnabled(ID_NOTE_CLOSE, c.state)) << c.what;
    }
}

} // namespace
