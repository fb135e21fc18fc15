#include "app/NoteApp.h"

#include "app/TrayRole.h"
#include "note/CommandTail.h"
#include "note/NoteDlg.h"
#include "note/NoteName.h"
#include "note/NoteStartup.h"

CNoteApp theApp;

CNoteApp::CNoteApp() = default;

CNoteApp::~CNoteApp() = default;

BOOL CNoteApp::InitInstance() {
    Enable3dControlsStatic();
    const char* tail = m_lpCmdLine ? m_lpCmdLine : "";
    switch (RoleForTail(tail)) {
    case ProcessRole::Tray:
        return StartTrayInstance();
    case ProcessRole::NewNote:
        if (!PrepareNewNote(SystemNames(), GetSystemMetrics(SM_CXSCREEN))) return FALSE;
        break;
    case ProcessRole::StoredNote:
        // A missing, locked or unreadable note ends the process before anything is written,
        // so a note that can't be read is never overwritten with an empty one.
        if (!PrepareStoredNote(tail)) return FALSE;
        break;
    case ProcessRole::Refused:
        // Not a name this program makes: it could name a file elsewhere that Close deletes.
        return FALSE;
    }
    RunNote();
    return FALSE;
}

void CNoteApp::RunNote() {
    CNoteDlg note; // its text control reads the note's settings here
    m_pMainWnd = &note;
    note.DoModal();
    m_pMainWnd = nullptr;
}
