#include "syncfolder/ConflictName.h"

#include <cctype>
#include <cstdint>
#include <cstdio>

namespace {

bool AllOf(const std::string& s, size_t from, size_t to, int (*test)(int))
{
    for (size_t i = from; i < to; ++i) {
        if (!test(static_cast<unsigned char>(s[i]))) return false;
    }
    return true;
}

int IsDigit(int c) { return isdigit(c); }
int IsAlnum(int c) { return isalnum(c); }
int IsMachineChar(int c) { return isalnum(c) || c == '-' || c == '_'; }
int IsDateChar(int c) { return isdigit(c) || c == '-'; }

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return s;
}

// A base that can be a note name's: something, and no further dot or path character.
bool IsPlainBase(const std::string& base)
{
    return !base.empty() && base.find_first_of(".\\/:*?\"<>|") == std::string::npos &&
           base.back() != ' ';
}

// "BASE.sync-conflict-YYYYMMDD-HHMMSS-DEVICE"
bool SyncthingBase(const std::string& stem, std::string& base)
{
    static const std::string kMark = ".sync-conflict-";
    size_t at = Lower(stem).find(kMark);
    if (at == std::string::npos) return false;
    size_t date = at + kMark.size();
    if (stem.size() < date + 17 || !AllOf(stem, date, date + 8, IsDigit) ||
        stem[date + 8] != '-' || !AllOf(stem, date + 9, date + 15, IsDigit) ||
        stem[date + 15] != '-' || !AllOf(stem, date + 16, stem.size(), IsAlnum)) {
        return false;
    }
    base = stem.substr(0, at);
    return true;
}

// "BASE (conflicted copy ...)", "BASE (Jane's conflicted copy ...)", "BASE (conflict copy ...)"
bool ParenthesisBase(const std::string& stem, std::string& base)
{
    if (stem.empty() || stem.back() != ')') return false;
    size_t open = stem.rfind(" (");
    if (open == std::string::npos) return false;
    std::string inside = Lower(stem.substr(open + 2));
    if (inside.find("conflicted copy") == std::string::npos &&
        inside.find("conflict copy") == std::string::npos) {
        return false;
    }
    base = stem.substr(0, open);
    return true;
}

// "BASE_conflict-YYYYMMDD-HHMMSS"
bool UnderscoreBase(const std::string& stem, std::string& base)
{
    static const std::string kMark = "_conflict-";
    size_t at = Lower(stem).rfind(kMark);
    if (at == std::string::npos) return false;
    size_t date = at + kMark.size();
    if (date == stem.size() || !AllOf(stem, date, stem.size(), IsDateChar)) return false;
    base = stem.substr(0, at);
    return true;
}

// "BASE-MACHINE": a Windows computer name has at most 15 characters. Our own note names
// hold no hyphen, so the first one ends the base.
bool MachineBase(const std::string& stem, std::string& base)
{
    size_t dash = stem.find('-');
    if (dash == std::string::npos || dash == 0) return false;
    size_t length = stem.size() - dash - 1;
    if (length == 0 || length > 15 || !AllOf(stem, dash + 1, stem.size(), IsMachineChar)) {
        return false;
    }
    base = stem.substr(0, dash);
    return true;
}

} // namespace

bool ParseConflictCopy(const std::string& name, ConflictCopy& copy)
{
    size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == name.size()) return false;
    std::string stem = name.substr(0, dot);
    std::string base;
    bool found = SyncthingBase(stem, base) || ParenthesisBase(stem, base) ||
                 UnderscoreBase(stem, base) || MachineBase(stem, base);
    if (!found || !IsPlainBase(base)) return false;
    copy.extension = name.substr(dot + 1);
    copy.original = base + "." + copy.extension;
    copy.stem = stem;
    return true;
}

std::string AdoptedBaseName(const std::string& stem, unsigned attempt)
{
    // FNV-1a: the same on every PC and every build, unlike std::hash.
    uint32_t hash = 2166136261u;
    auto mix = [&hash](unsigned char c) {
        hash ^= c;
        hash *= 16777619u;
    };
    for (char c : stem)
        mix(static_cast<unsigned char>(toupper(static_cast<unsigned char>(c))));
    for (unsigned a = attempt; a > 0; a >>= 8)
        mix(static_cast<unsigned char>(a & 0xFF));
    char base[16];
    snprintf(base, sizeof base, "tkn%08X", static_cast<unsigned>(hash));
    return base;
}
