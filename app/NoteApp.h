#pragma once
// The application object: tells the process's role from its command-line tail and runs it.
// A note process does all its work in InitInstance and ends when its note closes.

#include "framework/WinApp.h"

class CNoteApp : public CWinApp {
public:
    CNoteApp();
    ~CNoteApp() override;

    // TRUE only for the tray instance, whose message loop then runs.
    BOOL InitInstance() override;

private:
    // Chooses and claims a free name for a new note; false when none could be had.
    bool StartNewNote();
    // Shows this process's note until it is closed.
    void RunNote();
};

extern CNoteApp theApp;
