#pragma once
// Replacing a file's whole content so that a failure at any step leaves the old file as it
// was: the new bytes go to a temporary file in the same folder, which then takes the old
// file's place in one rename.

#include <string>

// Returns false, with the old file untouched and no temporary file left, when any step
// fails (folder not writable, disk full, target read-only or locked).
bool ReplaceFileContents(const char* path, const std::string& bytes);
