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

} // namespace

void TraceStartup(const char* phase, const char* detail) {
    const char* path = TracePath();
    if (!*path) return;
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    char line[160];
    int length = snprintf(line, sizeof line, "%lu %lld %s %s\r\n", GetCurrentProcessId(),
                          static_cast<long long>(counter.QuadPart), phase, detail ? detail : "");
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
