#include "app/StoredNotes.h"

#include <io.h>
#include <string.h>

#include "note/CommandTail.h"

bool IsRestorableNoteName(const std::string& name) {
    static const char kExtension[] = ".tkn";
    const size_t extLength = sizeof(kExtension) - 1;
    if (name.size() < extLength) return false;
    // The search also matches generated short names ("longname.tknx" -> "LONGNA~1.TKN").
    if (_stricmp(name.c_str() + name.size() - extLength, kExtension) != 0) return false;
    return RoleForTail(name.c_str()) == ProcessRole::StoredNote;
}

std::vector<std::string> RestorableNotes(const std::vector<std::string>& listing) {
    std::vector<std::string> names;
    for (const std::string& name : listing) {
        if (IsRestorableNoteName(name)) names.push_back(name);
    }
    return names;
}

std::vector<std::string> ListNoteFiles() {
    std::vector<std::string> names;
    _finddata_t found;
    intptr_t search = _findfirst("*.tkn", &found);
    if (search == -1) return names;
    do {
        if (!(found.attrib & _A_SUBDIR)) names.push_back(found.name);
    } while (_findnext(search, &found) == 0);
    _findclose(search);
    return names;
}
