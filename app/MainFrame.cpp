#include "app/MainFrame.h"

#include <string>

#include "app/StoredNotes.h"
#include "closed/ClosedFolder.h"
#include "controls/AboutDlg.h"
#include "controls/Splash.h"
#include "framework/WinApp.h"
#include "note/CommandTail.h"
#include "note/NoteFile.h"
#include "note/NoteOwner.h"
#include "note/NoteSettings.h"
#include "note/NoteStore.h"
#include "note/OptionsDlg.h"
#include "note/SaveFailure.h"
#include "note/SaveLeftovers.h"
#include "res/resource.h"

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
    ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopup)
END_MESSAGE_MAP()
// clang-format on

namespace {

const UINT kTrayCallback = WM_USER + 8;
const DWORD kSplashMs = 1000;
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

CMainFrame::~CMainFrame() = default;

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    HICON hIcon = AfxGetApp()->LoadIcon(IDI_TACKNOTE);
    // An icon the shell refuses now (at logon it may not be ready) is tried again for a while,
    // and the stored notes come back either way. Only a system that can never show one ends
    // the tray instance.
    m_tray.AddIcon(NULL, kTrayCallback, "Tacknote", hIcon, IDR_TRAYMENU);
    if (m_tray.GetSafeHwnd() == NULL) return -1;
    LoadDefaults();
    m_tray.SetDefaultMenuItem(0, TRUE);
    ShowSplash(kSplashMs);
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
    // The tray host is never shown, so the message has no owner.
    DWORD error = 0;
    if (!WriteSettingsFile(kDefaultsFile, g_settings, &error))
        ReportSaveFailure(NULL, SaveFailure{kDefaultsFile, error});
}

void CMainFrame::RestoreNotes() {
    // Each note runs in its own process; a note that fails to start doesn't stop the others.
    // A file named like a note that holds something else is left alone.
    for (const std::string& name : RestorableNotes(ListNoteFiles())) {
        if (MayBeNoteFile(name.c_str())) StartNoteProcess(name);
    }
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

void CMainFrame::OnAbout() {
    CAboutDlg dlg;
    dlg.DoModal();
}

void CMainFrame::OnTrayClose() {
    // Ends the tray instance only: the notes run in processes of their own.
    DestroyWindow();
}

// The popup is loaded afresh each time it opens, so the submenu is filled each time too.
LRESULT CMainFrame::OnInitMenuPopup(WPARAM wParam, LPARAM /*lParam*/) {
    m_reopen.Fill(reinterpret_cast<HMENU>(wParam));
    return 0;
}

void CMainFrame::OnReopen(UINT nID) {
    // Started here: the folder's watch must not take it for a note synced in and start it again.
    std::string name;
    if (m_reopen.Reopen(nID, &name)) m_follower.Started(name);
}
