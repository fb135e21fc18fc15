#pragma once
// The tray's side of the notes' show order (note/ShowTurn.h): an event per note it starts,
// named in that note's environment together with the note before it. The events live as long
// as this object, which must outlive the notes' start-up (StartAhead::Finish).

#include <string>
#include <vector>

#include <windows.h>

#include "restore/StartAhead.h"

class ShowChain {
public:
    ShowChain();
    // Closes the events and takes the variable out of this process's environment, so that
    // notes started later (a new note, one synced in) show at once.
    ~ShowChain();
    ShowChain(const ShowChain&) = delete;
    ShowChain& operator=(const ShowChain&) = delete;

    // `inner` wrapped: each start is told its turn first.
    StartHooks Hooks(StartHooks inner);

private:
    void PrepareNext();
    void Started(StartedProcess process);

    std::string m_prefix;
    std::vector<HANDLE> m_events;
    std::string m_lastEvent;
    std::string m_nextEvent;
    DWORD m_lastProcess = 0;
};
