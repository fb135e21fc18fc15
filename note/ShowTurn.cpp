#include "note/ShowTurn.h"

#include <cstdlib>
#include <vector>

const char kShowTurnVariable[] = "TACKNOTE_SHOW_TURN";

namespace {

// A note that hangs before its show must not hold the ones after it for long.
const DWORD kTurnTimeoutMs = 5000;

HANDLE g_shownEvent = nullptr;

std::vector<std::string> SplitBars(const std::string& text) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == '|') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

} // namespace

std::string ShowTurnValue(const std::string& ownEvent, DWORD previousProcess,
                          const std::string& previousEvent) {
    if (previousEvent.empty()) return ownEvent + "||";
    return ownEvent + "|" + std::to_string(previousProcess) + "|" + previousEvent;
}

void AwaitTurnToShow() {
    char value[512];
    DWORD length = GetEnvironmentVariableA(kShowTurnVariable, value, sizeof value);
    if (length == 0 || length >= sizeof value) return;
    SetEnvironmentVariableA(kShowTurnVariable, nullptr);
    std::vector<std::string> parts = SplitBars(value);
    if (parts.size() != 3) return;
    g_shownEvent = OpenEventA(EVENT_MODIFY_STATE, FALSE, parts[0].c_str());
    if (parts[2].empty()) return;
    HANDLE waits[2] = {
        OpenEventA(SYNCHRONIZE, FALSE, parts[2].c_str()),
        OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(strtoul(parts[1].c_str(), nullptr, 10))),
    };
    // Either one ends the wait: the note before has shown, or it ended without showing (it
    // was refused, or its file was no note); a process already gone is no wait at all. The
    // window is hidden and this process not yet idle, so nothing waits on it but the notes
    // after it.
    if (waits[0] && waits[1]) WaitForMultipleObjects(2, waits, FALSE, kTurnTimeoutMs);
    for (HANDLE handle : waits)
        if (handle) CloseHandle(handle);
}

void SignalShown() {
    if (!g_shownEvent) return;
    SetEvent(g_shownEvent);
    CloseHandle(g_shownEvent);
    g_shownEvent = nullptr;
}
