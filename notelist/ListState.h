#pragma once
// What the notes list keeps between openings, in section [NotesList] of tacknote.ini: its
// window rectangle, its column widths and its sort order.

#include <windows.h>

#include <string>
#include <vector>

struct ListState {
    RECT rc{0, 0, 0, 0};    // all 0: not stored yet, the window comes up centred
    std::vector<int> columns; // widths in pixels, one per column
    int sortColumn = 1;     // newest change first
    bool ascending = false;
};

// "200,120,110": the widths; a part that is no positive number up to 4000 ends the list.
std::vector<int> ParseColumnWidths(const std::string& text);
std::string FormatColumnWidths(const std::vector<int>& widths);

ListState ReadListState(const char* path);
// Rewrites the section and leaves the rest of the file as it was. False when it could not.
bool WriteListState(const char* path, const ListState& state);
