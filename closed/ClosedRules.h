#pragma once
// The rules of the Closed folder, without files: which closed notes the menu lists and how,
// which ones are deleted for good, and the name a note takes in the folder.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// A note in the Closed folder: `base` names its two files ("tkn12" for tkn12.tkn and
// tkn12.ini); `closedAt` is when it was closed, in FILETIME units.
struct ClosedNote {
    std::string base;
    ULONGLONG closedAt = 0;
};

// The menu lists this many, newest first.
const size_t kClosedMenuSize = 10;
// The folder keeps at most this many, none older than kClosedKeepDays.
const size_t kClosedKeepCount = 200;
const int kClosedKeepDays = 30;
// A menu label keeps this many characters of the first line.
const size_t kClosedLabelLength = 40;

// Newest first; notes closed at the same moment by name, so the order is the same each time.
std::vector<ClosedNote> NewestFirst(std::vector<ClosedNote> notes);

// The bases to delete for good at `now`: closed more than kClosedKeepDays ago, or beyond the
// kClosedKeepCount newest.
std::vector<std::string> ClosedToPrune(const std::vector<ClosedNote>& notes, ULONGLONG now);

// The menu label of a closed note's text: its first non-blank line, cut to about
// kClosedLabelLength characters with "..." where cut, "(empty)" when there is none; "&"
// doubled so that the menu shows it instead of underlining.
std::string ClosedNoteLabel(const std::string& text);

// The base a note takes in the Closed folder: its own, or when `taken` says that one is in
// use, "<base>_2", "<base>_3", ... Empty when no name was free.
std::string FreshClosedBase(const std::string& base,
                            const std::function<bool(const std::string&)>& taken);
