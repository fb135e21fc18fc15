#include "app/TrayRole.h"

#include "app/MainFrame.h"
#include "framework/WinApp.h"
#include "res/resource.h"

namespace {

const char kFrameClass[] = "AfxFrameOrView42s";
const char kTitle[] = "Tacknote";
const char kInstanceMutex[] = "Tacknote.TrayInstance";

// The host window gets its title only after it has started the stored notes, so a second
// start in that time would not find it; the mutex covers the whole life of the instance.
bool AnotherTrayRuns() {
    HANDLE mutex = CreateMutexA(NULL, FALSE, kInstanceMutex);
    bool mutexTaken = mutex && GetLastError() == ERROR_ALREADY_EXISTS;
    if (mutexTaken || FindWindowA(kFrameClass, kTitle) != NULL) {
        // Not ours to keep: a later start must not take this refused one for the tray.
        if (mutex) CloseHandle(mutex);
        return true;
    }
    // The tray instance holds it until its process ends.
    return false;
}

} // namespace

BOOL StartTrayInstance() {
    if (AnotherTrayRuns()) {
        // Above notes kept on top, which would otherwise hide it and take its Enter.
        MessageBoxA(NULL, "Tacknote is already running in the System Tray.", kTitle,
                    MB_ICONINFORMATION | MB_TOPMOST | MB_SETFOREGROUND);
        return FALSE;
    }
    // The frame deletes itself when its window is destroyed, also when creation fails.
    CMainFrame* pFrame = new CMainFrame;
    if (!pFrame->LoadFrame(IDR_TRAYMENU, WS_OVERLAPPEDWINDOW)) return FALSE;
    pFrame->SetWindowText(kTitle);
    AfxGetApp()->m_pMainWnd = pFrame;
    return TRUE;
}
