// dateparse.exe: reads texts as the date fields of the program read them, for people and for
// tests. One result line per text: "OK YYYY-MM-DD HH:MM:SS", "INVALID" or "FAIL".
#include "tools/dateparse/ParseRequest.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace {

const char kUsage[] =
    "usage: dateparse [--now \"YYYY-MM-DD HH:MM:SS\"] [--flags 0|1|2] [--rule 0..3]\n"
    "                 [--cutoff 1..11] [--] TEXT...\n"
    "       dateparse --batch [--timing]\n"
    "  --batch reads lines now<TAB>flags<TAB>rule<TAB>cutoff<TAB>phrase from standard input\n"
    "  and writes one result line for each; --timing writes to standard error, for each line,\n"
    "  the microseconds its parse took, then the total.\n";

int Usage(const char* pszProblem) {
    if (pszProblem) std::fprintf(stderr, "dateparse: %s\n", pszProblem);
    std::fputs(kUsage, stderr);
    return 2;
}

// Lines of any length; a bad line answers FAIL and the batch goes on.
int RunBatch(bool bTiming) {
    std::ios::sync_with_stdio(false);
    std::string strLine;
    long long nLines = 0;
    double dTotal = 0;
    while (std::getline(std::cin, strLine)) {
        if (!strLine.empty() && strLine.back() == '\r') strLine.pop_back();
        auto start = std::chrono::steady_clock::now();
        CParseRequest request;
        std::string strResult = ReadBatchLine(strLine, request) ? RunRequest(request) : "FAIL";
        double dMicroseconds =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count();
        std::cout << strResult << '\n';
        ++nLines;
        if (bTiming) {
            dTotal += dMicroseconds;
            std::fprintf(stderr, "%.1f\n", dMicroseconds);
        }
    }
    std::cout.flush();
    if (bTiming) std::fprintf(stderr, "total lines %lld microseconds %.0f\n", nLines, dTotal);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    CParseRequest request;
    bool bBatch = false;
    bool bTiming = false;
    int i = 1;
    for (; i < argc && std::strncmp(argv[i], "--", 2) == 0; ++i) {
        std::string strOption = argv[i];
        if (strOption == "--") {
            ++i;
            break;
        }
        if (strOption == "--batch") {
            bBatch = true;
            continue;
        }
        if (strOption == "--timing") {
            bTiming = true;
            continue;
        }
        if (i + 1 >= argc) return Usage("an option lacks its value");
        std::string strValue = argv[++i];
        int nFlags = 0;
        if (strOption == "--now") {
            if (!ReadMoment(strValue, request.dtNow))
                return Usage("--now wants \"YYYY-MM-DD HH:MM:SS\"");
            request.bFixedNow = TRUE;
        } else if (strOption == "--flags") {
            if (!ReadSetting(strValue, 0, 2, nFlags)) return Usage("--flags wants 0, 1 or 2");
            request.dwFlags = static_cast<DWORD>(nFlags);
        } else if (strOption == "--rule") {
            if (!ReadSetting(strValue, 0, 3, request.nAmPmRule)) return Usage("--rule wants 0..3");
        } else if (strOption == "--cutoff") {
            if (!ReadSetting(strValue, 1, 11, request.nAmPmCutoff))
                return Usage("--cutoff wants 1..11");
        } else {
            return Usage("unknown option");
        }
    }

    if (bBatch) return i < argc ? Usage("--batch takes no TEXT") : RunBatch(bTiming);
    if (i >= argc) return Usage(nullptr);
    for (; i < argc; ++i) {
        request.strText = argv[i];
        std::printf("%s\n", RunRequest(request).c_str());
    }
    return 0;
}
