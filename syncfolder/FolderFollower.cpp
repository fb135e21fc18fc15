#include "syncfolder/FolderFollower.h"

#include <utility>

#include "note/NoteFile.h"
#include "syncfolder/ConflictAdoption.h"

namespace {

// A sync service writes a batch of files within a few hundred milliseconds; a steady
// stream is still looked at within the two seconds a user waits for a note.
const DWORD kQuietMs = 300;
const DWORD kLongestMs = 1200;
const size_t kMostStarting = 4;
// A note process that shows nothing by then has failed or is very slow; the next ones go on.
const DWORD kStartingMs = 10000;

} // namespace

FolderFollower::FolderFollower(FollowerHooks hooks)
    : m_hooks(std::move(hooks)), m_gate(kQuietMs, kLongestMs)
{
}

void FolderFollower::Begin()
{
    m_watch.Open(".");
    m_known.Arrivals(m_hooks.listNotes());
}

void FolderFollower::Tick(DWORD now)
{
    if (m_watch.Changed()) m_gate.Change(now);
    if (m_gate.Due(now)) {
        m_gate.Clear();
        Look();
    }
    for (size_t i = 0; i < m_starting.size();) {
        if (m_hooks.isShown(m_starting[i].name) || now - m_starting[i].since >= kStartingMs) {
            m_starting.erase(m_starting.begin() + i);
        } else {
            ++i;
        }
    }
    while (m_starting.size() < kMostStarting && !m_waiting.empty()) {
        std::string name = std::move(m_waiting.front());
        m_waiting.pop_front();
        // A file named like a note that holds something else, or one gone again, is left.
        if (MayBeNoteFile(name.c_str()) && GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES &&
            !m_hooks.isShown(name)) {
            m_hooks.start(name);
            m_starting.push_back(Starting{name, now});
        }
    }
}

void FolderFollower::Look()
{
    std::vector<std::string> listing = ListFiles("*.tkn");
    for (const std::string& settings : ListFiles("*.ini"))
        listing.push_back(settings);
    AdoptConflictCopies(listing);
    for (std::string& name : m_known.Arrivals(m_hooks.listNotes()))
        m_waiting.push_back(std::move(name));
}
