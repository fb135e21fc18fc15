#include "closed/ClosedFolder.h"

#include <string.h>

const char kClosedFolder[] = "Closed";

namespace {

const char kNoteExt[] = ".tkn";
const char kSettingsExt[] = ".ini";

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool TakenInClosed(const std::string& base)
{
    return Exists(ClosedPath(base, kNoteExt)) || Exists(ClosedPath(base, kSettingsExt));
}

std::string BaseOf(const char* noteFile)
{
    const char* dot = strrchr(noteFile, '.');
    return dot ? std::string(noteFile, dot) : std::string(noteFile);
}

// The time a note went into the folder; a move keeps the file's old write time.
bool StampNow(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    BOOL stamped = SetFileTime(file, nullptr, nullptr, &now);
    CloseHandle(file);
    return stamped != FALSE;
}

ULONGLONG FromFileTime(const FILETIME& time)
{
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

bool Fail(DWORD* error)
{
    if (error) *error = GetLastError() ? GetLastError() : ERROR_GEN_FAILURE;
    return false;
}

} // namespace

std::string ClosedPath(const std::string& base, const char* extension)
{
    return std::string(kClosedFolder) + "\\" + base + extension;
}

bool MoveIntoClosed(const char* noteFile, const char* settingsFile, DWORD* error)
{
    if (!CreateDirectoryA(kClosedFolder, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return Fail(error);
    std::string base = FreshClosedBase(BaseOf(noteFile), TakenInClosed);
    if (base.empty()) {
        SetLastError(ERROR_FILE_EXISTS);
        return Fail(error);
    }
    std::string closedNote = ClosedPath(base, kNoteExt);
    if (!MoveFileExA(noteFile, closedNote.c_str(), MOVEFILE_WRITE_THROUGH)) return Fail(error);
    StampNow(closedNote);
    // Without its settings the note would come back in the default look, but it comes back.
    if (settingsFile[0] && Exists(settingsFile))
        MoveFileExA(settingsFile, ClosedPath(base, kSettingsExt).c_str(), MOVEFILE_WRITE_THROUGH);
    return true;
}

std::vector<ClosedNote> ListClosed()
{
    std::vector<ClosedNote> notes;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(ClosedPath("*", kNoteExt).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return notes;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        // The search also matches short names of longer extensions ("a.tknx").
        size_t length = strlen(found.cFileName);
        if (length <= 4 || _stricmp(found.cFileName + length - 4, kNoteExt) != 0) continue;
        notes.push_back(
            {std::string(found.cFileName, length - 4), FromFileTime(found.ftLastWriteTime)});
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return notes;
}

bool MoveOutOfClosed(const std::string& base, const char* noteFile, const char* settingsFile)
{
    if (!MoveFileExA(ClosedPath(base, kNoteExt).c_str(), noteFile, MOVEFILE_WRITE_THROUGH))
        return false;
    std::string settings = ClosedPath(base, kSettingsExt);
    if (Exists(settings)) MoveFileExA(settings.c_str(), settingsFile, MOVEFILE_WRITE_THROUGH);
    return true;
}

size_t PruneClosed(ULONGLONG now)
{
    size_t deleted = 0;
    for (const std::string& base : ClosedToPrune(ListClosed(), now)) {
        if (DeleteFileA(ClosedPath(base, kNoteExt).c_str())) ++deleted;
        DeleteFileA(ClosedPath(base, kSettingsExt).c_str());
    }
    return deleted;
}

ULONGLONG FileTimeNow()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return FromFileTime(now);
}
