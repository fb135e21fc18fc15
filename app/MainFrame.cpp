#include "app/MainFrame.h"

#include <string>

#include "app/StoredNotes.h"
#include "closed/ClosedFolder.h"
#include "controls/AboutDlg.h"
#include "controls/Splash.h"
#include "framework/StartupTrace.h"
#include "framework/WinApp.h"
#include "note/CommandTail.h"
#include "note/KeptAlarmFile.h"
#include "note/NoteFile.h"
#include "note/NoteOwner.h"
#include "note/NoteSettings.h"
#include "note/NoteStore.h"
#include "note/OptionsDlg.h"
#include "note/SaveFailure.h"
#include "note/SaveLeftovers.h"
#include "notelist/NotesListDlg.h"
#include "notewin/RunningNotes.h"
#include "res/resource.h"
#include "restore/NoteStarts.h"
#include "restore/ShowChain.h"

IMPLEMENT_DYNAMIC(CMainFrame, CFrameWnd)

// clang-format off
BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_COMMAND(ID_TRAY_NEWPAPER, OnNewPaper)
    ON_COMMAND(ID_TRAY_CLOSE, OnTrayClose)
    ON_COMMAND(ID_TRAY_ABOUT, OnAbout)
    ON_COMMAND(ID_TRAY_OPTIONS, OnOptions)
    ON_COMMAND_RANGE(ID_TRAY_REOPEN_FIRST, ID_TRAY_REOPEN_FIRST + kClosedMenuSize - 1, OnReopen)
    ON_COMMAND(ID_TRAY_KEEPALARMS, OnKeepAlarms)
    ON_COMMAND(ID_TRAY_SHOWALL, OnShowAll)
    ON_COMMAND(ID_TRAY_HIDEALL, OnHideAll)
    ON_COMMAND(ID_TRAY_NOTELIST, OnNotesList)
    ON_MESSAGE(WM_HOTKEY, OnHotKey)
    ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopup)
END_MESSAGE_MAP()
// clang-format on

namespace {

const UINT kTrayCallback = WM_USER + 8;
const DWORD kSplashMs = 1000;
const int kShowHideHotkeyId = 1;
// Asking the folder's change notification is a wait of zero; only a change costs a listing.
const UINT_PTR kFollowTimerId = 380;
const UINT kFollowTimerMs = 250;

FollowerHooks TrayHooks()
{
    return FollowerHooks{
        [] { return RestorableNotes(ListNoteFiles()); },
        [](const std::string& name) { return IsNoteOwned(name.c_str()); },
        [](const std::string& name) { StartNoteProcess(name); },
    };
}

} // namespace

CMainFrame::CMainFrame() : m_follower(TrayHooks()) {}

// Out of line: the list's class is complete only here.
CMainFrame::~CMainFrame() = default;

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    // The shell shows the icon at the small size of the system dpi; that image stays sharp.
    const int cxSmall = GetSystemMetrics(SM_CXSMICON);
    HICON hIcon =
        static_cast<HICON>(LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_TACKNOTE),
                                      IMAGE_ICON, cxSmall, cxSmall, LR_SHARED));
    // An icon the shell refuses now (at logon it may not be ready) is tried again for a while,
    // and the stored notes come back either way. Only a system that can never show one ends
    // the tray instance.
    m_tray.AddIcon(NULL, kTrayCallback, "Tacknote", hIcon, IDR_TRAYMENU);
    if (m_tray.GetSafeHwnd() == NULL) return -1;
    // Never shown, but the owner of the tray's dialogs and messages: a window owned by a
    // topmost one is topmost too, so none of them opens under a note kept on top.
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    LoadDefaults();
    m_tray.SetDefaultMenuItem(0, TRUE);
    RegisterShowHideHotkey();
    TraceStartup("splash");
    ShowSplash(kSplashMs);
    TraceStartup("splashed");
    PruneClosed(FileTimeNow());
    RemoveSaveLeftovers(FileTimeNow());
    RestoreNotes();
    m_follower.Begin();
    SetTimer(kFollowTimerId, kFollowTimerMs);
    return 0;
}

void CMainFrame::LoadDefaults() {
    ReadSettingsFile(kDefaultsFile, g_settings);
}

void CMainFrame::SaveDefaults() {
    // Owned by the hidden host, which keeps it above notes kept on top.
    DWORD error = 0;
    if (!WriteSettingsFile(kDefaultsFile, g_settings, &error))
        ReportSaveFailure(m_hWnd, SaveFailure{kDefaultsFile, error});
}

void CMainFrame::RestoreNotes() {
    // Each note runs in its own process; a note that fails to start doesn't stop the others.
    // A file named like a note that holds something else is left alone. Several start at
    // once, but each shows only after the one before it, as when they started one by one.
    ShowChain chain;
    StartAhead starts(chain.Hooks(NoteProcessHooks()), kNotesStartingAtOnce);
    for (const std::string& name : RestorableNotes(ListNoteFiles())) {
        if (!MayBeNoteFile(name.c_str())) continue;
        TraceStartup("spawn", name.c_str());
        starts.Start(name);
    }
    // The chain's events must last until the last note has taken its turn.
    starts.Finish();
}

void CMainFrame::OnTimer(UINT nIDEvent) {
    if (nIDEvent == kFollowTimerId) m_follower.Tick(GetTickCount());
    CFrameWnd::OnTimer(nIDEvent);
}

void CMainFrame::OnNewPaper() {
    StartNoteProcess(kNewNoteTail);
}

void CMainFrame::OnOptions() {
    // The dialog edits the defaults, which only notes created afterwards take up.
    LoadDefaults();
    COptionsDlg dlg;
    if (dlg.DoModal() == IDOK) SaveDefaults();
}

// The notes read the choice whenever their alarm changes and at start; nothing to tell them.
void CMainFrame::OnKeepAlarms() {
    DWORD error = 0;
    if (!WriteKeepAlarms(kDefaultsFile, !ReadKeepAlarms(kDefaultsFile), &error))
        ReportSaveFailure(NULL, SaveFailure{kDefaultsFile, error});
}

void CMainFrame::OnAbout() {
    CAboutDlg dlg;
    dlg.DoModal();
}

void CMainFrame::RegisterShowHideHotkey() {
    std::string problem;
    // The tray runs on without it; the tip says why once, where the user looks for the icon.
    if (!m_hotkey.Register(m_hWnd, kShowHideHotkeyId, ReadHotkeyText(kDefaultsFile), problem))
        m_tray.SetTip(("Tacknote (" + problem + ")").c_str());
}

void CMainFrame::OnShowAll() {
    ShowAllNotes(RunningNoteWindows());
}

void CMainFrame::OnHideAll() {
    HideAllNotes(RunningNoteWindows());
}

LRESULT CMainFrame::OnHotKey(WPARAM wParam, LPARAM /*lParam*/) {
    if (static_cast<int>(wParam) == kShowHideHotkeyId) ToggleAllNotes(RunningNoteWindows());
    return 0;
}

// The popup is loaded afresh each time it opens, so it is brought up to date each time: the
// closed notes' submenu, the check mark as the file is now (another tray or an editor may have
// changed it), and the hotkey that is registered now, or none.
LRESULT CMainFrame::OnInitMenuPopup(WPARAM wParam, LPARAM /*lParam*/) {
    HMENU menu = reinterpret_cast<HMENU>(wParam);
    m_reopen.Fill(menu);
    const UINT check = ReadKeepAlarms(kDefaultsFile) ? MF_CHECKED : MF_UNCHECKED;
    ::CheckMenuItem(menu, ID_TRAY_KEEPALARMS, MF_BYCOMMAND | check);
    std::string key = m_hotkey.MenuText();
    const std::pair<UINT, const char*> items[] = {{ID_TRAY_SHOWALL, "Show All Notes"},
                                                  {ID_TRAY_HIDEALL, "Hide All Notes"}};
    for (const auto& item : items) {
        std::string text = key.empty() ? item.second : std::string(item.second) + "\t" + key;
        ModifyMenuA(menu, item.first, MF_BYCOMMAND | MF_STRING, item.first, text.c_str());
    }
    return 0;
}

void CMainFrame::OnNotesList() {
    if (!m_list) m_list.reset(new CNotesListDlg);
    m_list->Open();
}

void CMainFrame::OnTrayClose() {
    // Ends the tray instance only: the notes run in processes of their own.
    DestroyWindow();
}

void CMainFrame::OnReopen(UINT nID) {
    // Started here: the folder's watch must not take it for a note synced in and start it again.
    std::string name;
    if (m_reopen.Reopen(nID, &name)) m_follower.Started(name);
}
