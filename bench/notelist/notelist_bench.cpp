// The notes list over many note files: how long until it is on screen, next to a plain walk
// that finds and reads the same files, and how long one keystroke's filtering takes. The
// list runs in this process, so process start-up is not counted. Prints figures only.
//   bench_notelist [notes = 1000] [rounds = 5]
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "notelist/NotesListDlg.h"

namespace {

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void WriteFile(const std::string& name, const std::string& bytes) {
    HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

const char* const kWords[] = {"milk", "plumber", "invoice", "birthday", "dentist", "train",
                              "report", "garden", "flight", "meeting", "tickets", "paint"};

// Notes of a few lines each; every third has its own settings file, every seventh an alarm.
void MakeFolder(int count) {
    for (int i = 0; i < count; ++i) {
        std::string text = "Note " + std::to_string(i) + " about the " + kWords[i % 12] +
                           "\r\nsecond line with some words\r\nthird: " + kWords[(i * 7) % 12] +
                           " and " + kWords[(i * 5) % 12] + "\r\n";
        std::string name = "tkn" + std::to_string(i);
        WriteFile(name + ".tkn", "100\r\n100\r\n300\r\n250\r\n" + text);
        if (i % 3 == 0) {
            std::string ini = "[Settings]\r\nBackgroundColor=" + std::string(i % 2 ? "C0C0FF" : "80FFFF") +
                              "\r\nTextColor=FF0000\r\n";
            if (i % 7 == 0) ini += "[Alarm]\r\nMoment=2026-12-24 18:30\r\nBeep=1\r\n";
            WriteFile(name + ".ini", ini);
        }
    }
}

// What any program must do at least: find the files and read them.
size_t PlainWalk() {
    size_t bytes = 0;
    for (const char* pattern : {"*.tkn", "*.ini"}) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(pattern, &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            HANDLE file = CreateFileA(found.cFileName, GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            char buffer[4096];
            DWORD read = 0;
            while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read) bytes += read;
            CloseHandle(file);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return bytes;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void RemoveFolder(const std::string& folder) {
    SetCurrentDirectoryA("..");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((folder + "\\" + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

int main(int argc, char** argv) {
    int count = argc > 1 ? atoi(argv[1]) : 1000;
    int rounds = argc > 2 ? atoi(argv[2]) : 5;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "tacknote-notelist-bench-" +
                         std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    SetCurrentDirectoryA(folder.c_str());
    MakeFolder(count);
    PlainWalk(); // both start from a warm file cache

    std::vector<double> walkMs, listMs, keyMs;
    int rows = 0;
    for (int round = 0; round < rounds; ++round) {
        double start = Now();
        PlainWalk();
        walkMs.push_back(Now() - start);

        start = Now();
        CNotesListDlg list;
        list.Open();
        // On screen: created, filled and painted.
        ::UpdateWindow(list.GetSafeHwnd());
        ::UpdateWindow(::GetDlgItem(list.GetSafeHwnd(), IDC_NOTELIST_LIST));
        listMs.push_back(Now() - start);
        Pump();
        rows = static_cast<int>(
            ::SendMessageA(::GetDlgItem(list.GetSafeHwnd(), IDC_NOTELIST_LIST), LVM_GETITEMCOUNT, 0, 0));

        // Typing "plumber" and taking it back, a repaint after each key.
        std::string word = "plumber";
        std::vector<std::string> steps;
        for (size_t i = 1; i <= word.size(); ++i) steps.push_back(word.substr(0, i));
        for (size_t i = word.size(); i-- > 0;) steps.push_back(word.substr(0, i));
        for (const std::string& filter : steps) {
            start = Now();
            list.SetFilterText(filter.c_str());
            ::UpdateWindow(::GetDlgItem(list.GetSafeHwnd(), IDC_NOTELIST_LIST));
            keyMs.push_back(Now() - start);
        }
        list.DestroyWindow();
        Pump();
    }
    printf("notes list over %d note files (%d rows shown), %d rounds, medians:\n", count, rows,
           rounds);
    printf("  plain FindFirstFile walk and read: %8.1f ms\n", Median(walkMs));
    printf("  list on screen:                    %8.1f ms  (%.2fx the walk; aim: under 2x)\n",
           Median(listMs), Median(listMs) / std::max(Median(walkMs), 0.001));
    printf("  filter per keystroke:              %8.2f ms  (max %.2f ms; aim: under 16 ms)\n",
           Median(keyMs), *std::max_element(keyMs.begin(), keyMs.end()));
    RemoveFolder(folder);
    return rows == count ? 0 : 1;
}
