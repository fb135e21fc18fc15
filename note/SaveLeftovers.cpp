#include "note/SaveLeftovers.h"

#include <string.h>

#include "note/AtomicFile.h"

bool IsSaveLeftover(const std::string& name, ULONGLONG written, ULONGLONG now)
{
    const size_t prefix = strlen(kReplaceTempPrefix);
    const char ext[] = ".tmp";
    const size_t extLength = sizeof ext - 1;
    if (name.size() <= prefix + extLength) return false;
    if (_strnicmp(name.c_str(), kReplaceTempPrefix, prefix) != 0) return false;
    if (_stricmp(name.c_str() + name.size() - extLength, ext) != 0) return false;
    // A file from the future (a clock set back) is no proof of age.
    return written <= now && now - written >= kLeftoverAge;
}

int RemoveSaveLeftovers(ULONGLONG now)
{
    std::string pattern = std::string(kReplaceTempPrefix) + "*.tmp";
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    int removed = 0;
    do {
        ULONGLONG written = (static_cast<ULONGLONG>(found.ftLastWriteTime.dwHighDateTime) << 32) |
                            found.ftLastWriteTime.dwLowDateTime;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            IsSaveLeftover(found.cFileName, written, now) && DeleteFileA(found.cFileName)) {
            ++removed;
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return removed;
}
