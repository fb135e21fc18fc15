// The program starts in both note roles' simplest form and ends cleanly when its window is
// closed, leaving no process behind.
#include "e2e.h"

namespace {

class Smoke : public e2e::TacknoteTest {};

TEST_F(Smoke, NewNoteShowsAWindowAndEndsWhenClosed)
{
    e2e::Process note = Start("private");
    ASSERT_TRUE(note.Started());
    HWND window = e2e::WaitForWindow(note.Id(), nullptr, nullptr, 10000);
    ASSERT_NE(window, nullptr) << "no visible window";

    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 0;
    ASSERT_TRUE(note.WaitExit(10000, &exitCode)) << "process still runs after WM_CLOSE";
    EXPECT_LT(exitCode, 2u);
}

TEST_F(Smoke, ScreenshotIsAReadablePng)
{
    std::string path = dir.FilePath("screen.png");
    RECT area = {0, 0, 64, 48};
    ASSERT_TRUE(e2e::Screenshot(path, &area));
    std::string png = dir.Read("screen.png");
    ASSERT_GT(png.size(), 64u * 48u * 3u);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
}

}  // namespace
