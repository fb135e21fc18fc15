#pragma once
// A fresh, empty working directory for one test; the previous one is restored afterwards.

#include <windows.h>

#include <string>
#include <vector>

class ScopedWorkingDir {
public:
    ScopedWorkingDir() {
        GetCurrentDirectoryA(MAX_PATH, m_previous);
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        char unique[MAX_PATH];
        GetTempFileNameA(temp, "nt", 0, unique); // reserves the name; a folder replaces it
        DeleteFileA(unique);
        m_path = unique;
        CreateDirectoryA(m_path.c_str(), nullptr);
        SetCurrentDirectoryA(m_path.c_str());
    }
    ~ScopedWorkingDir() {
        SetCurrentDirectoryA(m_previous);
        for (const std::string& name : Files()) {
            std::string full = m_path + "\\" + name;
            SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(full.c_str());
        }
        RemoveDirectoryA(m_path.c_str());
    }
    ScopedWorkingDir(const ScopedWorkingDir&) = delete;
    ScopedWorkingDir& operator=(const ScopedWorkingDir&) = delete;

    // The names of the files in the directory, in the order the system lists them.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((m_path + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }

private:
    char m_previous[MAX_PATH];
    std::string m_path;
};

inline void WriteBytes(const char* path, const std::string& bytes) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

inline std::string ReadBytes(const char* path) {
    std::string bytes;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    char buffer[8192];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

inline bool FileExists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}
