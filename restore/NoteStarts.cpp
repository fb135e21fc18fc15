#include "restore/NoteStarts.h"

#include <windows.h>

#include "note/CommandTail.h"

namespace {

// WinExec's own limit on its wait for a started program.
const DWORD kReadyTimeoutMs = 30000;

StartedProcess StartProcess(std::string command) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

} // namespace

StartHooks ProcessStartHooks(const std::string& command) {
    return StartHooks{
        [command](const std::string& tail) { return StartProcess(command + tail); },
        [](StartedProcess process) { WaitForInputIdle(process, kReadyTimeoutMs); },
        [](StartedProcess process) { CloseHandle(process); },
    };
}

StartHooks NoteProcessHooks() {
    return ProcessStartHooks(NoteCommandLine(""));
}
