// Time from starting the tray instance until every stored note's window is visible, and the
// memory of all note processes then, for growing numbers of stored notes. Prints figures only.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "NoteDriver.h"
#include "e2e.h"
#include "framework/StartupTrace.h"
#include "restore/NoteStarts.h"

namespace {

struct Sample {
    int notes = 0;
    int visible = 0;
    double splashMs = 0; // from the tray's start until its splash is gone: reported apart
    double ms = 0;       // from the splash's end until every note window is visible
    double floorMs = 0;  // the same number of one-dialog programs, started the same way
    double workingSetMb = 0; // all note processes together
    double privateMb = 0;
};

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Stored notes of 160 x 120 in a grid, so that every window is on screen; each a pair of note
// and settings file, as a note's save leaves it. (A note without its settings file writes one
// when it first loses the focus, and every note's folder watch sees that write.)
void StoreNotes(const e2e::TempDir& dir, int count) {
    for (int i = 0; i < count; ++i) {
        int left = (i % 7) * 170, top = (i / 7 % 8) * 125;
        std::string name = "tkn" + std::to_string(i + 1);
        dir.Write(name + ".tkn", e2e::NoteFileBytes({left, top, left + 160, top + 120},
                                                   "note " + std::to_string(i)));
        dir.Write(name + ".ini", notes::BuiltInSettingsBytes(160, 120));
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

// Visible dialog windows of any process: notes and floors alike, once the tray's splash is gone.
size_t VisibleDialogs() {
    return e2e::TopLevelWindows(0, "#32770", nullptr).size();
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

// Polls often enough that a few milliseconds separate the phases; the clock is read after the
// condition holds, so the figures err on the slow side by at most one interval.
bool WaitClosely(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD begin = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - begin >= timeoutMs) return false;
        Sleep(2);
    }
    return true;
}

// The tray shows its splash, then starts a note process per stored note. The restore phase is
// timed from the splash's end, which is when the first note process is started.
Sample Measure(int count) {
    Sample sample;
    sample.notes = count;
    e2e::TempDir dir;
    StoreNotes(dir, count);
    double start = Now();
    e2e::Process tray("tacknote.exe", "", dir.Path());
    if (!tray.Started()) return sample;
    auto splashShown = [&] { return !e2e::TopLevelWindows(tray.Id(), "#32770", nullptr).empty(); };
    WaitClosely(splashShown, 10000);
    WaitClosely([&] { return !splashShown(); }, 10000);
    double restoreStart = Now();
    sample.splashMs = restoreStart - start;
    // Polled as the floor is: asking each window for its title or process would send messages
    // to notes still starting, and the polling would weigh on the notes more than on the floor.
    WaitClosely([&] { return static_cast<int>(VisibleDialogs()) >= count; },
                60000 + 2000 * count);
    sample.ms = Now() - restoreStart;
    std::set<DWORD> ids = VisibleNoteProcesses(tray.Id());
    sample.visible = static_cast<int>(ids.size());
    AddMemory(ids, sample);
    tray.Kill();
    e2e::KillAll("tacknote.exe");
    return sample;
}

// The floor: as many one-dialog programs, started in order the way the tray starts notes
// (from the notes folder, a few at once), until all their windows are visible; or one by one,
// each awaited, as WinExec starts them. The folder holds the same notes, for the floors that
// read them.
double MeasureFloor(int count, const std::string& program, bool oneByOne = false) {
    e2e::TempDir dir;
    StoreNotes(dir, count);
    char previous[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(dir.Path().c_str());
    std::string command = "\"" + e2e::BuildDir() + program + ".exe\" ";
    double start = Now();
    {
        // As many at once as the tray starts notes; one at a time is WinExec's way.
        StartAhead starts(ProcessStartHooks(command), oneByOne ? 1 : kNotesStartingAtOnce);
        for (int i = 0; i < count; ++i) {
            // The number tells the traced phases of one floor process from another's.
            std::string tail = program.substr(8) + (oneByOne ? "w." : ".") + std::to_string(i + 1);
            TraceStartup("spawn", tail.c_str());
            starts.Start(tail);
        }
    }
    SetCurrentDirectoryA(previous);
    bool all = WaitClosely([&] { return static_cast<int>(VisibleDialogs()) >= count; },
                           60000 + 2000 * count);
    double ms = Now() - start;
    e2e::KillAll((program + ".exe").c_str());
    return all ? ms : -1;
}

} // namespace

// Arguments: the numbers of stored notes to measure (default 1 10 30 100); "--steps" also
// times the floor's steps towards a note (startup_floor1..4) at each number.
int main(int argc, char** argv) {
    std::vector<int> counts;
    bool steps = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--steps") steps = true;
        if (std::atoi(argv[i]) > 0) counts.push_back(std::atoi(argv[i]));
    }
    if (counts.empty()) counts = {1, 10, 30, 100};
    std::vector<Sample> samples;
    std::printf("%6s %8s %9s %10s %10s %7s %12s %9s %10s %11s\n", "notes", "visible",
                "splash ms", "restore ms", "floor ms", "ratio", "1-by-1 floor", "ms/note",
                "WS MB", "private MB");
    for (int count : counts) {
        // The floors first, then the notes, in the same run: all see the same machine.
        double floorMs = MeasureFloor(count, "startup_floor");
        double serialMs = MeasureFloor(count, "startup_floor", true);
        Sample s = Measure(count);
        s.floorMs = floorMs;
        samples.push_back(s);
        std::printf("%6d %8d %9.0f %10.0f %10.0f %6.2fx %12.0f %9.1f %10.1f %11.1f\n", s.notes,
                    s.visible, s.splashMs, s.ms, s.floorMs, s.floorMs > 0 ? s.ms / s.floorMs : 0,
                    serialMs, s.ms / s.notes, s.workingSetMb, s.privateMb);
        for (int step = 1; steps && step <= 4; ++step) {
            double ms = MeasureFloor(count, "startup_floor" + std::to_string(step));
            std::printf("%6s %8s %9s %10s %10.0f %6.2fx   floor step %d\n", "", "", "", "", ms,
                        ms > 0 ? s.ms / ms : 0, step);
        }
        std::fflush(stdout);
    }
    // Growth between neighbours: 1.0 means exactly linear in the number of notes.
    std::printf("\ngrowth relative to linear (time ratio / note ratio):\n");
    for (size_t i = 1; i < samples.size(); ++i) {
        const Sample& a = samples[i - 1];
        const Sample& b = samples[i];
        double noteRatio = static_cast<double>(b.notes) / a.notes;
        std::printf("  %3d -> %3d notes: time x%.2f (%.2f of linear), floor x%.2f (%.2f), "
                    "memory x%.2f (%.2f)\n",
                    a.notes, b.notes, b.ms / a.ms, b.ms / a.ms / noteRatio, b.floorMs / a.floorMs,
                    b.floorMs / a.floorMs / noteRatio, b.workingSetMb / a.workingSetMb,
                    b.workingSetMb / a.workingSetMb / noteRatio);
    }
    // Failing to show every note (or floor window) is what a smoke run should catch.
    for (const Sample& s : samples)
        if (s.visible != s.notes || s.floorMs < 0) return 1;
    return 0;
}
