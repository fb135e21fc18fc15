#pragma once
// The tray's eye on the notes folder: notes that a sync service brings while the tray runs
// get their note process, each once, and conflict copies become notes. Driven by a timer on
// the tray's own thread; the folder's change notification says when to look.

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "framework/FolderWatch.h"
#include "syncfolder/BurstGate.h"
#include "syncfolder/KnownFiles.h"

struct FollowerHooks {
    // The note files of the working directory that a note process may be started for.
    std::function<std::vector<std::string>()> listNotes;
    // Whether a live process shows that note already (also one that started it itself).
    std::function<bool(const std::string&)> isShown;
    std::function<void(const std::string&)> start;
};

class FolderFollower {
public:
    explicit FolderFollower(FollowerHooks hooks);

    // Starts watching the working directory; the notes in it now count as started.
    void Begin();
    // Every tick of the timer (about 250 ms): looks at the folder once its changes have
    // settled, and starts the notes that arrived, only a few at a time: the next ones start
    // as those before show (or after a while), so that 200 notes synced at once come up at
    // the pace the machine manages instead of all in the same moment.
    void Tick(DWORD now);
    // A note that the tray started itself (a reopened one) is no arrival.
    void Started(const std::string& name) { m_known.Add(name); }
    // Notes found but not yet started.
    size_t Waiting() const { return m_waiting.size(); }

private:
    void Look();

    FollowerHooks m_hooks;
    CFolderWatch m_watch;
    BurstGate m_gate;
    KnownFiles m_known;
    std::deque<std::string> m_waiting;
    struct Starting {
        std::string name;
        DWORD since;
    };
    std::vector<Starting> m_starting;
};
