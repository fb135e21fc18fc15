#pragma once

#include <string>
#include <vector>

// A name that the tray hands to a note process: ends in ".tkn" (any case, as the file
// system compares) and is one that the note process accepts. Longer names would not fit
// the note process's name buffers, so they are skipped rather than cut into another
// note's name.
bool IsRestorableNoteName(const std::string& name);

// The names of the listing that are restorable, in listing order.
std::vector<std::string> RestorableNotes(const std::vector<std::string>& listing);

// Every file matching "*.tkn" in the working directory, in the order the search returns them.
std::vector<std::string> ListNoteFiles();
