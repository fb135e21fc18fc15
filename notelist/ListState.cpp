#include "notelist/ListState.h"

#include <stdio.h>
#include <stdlib.h>

#include "note/AtomicFile.h"

namespace {

const char kSection[] = "NotesList";
const int kMaxColumnWidth = 4000;

int ReadInt(const char* path, const char* key, int fallback) {
    return static_cast<int>(GetPrivateProfileIntA(kSection, key, fallback, path));
}

} // namespace

std::vector<int> ParseColumnWidths(const std::string& text) {
    std::vector<int> widths;
    const char* p = text.c_str();
    while (*p) {
        char* end = nullptr;
        long width = strtol(p, &end, 10);
        if (end == p || width <= 0 || width > kMaxColumnWidth) break;
        widths.push_back(static_cast<int>(width));
        p = end;
        if (*p != ',') break;
        ++p;
    }
    return widths;
}

std::string FormatColumnWidths(const std::vector<int>& widths) {
    std::string text;
    for (int width : widths) {
        if (!text.empty()) text += ',';
        text += std::to_string(width);
    }
    return text;
}

ListState ReadListState(const char* path) {
    ListState state;
    // GetPrivateProfileInt reads "-20" as -20: a window on a monitor left of the main one.
    state.rc.left = ReadInt(path, "Left", 0);
    state.rc.top = ReadInt(path, "Top", 0);
    state.rc.right = state.rc.left + ReadInt(path, "Width", 0);
    state.rc.bottom = state.rc.top + ReadInt(path, "Height", 0);
    if (state.rc.right <= state.rc.left || state.rc.bottom <= state.rc.top) state.rc = RECT{};
    char text[128];
    GetPrivateProfileStringA(kSection, "Columns", "", text, sizeof text, path);
    state.columns = ParseColumnWidths(text);
    int sort = ReadInt(path, "Sort", 1);
    state.sortColumn = sort >= 0 && sort <= 2 ? sort : 1;
    state.ascending = ReadInt(path, "Ascending", 0) != 0;
    return state;
}

bool WriteListState(const char* path, const ListState& state) {
    // Through a copy that replaces the file whole: the notes read their defaults from it.
    return ReplaceFileWith(path, [&](const char* temp) {
        if (!CopyFileA(path, temp, FALSE) && GetLastError() != ERROR_FILE_NOT_FOUND) return false;
        // The profile functions look for a bare name in the Windows folder.
        std::string target = temp;
        if (target.find('\\') == std::string::npos) target = ".\\" + target;
        auto put = [&](const char* key, const std::string& value) {
            return WritePrivateProfileStringA(kSection, key, value.c_str(), target.c_str()) != 0;
        };
        bool ok = put("Left", std::to_string(state.rc.left)) &&
                  put("Top", std::to_string(state.rc.top)) &&
                  put("Width", std::to_string(state.rc.right - state.rc.left)) &&
                  put("Height", std::to_string(state.rc.bottom - state.rc.top)) &&
                  put("Columns", FormatColumnWidths(state.columns)) &&
                  put("Sort", std::to_string(state.sortColumn)) &&
                  put("Ascending", state.ascending ? "1" : "0");
        return ok && FlushFile(target.c_str());
    });
}
