#include "syncfolder/ConflictAdoption.h"

#include <windows.h>

#include <cstring>

#include "note/AtomicFile.h"
#include "note/CommandTail.h"
#include "note/NoteFile.h"
#include "note/ProfileFile.h"
#include "syncfolder/ConflictName.h"

namespace {

// The adopted note comes up beside the note it is a copy of, not hidden under it; the same
// on both PCs, so that their results are the same bytes.
const LONG kAdoptedOffset = 24;

// Names already taken are tried again with the next attempt; a folder with this many
// copies of one stem is not ours to sort out.
const unsigned kAttempts = 16;

bool Exists(const std::string& name)
{
    return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool HasExtension(const std::string& name, const char* extension)
{
    size_t length = strlen(extension);
    return name.size() > length && name[name.size() - length - 1] == '.' &&
           _stricmp(name.c_str() + name.size() - length, extension) == 0;
}

bool IsNoteName(const std::string& name)
{
    return HasExtension(name, "tkn") && RoleForTail(name.c_str()) == ProcessRole::StoredNote;
}

// What is there, or what could be read of it; empty when the file can't be opened.
std::string Bytes(const std::string& name)
{
    std::string bytes;
    ReadWholeFile(name.c_str(), bytes);
    return bytes;
}

bool HoldsNote(const std::string& name)
{
    StoredNote note{};
    return ReadNoteFile(name.c_str(), note) == NoteFileRead::Read && note.numbers;
}

std::string Offset(const std::string& bytes)
{
    RECT rc;
    size_t textStart = 0;
    if (!ParseNumberLines(bytes, rc, textStart) || !IsStoredRectPresent(rc)) return bytes;
    OffsetRect(&rc, kAdoptedOffset, kAdoptedOffset);
    return FormatNumberLines(rc) + bytes.substr(textStart);
}

std::string SettingsOf(const std::string& base) { return base + ".ini"; }

std::string BaseOf(const std::string& noteName)
{
    return noteName.substr(0, noteName.rfind('.'));
}

// The settings go first: the note, once under its new name, may be started at once.
void PlaceSettings(const ConflictCopy& copy, const std::string& target)
{
    std::string own = SettingsOf(copy.stem);
    if (Exists(own)) {
        MoveFileExA(own.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
        return;
    }
    std::string original = SettingsOf(BaseOf(copy.original));
    if (!Exists(target) && Exists(original)) CopyFileA(original.c_str(), target.c_str(), TRUE);
}

// Returns the new note name, or "" when the copy was left or was adopted already.
std::string AdoptNoteCopy(const std::string& name, const ConflictCopy& copy)
{
    if (!HoldsNote(name)) return "";
    std::string bytes = Bytes(name);
    // Both sides adopting at once can leave a copy of the adopted note itself, which holds
    // nothing that is not there already.
    if (bytes == Bytes(copy.original)) {
        DeleteFileA(name.c_str());
        return "";
    }
    std::string adopted = Offset(bytes);
    for (unsigned attempt = 0; attempt < kAttempts; ++attempt) {
        std::string base = AdoptedBaseName(copy.stem, attempt);
        std::string note = base + ".tkn";
        if (Exists(note)) {
            if (Bytes(note) != adopted) continue;
            // The other PC got there first and its result came through the sync already.
            std::string own = SettingsOf(copy.stem);
            if (Exists(own)) MoveFileExA(own.c_str(), SettingsOf(base).c_str(), MOVEFILE_REPLACE_EXISTING);
            DeleteFileA(name.c_str());
            return "";
        }
        PlaceSettings(copy, SettingsOf(base));
        if (!ReplaceFileContents(note.c_str(), adopted)) return "";
        DeleteFileA(name.c_str());
        return note;
    }
    return "";
}

// A settings copy that the sync brought after its note copy was adopted.
void AdoptSettingsCopy(const std::string& name, const ConflictCopy& copy)
{
    if (Exists(copy.stem + ".tkn")) return; // its note copy's adoption takes it along
    std::string base = AdoptedBaseName(copy.stem, 0);
    if (Exists(base + ".tkn")) {
        MoveFileExA(name.c_str(), SettingsOf(base).c_str(), MOVEFILE_REPLACE_EXISTING);
    }
}

} // namespace

std::vector<std::string> AdoptConflictCopies(const std::vector<std::string>& listing)
{
    std::vector<std::string> adopted;
    // Note copies first, so that their settings copies go along with them.
    for (const std::string& name : listing) {
        ConflictCopy copy;
        if (!HasExtension(name, "tkn") || IsNoteName(name) || !ParseConflictCopy(name, copy) ||
            !IsNoteName(copy.original)) {
            continue;
        }
        std::string note = AdoptNoteCopy(name, copy);
        if (!note.empty()) adopted.push_back(note);
    }
    for (const std::string& name : listing) {
        ConflictCopy copy;
        if (!HasExtension(name, "ini") || !ParseConflictCopy(name, copy) ||
            !IsNoteName(BaseOf(copy.original) + ".tkn") || !Exists(name)) {
            continue;
        }
        AdoptSettingsCopy(name, copy);
    }
    return adopted;
}

std::vector<std::string> ListFiles(const char* pattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}
