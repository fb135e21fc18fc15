#include "framework/StartupTrace.h"

#include <cstdio>

#include <windows.h>

namespace {

const char kTraceVariable[] = "TACKNOTE_TRACE_STARTUP";

// Empty when tracing is off; read once.
const char* TracePath() {
    static char path[MAX_PATH] = "";
    static bool read = false;
    if (!read) {
        read = true;
        DWORD length = GetEnvironmentVariableA(kTraceVariable, path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) path[0] = '\0';
    }
    return path;
}

unsigned long long Ticks(const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

} // namespace

void TraceStartup(const char* phase, const char* detail) {
    const char* path = TracePath();
    if (!*path) return;
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    // The process's own processor time so far: under load, the wall time of a phase mostly
    // tells how long others held the cores, this what the phase itself cost.
    FILETIME created, ended, kernel, user;
    unsigned long long cpu = 0;
    if (GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user))
        cpu = Ticks(kernel) + Ticks(user);
    char line[192];
    int length = snprintf(line, sizeof line, "%lu %lld %llu %s %s\r\n", GetCurrentProcessId(),
                          static_cast<long long>(counter.QuadPart), cpu, phase,
                          detail ? detail : "");
    if (length <= 0) return;
    if (length >= static_cast<int>(sizeof line)) length = sizeof line - 1;
    // Append-only access: the lines of processes writing at once do not overwrite each other.
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
}
