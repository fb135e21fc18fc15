#include "note/SaveFailure.h"

#include <cstdio>

std::string SystemErrorText(DWORD error)
{
    char text[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, text, sizeof text, nullptr);
    std::string reason(text, length);
    while (!reason.empty() &&
           (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' '))
        reason.pop_back();
    if (reason.empty()) {
        char code[32];
        snprintf(code, sizeof code, "Error %lu.", static_cast<unsigned long>(error));
        reason = code;
    }
    return reason;
}

std::string SaveFailureMessage(const std::string& fullPath, const std::string& reason)
{
    return "Tacknote could not save\n" + fullPath + "\n\n" + reason +
           "\n\nThe note keeps its text and tries again the next time it is saved.";
}

void ReportSaveFailure(HWND owner, const SaveFailure& failure)
{
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(failure.file.c_str(), MAX_PATH, full, nullptr);
    std::string path = length > 0 && length < MAX_PATH ? full : failure.file;
    MessageBoxA(owner, SaveFailureMessage(path, SystemErrorText(failure.error)).c_str(), "Tacknote",
                MB_OK | MB_ICONEXCLAMATION);
}
