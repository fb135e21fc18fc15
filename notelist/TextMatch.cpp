#include "notelist/TextMatch.h"

#include <windows.h>

#include <algorithm>

#include "notelist/NoteRow.h"

namespace {

// How much of a line around a match the row shows, before and in all.
const size_t kLeadIn = 20;
const size_t kSnippet = 60;
const char kGap[] = "   ...";

struct FoldTable {
    unsigned char map[256];
    FoldTable() {
        for (int i = 0; i < 256; ++i) map[i] = static_cast<unsigned char>(i);
        // The system's own lower case for the code page, accented letters included.
        CharLowerBuffA(reinterpret_cast<char*>(map + 1), 255);
    }
};

const FoldTable& Table() {
    static const FoldTable table;
    return table;
}

// Where `text` ends its line at or after `pos`.
size_t LineEnd(const std::string& text, size_t pos) {
    size_t end = text.find_first_of("\r\n", pos);
    return end == std::string::npos ? text.size() : end;
}

size_t LineStart(const std::string& text, size_t pos) {
    size_t nl = text.find_last_of("\r\n", pos == 0 ? 0 : pos - 1);
    return pos == 0 || nl == std::string::npos ? 0 : nl + 1;
}

} // namespace

std::vector<std::string> FilterTerms(const std::string& filter) {
    std::vector<std::string> terms;
    size_t pos = 0;
    while (pos < filter.size()) {
        size_t begin = filter.find_first_not_of(" \t", pos);
        if (begin == std::string::npos) break;
        size_t end = filter.find_first_of(" \t", begin);
        if (end == std::string::npos) end = filter.size();
        terms.push_back(filter.substr(begin, end - begin));
        pos = end;
    }
    return terms;
}

std::string FoldCase(const std::string& text) {
    const unsigned char* map = Table().map;
    std::string folded(text);
    for (char& c : folded) c = static_cast<char>(map[static_cast<unsigned char>(c)]);
    return folded;
}

bool MatchesAll(const std::string& folded, const std::vector<std::string>& foldedTerms) {
    for (const std::string& term : foldedTerms) {
        if (folded.find(term) == std::string::npos) return false;
    }
    return true;
}

std::vector<std::pair<size_t, size_t>> FindTerms(const std::string& text,
                                                 const std::vector<std::string>& foldedTerms) {
    std::string folded = FoldCase(text);
    std::vector<std::pair<size_t, size_t>> found;
    for (const std::string& term : foldedTerms) {
        if (term.empty()) continue;
        for (size_t pos = folded.find(term); pos != std::string::npos;
             pos = folded.find(term, pos + 1))
            found.push_back({pos, term.size()});
    }
    std::sort(found.begin(), found.end());
    std::vector<std::pair<size_t, size_t>> merged;
    for (const auto& mark : found) {
        if (!merged.empty() && mark.first <= merged.back().first + merged.back().second) {
            size_t end = std::max(merged.back().first + merged.back().second,
                                  mark.first + mark.second);
            merged.back().second = end - merged.back().first;
        } else {
            merged.push_back(mark);
        }
    }
    return merged;
}

RowDisplay DisplayFor(const std::string& wholeText, const std::vector<std::string>& foldedTerms) {
    RowDisplay display;
    display.text = FirstLine(wholeText);
    if (foldedTerms.empty()) return display;
    std::string foldedFirst = FoldCase(display.text);
    std::string folded = FoldCase(wholeText);
    for (const std::string& term : foldedTerms) {
        if (term.empty() || foldedFirst.find(term) != std::string::npos) continue;
        size_t pos = folded.find(term);
        if (pos == std::string::npos) continue;
        size_t lineBegin = LineStart(wholeText, pos);
        size_t lineEnd = LineEnd(wholeText, pos);
        size_t begin = std::max(lineBegin, pos > kLeadIn ? pos - kLeadIn : 0);
        size_t end = std::min(lineEnd, begin + std::max(kSnippet, term.size() + kLeadIn));
        display.text += kGap;
        if (begin > lineBegin) display.text += "...";
        display.text += wholeText.substr(begin, end - begin);
        if (end < lineEnd) display.text += "...";
        break;
    }
    std::replace(display.text.begin(), display.text.end(), '\t', ' ');
    display.marks = FindTerms(display.text, foldedTerms);
    return display;
}
