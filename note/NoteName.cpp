#include "note/NoteName.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "note/NoteOwner.h"

namespace {

// Each call creates a new placeholder, so while they are kept the names differ; a few
// collisions with stored notes are possible, many mean the root is full of ours.
const int kTempAttempts = 8;
// rand() has 32768 values; after this many draws a free one would have been found.
const int kRandomAttempts = 1 << 17;

class Win32Names : public NameSystem {
public:
    bool MakeTempName(char (&path)[MAX_PATH]) override {
        return GetTempFileNameA("\\", "tkn", 0, path) != 0;
    }
    void DeleteTempName(const char* path) override { DeleteFileA(path); }
    bool Exists(const char* name) override {
        // Unlike OpenFile(OF_EXIST), this never searches the system folders or the PATH. A
        // new note has no file before its first save, so its name counts by its owner.
        return GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES || IsNoteOwned(name);
    }
    int Random() override {
        if (!m_seeded) {
            // The clock alone gives two notes started in the same second the same names.
            srand(static_cast<unsigned>(time(nullptr)) ^ (GetCurrentProcessId() << 8) ^
                  GetTickCount());
            m_seeded = true;
        }
        return rand();
    }

private:
    bool m_seeded = false;
};

bool IsFree(NameSystem& system, const NoteNames& names) {
    return !system.Exists(names.szNoteFile) && !system.Exists(names.szSettingsFile);
}

bool NamesFromBase(const char* base, NoteNames& names) {
    int note = snprintf(names.szNoteFile, sizeof names.szNoteFile, "%s.tkn", base);
    int settings = snprintf(names.szSettingsFile, sizeof names.szSettingsFile, "%s.ini", base);
    if (note < 0 || settings < 0 || settings >= static_cast<int>(sizeof names.szSettingsFile)) {
        names = NoteNames{};
        return false;
    }
    return true;
}

} // namespace

NameSystem& SystemNames() {
    static Win32Names names;
    return names;
}

bool NamesFromTempPath(const char* tempPath, NoteNames& names) {
    names = NoteNames{};
    const char* file = tempPath;
    for (const char* p = tempPath; *p; ++p) {
        if (*p == '\\' || *p == '/' || *p == ':') file = p + 1;
    }
    const char* dot = strrchr(file, '.');
    if (!dot || dot == file) return false;
    return NamesFromBase(std::string(file, dot).c_str(), names);
}

bool ChooseNoteName(NameSystem& system, NoteNames& names) {
    std::vector<std::string> placeholders;
    bool found = false;
    for (int i = 0; i < kTempAttempts && !found; ++i) {
        char path[MAX_PATH];
        if (!system.MakeTempName(path)) break;
        placeholders.push_back(path);
        found = NamesFromTempPath(path, names) && IsFree(system, names);
    }
    for (const std::string& path : placeholders)
        system.DeleteTempName(path.c_str());
    if (found) return true;

    for (int i = 0; i < kRandomAttempts; ++i) {
        char base[16];
        snprintf(base, sizeof base, "tkn%05d", system.Random() & 0x7FFF);
        if (NamesFromBase(base, names) && IsFree(system, names)) return true;
    }
    names = NoteNames{};
    return false;
}
