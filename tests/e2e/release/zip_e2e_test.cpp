// The exe from the release zip, unpacked by zip_contents.sh, starts under Wine in a folder
// that holds a stored note and shows that note where it was left, with its text.
#include <windows.h>

#include <string>

#include "NoteDriver.h"
#include "e2e.h"
#include "res/version.h"

namespace {

const std::string kUnpackedExe =
    std::string("release-test\\unpacked\\tacknote-") + TKN_VERSION_TEXT + "\\tacknote.exe";

class ReleaseZip : public e2e::TacknoteTest {};

TEST_F(ReleaseZip, UnpackedExeShowsAStoredNote)
{
    const RECT rc = {140, 120, 420, 300};
    const std::string text = "Stored before the release was unpacked.\r\nSecond line.";
    dir.Write("tkn7.tkn", e2e::NoteFileBytes(rc, text));

    e2e::Process note(kUnpackedExe, "tkn7.tkn", dir.Path());
    ASSERT_TRUE(note.Started()) << "could not start " << e2e::BuildDir() << kUnpackedExe;
    HWND window = notes::WaitForNote(note);
    ASSERT_NE(window, nullptr) << "the unpacked exe showed no note";
    EXPECT_EQ(notes::NoteText(window), text);
    RECT shown = e2e::WindowRect(window);
    EXPECT_EQ(shown.left, rc.left);
    EXPECT_EQ(shown.top, rc.top);
    notes::Snapshot("release-zip-note", window);
}

} // namespace
