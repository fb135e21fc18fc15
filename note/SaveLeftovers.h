#pragma once
// A save that was killed half-way leaves its temporary file behind; a later start removes
// such files, but never one that a running save may still be writing.

#include <windows.h>

#include <string>

// A temporary last written this long ago belongs to no running save: a save writes its few
// kilobytes and renames them within moments.
const ULONGLONG kLeftoverAge = 5ULL * 60 * 10000000; // 5 minutes in FILETIME units

// Whether the file `name`, last written at `written`, is a leftover at `now` (FILETIME units):
// a replace's temporary by its name, and old enough.
bool IsSaveLeftover(const std::string& name, ULONGLONG written, ULONGLONG now);

// Deletes the leftovers in the working directory; the number deleted. A file still open for
// writing can't be deleted and stays.
int RemoveSaveLeftovers(ULONGLONG now);
