// Start-up benchmark: the time from CreateProcess until a stored note's window is visible,
// and the process's peak working set at that moment, for tacknote.exe and for a minimal
// one-dialog program (the floor), alternating in one run. Prints medians and ratios, and
// the size of tacknote.exe. Usage: bench_startup [runs]   (default 20)
#include <windows.h>
// psapi.h needs the types of windows.h.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample {
    double ms;
    double peakKb;
};

struct Visible {
    DWORD pid;
    HWND window;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM param) {
    Visible* target = reinterpret_cast<Visible*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == target->pid && IsWindowVisible(window)) {
        target->window = window;
        return FALSE;
    }
    return TRUE;
}

std::string Folder(const std::string& path) {
    return path.substr(0, path.find_last_of('\\'));
}

std::string ExeFolder() {
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    return Folder(module);
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void RemoveFolder(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                DeleteFileA((path + "\\" + found.cFileName).c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

// Starts the command in `folder`, waits for its first visible top-level window, reads its
// peak working set, then closes the window and waits for the process to end.
bool Measure(const std::string& exe, const std::string& args, const std::string& folder,
             Sample& sample) {
    std::string commandLine = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(exe.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    Visible target{info.dwProcessId, nullptr};
    bool shown = false;
    for (;;) {
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&target));
        QueryPerformanceCounter(&now);
        double ms = (now.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
        if (target.window) {
            sample.ms = ms;
            shown = true;
            break;
        }
        if (ms > 10000 || WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0) break;
        Sleep(1);
    }
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    sample.peakKb = GetProcessMemoryInfo(info.hProcess, &memory, sizeof memory)
                        ? memory.PeakWorkingSetSize / 1024.0
                        : 0;
    if (target.window) PostMessageA(target.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info.hProcess, 5000) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 1);
        WaitForSingleObject(info.hProcess, 5000);
    }
    CloseHandle(info.hProcess);
    return shown;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double FileKb(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return data.nFileSizeLow / 1024.0;
}

} // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    std::string bin = ExeFolder();
    std::string tacknote = bin + "\\tacknote.exe";
    std::string floor = bin + "\\startup_floor.exe";

    char temp[MAX_PATH], folder[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    GetTempFileNameA(temp, "bst", 0, folder);
    DeleteFileA(folder);
    CreateDirectoryA(folder, nullptr);
    const std::string note = "100\r\n100\r\n420\r\n340\r\nA stored note\r\nwith two lines";

    std::vector<double> noteMs, floorMs, noteKb, floorKb;
    int failures = 0;
    for (int i = 0; i < runs; ++i) {
        Sample sample{};
        // Rewritten each run: closing the note saves it, and every run must read the same file.
        WriteFileBytes(std::string(folder) + "\\tkn1.tkn", note);
        if (Measure(tacknote, "tkn1.tkn", folder, sample)) {
            noteMs.push_back(sample.ms);
            noteKb.push_back(sample.peakKb);
        } else {
            ++failures;
        }
        if (Measure(floor, "", folder, sample)) {
            floorMs.push_back(sample.ms);
            floorKb.push_back(sample.peakKb);
        } else {
            ++failures;
        }
    }
    RemoveFolder(folder);

    double tMs = Median(noteMs), fMs = Median(floorMs), tKb = Median(noteKb), fKb = Median(floorKb);
    printf("start-up to visible window, %d runs each (median)\n", runs);
    printf("  tacknote.exe tkn1.tkn  %8.1f ms   peak working set %8.0f KB\n", tMs, tKb);
    printf("  one-dialog floor       %8.1f ms   peak working set %8.0f KB\n", fMs, fKb);
    printf("  ratio                  %8.2f x    %8.2f x          (aim: 1.3 x or less)\n",
           fMs > 0 ? tMs / fMs : 0, fKb > 0 ? tKb / fKb : 0);
    printf("size of tacknote.exe     %8.0f KB as built, %0.0f KB as shipped (floor %0.0f KB)\n",
           FileKb(tacknote), FileKb(bin + "\\shipped\\tacknote.exe"), FileKb(floor));
    if (failures) printf("%d start(s) showed no window within 10 s\n", failures);
    return failures ? 1 : 0;
}
