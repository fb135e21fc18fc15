#include "syncfolder/KnownFiles.h"

#include <cctype>

namespace {

std::string Upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

void KnownFiles::Add(const std::string& name)
{
    m_known.insert(Upper(name));
}

std::vector<std::string> KnownFiles::Arrivals(const std::vector<std::string>& listing)
{
    std::vector<std::string> arrived;
    std::set<std::string> now;
    for (const std::string& name : listing) {
        std::string key = Upper(name);
        if (!m_known.count(key) && now.insert(key).second) arrived.push_back(name);
        now.insert(key);
    }
    m_known.swap(now);
    return arrived;
}
