#include "note/NoteFollower.h"

#include <string>

#include "framework/Geometry.h"
#include "framework/Wnd.h"
#include "note/AtomicFile.h"
#include "note/CommandTail.h"
#include "note/DiskMemory.h"
#include "note/Monitors.h"
#include "note/NoteBounds.h"
#include "note/NoteEdit.h"
#include "note/NoteFile.h"
#include "note/NoteName.h"
#include "note/NoteSettings.h"
#include "note/NoteState.h"
#include "note/NoteStore.h"
#include "note/OutsideChange.h"

namespace {

const DWORD kGoneMs = 1000;
// A note kept from a conflict comes up beside the note it was typed into.
const int kKeptOffset = 24;

const char kTrayClass[] = "AfxFrameOrView42s";
const char kTrayTitle[] = "Tacknote";

std::string WindowTextOf(CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    return std::string(text, text.GetLength());
}

// What the note file holds, in the form the note remembers it (as a save would write it).
bool ReadRemembered(StoredNote& note, std::string& bytes)
{
    if (ReadNoteFile(g_szNoteFile, note) != NoteFileRead::Read || !note.numbers) return false;
    bytes = FormatNumberLines(note.rc) + (note.whole.empty() ? note.text : note.whole);
    return true;
}

// The window's own text goes into a note of its own beside it; the tray, which follows the
// folder, starts it (or this process, when no tray runs).
void KeepAsNewNote(CWnd* note, const std::string& text)
{
    NoteNames names;
    if (!ChooseNoteName(SystemNames(), names)) return;
    CRect rc;
    note->GetWindowRect(&rc);
    rc.OffsetRect(kKeptOffset, kKeptOffset);
    WriteSettingsFile((std::string(".\\") + names.szSettingsFile).c_str(), g_settings);
    if (!ReplaceFileContents(names.szNoteFile, FormatNoteFile(rc, text))) return;
    if (!FindWindowA(kTrayClass, kTrayTitle)) StartNoteProcess(names.szNoteFile);
}

// Place and size from the note file; never activates the window.
void Place(CWnd* note, CNoteEdit& edit, const RECT& stored)
{
    if (!IsStoredRectPresent(stored) || note->IsIconic()) return;
    CRect rc(PlaceOnScreen(ClampNoteRect(stored)));
    note->SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    edit.MoveWindow(0, 0, rc.Width(), rc.Height(), TRUE);
}

void TakeNote(CWnd* note, CNoteEdit& edit, const StoredNote& stored)
{
    g_rcStored = stored.rc;
    g_strNoteText = CString(stored.text.data(), static_cast<int>(stored.text.size()));
    g_bReadOnlyText = !stored.whole.empty();
    g_strWholeText = stored.whole;
    DWORD selection = static_cast<DWORD>(edit.SendMessage(EM_GETSEL));
    edit.SetWindowText(g_strNoteText);
    edit.SetReadOnly(g_bReadOnlyText);
    edit.SetSelection(selection, TRUE);
    Place(note, edit, stored.rc);
}

} // namespace

void NoteFollower::Begin()
{
    m_watch.Open(".");
}

bool NoteFollower::GoneForGood(bool present)
{
    DWORD now = GetTickCount();
    if (present || !m_gone) m_goneSince = now;
    m_gone = !present;
    return m_gone && now - m_goneSince >= kGoneMs;
}

void NoteFollower::Check(CWnd* note, CNoteEdit& edit)
{
    // A gone file is looked at again without a new notification.
    if (!m_watch.Changed() && !m_gone) return;
    // Nothing on disk yet (a new note before its first save), or closed here.
    if (!g_szNoteFile[0] || !g_noteMemory.Known()) return;

    FileStamp noteNow = StampOf(g_szNoteFile);
    bool gone = GoneForGood(noteNow.present);
    if (!noteNow.present && !gone) return;
    std::string current = WindowTextOf(edit);
    bool unsaved = !g_bReadOnlyText && current != TextOfNoteBytes(g_noteMemory.Content());

    bool noteChanged = g_noteMemory.ChangedOnDisk(noteNow);
    StoredNote stored{};
    std::string bytes;
    // A file in the middle of being written, or no note at all: looked at at the next change.
    if (noteNow.present && noteChanged && !ReadRemembered(stored, bytes)) return;
    OutsideChange change = OutsideChange::None;
    if (!noteNow.present || noteChanged) {
        change = ClassifyOutsideChange(noteNow.present, bytes, g_noteMemory.Content(), unsaved);
    }
    switch (change) {
    case OutsideChange::None:
        // The same bytes written again: only the stamp is new.
        if (noteChanged) g_noteMemory.Remember(bytes, noteNow);
        break;
    case OutsideChange::KeepBoth:
        KeepAsNewNote(note, current);
        // The window takes the file's text, as below.
        [[fallthrough]];
    case OutsideChange::Take:
        g_noteMemory.Remember(bytes, noteNow);
        TakeNote(note, edit, stored);
        break;
    case OutsideChange::CloseKeepText:
        KeepAsNewNote(note, current);
        [[fallthrough]];
    case OutsideChange::Close:
        // Nothing is written any more: the files went on purpose.
        ForgetNoteFiles();
        note->PostMessage(WM_CLOSE);
        return;
    }
    FollowSettings(note, edit);
}

void NoteFollower::FollowSettings(CWnd* note, CNoteEdit& edit)
{
    // The other PC's Options, or a settings file that came with the note.
    FileStamp now = StampOf(g_szSettingsFile);
    if (!now.present || now == g_settingsMemory.Stamp()) return;
    NoteSettings read = g_settings;
    ReadSettingsFile((std::string(".\\") + g_szSettingsFile).c_str(), read);
    if (g_settingsMemory.Known() && FormatSettingsKeys(read) == g_settingsMemory.Content()) {
        g_settingsMemory.Remember(g_settingsMemory.Content(), now);
        return;
    }
    ReadNoteSettingsFile();
    edit.ApplySettings(FALSE);
    // The note file's size wins, as at start-up.
    Place(note, edit, g_rcStored);
}
