#include "app/NoteApp.h"

#include "app/TrayRole.h"
#include "dpi/DpiApi.h"
#include "dpi/DpiScale.h"
#include "framework/StartupTrace.h"
#include "note/CommandTail.h"
#include "note/NoteDlg.h"
#include "note/NoteName.h"
#include "note/NoteOwner.h"
#include "note/NoteStartup.h"
#include "note/NoteState.h"

CNoteApp theApp;

CNoteApp::CNoteApp() = default;

CNoteApp::~CNoteApp() = default;

BOOL CNoteApp::InitInstance() {
    Enable3dControlsStatic();
    // The manifest asks for it already; this covers a copy of the exe stripped of it.
    EnableDpiAwareness();
    const char* tail = m_lpCmdLine ? m_lpCmdLine : "";
    switch (RoleForTail(tail)) {
    case ProcessRole::Tray:
        return StartTrayInstance();
    case ProcessRole::NewNote:
        if (!StartNewNote()) return FALSE;
        break;
    case ProcessRole::StoredNote:
        // Shown by a live process already (a restarted tray, a double start): that one is
        // brought to the front, and this one ends before reading or writing anything.
        if (!TakeNoteOwnership(tail)) return FALSE;
        TraceStartup("owned");
        // A missing, locked or unreadable note, or a file that is no note, ends the process
        // before anything is written, so it is never overwritten with an empty note.
        if (!PrepareStoredNote(tail)) return FALSE;
        TraceStartup("read");
        break;
    case ProcessRole::Refused:
        // Not a name this program makes: it could name a file elsewhere that Close deletes.
        return FALSE;
    }
    RunNote();
    return FALSE;
}

// Owned from the start, so that a tray restarted before its first save can't open it a second
// time. Two notes started at once may pick the same free name; the one that claims it second
// picks another.
bool CNoteApp::StartNewNote() {
    const int kAttempts = 8;
    for (int i = 0; i < kAttempts; ++i) {
        // The size table is in file units, as the note's size is.
        int screenWidth =
            DeviceToFile(GetSystemMetrics(SM_CXSCREEN), static_cast<int>(SystemDpi()));
        if (!PrepareNewNote(SystemNames(), screenWidth)) return false;
        if (ClaimNoteName(g_szNoteFile)) return true;
    }
    return false;
}

void CNoteApp::RunNote() {
    CNoteDlg note; // its text control reads the note's settings here
    TraceStartup("create");
    m_pMainWnd = &note;
    note.DoModal();
    m_pMainWnd = nullptr;
}
