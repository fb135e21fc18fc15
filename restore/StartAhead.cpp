#include "restore/StartAhead.h"

#include <utility>

StartAhead::StartAhead(StartHooks hooks, size_t ahead)
    : m_hooks(std::move(hooks)), m_ahead(ahead > 0 ? ahead : 1) {}

StartAhead::~StartAhead() {
    for (StartedProcess process : m_starting) m_hooks.release(process);
}

void StartAhead::Start(const std::string& tail) {
    while (m_starting.size() >= m_ahead) AwaitOldest();
    // One that fails to start holds no place: the user sees no note, the rest come up.
    if (StartedProcess process = m_hooks.start(tail)) m_starting.push_back(process);
}

void StartAhead::Finish() {
    while (!m_starting.empty()) AwaitOldest();
}

void StartAhead::AwaitOldest() {
    StartedProcess oldest = m_starting.front();
    m_starting.pop_front();
    m_hooks.awaitReady(oldest);
    m_hooks.release(oldest);
}
