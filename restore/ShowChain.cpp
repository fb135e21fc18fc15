#include "restore/ShowChain.h"

#include <utility>

#include "note/ShowTurn.h"

ShowChain::ShowChain()
    : m_prefix("Local\\Tacknote.ShowTurn." + std::to_string(GetCurrentProcessId()) + "." +
               std::to_string(GetTickCount()) + ".") {}

ShowChain::~ShowChain() {
    SetEnvironmentVariableA(kShowTurnVariable, nullptr);
    for (HANDLE event : m_events) CloseHandle(event);
}

StartHooks ShowChain::Hooks(StartHooks inner) {
    StartHooks hooks = inner;
    hooks.start = [this, start = std::move(inner.start)](const std::string& tail) {
        PrepareNext();
        StartedProcess process = start(tail);
        Started(process);
        return process;
    };
    return hooks;
}

void ShowChain::PrepareNext() {
    m_nextEvent = m_prefix + std::to_string(m_events.size());
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, m_nextEvent.c_str());
    if (!event) {
        // Without its event the note shows when it is ready, as any note started alone.
        SetEnvironmentVariableA(kShowTurnVariable, nullptr);
        m_nextEvent.clear();
        return;
    }
    m_events.push_back(event);
    SetEnvironmentVariableA(kShowTurnVariable,
                            ShowTurnValue(m_nextEvent, m_lastProcess, m_lastEvent).c_str());
}

void ShowChain::Started(StartedProcess process) {
    // A note that did not start is no one's turn: the next waits for the one before it.
    if (!process || m_nextEvent.empty()) return;
    m_lastProcess = GetProcessId(static_cast<HANDLE>(process));
    m_lastEvent = m_nextEvent;
}
