// Small pieces the date grammar's stages share.
#pragma once

#include <climits>

namespace GrammarCommon {

// Indexed by the framework's day of the week minus one: 1 Sunday .. 7 Saturday.
inline const char* const kWeekdays[7] = {"SUNDAY",   "MONDAY", "TUESDAY", "WEDNESDAY",
                                         "THURSDAY", "FRIDAY", "SATURDAY"};

// Month counts held to int: a long run of digits then gives an out-of-range (invalid) date
// instead of an overflow.
inline int ClampToInt(long long n) {
    return n > INT_MAX ? INT_MAX : n < INT_MIN ? INT_MIN : static_cast<int>(n);
}

} // namespace GrammarCommon
