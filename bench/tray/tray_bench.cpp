// Time from starting the tray instance until every stored note's window is visible, and the
// memory of all note processes then, for growing numbers of stored notes. Prints figures only.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "e2e.h"

namespace {

struct Sample {
    int notes = 0;
    int visible = 0;
    double ms = 0;
    double workingSetMb = 0; // all note processes together
    double privateMb = 0;
};

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Stored notes of 160 x 120 in a grid, so that every window is on screen.
void StoreNotes(const e2e::TempDir& dir, int count) {
    for (int i = 0; i < count; ++i) {
        int left = (i % 7) * 170, top = (i / 7 % 8) * 125;
        dir.Write(
            "tkn" + std::to_string(i + 1) + ".tkn",
            e2e::NoteFileBytes({left, top, left + 160, top + 120}, "note " + std::to_string(i)));
    }
}

// Processes of tacknote.exe other than the tray that show a visible note window.
std::set<DWORD> VisibleNoteProcesses(DWORD trayId) {
    std::set<DWORD> ids;
    for (HWND window : e2e::TopLevelWindows(0, "#32770", "Tacknote")) {
        DWORD id = e2e::WindowProcessId(window);
        if (id != trayId) ids.insert(id);
    }
    return ids;
}

void AddMemory(const std::set<DWORD>& ids, Sample& sample) {
    for (DWORD id : ids) {
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
        if (!process) continue;
        PROCESS_MEMORY_COUNTERS counters = {};
        counters.cb = sizeof counters;
        if (GetProcessMemoryInfo(process, &counters, sizeof counters)) {
            sample.workingSetMb += counters.WorkingSetSize / 1048576.0;
            sample.privateMb += counters.PagefileUsage / 1048576.0;
        }
        CloseHandle(process);
    }
}

Sample Measure(int count) {
    Sample sample;
    sample.notes = count;
    e2e::TempDir dir;
    StoreNotes(dir, count);
    double start = Now();
    e2e::Process tray("tacknote.exe", "", dir.Path());
    if (!tray.Started()) return sample;
    std::set<DWORD> ids;
    e2e::WaitUntil(
        [&] {
            ids = VisibleNoteProcesses(tray.Id());
            return static_cast<int>(ids.size()) >= count;
        },
        60000 + 2000 * count);
    sample.ms = Now() - start;
    sample.visible = static_cast<int>(ids.size());
    AddMemory(ids, sample);
    tray.Kill();
    e2e::KillAll("tacknote.exe");
    return sample;
}

} // namespace

// Arguments: the numbers of stored notes to measure (default 1 10 50 100).
int main(int argc, char** argv) {
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i)
        if (std::atoi(argv[i]) > 0) counts.push_back(std::atoi(argv[i]));
    if (counts.empty()) counts = {1, 10, 50, 100};
    std::vector<Sample> samples;
    std::printf("%6s %8s %10s %9s %12s %12s %10s\n", "notes", "visible", "ms", "ms/note", "WS MB",
                "private MB", "MB/note");
    for (int count : counts) {
        Sample s = Measure(count);
        samples.push_back(s);
        std::printf("%6d %8d %10.0f %9.1f %12.1f %12.1f %10.2f\n", s.notes, s.visible, s.ms,
                    s.ms / s.notes, s.workingSetMb, s.privateMb, s.workingSetMb / s.notes);
        std::fflush(stdout);
    }
    // Growth between neighbours: 1.0 means exactly linear in the number of notes.
    std::printf("\ngrowth relative to linear (time ratio / note ratio):\n");
    for (size_t i = 1; i < samples.size(); ++i) {
        const Sample& a = samples[i - 1];
        const Sample& b = samples[i];
        double noteRatio = static_cast<double>(b.notes) / a.notes;
        std::printf("  %3d -> %3d notes: time x%.2f (%.2f of linear), memory x%.2f (%.2f)\n",
                    a.notes, b.notes, b.ms / a.ms, b.ms / a.ms / noteRatio,
                    b.workingSetMb / a.workingSetMb, b.workingSetMb / a.workingSetMb / noteRatio);
    }
    // Failing to show every note is the one thing a smoke run should catch.
    for (const Sample& s : samples)
        if (s.visible != s.notes) return 1;
    return 0;
}
