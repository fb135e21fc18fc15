#include "note/IniCheck.h"

#include <map>

namespace {

std::string Trim(const std::string& text)
{
    size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) return std::string();
    size_t end = text.find_last_not_of(" \t\r");
    return text.substr(begin, end + 1 - begin);
}

std::string Upper(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

} // namespace

bool IniSectionHolds(const std::string& iniBytes, const char* section,
                     const std::vector<SettingsKey>& keys)
{
    const std::string wanted = Upper(section);
    std::map<std::string, std::string> found; // the first of a repeated key counts, as it reads
    bool inSection = false;
    size_t pos = 0;
    while (pos < iniBytes.size()) {
        size_t end = iniBytes.find('\n', pos);
        if (end == std::string::npos) end = iniBytes.size();
        std::string line = Trim(iniBytes.substr(pos, end - pos));
        pos = end + 1;
        if (!line.empty() && line[0] == '[') {
            size_t close = line.find(']');
            inSection =
                close != std::string::npos && Upper(Trim(line.substr(1, close - 1))) == wanted;
            continue;
        }
        size_t equals = line.find('=');
        if (!inSection || equals == std::string::npos) continue;
        found.emplace(Upper(Trim(line.substr(0, equals))), Trim(line.substr(equals + 1)));
    }
    for (const SettingsKey& k : keys) {
        auto it = found.find(Upper(k.key));
        if (it == found.end() || it->second != Trim(k.value)) return false;
    }
    return true;
}
