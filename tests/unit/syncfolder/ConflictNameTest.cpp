#include <gtest/gtest.h>

#include <set>

#include "syncfolder/ConflictName.h"

namespace {

struct NameCase {
    const char* name;
    bool copy;
    const char* original;
    const char* stem;
};

TEST(ConflictName, RecognisesEachServicesCopiesAndNothingElse)
{
    const NameCase cases[] = {
        {"tkn4.sync-conflict-20261209-101112-ABC1234.tkn", true, "tkn4.tkn",
         "tkn4.sync-conflict-20261209-101112-ABC1234"},
        {"tkn4.sync-conflict-20261209-101112-ABC1234.ini", true, "tkn4.ini",
         "tkn4.sync-conflict-20261209-101112-ABC1234"},
        {"tkn4 (conflicted copy 2026-12-09).tkn", true, "tkn4.tkn",
         "tkn4 (conflicted copy 2026-12-09)"},
        {"tkn4 (Jane's conflicted copy 2026-12-09).ini", true, "tkn4.ini",
         "tkn4 (Jane's conflicted copy 2026-12-09)"},
        {"tkn4 (conflicted copy 2026-12-09 101112).tkn", true, "tkn4.tkn",
         "tkn4 (conflicted copy 2026-12-09 101112)"},
        {"TKN4 (Conflict Copy 2026-12-09).TKN", true, "TKN4.TKN",
         "TKN4 (Conflict Copy 2026-12-09)"},
        {"tkn4_conflict-20261209-101112.tkn", true, "tkn4.tkn", "tkn4_conflict-20261209-101112"},
        {"tkn4-OFFICEPC.tkn", true, "tkn4.tkn", "tkn4-OFFICEPC"},
        {"tkn4-OFFICE-PC.ini", true, "tkn4.ini", "tkn4-OFFICE-PC"},
        // Not copies: plain names, broken stamps, no base, names too long for a PC name.
        {"tkn4.tkn", false, "", ""},
        {"tkn4.sync-conflict-2026129-101112-ABC1234.tkn", false, "", ""},
        {"tkn4.sync-conflict-20261209-101112-.tkn", false, "", ""},
        {".sync-conflict-20261209-101112-ABC1234.tkn", false, "", ""},
        {"tkn4 (copy 2026-12-09).tkn", false, "", ""},
        {" (conflicted copy 2026-12-09).tkn", false, "", ""},
        {"tkn4-.tkn", false, "", ""},
        {"-OFFICEPC.tkn", false, "", ""},
        {"tkn4-A_MUCH_TOO_LONG_PC.tkn", false, "", ""},
        {"tkn4-OFFICE PC.tkn", false, "", ""},
        {"a.b-PC.tkn", false, "", ""},
        {"tkn4.sync-conflict-20261209-101112-ABC1234", false, "", ""},
    };
    for (const NameCase& c : cases) {
        ConflictCopy copy;
        ASSERT_EQ(ParseConflictCopy(c.name, copy), c.copy) << c.name;
        if (!c.copy) continue;
        EXPECT_EQ(copy.original, c.original) << c.name;
        EXPECT_EQ(copy.stem, c.stem) << c.name;
    }
}

TEST(ConflictName, AdoptedNameIsANoteNameThatDependsOnlyOnTheStem)
{
    std::string stem = "tkn4.sync-conflict-20261209-101112-ABC1234";
    std::string base = AdoptedBaseName(stem, 0);
    EXPECT_EQ(base.size(), 11u);
    EXPECT_EQ(base.substr(0, 3), "tkn");
    // Both PCs, and the file system, ignore the letter case the stem arrives in.
    EXPECT_EQ(AdoptedBaseName("TKN4.SYNC-CONFLICT-20261209-101112-abc1234", 0), base);
    // A pinned value: a change of the hash would make two PCs of different versions
    // adopt one copy twice.
    EXPECT_EQ(base, "tknEF7EAE3D");
    std::set<std::string> names;
    for (unsigned attempt = 0; attempt < 16; ++attempt)
        names.insert(AdoptedBaseName(stem, attempt));
    EXPECT_EQ(names.size(), 16u);
    EXPECT_NE(AdoptedBaseName("tkn4-OFFICEPC", 0), AdoptedBaseName("tkn4-HOMEPC", 0));
}

} // namespace
