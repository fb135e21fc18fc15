#include "notewin/RunningNotes.h"

#include <string.h>

#include "note/CommandTail.h"
#include "note/NoteOwner.h"
#include "notewin/NoteFolder.h"

namespace {

const char kNoteClass[] = "#32770";
const char kNoteTitle[] = "Tacknote";
const char kOwnerPrefix[] = "Tacknote.Note.";

struct Search {
    const std::map<std::string, std::string>* owners;
    std::map<std::string, HWND>* found;
    HWND window;
};

BOOL CALLBACK MatchProperty(HWND /*window*/, LPSTR name, HANDLE /*data*/, ULONG_PTR param) {
    // Integer atoms have no name to compare.
    if (IS_INTRESOURCE(name)) return TRUE;
    if (strncmp(name, kOwnerPrefix, sizeof kOwnerPrefix - 1) != 0) return TRUE;
    Search* search = reinterpret_cast<Search*>(param);
    auto owner = search->owners->find(name);
    if (owner == search->owners->end()) return TRUE;
    (*search->found)[owner->second] = search->window;
    return FALSE;
}

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    char text[16];
    if (!GetClassNameA(window, text, sizeof text) || strcmp(text, kNoteClass) != 0) return TRUE;
    if (!GetWindowTextA(window, text, sizeof text) || strcmp(text, kNoteTitle) != 0) return TRUE;
    Search* search = reinterpret_cast<Search*>(param);
    search->window = window;
    EnumPropsExA(window, MatchProperty, reinterpret_cast<LPARAM>(search));
    return TRUE;
}

// The working directory's long full path with a trailing "\", spelled as a note process
// spells it when it takes its note.
std::string FolderPath() {
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(".", MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) return std::string();
    char folder[MAX_PATH];
    length = GetLongPathNameA(full, folder, MAX_PATH);
    std::string path = length > 0 && length < MAX_PATH ? folder : full;
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path;
}

} // namespace

std::map<std::string, std::string> OwnerNamesOfFolder(const std::vector<std::string>& names) {
    std::string folder = FolderPath();
    std::map<std::string, std::string> owners;
    for (const std::string& name : names) owners[NoteOwnerName(folder + name)] = name;
    return owners;
}

std::map<std::string, HWND> FindRunningNotes(const std::vector<std::string>& names) {
    std::map<std::string, std::string> owners = OwnerNamesOfFolder(names);
    std::map<std::string, HWND> found;
    Search search{&owners, &found, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return found;
}

std::vector<HWND> RunningNoteWindows() {
    std::vector<HWND> windows;
    for (const auto& entry : FindRunningNotes(NoteFileNames())) windows.push_back(entry.second);
    return windows;
}

void ShowAllNotes(const std::vector<HWND>& notes) {
    for (HWND note : notes) {
        if (IsIconic(note) || !IsWindowVisible(note)) ShowWindowAsync(note, SW_SHOWNOACTIVATE);
        SetWindowPos(note, HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    }
}

void HideAllNotes(const std::vector<HWND>& notes) {
    for (HWND note : notes) {
        if (!IsIconic(note)) ShowWindowAsync(note, SW_SHOWMINNOACTIVE);
    }
}

void ToggleAllNotes(const std::vector<HWND>& notes) {
    for (HWND note : notes) {
        if (IsWindowVisible(note) && !IsIconic(note)) {
            HideAllNotes(notes);
            return;
        }
    }
    ShowAllNotes(notes);
}

void OpenNote(const std::string& name, HWND running) {
    if (!running || !IsWindow(running)) {
        StartNoteProcess(name);
        return;
    }
    if (IsIconic(running)) ShowWindowAsync(running, SW_RESTORE);
    SetForegroundWindow(running);
}
