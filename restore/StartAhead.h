#pragma once
// Starting many processes in a fixed order without waiting for each in turn: the next one
// starts while up to `ahead - 1` before it are still starting. A process counts as started
// once it is ready for input (its first idle), as the system's own start of a program waits.
// On a machine of several cores, one process's start then overlaps another's waits.

#include <cstddef>
#include <deque>
#include <functional>
#include <string>

// A started process as the hooks know it; null when it did not start.
using StartedProcess = void*;

struct StartHooks {
    std::function<StartedProcess(const std::string& tail)> start;
    // Returns once the process is ready for input, has ended, or a while has passed.
    std::function<void(StartedProcess)> awaitReady;
    // The process is no longer followed; it runs on.
    std::function<void(StartedProcess)> release;
};

class StartAhead {
public:
    // `ahead` of 1 waits for each process before the next, as WinExec does.
    StartAhead(StartHooks hooks, size_t ahead);
    // Those still starting are let go without a wait: they come up by themselves.
    ~StartAhead();
    StartAhead(const StartAhead&) = delete;
    StartAhead& operator=(const StartAhead&) = delete;

    void Start(const std::string& tail);

    // Waits for every process still starting.
    void Finish();

private:
    void AwaitOldest();

    StartHooks m_hooks;
    size_t m_ahead;
    std::deque<StartedProcess> m_starting;
};
