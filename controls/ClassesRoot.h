#pragma once
// Reading a default value under HKEY_CLASSES_ROOT (file types, their commands).

#include <windows.h>

#include <cstddef>

// The buffer a registry value is read into.
const size_t kClassesRootValueChars = 260;

// The default value of pszKey under HKEY_CLASSES_ROOT, opened for reading only. A
// REG_EXPAND_SZ value comes back with its environment variables expanded. False, with
// pszValue emptied, when the key cannot be opened, the value is missing or not a string, or
// the value (expanded) does not fit in cchValue characters with its terminator.
bool QueryClassesRootDefault(const char* pszKey, char* pszValue, size_t cchValue);
