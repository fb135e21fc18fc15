// Small pieces the date grammar's stages share.
#pragma once

#include <cctype>
#include <climits>
#include <cstring>
#include <initializer_list>

namespace GrammarCommon {

// Indexed by the framework's day of the week minus one: 1 Sunday .. 7 Saturday.
inline const char* const kWeekdays[7] = {"SUNDAY",   "MONDAY", "TUESDAY", "WEDNESDAY",
                                         "THURSDAY", "FRIDAY", "SATURDAY"};

// Month counts held to int: a long run of digits then gives an out-of-range (invalid) date
// instead of an overflow.
inline int ClampToInt(long long n) {
    return n > INT_MAX ? INT_MAX : n < INT_MIN ? INT_MIN : static_cast<int>(n);
}

// The C runtime's case folding in the "C" locale the program runs in: ASCII letters only.
inline char FoldCase(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

// _stricmp(a, b) == 0, without the runtime's locale lookups on every character.
inline bool SameText(const char* a, const char* b) {
    for (; *a && FoldCase(*a) == FoldCase(*b); ++a, ++b) {
    }
    return *a == *b;
}

// Whether the text is, or ends with, the parts written one after the other, compared without
// case. The grammars test hundreds of such phrases per text; this builds none of them.
inline bool SameNoCaseAt(const char* psz, std::initializer_list<const char*> parts) {
    for (const char* pszPart : parts) {
        for (; *pszPart; ++pszPart, ++psz) {
            if (FoldCase(*psz) != FoldCase(*pszPart)) return false;
        }
    }
    return true;
}

inline size_t LengthOf(std::initializer_list<const char*> parts) {
    size_t nLength = 0;
    for (const char* pszPart : parts)
        nLength += std::strlen(pszPart);
    return nLength;
}

inline bool IsPhrase(const char* pszText, size_t nTextLength,
                     std::initializer_list<const char*> parts) {
    return nTextLength == LengthOf(parts) && SameNoCaseAt(pszText, parts);
}

inline bool EndsWithPhrase(const char* pszText, size_t nTextLength,
                           std::initializer_list<const char*> parts) {
    size_t nLength = LengthOf(parts);
    return nTextLength >= nLength && SameNoCaseAt(pszText + nTextLength - nLength, parts);
}

} // namespace GrammarCommon
