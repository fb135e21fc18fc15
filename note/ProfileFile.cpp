#include "note/ProfileFile.h"

#include <string>

#include "note/AtomicFile.h"

namespace {

// The profile functions keep what else a file holds (other sections and keys, comments), so
// the temporary that replaces a settings file starts as a copy of it.
bool CopyContents(const char* from, const char* to) {
    std::string bytes;
    if (!ReadWholeFile(from, bytes)) return GetLastError() == ERROR_FILE_NOT_FOUND;
    if (bytes.empty()) return true;
    HANDLE out = CreateFileA(to, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size();
    DWORD error = GetLastError();
    CloseHandle(out);
    SetLastError(error);
    return ok != FALSE;
}

} // namespace

bool ReadWholeFile(const char* path, std::string& bytes) {
    // Shared for writing too: a sync service or an editor may hold the file open.
    HANDLE in = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (in == INVALID_HANDLE_VALUE) return false;
    char buffer[4096];
    DWORD read = 0;
    BOOL ok;
    while ((ok = ReadFile(in, buffer, sizeof buffer, &read, nullptr)) && read > 0)
        bytes.append(buffer, read);
    DWORD error = GetLastError();
    CloseHandle(in);
    SetLastError(error);
    return ok != FALSE;
}

bool RewriteProfileFile(const char* path, const std::function<bool(const char* copy)>& edit,
                        DWORD* error) {
    return ReplaceFileWith(
        path,
        [path, &edit](const char* temp) {
            return CopyContents(path, temp) && edit(temp) && FlushFile(temp);
        },
        error);
}
