#pragma once
// Telling the user that a file could not be saved: which file and the system's reason.

#include <windows.h>

#include <string>

// What a save could not write: the file's name and the system's error code.
struct SaveFailure {
    std::string file;
    DWORD error = 0;
};

// The system's text for an error code, without its line end; the code itself when the
// system has no text for it.
std::string SystemErrorText(DWORD error);

// The message: the file's full path, the reason, and that nothing was lost yet.
std::string SaveFailureMessage(const std::string& fullPath, const std::string& reason);

// Shows the message for `failure` in a message box owned by `owner` and waits for it.
void ReportSaveFailure(HWND owner, const SaveFailure& failure);
