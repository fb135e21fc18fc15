#include "controls/BrowserCommand.h"

#include <cstring>

std::string QuoteArgument(const char* pszArg)
{
    std::string quoted = "\"";
    size_t nBackslashes = 0;
    for (const char* p = pszArg; *p; ++p) {
        if (*p == '\\') {
            ++nBackslashes;
            continue;
        }
        // Backslashes count only before a quote: there each one is doubled, and the quote
        // itself gets one more.
        if (*p == '"') {
            quoted.append(nBackslashes * 2 + 1, '\\');
        } else {
            quoted.append(nBackslashes, '\\');
        }
        nBackslashes = 0;
        quoted += *p;
    }
    // Before the closing quote as well.
    quoted.append(nBackslashes * 2, '\\');
    quoted += '"';
    return quoted;
}

bool BuildBrowserCommand(const char* pszCommand, const char* pszTarget, char* pszOut, size_t cchOut)
{
    if (cchOut == 0) return false;
    pszOut[0] = '\0';
    std::string line = pszCommand;
    size_t cut = line.find("\"%1\"");
    if (cut == std::string::npos) cut = line.find("%1");
    if (cut != std::string::npos) line.erase(cut);
    line += ' ';
    line += QuoteArgument(pszTarget);
    // Refused, never cut short: a shortened line would open something else.
    if (line.size() >= cchOut) return false;
    std::memcpy(pszOut, line.c_str(), line.size() + 1);
    return true;
}
