// Typed text reaches the disk soon, with the focus never leaving the note; an idle note
// never touches its files; the end of a session waits for the write.
#include "NoteDriver.h"

namespace {

using e2e::NoteFileBytes;

class AutoSave : public e2e::TacknoteTest {
protected:
    HWND StartStored(e2e::Process& note, const std::string& text)
    {
        dir.Write("tkn3.ini", notes::BuiltInSettingsBytes(320, 240));
        return notes::StartStoredNote(dir, note, "tkn3.tkn", NoteFileBytes(kPlace, text));
    }
    // Only real keys, and the note keeps the focus throughout.
    bool Type(HWND note, const std::string& typed, const std::string& expected)
    {
        e2e::TypeText(typed);
        return e2e::WaitUntil([&] { return notes::NoteText(note) == expected; }, 5000);
    }
    const RECT kPlace = {120, 160, 440, 400};
};

TEST_F(AutoSave, TypedTextIsOnDiskSoonAndSurvivesAKill)
{
    e2e::Process note;
    HWND window = StartStored(note, "start");
    ASSERT_NE(nullptr, window);
    e2e::PressKey(VK_END, false, true);
    ASSERT_TRUE(Type(window, " typed", "start typed"));
    // The note saves shortly after the last key; waited for generously: a loaded machine is late.
    EXPECT_TRUE(e2e::FileBecomes(dir, "tkn3.tkn", NoteFileBytes(kPlace, "start typed")));
    EXPECT_EQ(window, GetForegroundWindow()) << "the focus must not have left the note";

    note.Kill();
    ASSERT_TRUE(note.WaitExit(5000));
    e2e::Process again = Start("tkn3.tkn");
    HWND back = notes::WaitForNote(again);
    ASSERT_NE(nullptr, back);
    EXPECT_TRUE(e2e::WaitUntil([&] { return notes::NoteText(back) == "start typed"; }))
        << notes::NoteText(back);
}

TEST_F(AutoSave, PlaceIsOnDiskSoonAfterADrag)
{
    e2e::Process note;
    HWND window = StartStored(note, "drag me");
    ASSERT_NE(nullptr, window);
    e2e::Drag(200, 200, 260, 240);
    RECT moved = {kPlace.left + 60, kPlace.top + 40, kPlace.right + 60, kPlace.bottom + 40};
    ASSERT_TRUE(e2e::WaitUntil([&] {
        RECT now = e2e::WindowRect(window);
        return EqualRect(&now, &moved) != FALSE;
    }));
    EXPECT_TRUE(e2e::FileBecomes(dir, "tkn3.tkn", NoteFileBytes(moved, "drag me")));
    EXPECT_EQ(window, GetForegroundWindow());
}

TEST_F(AutoSave, EndOfSessionWritesBeforeItAnswers)
{
    e2e::Process note;
    HWND window = StartStored(note, "");
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(Type(window, "last words", "last words"));
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                    SMTO_ABORTIFHUNG, 5000, &answer));
    EXPECT_EQ(TRUE, static_cast<BOOL>(answer)) << "a note that saved lets the session end";
    SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000,
                        &answer);
    // As the system may end a process once the session ends: at once, without warning.
    note.Kill();
    EXPECT_EQ(NoteFileBytes(kPlace, "last words"), dir.Read("tkn3.tkn"));
    EXPECT_EQ(notes::BuiltInSettingsBytes(320, 240), dir.Read("tkn3.ini"));
}

struct Snapshot {
    FILETIME written[2];
    std::string bytes[2];
};

TEST_F(AutoSave, IdleNoteNeverTouchesItsFilesWhileTheFocusComesAndGoes)
{
    notes::FocusThief thief;
    e2e::Process note;
    HWND window = StartStored(note, "leave me alone");
    ASSERT_NE(nullptr, window);
    const char* names[2] = {"tkn3.tkn", "tkn3.ini"};
    auto take = [&] {
        Snapshot s{};
        for (int i = 0; i < 2; ++i) {
            WIN32_FILE_ATTRIBUTE_DATA data{};
            GetFileAttributesExA(dir.FilePath(names[i]).c_str(), GetFileExInfoStandard, &data);
            s.written[i] = data.ftLastWriteTime;
            s.bytes[i] = dir.Read(names[i]);
        }
        return s;
    };
    Snapshot before = take();
    const int kRounds = 20;
    const DWORD kRoundMs = 3000;
    for (int i = 0; i < kRounds; ++i) {
        ASSERT_TRUE(thief.Steal()) << "round " << i;
        Sleep(kRoundMs / 2);
        ASSERT_TRUE(e2e::Activate(window)) << "round " << i;
        Sleep(kRoundMs / 2);
    }
    Snapshot after = take();
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(0, CompareFileTime(&before.written[i], &after.written[i])) << names[i];
        EXPECT_EQ(before.bytes[i], after.bytes[i]) << names[i];
    }
    EXPECT_EQ(std::vector<std::string>({"tkn3.ini", "tkn3.tkn"}), dir.List())
        << "nothing else may appear in the folder";
    EXPECT_TRUE(note.Running());
}

} // namespace
