// Ordinary moments that used to destroy text: a note coming back with all its text selected,
// an alarm taking the keyboard, Blank Paper without a way back, a full note dropping keys.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "AlarmDriver.h"
#include "NoteDriver.h"
#include "e2e.h"

namespace {

using e2e::NoteFileBytes;
using notes::NoteText;
using notes::Selection;

class Everyday : public e2e::TacknoteTest {
protected:
    HWND StartNote(e2e::Process& process, const std::string& name, const RECT& rc,
                   const std::string& text, int width = 320, int height = 240) {
        dir.Write(name + ".ini", notes::BuiltInSettingsBytes(width, height));
        return notes::StartStoredNote(dir, process, name + ".tkn", NoteFileBytes(rc, text));
    }
};

// Activation from outside can be slow on a loaded machine; the user would click again.
bool Reactivate(HWND note) {
    for (int i = 0; i < 3; ++i)
        if (e2e::Activate(note)) return true;
    return false;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

// Arms the note's alarm for the quarter-hour before now, so that the next check fires it.
bool ArmDueAlarm(HWND note) {
    HWND dlg = alarms::OpenAlarmDialog(note);
    if (!dlg) return false;
    HWND popup = alarms::OpenPopup(dlg);
    if (!popup) return false;
    COleDateTime shownDay;
    if (!shownDay.ParseDateTime(e2e::WindowText(GetDlgItem(dlg, alarms::kDateId)).c_str(),
                                VAR_DATEVALUEONLY, 0x0409))
        return false;
    alarms::PopupMap map(popup, COleDateTime(shownDay.GetYear(), shownDay.GetMonth(), 1, 0, 0, 0),
                         shownDay);
    if (!map.SameSizeAsPopup()) return false;
    const POINT today = map.TodayButton();
    e2e::Click(today.x, today.y);
    if (!e2e::WaitUntil([&] { return alarms::FindPopup(e2e::WindowProcessId(note)) == nullptr; },
                        3000))
        return false;
    const COleDateTime now = COleDateTime::GetCurrentTime();
    const int k = std::max(0, now.GetHour() * 4 + now.GetMinute() / 15 - 1);
    SendMessageA(GetDlgItem(dlg, alarms::kTimeId), CB_SETCURSEL, static_cast<WPARAM>(k), 0);
    SendMessageA(GetDlgItem(dlg, alarms::kOnId), BM_CLICK, 0, 0);
    // Quiet: the beeps would only slow the test down.
    if (alarms::IsChecked(dlg, alarms::kBeepId))
        SendMessageA(GetDlgItem(dlg, alarms::kBeepId), BM_CLICK, 0, 0);
    PostMessageA(dlg, WM_COMMAND, IDOK, 0);
    return e2e::WaitUntil([&] { return !IsWindow(dlg); }, 3000);
}

// Typing after a note came back replaced "Dentist at 10:15" with "x": every path that gives
// the note the focus selected the whole text.
TEST_F(Everyday, ActivationAndRestoreKeepTheCaretAndSelection) {
    notes::FocusThief thief;
    e2e::Process process;
    HWND note = StartNote(process, "tkn1", {100, 120, 420, 360}, "Dentist at 10:15");
    ASSERT_NE(nullptr, note);
    e2e::PressKey(VK_HOME, false, true);
    for (int i = 0; i < 7; ++i) e2e::PressKey(VK_RIGHT);
    for (int i = 0; i < 3; ++i) e2e::PressKey(VK_RIGHT, false, false, true);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Selection(note) == std::make_pair(7, 10); }))
        << Selection(note).first << "," << Selection(note).second;

    ASSERT_TRUE(thief.Steal());
    ASSERT_TRUE(Reactivate(note));
    EXPECT_EQ(std::make_pair(7, 10), Selection(note)) << "after activation";

    e2e::PressKey(VK_END, false, true);
    ASSERT_TRUE(thief.Steal());
    ASSERT_TRUE(Reactivate(note));
    e2e::TypeText("x");
    EXPECT_TRUE(e2e::WaitUntil([&] { return NoteText(note) == "Dentist at 10:15x"; }, 3000))
        << NoteText(note);

    e2e::PressKey(VK_HOME, false, true);
    for (int i = 0; i < 7; ++i) e2e::PressKey(VK_RIGHT, false, false, true);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Selection(note) == std::make_pair(0, 7); }));
    ASSERT_TRUE(notes::PickMenuCommand(note, 200, 200, notes::kMinimize));
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(note) != FALSE; }, 3000));
    // As the taskbar button does.
    PostMessageA(note, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsIconic(note); }, 3000));
    ASSERT_TRUE(Reactivate(note));
    EXPECT_EQ(std::make_pair(0, 7), Selection(note)) << "after restore";
}

// The restore of a due alarm activated its note, and the next key went there.
TEST_F(Everyday, AnAlarmRestoresItsNoteWithoutTakingTheKeyboard) {
    e2e::Process waking, typing;
    HWND alarmNote = StartNote(waking, "tkn2", {500, 120, 820, 360}, "wake me");
    ASSERT_NE(nullptr, alarmNote);
    e2e::PressKey(VK_HOME, false, true);
    e2e::PressKey(VK_RIGHT);
    e2e::PressKey(VK_RIGHT);
    ASSERT_TRUE(ArmDueAlarm(alarmNote));
    ASSERT_TRUE(notes::PickMenuCommand(alarmNote, 540, 160, notes::kMinimize));
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(alarmNote) != FALSE; }, 3000));

    HWND note = StartNote(typing, "tkn3", {60, 120, 380, 360}, "typing here");
    ASSERT_NE(nullptr, note);
    e2e::PressKey(VK_END, false, true);

    // The alarm check runs every 15 s.
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsIconic(alarmNote); }, 20000))
        << "the alarm did not restore its note";
    Sleep(500);
    EXPECT_EQ(note, GetForegroundWindow());
    EXPECT_EQ(notes::EditOf(note), FocusOf(note));
    EXPECT_EQ(std::make_pair(2, 2), Selection(alarmNote));
    e2e::TypeText("!");
    EXPECT_TRUE(e2e::WaitUntil([&] { return NoteText(note) == "typing here!"; }, 3000))
        << NoteText(note);
    EXPECT_EQ("wake me", NoteText(alarmNote));

    // Activated by the user afterwards, it still has its caret.
    ASSERT_TRUE(e2e::Activate(alarmNote));
    EXPECT_EQ(std::make_pair(2, 2), Selection(alarmNote));
}

TEST_F(Everyday, BlankPaperComesBackWithCtrlZAndWithTheMenusUndo) {
    notes::FocusThief thief;
    e2e::Process process;
    const RECT rc = {100, 120, 420, 360};
    HWND note = StartNote(process, "tkn4", rc, "keep this");
    ASSERT_NE(nullptr, note);

    ASSERT_TRUE(notes::PickMenuCommand(note, 200, 200, notes::kBlankPaper));
    ASSERT_TRUE(e2e::WaitUntil([&] { return NoteText(note).empty(); }, 3000));
    // The save that follows keeps the way back open.
    ASSERT_TRUE(thief.Steal());
    ASSERT_TRUE(e2e::FileBecomes(dir, "tkn4.tkn", NoteFileBytes(rc, "")));
    ASSERT_TRUE(e2e::Activate(note));
    e2e::PressKey('Z', false, true);
    EXPECT_TRUE(e2e::WaitUntil([&] { return NoteText(note) == "keep this"; }, 3000))
        << NoteText(note);

    ASSERT_TRUE(notes::PickMenuCommand(note, 200, 200, notes::kBlankPaper));
    ASSERT_TRUE(e2e::WaitUntil([&] { return NoteText(note).empty(); }, 3000));
    ASSERT_TRUE(notes::PickMenuCommand(note, 200, 200, notes::kUndo));
    EXPECT_TRUE(e2e::WaitUntil([&] { return NoteText(note) == "keep this"; }, 3000))
        << NoteText(note);

    // Ctrl+A, as the menu shows it, selects the text and types nothing.
    e2e::PressKey(VK_HOME, false, true);
    e2e::PressKey('A', false, true);
    EXPECT_TRUE(e2e::WaitUntil([&] { return Selection(note) == std::make_pair(0, 9); }));
    EXPECT_EQ("keep this", NoteText(note));
}

// 5,000 characters typed into a full note kept 173, and nothing said so.
TEST_F(Everyday, AFullNoteSaysSoOnce) {
    notes::FocusThief thief;
    e2e::Process process;
    HWND note = StartNote(process, "tkn5", {100, 120, 260, 220}, "short", 160, 100);
    ASSERT_NE(nullptr, note);
    const std::string longText(3000, 'w');
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, longText.size() + 1);
    memcpy(GlobalLock(memory), longText.c_str(), longText.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();

    // The balloon: a tooltip control, whatever class the program made it through.
    auto hint = [&] {
        for (HWND w : e2e::TopLevelWindows(process.Id(), nullptr, nullptr, true)) {
            char cls[64] = "";
            GetClassNameA(w, cls, sizeof cls);
            if (strstr(cls, "tooltips_class32")) return w;
        }
        return HWND(nullptr);
    };
    e2e::PressKey(VK_END, false, true);
    e2e::PressKey('V', false, true);
    ASSERT_TRUE(e2e::WaitUntil([&] { return hint() != nullptr; }, 3000)) << "no hint";
    EXPECT_LT(NoteText(note).size(), longText.size());
    EXPECT_EQ(0u, NoteText(note).find("short"));
    Sleep(300);
    RECT area = e2e::WindowRect(note);
    RECT tip = e2e::WindowRect(hint());
    UnionRect(&area, &area, &tip);
    e2e::Screenshot(e2e::ScreenshotDir() + "note-full-hint.png", &area);

    // Leaving the note takes the hint away; the next overflow only beeps.
    ASSERT_TRUE(thief.Steal());
    ASSERT_TRUE(e2e::WaitUntil([&] { return hint() == nullptr; }, 3000));
    ASSERT_TRUE(e2e::Activate(note));
    e2e::PressKey('V', false, true);
    Sleep(1000);
    EXPECT_EQ(nullptr, hint());
}

} // namespace

