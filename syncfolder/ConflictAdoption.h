#pragma once
// Turning a sync service's conflict copies of notes in the working directory into notes of
// their own, so that the text of the PC that lost the conflict shows up as a note on both.

#include <string>
#include <vector>

// For each name of `listing` (files of the working directory, any extension) that is a
// conflict copy of a note file, holds a note and is no note name itself: moves it to the
// adopted name (AdoptedBaseName), placed a little below and right of the original, with its
// settings copy, else a copy of the original's settings. A copy whose adopted note is there already with the same bytes (the other PC
// adopted it first), or that holds the bytes of its original, is removed. A settings copy whose note copy was adopted before goes
// beside it. Files that are no note stay untouched. Returns the new note file names.
std::vector<std::string> AdoptConflictCopies(const std::vector<std::string>& listing);

// The names of the files in the working directory matching `pattern`, in listing order.
std::vector<std::string> ListFiles(const char* pattern);
