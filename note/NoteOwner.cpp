#include "note/NoteOwner.h"

#include <cstdint>
#include <cstdio>

namespace {

const char kOwnerPrefix[] = "Tacknote.Note.";
// A note process starts, claims and then opens its window in well under this time.
const DWORD kOwnerWindowWaitMs = 3000;
const DWORD kPollMs = 50;

// Held until the process ends; the system releases the name when the process dies, however
// it ends, so a crashed note never blocks the next start.
class OwnerMutex {
public:
    OwnerMutex() = default;
    ~OwnerMutex()
    {
        if (m_handle) CloseHandle(m_handle);
    }
    OwnerMutex(const OwnerMutex&) = delete;
    OwnerMutex& operator=(const OwnerMutex&) = delete;

    bool Take(const std::string& name)
    {
        HANDLE handle = CreateMutexA(nullptr, FALSE, name.c_str());
        // No mutex at all (no resources): showing the note is better than showing none.
        if (!handle) return true;
        if (GetLastError() == ERROR_ALREADY_EXISTS) {
            CloseHandle(handle);
            return false;
        }
        m_handle = handle;
        m_name = name;
        return true;
    }
    const std::string& Name() const { return m_name; }

private:
    HANDLE m_handle = nullptr;
    std::string m_name;
};

OwnerMutex g_owner;

struct Search {
    const char* name;
    HWND found;
};

BOOL CALLBACK FindMarked(HWND window, LPARAM param)
{
    Search* search = reinterpret_cast<Search*>(param);
    if (GetPropA(window, search->name) != nullptr) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

void BringToFront(HWND window)
{
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
}

} // namespace

std::string NoteOwnerName(const std::string& fullPath)
{
    // FNV-1a over the upper-cased path: the file system ignores case, and a hash keeps the
    // name short and free of backslashes, which kernel object names must not hold.
    std::string upper = fullPath;
    if (!upper.empty()) CharUpperBuffA(&upper[0], static_cast<DWORD>(upper.size()));
    uint64_t hash = 14695981039346656037ULL;
    for (unsigned char c : upper) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    char name[sizeof kOwnerPrefix + 16];
    snprintf(name, sizeof name, "%s%016llx", kOwnerPrefix, static_cast<unsigned long long>(hash));
    return name;
}

std::string NoteOwnerNameFor(const char* noteFile)
{
    char full[MAX_PATH];
    char* name = nullptr;
    DWORD length = GetFullPathNameA(noteFile, MAX_PATH, full, &name);
    if (length == 0 || length >= MAX_PATH || !name) return NoteOwnerName(noteFile);
    // A short 8.3 spelling of the folder must give the same owner. The folder, not the file:
    // a new note's file does not exist yet, and GetLongPathNameA wants what it names to exist.
    std::string file = name;
    *name = '\0';
    char folder[MAX_PATH];
    length = GetLongPathNameA(full, folder, MAX_PATH);
    std::string path = length > 0 && length < MAX_PATH ? folder : full;
    if (!path.empty() && path.back() != '\\') path += '\\';
    return NoteOwnerName(path + file);
}

bool TakeNoteOwnership(const char* noteFile)
{
    std::string name = NoteOwnerNameFor(noteFile);
    if (g_owner.Take(name)) return true;
    DWORD start = GetTickCount();
    do {
        HWND owner = FindOwnerWindow(name);
        if (owner) {
            BringToFront(owner);
            break;
        }
        Sleep(kPollMs);
    } while (GetTickCount() - start < kOwnerWindowWaitMs);
    return false;
}

bool ClaimNoteName(const char* noteFile)
{
    return g_owner.Take(NoteOwnerNameFor(noteFile));
}

bool IsNoteOwned(const char* noteFile)
{
    // Our own claim counts as well: a name this process holds is not free either.
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, NoteOwnerNameFor(noteFile).c_str());
    if (!mutex) return false;
    CloseHandle(mutex);
    return true;
}

const std::string& OwnedNoteName()
{
    return g_owner.Name();
}

void MarkOwnerWindow(HWND window)
{
    if (!OwnedNoteName().empty()) SetPropA(window, OwnedNoteName().c_str(), window);
}

void UnmarkOwnerWindow(HWND window)
{
    if (!OwnedNoteName().empty()) RemovePropA(window, OwnedNoteName().c_str());
}

HWND FindOwnerWindow(const std::string& name)
{
    Search search{name.c_str(), nullptr};
    EnumWindows(FindMarked, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
