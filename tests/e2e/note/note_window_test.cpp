// The note window as a person meets it: a new note, a stored note, its look, dragging, and
// the keys and clicks that must not change the text.
#include "NoteDriver.h"

namespace {

using e2e::FileBecomes;
using e2e::NoteFileBytes;
using notes::EditOf;
using notes::NoteText;
using notes::WaitForNote;

class NoteWindow : public e2e::TacknoteTest {};

bool IsNoteFileName(const std::string& name) {
    if (name.size() < 8 || name.compare(0, 3, "tkn") || name.compare(name.size() - 4, 4, ".tkn")) {
        return false;
    }
    return name.find_first_not_of("0123456789ABCDEFabcdef", 3) == name.size() - 4;
}

TEST_F(NoteWindow, NewNoteIsSavedWhenItLosesTheFocus) {
    notes::FocusThief thief;
    e2e::Process note = Start("private");
    HWND window = WaitForNote(note);
    ASSERT_NE(nullptr, window);

    // Borderless and captionless, sized by the 1280-pixel screen, about the screen's centre.
    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(0, style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_SYSMENU));
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT rc = e2e::WindowRect(window);
    EXPECT_EQ(320, rc.right - rc.left);
    EXPECT_EQ(240, rc.bottom - rc.top);
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_GT(rc.left, cx / 2 - 320);
    EXPECT_LT(rc.left, cx / 2);
    EXPECT_GT(rc.top, cy / 2 - 240);
    EXPECT_LT(rc.top, cy / 2);
    RECT edit = e2e::WindowRect(EditOf(window));
    EXPECT_TRUE(EqualRect(&rc, &edit)) << "the text control fills the note";
    EXPECT_TRUE(dir.List().empty()) << "a new note has no files before its first save";
    // Pale yellow paper where no text is.
    const COLORREF expected = RGB(255, 255, 128);
    EXPECT_EQ(expected, e2e::WaitForPixel(rc.right - 4, rc.bottom - 4, expected));

    ASSERT_TRUE(notes::TypeInto(window, "Hello\nWorld", "Hello\r\nWorld"));
    notes::Snapshot("note-new-typed", window);
    ASSERT_TRUE(thief.Steal());

    ASSERT_TRUE(e2e::WaitUntil([&] { return dir.List("*.tkn").size() == 1; }, 3000));
    std::string name = dir.List("*.tkn").front();
    EXPECT_TRUE(IsNoteFileName(name)) << name;
    EXPECT_TRUE(FileBecomes(dir, name, NoteFileBytes(rc, "Hello\r\nWorld")));
    std::string ini = name.substr(0, name.size() - 3) + "ini";
    EXPECT_EQ(notes::BuiltInSettingsBytes(320, 240), dir.Read(ini));
    EXPECT_EQ(2u, dir.List().size());
}

TEST_F(NoteWindow, NewNoteTakesTheDefaultsFileLook) {
    dir.Write("tacknote.ini",
              "[Settings]\r\nTextColor=FFFFFF\r\nBackgroundColor=FF\r\nWidth=300\r\nHeight=200\r\n"
              "TopmostWindow=0\r\nlfHeight=-14\r\nlfWeight=400\r\nlfFaceName=Courier New\r\n");
    e2e::Process note = Start("private");
    HWND window = WaitForNote(note);
    ASSERT_NE(nullptr, window);
    RECT rc = e2e::WindowRect(window);
    EXPECT_EQ(300, rc.right - rc.left);
    EXPECT_EQ(200, rc.bottom - rc.top);
    EXPECT_FALSE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    const COLORREF expected = RGB(255, 0, 0);
    EXPECT_EQ(expected, e2e::WaitForPixel(rc.right - 4, rc.bottom - 4, expected));
    ASSERT_TRUE(notes::TypeInto(window, "white on red", "white on red"));
    notes::Snapshot("note-defaults-look", window);
}

TEST_F(NoteWindow, StoredNoteComesBackAtItsRectangle) {
    const RECT stored = {100, 150, 500, 450};
    const std::string bytes = NoteFileBytes(stored, "Stored text\r\nsecond line");
    dir.Write("tkn123.ini", "[Settings]\r\nBackgroundColor=C0FFC0\r\nTextColor=0\r\n"
                            "Width=400\r\nHeight=300\r\nlfHeight=-20\r\nlfWeight=400\r\n");
    e2e::Process note;
    HWND window = notes::StartStoredNote(dir, note, "tkn123.tkn", bytes);
    ASSERT_NE(nullptr, window);
    RECT rc = e2e::WindowRect(window);
    EXPECT_TRUE(EqualRect(&stored, &rc))
        << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom;
    EXPECT_EQ("Stored text\r\nsecond line", NoteText(window));
    // Typing must not replace the stored text: the caret sits at its start, nothing selected.
    EXPECT_EQ(std::make_pair(0, 0), notes::Selection(window));
    const COLORREF expected = RGB(192, 255, 192);
    EXPECT_EQ(expected, e2e::WaitForPixel(rc.right - 4, rc.bottom - 4, expected));
    notes::Snapshot("note-stored", window);
    // Nothing is written before the note loses the focus.
    EXPECT_EQ(bytes, dir.Read("tkn123.tkn"));
}

TEST_F(NoteWindow, StoredNoteWithoutRectangleKeepsItsText) {
    notes::FocusThief thief;
    e2e::Process note;
    HWND window = notes::StartStoredNote(dir, note, "tkn9.tkn", "0\r\n0\r\n0\r\n0\r\nKeep me");
    ASSERT_NE(nullptr, window);
    EXPECT_EQ("Keep me", NoteText(window));
    RECT rc = e2e::WindowRect(window);
    EXPECT_EQ(320, rc.right - rc.left);
    ASSERT_TRUE(thief.Steal());
    EXPECT_TRUE(FileBecomes(dir, "tkn9.tkn", NoteFileBytes(rc, "Keep me")));
}

TEST_F(NoteWindow, DragMovesTheNoteAndTheNextFocusLossSavesThePlace) {
    notes::FocusThief thief;
    const std::string stored = NoteFileBytes({100, 150, 420, 390}, "drag me");
    e2e::Process note;
    HWND window = notes::StartStoredNote(dir, note, "tkn5.tkn", stored);
    ASSERT_NE(nullptr, window);

    e2e::Drag(200, 200, 300, 260);
    const RECT moved = {200, 210, 520, 450};
    RECT rc{};
    // The note moves as it works through the queued mouse input, which may lag the release.
    auto isMoved = [&] {
        rc = e2e::WindowRect(window);
        return EqualRect(&moved, &rc) != FALSE;
    };
    EXPECT_TRUE(e2e::WaitUntil(isMoved))
        << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom;
    EXPECT_EQ(stored, dir.Read("tkn5.tkn")) << "the release itself writes nothing";

    // A press and release without movement leaves the note where it is.
    e2e::Click(300, 300);
    rc = e2e::WindowRect(window);
    EXPECT_TRUE(EqualRect(&moved, &rc));

    ASSERT_TRUE(thief.Steal());
    EXPECT_TRUE(FileBecomes(dir, "tkn5.tkn", NoteFileBytes(moved, "drag me")));
}

// The usual way a note loses the focus is a click elsewhere; the button is still down when the
// focus goes, and that must not count as a drag of this note.
TEST_F(NoteWindow, ClickOnAnotherNoteSavesTheNoteThatLostTheFocus) {
    const RECT placeA = {100, 150, 420, 390};
    e2e::Process other, note;
    ASSERT_NE(nullptr, notes::StartStoredNote(dir, other, "tkn2.tkn",
                                              NoteFileBytes({600, 150, 920, 390}, "other")));
    HWND window = notes::StartStoredNote(dir, note, "tkn1.tkn", NoteFileBytes(placeA, "first"));
    ASSERT_NE(nullptr, window);
    e2e::PressKey(VK_END, false, true);
    ASSERT_TRUE(notes::TypeInto(window, " typed", "first typed"));

    e2e::Click(700, 250);
    EXPECT_TRUE(FileBecomes(dir, "tkn1.tkn", NoteFileBytes(placeA, "first typed")));
    RECT rc = e2e::WindowRect(window);
    EXPECT_TRUE(EqualRect(&placeA, &rc)) << "the click on the other note moved this one";
}

// A note file keeps 4095 bytes of text; whatever the control shows beyond that would be cut
// by the next save.
TEST_F(NoteWindow, TypingStopsAtWhatANoteFileKeeps) {
    notes::FocusThief thief;
    // Large and in a small font, so that the bottom edge, which also stops typing, is far off.
    const RECT place = {50, 50, 1050, 950};
    dir.Write("tkn7.ini", "[Settings]\r\nlfHeight=-8\r\nlfWeight=400\r\n");
    const std::string stored(4093, 'a');
    e2e::Process note;
    HWND window = notes::StartStoredNote(dir, note, "tkn7.tkn", NoteFileBytes(place, stored));
    ASSERT_NE(nullptr, window);
    e2e::PressKey(VK_END, false, true);
    ASSERT_TRUE(notes::TypeInto(window, "bcd", stored + "bc"));
    e2e::PressKey(VK_RETURN);
    Sleep(200);
    EXPECT_EQ(stored + "bc", NoteText(window));
    ASSERT_TRUE(thief.Steal());
    EXPECT_TRUE(FileBecomes(dir, "tkn7.tkn", NoteFileBytes(place, stored + "bc")));
}

TEST_F(NoteWindow, ClicksAndEscapeLeaveCaretAndTextAlone) {
    e2e::Process note;
    HWND window = notes::StartStoredNote(dir, note, "tkn6.tkn",
                                         NoteFileBytes({100, 150, 420, 390}, "some words here"));
    ASSERT_NE(nullptr, window);
    e2e::PressKey(VK_END, false, true); // Ctrl+End: caret after the last word
    ASSERT_TRUE(e2e::WaitUntil([&] { return notes::Selection(window) == std::make_pair(15, 15); }));

    e2e::Click(130, 165); // on "some"
    EXPECT_EQ(std::make_pair(15, 15), notes::Selection(window)) << "a click moved the caret";
    e2e::DoubleClick(130, 165);
    EXPECT_EQ(std::make_pair(15, 15), notes::Selection(window)) << "a double-click selected";

    e2e::PressKey(VK_ESCAPE);
    Sleep(200);
    EXPECT_TRUE(note.Running());
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ("some words here", NoteText(window));
}

} // namespace
