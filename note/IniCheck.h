#pragma once
// Reading back what the profile calls wrote: whether the bytes of an INI file hold given keys
// with given values in one section.

#include <string>
#include <vector>

struct SettingsKey {
    std::string key;
    std::string value;
};

// True when section `section` of `iniBytes` holds every key of `keys` with exactly that
// value. Section and key names compare without regard to case, as the profile calls do;
// blanks around names and values are ignored, as the profile calls read them.
bool IniSectionHolds(const std::string& iniBytes, const char* section,
                     const std::vector<SettingsKey>& keys);
