#pragma once
// Changing keys of an INI file through the profile functions, with the whole file replaced at
// once: the changes are made to a copy in the same folder, which then takes the file's place.

#include <windows.h>

#include <functional>
#include <string>

// The whole file; false, with the system's error code set, when it can't be read.
bool ReadWholeFile(const char* path, std::string& bytes);

// `edit` gets the path of a copy of `path` (empty when there is no such file yet) and changes
// it with the profile functions; false, with the system's error code set, when it could not.
// Whatever else the file held stays. False, with the old file as it was and the system's
// error code in `error`, when any step failed.
bool RewriteProfileFile(const char* path, const std::function<bool(const char* copy)>& edit,
                        DWORD* error = nullptr);
