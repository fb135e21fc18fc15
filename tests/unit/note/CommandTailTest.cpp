#include <gtest/gtest.h>

#include "note/CommandTail.h"
#include "note/NoteSize.h"

namespace {

TEST(CommandTail, RoleByTail) {
    struct Case {
        const char* tail;
        ProcessRole role;
    } cases[] = {
        {"", ProcessRole::Tray},
        {nullptr, ProcessRole::Tray},
        {"private", ProcessRole::NewNote},
        {"tkn123.tkn", ProcessRole::StoredNote},
        {"tknA3F.tkn", ProcessRole::StoredNote},
        {"a.b.tkn", ProcessRole::StoredNote},
        {"123456789AB.tkn", ProcessRole::StoredNote}, // 15 characters: fits both buffers
        {"123456789ABC.tkn", ProcessRole::Refused},   // 16: no room for the terminator
        {"Private", ProcessRole::Refused},            // not the keyword, and no extension
        {" private", ProcessRole::Refused},
        {"private ", ProcessRole::Refused},
        {"Private.tkn", ProcessRole::StoredNote},
        {"tkn123", ProcessRole::Refused},
        {"tkn123.tk", ProcessRole::Refused},
        {"tkn123.tkn2", ProcessRole::Refused},
        {"tkn.t.n", ProcessRole::Refused},
        {"tkn....", ProcessRole::Refused},
        {".tk", ProcessRole::Refused},
        {"..\\tkn1.tkn", ProcessRole::Refused},
        {"sub/tkn1.tkn", ProcessRole::Refused},
        {"C:tkn1.tkn", ProcessRole::Refused},
        {"\\tkn1.tkn", ProcessRole::Refused},
        {"*.tkn", ProcessRole::Refused},
        {"tkn?.tkn", ProcessRole::Refused},
        {"\"tkn1.tkn\"", ProcessRole::Refused},
        {"tacknote.ini", ProcessRole::Refused}, // would overwrite the defaults file
        {"tkn1.INI", ProcessRole::Refused},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.role, RoleForTail(c.tail)) << '"' << (c.tail ? c.tail : "(null)") << '"';
    }
}

TEST(CommandTail, SettingsNameReplacesExtension) {
    struct Case {
        const char* note;
        bool ok;
        const char* settings;
    } cases[] = {
        {"tkn123.tkn", true, "tkn123.ini"},
        {"a.b.tkn", true, "a.b.ini"},
        {"123456789AB.tkn", true, "123456789AB.ini"},
        {"123456789ABC.tkn", false, ""},
        {"tkn123", false, ""},
        {"x\\y.tkn", false, ""},
    };
    for (const Case& c : cases) {
        char settings[kSettingsFileSize] = "junk";
        EXPECT_EQ(c.ok, SettingsNameFor(c.note, settings)) << c.note;
        EXPECT_STREQ(c.settings, settings) << c.note;
    }
}

TEST(NoteSize, ByScreenWidth) {
    struct Case {
        int screen, cx, cy;
    } cases[] = {
        {0, 200, 150},   {320, 200, 150}, {640, 200, 150},  {641, 250, 188},
        {800, 250, 188}, {801, 320, 240}, {1280, 320, 240}, {3840, 320, 240},
    };
    for (const Case& c : cases) {
        SIZE size = DefaultNoteSize(c.screen);
        EXPECT_EQ(c.cx, size.cx) << c.screen;
        EXPECT_EQ(c.cy, size.cy) << c.screen;
    }
}

} // namespace
