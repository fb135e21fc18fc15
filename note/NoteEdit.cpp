#include "note/NoteEdit.h"

#include <string>
#include <utility>

#include "alarm/AlarmAnnouncer.h"
#include "closed/ClosedFolder.h"
#include "controls/AboutDlg.h"
#include "dpi/DpiApi.h"
#include "dpi/DpiScale.h"
#include "framework/DC.h"
#include "framework/Menu.h"
#include "framework/StartupTrace.h"
#include "framework/WinApp.h"
#include "note/CommandTail.h"
#include "note/NoteCommands.h"
#include "note/NoteDpi.h"
#include "note/NoteFile.h"
#include "note/NoteOwner.h"
#include "note/NoteSettings.h"
#include "note/NoteState.h"
#include "note/ShowTurn.h"
#include "note/NoteStore.h"
#include "note/OptionsDlg.h"
#include "placement/Cascade.h"
#include "res/resource.h"

namespace {

// Posted to the control when a save failed, so that the message box doesn't open inside the
// focus change that made the save. WM_APP: the WM_USER range holds the edit's own messages.
const UINT kSaveFailedMessage = WM_APP + 0x40;

// The save after a change waits this long for the next keystroke. Far from the edit
// control's own timer ids, which share this window.
const UINT_PTR kSaveTimerId = 0x5A7E;
const UINT kSaveDelayMs = 600;
const UINT kFullHintMs = 8000;
const char kFullHintTitle[] = "This note is full";
const char kFullHintText[] =
    "What does not fit is not kept. Options... in the note's menu can make the note larger "
    "or its font smaller.";

bool g_bFullHintShown = false; // the hint shows once per note process

// The work area of the monitor that holds most of `rc`.
RECT WorkAreaOf(const RECT& rc) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &monitor))
        return monitor.rcWork;
    RECT work = rc;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

} // namespace

// clang-format off
BEGIN_MESSAGE_MAP(CNoteEdit, CEdit)
    ON_WM_CTLCOLOR_REFLECT()
    ON_CONTROL_REFLECT(EN_UPDATE, OnUpdateReflect)
    ON_CONTROL_REFLECT(EN_CHANGE, OnChangeReflect)
    ON_WM_TIMER()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_CONTEXTMENU()
    ON_WM_LBUTTONDBLCLK()
    ON_CONTROL_REFLECT(EN_KILLFOCUS, OnKillFocusReflect)
    ON_WM_CAPTURECHANGED()
    ON_MESSAGE(kSaveFailedMessage, OnSaveFailed)
    ON_WM_GETDLGCODE()
    ON_CONTROL_REFLECT(EN_MAXTEXT, OnMaxTextReflect)
END_MESSAGE_MAP()
// clang-format on

CNoteEdit::CNoteEdit() {
    LoadNoteSettings();
    TraceStartup("settings");
    m_crText = g_settings.crText;
    m_crBack = g_settings.crBack;
    m_brBack.CreateSolidBrush(m_crBack);
    m_font.CreateFontIndirect(&g_settings.lf);
}

CNoteEdit::~CNoteEdit() = default;

void CNoteEdit::LoadNoteSettings() {
    ReadNoteSettingsFile();
}

void CNoteEdit::SaveNoteSettings() {
    SaveFailure failure;
    NoteSaveResult(WriteNoteSettingsFile(&failure), failure);
}

bool CNoteEdit::SaveNote() {
    m_saveTimer.Kill();
    if (!g_szNoteFile[0]) return true;
    // Still dragging: the place is written when the drag ends instead. Only this note's own
    // drag counts: a click on another window takes the focus while the button is down, and
    // where the key state is shared between programs that would skip every such save.
    if (m_bDragging && GetKeyState(VK_LBUTTON) < 0) return true;
    CString text;
    GetWindowText(text);
    SaveFailure failure;
    RECT stored = WindowRectToStored(GetParent()->m_hWnd, StoredWindowRect());
    bool saved = SaveNoteFiles(stored, std::string(text, text.GetLength()), &failure);
    NoteSaveResult(saved, failure);
    return saved;
}

void CNoteEdit::ScheduleSave() {
    m_saveTimer.Set(this, kSaveTimerId, kSaveDelayMs);
}

void CNoteEdit::OnChangeReflect() {
    ScheduleSave();
}

void CNoteEdit::OnTimer(UINT nIDEvent) {
    if (!m_saveTimer.IsEvent(nIDEvent)) {
        Default();
        return;
    }
    SaveNote();
}

void CNoteEdit::NoteSaveResult(bool saved, const SaveFailure& failure) {
    if (saved) {
        m_bSaveFailed = FALSE;
        return;
    }
    // Once per run of failures: every focus change retries, and a message each time would
    // stand between the user and every other window.
    if (m_bSaveFailed) return;
    m_bSaveFailed = TRUE;
    m_saveFailure = failure;
    PostMessage(kSaveFailedMessage);
}

LRESULT CNoteEdit::OnSaveFailed(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    ReportSaveFailure(GetParent()->GetSafeHwnd(), m_saveFailure);
    return 0;
}

CRect CNoteEdit::StoredWindowRect() const {
    CWnd* note = GetParent();
    CRect rc;
    note->GetWindowRect(&rc);
    CPoint origin;
    if (CAlarmAnnouncer::ShakeOrigin(note->m_hWnd, &origin))
        rc.OffsetRect(origin.x - rc.left, origin.y - rc.top);
    // A minimized window's rectangle is its icon's (far off screen); the note must come back
    // where the user last saw it.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (note->IsIconic() && note->GetWindowPlacement(&placement)) {
        // The restored rectangle is in work-area coordinates.
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoA(MonitorFromWindow(note->m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
        rc = placement.rcNormalPosition;
        rc.OffsetRect(monitor.rcWork.left - monitor.rcMonitor.left,
                      monitor.rcWork.top - monitor.rcMonitor.top);
    }
    return rc;
}

void CNoteEdit::ApplyFont(UINT dpi) {
    // The control draws with the font it was given until it gets the next one, so the old
    // font is deleted only after the new one is in place.
    LOGFONTA lf = NoteFontAtDpi(g_settings.lf, dpi);
    CFont font;
    font.CreateFontIndirect(&lf);
    SetFont(&font, TRUE);
    m_font = std::move(font);
}

void CNoteEdit::ApplyDpi() {
    ApplyFont(DpiForWindow(GetParent()->m_hWnd));
    LoadDragCursor(); // a note dragged onto another monitor changes its cursor there
    CRect rc;
    GetParent()->GetClientRect(&rc);
    MoveWindow(0, 0, rc.Width(), rc.Height(), TRUE);
}

void CNoteEdit::LoadDragCursor() {
    m_dragCursor.Apply(GetParent()->m_hWnd, AfxGetResourceHandle(), MAKEINTRESOURCEA(IDC_DRAG));
}

int CNoteEdit::ApplyLook() {
    int dpi = static_cast<int>(DpiForWindow(GetParent()->m_hWnd));
    ApplyFont(static_cast<UINT>(dpi));
    m_crText = g_settings.crText;
    m_crBack = g_settings.crBack;
    m_brBack.DeleteObject();
    m_brBack.CreateSolidBrush(m_crBack);
    return dpi;
}

void CNoteEdit::ApplySettings(BOOL bTakeFocus) {
    int dpi = ApplyLook();
    int width = FileToDevice(g_settings.nWidth, dpi);
    int height = FileToDevice(g_settings.nHeight, dpi);
    GetParent()->SetWindowPos(g_settings.bTopmost ? &wndTopMost : &wndNoTopMost, 0, 0, width,
                              height, SWP_NOMOVE | (bTakeFocus ? 0 : SWP_NOACTIVATE));
    MoveWindow(0, 0, width, height, TRUE);
    if (bTakeFocus) SetFocus();
}

void CNoteEdit::SetSelection(DWORD dwSel, BOOL bNoScroll) {
    SendMessage(EM_SETSEL, LOWORD(dwSel), HIWORD(dwSel));
    if (!bNoScroll) SendMessage(EM_SCROLLCARET);
}

// The first colour request comes with the control's first painting, when the note window
// has been centred and shown.
void CNoteEdit::RunFirstPaintSetup() {
    // Cleared first: the setup repaints, and a nested request must not run it again.
    g_bInitPending = FALSE;
    const bool stored = IsStoredRectPresent(g_rcStored);
    if (stored) {
        ApplyLook();
        // The stored size wins over the settings' size: one move sets place, size and the
        // topmost flag, where sizing to the settings first made the shown window jump twice.
        CRect rc(StoredRectToScreen(g_rcStored));
        GetParent()->SetWindowPos(g_settings.bTopmost ? &wndTopMost : &wndNoTopMost, rc.left,
                                  rc.top, rc.Width(), rc.Height(), SWP_SHOWWINDOW);
        MoveWindow(0, 0, rc.Width(), rc.Height(), TRUE);
        SetFocus();
    } else {
        ApplySettings();
    }
    TraceStartup("applied");
    // A stored note without a rectangle still shows its text, so its next save keeps it.
    if (!g_strNoteText.IsEmpty()) SetWindowText(g_strNoteText);
    // Shows only part of its file's text: typing would make the user believe the rest gone.
    if (g_bReadOnlyText) SetReadOnly(TRUE);
    if (!stored) PlaceNewNote();
    SignalShown();
    TraceStartup("painted");
}

// Every new note is centred; one that would stand on another note moves aside, as a new
// window of a cascade does.
void CNoteEdit::PlaceNewNote() {
    CWnd* note = GetParent();
    CRect rc;
    note->GetWindowRect(&rc);
    const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
    RECT place = CascadePlace(rc, OtherNoteRects(note->m_hWnd), WorkAreaOf(rc), step);
    if (place.left != rc.left || place.top != rc.top)
        note->SetWindowPos(nullptr, place.left, place.top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CNoteEdit::KeepInsideWorkArea() {
    CWnd* note = GetParent();
    CRect rc;
    note->GetWindowRect(&rc);
    RECT inside = KeepInside(rc, WorkAreaOf(rc));
    if (inside.left != rc.left || inside.top != rc.top)
        note->SetWindowPos(nullptr, inside.left, inside.top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HBRUSH CNoteEdit::CtlColor(CDC* pDC, UINT /*nCtlColor*/) {
    if (g_bInitPending) RunFirstPaintSetup();
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_crText);
    return static_cast<HBRUSH>(m_brBack.GetSafeHandle());
}

// The text is drawn transparently, so the background must be erased under every change.
void CNoteEdit::OnUpdateReflect() {
    Invalidate(TRUE);
}

void CNoteEdit::OnKillFocusReflect() {
    m_fullHint.Hide();
    SaveNote();
}

// The left button never edits: it drags the whole note. The caret moves by keyboard only.
void CNoteEdit::OnLButtonDown(UINT /*nFlags*/, CPoint point) {
    m_fullHint.Hide();
    GetParent()->GetWindowRect(&m_rcWindow);
    ClientToScreen(&point);
    m_ptLast = point;
    LoadDragCursor();
    SetCursor(m_dragCursor.Get());
    HideCaret();
    m_bDragging = TRUE;
    SetCapture();
}

void CNoteEdit::OnMouseMove(UINT nFlags, CPoint point) {
    if (!m_bDragging || !(nFlags & MK_LBUTTON)) return;
    ClientToScreen(&point);
    int dx = point.x - m_ptLast.x;
    int dy = point.y - m_ptLast.y;
    if (dx == 0 && dy == 0) return;
    GetParent()->SetWindowPos(nullptr, m_rcWindow.left + dx, m_rcWindow.top + dy, 0, 0,
                              SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    m_rcWindow.OffsetRect(dx, dy);
    m_ptLast = point;
}

void CNoteEdit::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/) {
    if (m_bDragging) ReleaseCapture(); // ends the drag through OnCaptureChanged
    EndDrag();
    SetCursor(LoadCursorA(nullptr, IDC_IBEAM));
    SetFocus();
}

// Capture can also be taken away (another window, a menu): the drag ends there too.
void CNoteEdit::OnCaptureChanged(CWnd* /*pWnd*/) {
    EndDrag();
}

void CNoteEdit::EndDrag() {
    if (!m_bDragging) return;
    m_bDragging = FALSE;
    ShowCaret();
    // A click without a move changes nothing, and the save then writes nothing.
    ScheduleSave();
}

void CNoteEdit::OnLButtonDblClk(UINT /*nFlags*/, CPoint /*point*/) {}

void CNoteEdit::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
    // A multi-line edit in a dialog closes the dialog on Escape; a note must not.
    if (nChar == VK_ESCAPE) return;
    if (nChar == VK_DELETE) ExplainReadOnly();
    // The menu shows Ctrl+A for Select All; the control itself knows no such key.
    if (nChar == 'A' && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0) {
        SetSel(0, -1);
        return;
    }
    Default();
}

void CNoteEdit::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
    if (nChar == 1) return; // Ctrl+A, handled as its key went down
    // Typing, Enter, Backspace, Ctrl+V and Ctrl+X; not Ctrl+C or other shortcuts.
    if (nChar >= ' ' || nChar == '\r' || nChar == '\b' || nChar == 0x16 || nChar == 0x18)
        ExplainReadOnly();
    Default();
}

void CNoteEdit::ExplainReadOnly() {
    if (!g_bReadOnlyText || m_bToldReadOnly) return;
    m_bToldReadOnly = TRUE;
    std::string message =
        std::string("This note can't be changed here: its file ") + g_szNoteFile +
        " holds more text than a note can show (over 4095 characters, or a character a note "
        "can't show).\n\nTacknote keeps that file as it is. Open it in a text editor to read "
        "all of it or to shorten it.";
    GetParent()->MessageBox(message.c_str(), "Tacknote", MB_ICONINFORMATION);
}

// The dialog manager selects the whole text of a control that asks for it (DLGC_HASSETSEL)
// whenever it hands it the focus: on activation, restore and Alt+Tab. The next key typed
// then replaced the note; the caret and selection stay where the user left them instead.
UINT CNoteEdit::OnGetDlgCode() {
    return static_cast<UINT>(Default()) & ~DLGC_HASSETSEL;
}

// The control refused text that would run past the bottom or past the limit of a note file.
void CNoteEdit::OnMaxTextReflect() {
    MessageBeep(MB_OK);
    if (g_bFullHintShown) return;
    g_bFullHintShown = true;
    CPoint caret;
    GetCaretPos(&caret);
    CRect client;
    GetClientRect(&client);
    // The tip points just below the caret's line, where the user is looking.
    LONG lineHeight = g_settings.lf.lfHeight < 0 ? -g_settings.lf.lfHeight : g_settings.lf.lfHeight;
    caret.y += lineHeight > 0 ? lineHeight : GetSystemMetrics(SM_CYCAPTION);
    if (!client.PtInRect(caret)) caret = CPoint(client.Width() / 2, client.bottom - 1);
    ClientToScreen(&caret);
    m_fullHint.Show(this, caret, kFullHintTitle, kFullHintText, kFullHintMs);
}

void CNoteEdit::OnContextMenu(CWnd* /*pWnd*/, CPoint point) {
    // From the keyboard (Shift+F10, the menu key) the position is -1,-1: use the caret's.
    if (point.x == -1 && point.y == -1) {
        GetCaretPos(&point);
        ClientToScreen(&point);
    }
    m_fullHint.Hide();
    const NoteEditState state = EditState();
    CMenu menu;
    menu.CreatePopupMenu();
    for (const NoteMenuEntry& entry : kNoteMenu) {
        if (entry.nID) {
            UINT flags = IsNoteCommandEnabled(entry.nID, state) ? MF_STRING : MF_STRING | MF_GRAYED;
            menu.AppendMenu(flags, entry.nID, entry.pszText);
        } else {
            menu.AppendMenu(MF_SEPARATOR);
        }
    }
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
}

NoteEditState CNoteEdit::EditState() const {
    int start = 0, end = 0;
    GetSel(start, end);
    NoteEditState state{};
    state.canUndo = CanUndo() != FALSE;
    state.hasSelection = start != end;
    state.readOnly = (GetStyle() & ES_READONLY) != 0;
    state.clipboardHasText = IsClipboardFormatAvailable(CF_TEXT) != FALSE;
    state.hasText = GetWindowTextLength() > 0;
    return state;
}

bool CNoteEdit::OnEditCommand(UINT nID) {
    switch (nID) {
    case ID_NOTE_UNDO:
        Undo();
        return true;
    case ID_NOTE_CUT:
        Cut();
        return true;
    case ID_NOTE_COPY:
        Copy();
        return true;
    case ID_NOTE_PASTE:
        Paste();
        return true;
    case ID_NOTE_SELECTALL:
        SetSel(0, -1);
        return true;
    default:
        return false;
    }
}

BOOL CNoteEdit::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (OnEditCommand(static_cast<UINT>(wParam))) return CEdit::OnCommand(wParam, lParam);
    // The whole value: a menu command carries notification code 0.
    switch (wParam) {
    case ID_NOTE_BLANK:
        OnBlankPaper();
        break;
    case ID_NOTE_NEWPAPER:
        OnNewPaper();
        break;
    case ID_NOTE_OPTIONS:
        OnOptions();
        break;
    case ID_NOTE_MINIMIZE:
        OnMinimize();
        break;
    case ID_NOTE_CLOSE:
        OnCloseNote();
        break;
    case ID_NOTE_SAVE:
        OnSaveText();
        break;
    case ID_NOTE_PRINT:
        OnPrint();
        break;
    case ID_NOTE_ABOUT: {
        CAboutDlg dlg;
        dlg.DoModal();
        break;
    }
    case ID_NOTE_ALARM:
        // The alarm belongs to the note window, which owns the alarm dialog.
        GetParent()->SendMessage(WM_COMMAND, ID_NOTE_ALARM);
        break;
    default:
        break;
    }
    return CEdit::OnCommand(wParam, lParam);
}

void CNoteEdit::OnBlankPaper() {
    SetSel(0, -1);
    SendMessage(EM_SCROLLCARET);
    Clear();
}

void CNoteEdit::OnNewPaper() {
    StartNoteProcess(kNewNoteTail);
}

// Edits this note's appearance; OK applies it at once and keeps it with the note.
void CNoteEdit::OnOptions() {
    COptionsDlg dlg;
    if (dlg.DoModal() != IDOK) return;
    ApplySettings();
    KeepInsideWorkArea();
    SaveNoteSettings();
    // A new size is the note file's to keep as well.
    ScheduleSave();
}

void CNoteEdit::OnMinimize() {
    GetParent()->PostMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

// Takes the note off the desktop and out of the notes folder into Closed, from where the tray
// can bring it back; what was typed last goes with it. A note that never held anything leaves
// nothing behind. The names are emptied first, so closing saves nothing more.
void CNoteEdit::OnCloseNote() {
    if (g_szNoteFile[0]) {
        // A file removed from outside is written again: what the note shows is what closes.
        if (GetFileAttributesA(g_szNoteFile) == INVALID_FILE_ATTRIBUTES) g_noteMemory.Forget();
        bool keep = g_noteMemory.Known() || GetWindowTextLength() > 0;
        if (keep) SaveNote();
        if (GetFileAttributesA(g_szNoteFile) != INVALID_FILE_ATTRIBUTES) {
            // A note that can't be moved stays in the folder and comes back at the next start.
            MoveIntoClosed(g_szNoteFile, g_szSettingsFile);
        } else if (!keep) {
            // Only its look was ever written (Options... on a blank new note).
            DeleteFileA(g_szSettingsFile);
        }
    }
    ForgetNoteFiles();
    GetParent()->PostMessage(WM_CLOSE);
}
