#pragma once
// The files of the folder at the last look, to tell which ones arrived since.

#include <set>
#include <string>
#include <vector>

class KnownFiles {
public:
    // The names of `listing` that the last listing lacked (letter case ignored, as the file
    // system does), in listing order; `listing` is then what is known. A file that goes and
    // comes back arrives again.
    std::vector<std::string> Arrivals(const std::vector<std::string>& listing);

    // A name known from now on, without waiting for the next listing.
    void Add(const std::string& name);

private:
    std::set<std::string> m_known; // upper case
};
