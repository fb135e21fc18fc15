#pragma once
// Replacing a file's whole content so that a failure at any step leaves the old file as it
// was: the new bytes go to a temporary file in the same folder, which then takes the old
// file's place in one rename.

#include <windows.h>

#include <functional>
#include <string>

// The temporary files of a replace are "<prefix>XXXX.tmp" beside the target.
extern const char kReplaceTempPrefix[];

// Returns false, with the old file untouched and no temporary file left, when any step
// fails (folder not writable, disk full, target read-only or locked); `error`, when given,
// then receives the system's error code.
bool ReplaceFileContents(const char* path, const std::string& bytes, DWORD* error = nullptr);

// The same for content that another writer produces: `fill` gets the path of an empty
// temporary file in the target's folder, writes it and flushes it to the disk (FlushFile),
// and returns false, with the system's error code set, when it could not. The temporary
// then replaces `path` whole.
bool ReplaceFileWith(const char* path, const std::function<bool(const char* temp)>& fill,
                     DWORD* error = nullptr);

// Writes what other handles left in the system's cache of the file to the disk.
bool FlushFile(const char* path);
