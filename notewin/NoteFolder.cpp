#include "notewin/NoteFolder.h"

#include <string.h>

#include <algorithm>
#include <map>

#include "note/CommandTail.h"

namespace {

unsigned long long Join(DWORD high, DWORD low) {
    return (static_cast<unsigned long long>(high) << 32) | low;
}

// Case-insensitive, as the file system compares names.
struct NameLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return _stricmp(a.c_str(), b.c_str()) < 0;
    }
};

template <typename Visit>
void Walk(const char* pattern, Visit visit) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) visit(found);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

std::string Stem(const std::string& name) {
    return name.substr(0, name.rfind('.'));
}

} // namespace

bool IsNoteFileName(const std::string& name) {
    static const char kExtension[] = ".tkn";
    const size_t extLength = sizeof kExtension - 1;
    if (name.size() < extLength) return false;
    // The search also matches generated short names ("longname.tknx" -> "LONGNA~1.TKN").
    if (_stricmp(name.c_str() + name.size() - extLength, kExtension) != 0) return false;
    return RoleForTail(name.c_str()) == ProcessRole::StoredNote;
}

std::vector<NoteFileStamp> ScanNoteFolder() {
    std::map<std::string, unsigned long long, NameLess> settings;
    Walk("*.ini", [&](const WIN32_FIND_DATAA& found) {
        settings[Stem(found.cFileName)] =
            Join(found.ftLastWriteTime.dwHighDateTime, found.ftLastWriteTime.dwLowDateTime);
    });
    std::vector<NoteFileStamp> notes;
    Walk("*.tkn", [&](const WIN32_FIND_DATAA& found) {
        std::string name = found.cFileName;
        if (!IsNoteFileName(name)) return;
        auto ini = settings.find(Stem(name));
        notes.push_back({name,
                         Join(found.ftLastWriteTime.dwHighDateTime,
                              found.ftLastWriteTime.dwLowDateTime),
                         Join(found.nFileSizeHigh, found.nFileSizeLow),
                         ini == settings.end() ? 0 : ini->second});
    });
    std::sort(notes.begin(), notes.end(), [](const NoteFileStamp& a, const NoteFileStamp& b) {
        return NameLess()(a.name, b.name);
    });
    return notes;
}

std::vector<std::string> NoteFileNames() {
    std::vector<std::string> names;
    for (const NoteFileStamp& stamp : ScanNoteFolder()) names.push_back(stamp.name);
    return names;
}
