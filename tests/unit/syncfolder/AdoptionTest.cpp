#include <gtest/gtest.h>

#include <algorithm>

#include "WorkingDir.h"
#include "syncfolder/ConflictAdoption.h"
#include "syncfolder/ConflictName.h"

namespace {

const char kNote[] = "10\r\n20\r\n330\r\n260\r\nfrom the other PC";
// kNote as adopted: beside the note it copies.
const char kAdopted[] = "34\r\n44\r\n354\r\n284\r\nfrom the other PC";
const char kOwnSettings[] = "[Settings]\r\nBackgroundColor=FF00\r\n";
const char kOriginalSettings[] = "[Settings]\r\nBackgroundColor=FFFF\r\n";

std::string Adopted(const std::string& stem, const char* extension, unsigned attempt = 0)
{
    return AdoptedBaseName(stem, attempt) + "." + extension;
}

std::vector<std::string> Sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ConflictAdoption, EachPatternBecomesOneNoteWithItsSettings)
{
    const char* stems[] = {"tkn4.sync-conflict-20261209-101112-ABC1234",
                           "tkn4 (conflicted copy 2026-12-09)", "tkn4-OFFICEPC",
                           "tkn4_conflict-20261209-101112"};
    for (const char* stem : stems) {
        ScopedWorkingDir dir;
        WriteBytes("tkn4.tkn", "1\r\n2\r\n3\r\n4\r\nthis PC");
        WriteBytes("tkn4.ini", kOriginalSettings);
        WriteBytes((std::string(stem) + ".tkn").c_str(), kNote);
        WriteBytes((std::string(stem) + ".ini").c_str(), kOwnSettings);

        std::vector<std::string> adopted = AdoptConflictCopies(ListFiles("*"));
        ASSERT_EQ(adopted, std::vector<std::string>{Adopted(stem, "tkn")}) << stem;
        EXPECT_EQ(ReadBytes(adopted[0].c_str()), kAdopted);
        EXPECT_EQ(ReadBytes(Adopted(stem, "ini").c_str()), kOwnSettings);
        EXPECT_EQ(Sorted(dir.Files()),
                  Sorted({"tkn4.tkn", "tkn4.ini", Adopted(stem, "tkn"), Adopted(stem, "ini")}));
        // Looked at again: nothing more happens.
        EXPECT_TRUE(AdoptConflictCopies(ListFiles("*")).empty()) << stem;
    }
}

TEST(ConflictAdoption, CasesAroundTheCopy)
{
    const std::string stem = "tkn4.sync-conflict-20261209-101112-ABC1234";
    const std::string copy = stem + ".tkn";
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> files;
        bool adopted;
        std::string expectNote;     // "" = no adopted note file expected
        std::string expectSettings; // of the adopted note; "<missing>" when none
        bool copyStays;
    };
    const Case cases[] = {
        {"only the note copy: the original's settings are copied",
         {{"tkn4.tkn", "0\r\n0\r\n0\r\n0\r\n"}, {"tkn4.ini", kOriginalSettings}, {copy, kNote}},
         true, Adopted(stem, "tkn"), kOriginalSettings, false},
        {"no settings anywhere: the note takes the defaults", {{copy, kNote}}, true,
         Adopted(stem, "tkn"), "<missing>", false},
        {"no note inside: left as it is", {{copy, "four\r\nlines\r\nof\r\nprose"}}, false, "",
         "<missing>", true},
        {"adopted on the other PC already: the copy goes",
         {{copy, kNote}, {Adopted(stem, "tkn"), kAdopted}}, false, Adopted(stem, "tkn"),
         "<missing>", false},
        {"the same bytes as its original: the copy goes", {{"tkn4.tkn", kNote}, {copy, kNote}},
         false, "", "<missing>", false},
        {"its name taken by another note: the next name",
         {{copy, kNote}, {Adopted(stem, "tkn"), "0\r\n0\r\n0\r\n0\r\nother"}}, true,
         Adopted(stem, "tkn", 1), "<missing>", false},
    };
    for (const Case& c : cases) {
        ScopedWorkingDir dir;
        for (const auto& file : c.files)
            WriteBytes(file.first.c_str(), file.second);
        std::vector<std::string> adopted = AdoptConflictCopies(ListFiles("*"));
        EXPECT_EQ(adopted.size(), c.adopted ? 1u : 0u) << c.what;
        if (c.adopted && !adopted.empty()) {
            EXPECT_EQ(adopted[0], c.expectNote) << c.what;
        }
        if (!c.expectNote.empty()) {
            EXPECT_EQ(ReadBytes(c.expectNote.c_str()), kAdopted) << c.what;
            std::string settings = c.expectNote.substr(0, c.expectNote.size() - 3) + "ini";
            EXPECT_EQ(ReadBytes(settings.c_str()), c.expectSettings) << c.what;
        }
        EXPECT_EQ(FileExists(copy.c_str()), c.copyStays) << c.what;
    }
}

TEST(ConflictAdoption, SettingsCopyThatCameLateJoinsItsAdoptedNote)
{
    ScopedWorkingDir dir;
    const std::string stem = "tkn4 (conflicted copy 2026-12-09)";
    WriteBytes((stem + ".tkn").c_str(), kNote);
    ASSERT_EQ(AdoptConflictCopies(ListFiles("*")).size(), 1u);
    WriteBytes((stem + ".ini").c_str(), kOwnSettings);
    AdoptConflictCopies(ListFiles("*"));
    EXPECT_EQ(ReadBytes(Adopted(stem, "ini").c_str()), kOwnSettings);
    EXPECT_FALSE(FileExists((stem + ".ini").c_str()));
}

TEST(ConflictAdoption, FilesThatAreNoNoteCopiesStayUntouched)
{
    ScopedWorkingDir dir;
    const char* names[] = {"notes-PC.txt", "tkn4.tkn", "my-note.ini", "x.sync-conflict-20261209-101112-A.ini",
                           "tacknote.ini", "a_much_too_long_name-PC.tkn"};
    for (const char* name : names)
        WriteBytes(name, kNote);
    EXPECT_TRUE(AdoptConflictCopies(ListFiles("*")).empty());
    EXPECT_EQ(Sorted(dir.Files()), Sorted(std::vector<std::string>(std::begin(names), std::end(names))));
}

} // namespace
