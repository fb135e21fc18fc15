// Notes that come up from bad files stay reachable, and files the note can't fully show or
// doesn't understand, or can't write, are never damaged.
#include <random>

#include "NoteDriver.h"
#include "tray_driver.h"

namespace {

class RobustFiles : public e2e::TacknoteTest {};

bool OnScreen(HWND window) {
    RECT rc = e2e::WindowRect(window);
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT shown;
    return IntersectRect(&shown, &rc, &screen) && EqualRect(&shown, &rc);
}

// Right-clicks the middle of the note and waits for its menu, which Escape then closes.
bool MenuOpensOn(HWND note) {
    RECT rc = e2e::WindowRect(note);
    e2e::Click((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2, true);
    HWND menu = e2e::WaitForWindow(e2e::WindowProcessId(note), "#32768", nullptr, 3000);
    if (!menu) return false;
    e2e::PressKey(VK_ESCAPE);
    return e2e::WaitUntil([&] { return !IsWindowVisible(menu); }, 3000);
}

// Windows of the note's process other than the note: a message box it shows.
std::vector<HWND> MessageBoxes(HWND note) {
    std::vector<HWND> boxes;
    for (HWND window : e2e::TopLevelWindows(e2e::WindowProcessId(note), "#32770", nullptr)) {
        if (window != note) boxes.push_back(window);
    }
    return boxes;
}

// All the text of a message box: its static controls.
std::string BoxText(HWND box) {
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        text += e2e::WindowText(child) + "\n";
    return text;
}

FILETIME WriteTime(const e2e::TempDir& dir, const std::string& name) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(dir.FilePath(name).c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

// Pins notes that could not be seen or reached: a width of 0 from a settings file, and a
// rectangle stored far off every monitor.
TEST_F(RobustFiles, BadSizesAndFarRectanglesComeUpVisibleAndClickable) {
    const std::string badSizes = "[Settings]\r\nWidth=0\r\nHeight=abc\r\n";
    dir.Write("tacknote.ini", badSizes);
    dir.Write("tkn2.ini", badSizes);
    const RECT farAway = {-5000, -5000, -4680, -4760};
    e2e::Process stored;
    HWND farNote = notes::StartStoredNote(dir, stored, "tkn2.tkn", e2e::NoteFileBytes(farAway, "far"));
    ASSERT_NE(nullptr, farNote);
    // The files keep what they held until the next regular save.
    EXPECT_EQ(badSizes, dir.Read("tkn2.ini"));
    EXPECT_EQ(e2e::NoteFileBytes(farAway, "far"), dir.Read("tkn2.tkn"));
    e2e::Process fresh = Start("private");
    HWND newNote = notes::WaitForNote(fresh);
    ASSERT_NE(nullptr, newNote);

    RECT farRect = e2e::WindowRect(farNote);
    EXPECT_TRUE(OnScreen(farNote)) << farRect.left << "," << farRect.top;
    EXPECT_EQ(320, farRect.right - farRect.left) << "the stored size is kept";
    EXPECT_EQ(240, farRect.bottom - farRect.top);
    RECT newRect = e2e::WindowRect(newNote);
    EXPECT_TRUE(OnScreen(newNote));
    EXPECT_EQ(60, newRect.right - newRect.left) << "Width=0 reads as the smallest width";
    EXPECT_EQ(240, newRect.bottom - newRect.top) << "Height=abc keeps the note's own height";
    notes::Snapshot("robust-bad-sizes");

    EXPECT_TRUE(MenuOpensOn(farNote));
    EXPECT_TRUE(MenuOpensOn(newNote));
    EXPECT_EQ(badSizes, dir.Read("tacknote.ini")) << "notes never write the defaults";

    // The next save writes the place the note has now; the look did not change, and its file
    // reads the same as it did, so it stays as it is.
    notes::FocusThief thief;
    ASSERT_TRUE(e2e::Activate(farNote));
    ASSERT_TRUE(thief.Steal());
    EXPECT_TRUE(e2e::FileBecomes(dir, "tkn2.tkn", e2e::NoteFileBytes(farRect, "far")));
    EXPECT_EQ(badSizes, dir.Read("tkn2.ini"));
}

// Pins a note cutting its own file (a 100 KB note file was rewritten to 4 KB) and a file of
// random bytes named like a note being rewritten as a note.
TEST_F(RobustFiles, OverlongNoteAndForeignFileStayAsTheyWere) {
    std::string longText;
    for (int line = 0; longText.size() < 100 * 1024; ++line)
        longText += "line " + std::to_string(line) + " of a very long note\r\n";
    const RECT place = {150, 150, 470, 390};
    const std::string overlong = e2e::NoteFileBytes(place, longText);
    std::string foreign(4096, '\0');
    std::mt19937 random(14);
    for (char& c : foreign)
        c = static_cast<char>(random() & 0xFF);
    foreign[0] = 'x'; // whatever the generator gives, the first line is no number
    dir.Write("tkn1.tkn", overlong);
    dir.Write("tkn2.tkn", foreign);

    e2e::Process trayProcess = tray::StartTray(dir);
    ASSERT_TRUE(tray::WaitForNotes(1, trayProcess.Id()));
    HWND note = tray::NoteWindows(trayProcess.Id()).front();
    Sleep(1000); // time enough for a note process that should not have been started
    EXPECT_EQ(1u, tray::NoteWindows(trayProcess.Id()).size());
    EXPECT_EQ(2u, e2e::ProcessIds("tacknote.exe").size()) << "the tray and one note";

    // Started by hand, the foreign file's process ends without writing.
    e2e::Process direct = Start("tkn2.tkn");
    EXPECT_TRUE(direct.WaitExit(10000));

    // Shown as far as it fits; typing changes nothing, and the first key says why, once.
    HWND edit = notes::EditOf(note);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !notes::NoteText(note).empty(); }));
    EXPECT_EQ(longText.substr(0, 4095), notes::NoteText(note));
    FILETIME before = WriteTime(dir, "tkn1.tkn");
    ASSERT_TRUE(e2e::Activate(note));
    e2e::TypeText("t");
    HWND box = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        std::vector<HWND> boxes = MessageBoxes(note);
        box = boxes.empty() ? nullptr : boxes.front();
        return box != nullptr;
    })) << "typing into a read-only note told nothing";
    EXPECT_NE(std::string::npos, BoxText(box).find("tkn1.tkn")) << BoxText(box);
    notes::Snapshot("robust-overlong-told");
    ASSERT_TRUE(e2e::Activate(box));
    e2e::PressKey(VK_RETURN);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(box); }));
    ASSERT_TRUE(e2e::Activate(note));
    e2e::TypeText("typed");
    Sleep(300);
    EXPECT_TRUE(MessageBoxes(note).empty()) << "told a second time";
    EXPECT_EQ(longText.substr(0, 4095), e2e::WindowText(edit));
    notes::Snapshot("robust-overlong-note", note);

    // Nothing changed, so a focus change writes nothing.
    notes::FocusThief thief;
    ASSERT_TRUE(thief.Steal());
    Sleep(1000);
    FILETIME after = WriteTime(dir, "tkn1.tkn");
    EXPECT_EQ(0, CompareFileTime(&after, &before)) << "an unchanged note was rewritten";
    EXPECT_TRUE(overlong == dir.Read("tkn1.tkn")) << dir.Read("tkn1.tkn").size() << " bytes";
    EXPECT_TRUE(foreign == dir.Read("tkn2.tkn"));

    // Moved, it keeps its whole text with the new place.
    e2e::Drag(300, 200, 350, 260);
    ASSERT_TRUE(e2e::Activate(note));
    ASSERT_TRUE(thief.Steal());
    RECT moved = {200, 210, 520, 450};
    EXPECT_TRUE(e2e::WaitUntil(
        [&] { return dir.Read("tkn1.tkn") == e2e::NoteFileBytes(moved, longText); }))
        << dir.Read("tkn1.tkn").substr(0, 30);
    EXPECT_TRUE(foreign == dir.Read("tkn2.tkn"));
}

// Pins a save failure reported as nothing: the user went on typing into a note that could
// not be saved.
TEST_F(RobustFiles, ReadOnlyNoteToldOnceThenSavesWhenWritable) {
    const RECT place = {200, 200, 520, 440};
    const std::string stored = e2e::NoteFileBytes(place, "stored");
    e2e::Process process;
    HWND note = notes::StartStoredNote(dir, process, "tkn5.tkn", stored);
    ASSERT_NE(nullptr, note);
    ASSERT_TRUE(SetFileAttributesA(dir.FilePath("tkn5.tkn").c_str(), FILE_ATTRIBUTE_READONLY));
    e2e::PressKey(VK_END, false, true);
    ASSERT_TRUE(notes::TypeInto(note, " typed", "stored typed"));

    notes::FocusThief thief;
    ASSERT_TRUE(thief.Steal());
    HWND box = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        std::vector<HWND> boxes = MessageBoxes(note);
        box = boxes.empty() ? nullptr : boxes.front();
        return box != nullptr;
    })) << "no message";
    EXPECT_EQ(note, GetWindow(box, GW_OWNER)) << "the message belongs to the note";
    std::string text = BoxText(box);
    EXPECT_NE(std::string::npos, text.find(dir.FilePath("tkn5.tkn"))) << text;
    notes::Snapshot("robust-save-failed");
    ASSERT_TRUE(e2e::Activate(box));
    e2e::PressKey(VK_RETURN);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(box); }));

    // Failing again is not told again.
    ASSERT_TRUE(e2e::Activate(note));
    ASSERT_TRUE(thief.Steal());
    Sleep(1000);
    EXPECT_TRUE(MessageBoxes(note).empty());
    EXPECT_EQ(stored, dir.Read("tkn5.tkn"));
    EXPECT_EQ("stored typed", notes::NoteText(note)) << "the note keeps its text";

    ASSERT_TRUE(SetFileAttributesA(dir.FilePath("tkn5.tkn").c_str(), FILE_ATTRIBUTE_NORMAL));
    ASSERT_TRUE(e2e::Activate(note));
    ASSERT_TRUE(thief.Steal());
    EXPECT_TRUE(e2e::FileBecomes(dir, "tkn5.tkn", e2e::NoteFileBytes(place, "stored typed")));
    EXPECT_TRUE(MessageBoxes(note).empty());

    // After a good save, a new failure is told again (a change is needed for a save at all).
    SetFileAttributesA(dir.FilePath("tkn5.tkn").c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(notes::TypeInto(note, "!", "stored typed!"));
    ASSERT_TRUE(thief.Steal());
    EXPECT_TRUE(e2e::WaitUntil([&] { return MessageBoxes(note).size() == 1; }));
    SetFileAttributesA(dir.FilePath("tkn5.tkn").c_str(), FILE_ATTRIBUTE_NORMAL);
}

} // namespace
