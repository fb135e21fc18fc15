#pragma once
// The filter of the notes list: the words typed, each found anywhere in a note's whole text,
// case-insensitively in the system's 8-bit code page; and the short text a row shows with the
// places of the words in it, so that the user sees why a note matched.

#include <string>
#include <utility>
#include <vector>

// The filter's words: split at blanks, empty ones dropped.
std::vector<std::string> FilterTerms(const std::string& filter);

// The lower-case form used for every comparison.
std::string FoldCase(const std::string& text);

// Whether every term (folded) occurs in `folded` (the folded text).
bool MatchesAll(const std::string& folded, const std::vector<std::string>& foldedTerms);

// Begin and length of each occurrence of any term in `text`, sorted, overlaps merged.
std::vector<std::pair<size_t, size_t>> FindTerms(const std::string& text,
                                                 const std::vector<std::string>& foldedTerms);

struct RowDisplay {
    std::string text;                               // one line
    std::vector<std::pair<size_t, size_t>> marks;   // the terms in `text`
};

// What the row shows: the first line; when a term occurs only further down, also the
// stretch of the line around its first occurrence, after "...".
RowDisplay DisplayFor(const std::string& wholeText, const std::vector<std::string>& foldedTerms);
