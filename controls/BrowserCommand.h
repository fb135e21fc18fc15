#pragma once
// The command line that opens a target with the browser registered for ".htm", built from
// the browser's registered command.

#include <cstddef>
#include <string>

// The buffer the command line is built in: twice MAX_PATH.
const size_t kBrowserCommandChars = 520;

// Cuts pszCommand just before its placeholder ("%1" in double quotes, else "%1" alone; the
// placeholder and what follows it are dropped; no placeholder keeps the whole command), then
// appends one space and the target as one quoted argument. The quoting follows the C
// runtime's reading of a command line, so no target, whatever spaces, quotes or backslashes
// it holds, can end its argument early and add one of its own. Writes the result with its
// terminator into pszOut; false, with pszOut emptied, when it does not fit in cchOut.
bool BuildBrowserCommand(const char* pszCommand, const char* pszTarget, char* pszOut,
                         size_t cchOut);

// pszArg in double quotes, with its quotes and the backslashes before them (or before the
// closing quote) escaped, so that the C runtime reads it back as exactly one argument.
std::string QuoteArgument(const char* pszArg);
