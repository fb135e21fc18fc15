#include "note/AtomicFile.h"

#include <windows.h>

const char kReplaceTempPrefix[] = "~tn";

namespace {

// Owns a file handle from CreateFileA.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool IsValid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }
    bool Close() {
        if (!IsValid()) return true;
        BOOL closed = CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        return closed != FALSE;
    }

private:
    HANDLE m_handle;
};

// The folder part of `path` ("." when it names a file in the working directory).
std::string FolderOf(const char* path) {
    const char* slash = nullptr;
    for (const char* p = path; *p; ++p) {
        if (*p == '\\' || *p == '/' || *p == ':') slash = p;
    }
    if (!slash) return ".";
    // With its separator: "C:" and "\" name a folder only with it.
    return std::string(path, slash + 1 - path);
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    const char* data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        DWORD written = 0;
        if (!WriteFile(file, data, static_cast<DWORD>(left), &written, nullptr) || written == 0) {
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

bool WriteAndFlush(const char* path, const std::string& bytes) {
    FileHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) return false;
    bool written = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
    // A close can report a delayed write failure; it counts like any other.
    return file.Close() && written;
}

// Keeps the first failure's code through the clean-up calls that follow it.
bool Fail(DWORD* error) {
    DWORD code = GetLastError();
    if (error) *error = code ? code : ERROR_GEN_FAILURE;
    return false;
}

// A reader that has the old file open (a backup tool, another note process starting) blocks
// the replace for a moment; a few short retries ride that out.
bool MoveOver(const char* temp, const char* path) {
    const int kAttempts = 10;
    const DWORD kPauseMs = 10;
    for (int i = 0;; ++i) {
        if (MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        DWORD error = GetLastError();
        bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
        if (!busy || i + 1 == kAttempts) return false;
        Sleep(kPauseMs);
    }
}

} // namespace

bool ReplaceFileContents(const char* path, const std::string& bytes, DWORD* error) {
    return ReplaceFileWith(
        path, [&bytes](const char* temp) { return WriteAndFlush(temp, bytes); }, error);
}

bool ReplaceFileWith(const char* path, const std::function<bool(const char* temp)>& fill,
                     DWORD* error) {
    // Windows refuses to replace a read-only file, but not every platform layer does; asking
    // first keeps a note that the user marked read-only unchanged everywhere.
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return Fail(error);
    }
    // GetTempFileNameA creates the file, so two processes saving at once never share it. Its
    // ".tmp" name keeps it out of every "*.tkn" search, short names included.
    char temp[MAX_PATH];
    if (!GetTempFileNameA(FolderOf(path).c_str(), kReplaceTempPrefix, 0, temp)) return Fail(error);

    if (fill(temp) && MoveOver(temp, path)) return true;
    Fail(error);
    DeleteFileA(temp);
    return false;
}

bool FlushFile(const char* path) {
    FileHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) return false;
    bool flushed = FlushFileBuffers(file.get()) != FALSE;
    return file.Close() && flushed;
}
