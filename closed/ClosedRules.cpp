#include "closed/ClosedRules.h"

#include <algorithm>

namespace {

const ULONGLONG kTicksPerDay = 24ULL * 60 * 60 * 10000000;
const int kMaxSuffix = 10000;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

} // namespace

std::vector<ClosedNote> NewestFirst(std::vector<ClosedNote> notes)
{
    std::sort(notes.begin(), notes.end(), [](const ClosedNote& a, const ClosedNote& b) {
        return a.closedAt != b.closedAt ? a.closedAt > b.closedAt : a.base < b.base;
    });
    return notes;
}

std::vector<std::string> ClosedToPrune(const std::vector<ClosedNote>& notes, ULONGLONG now)
{
    const ULONGLONG keepFrom = now - std::min(now, kClosedKeepDays * kTicksPerDay);
    std::vector<std::string> prune;
    std::vector<ClosedNote> sorted = NewestFirst(notes);
    for (size_t i = 0; i < sorted.size(); ++i) {
        if (i >= kClosedKeepCount || sorted[i].closedAt < keepFrom) prune.push_back(sorted[i].base);
    }
    return prune;
}

std::string ClosedNoteLabel(const std::string& text)
{
    std::string line;
    size_t pos = 0;
    while (pos < text.size() && line.empty()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        size_t begin = pos;
        while (begin < end && IsBlank(text[begin]))
            ++begin;
        size_t last = end;
        while (last > begin && IsBlank(text[last - 1]))
            --last;
        line = text.substr(begin, last - begin);
        pos = end + 1;
    }
    if (line.empty()) return "(empty)";
    // Tabs would start the menu's accelerator column.
    std::replace(line.begin(), line.end(), '\t', ' ');
    // Cut between characters: a double-byte character's lead byte alone shows as garbage.
    size_t cut = 0;
    while (cut < line.size()) {
        bool pair = IsDBCSLeadByte(static_cast<BYTE>(line[cut])) && cut + 1 < line.size();
        size_t next = cut + (pair ? 2 : 1);
        if (next > kClosedLabelLength) break;
        cut = next;
    }
    if (cut < line.size()) line = line.substr(0, cut) + "...";
    std::string label;
    for (char c : line) {
        label += c;
        if (c == '&') label += '&';
    }
    return label;
}

std::string FreshClosedBase(const std::string& base,
                            const std::function<bool(const std::string&)>& taken)
{
    if (!taken(base)) return base;
    for (int i = 2; i < kMaxSuffix; ++i) {
        std::string candidate = base + "_" + std::to_string(i);
        if (!taken(candidate)) return candidate;
    }
    return std::string();
}
