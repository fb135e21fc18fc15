#include "PdfCheck.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "e2e.h"

namespace pdf {
namespace {

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The Unix path of the output folder, as the test script exported it.
std::string UnixDir()
{
    return Env("TACKNOTE_PDF_DIR");
}

std::string WindowsPath(const std::string& unixPath)
{
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string ReadWholeFile(const std::string& path)
{
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[8192];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

// Runs a shell command of the host. Wine starts a Unix program without a process handle to
// wait on, so the command itself leaves its exit code in a file, which is polled.
int RunHost(const std::string& command, unsigned timeoutMs)
{
    static int serial = 0;
    std::string status = UnixDir() + "/.status" + std::to_string(GetCurrentProcessId()) + "-" +
                         std::to_string(++serial);
    std::string script = command + "; echo $? >'" + status + ".tmp' && mv '" + status +
                         ".tmp' '" + status + "'";
    std::string line = "sh -c \"" + script + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA("Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &pi)) {
        return -1;
    }
    if (pi.hProcess) CloseHandle(pi.hProcess);
    if (pi.hThread) CloseHandle(pi.hThread);
    std::string statusFile = WindowsPath(status);
    int code = -1;
    e2e::WaitUntil(
        [&] {
            std::string text = ReadWholeFile(statusFile);
            if (text.empty()) return false;
            code = std::atoi(text.c_str());
            return true;
        },
        timeoutMs);
    DeleteFileA(statusFile.c_str());
    return code;
}

} // namespace

std::string SkipReason()
{
    std::string reason = Env("TACKNOTE_PRINT_SKIP");
    if (!reason.empty()) return reason;
    if (Printer().empty() || UnixDir().empty())
        return "no PDF printer was set up (run the tests through scripts/test.sh)";
    // Wine lists the CUPS queues it found when the spooler was first loaded.
    DWORD needed = 0, count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed + 1);
    if (!EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, buffer.data(), needed, &needed, &count))
        count = 0;
    auto* printers = reinterpret_cast<PRINTER_INFO_4A*>(buffer.data());
    for (DWORD i = 0; i < count; i++) {
        if (Printer() == printers[i].pPrinterName) return "";
    }
    return "Wine does not list the CUPS queue " + Printer();
}

std::string Printer()
{
    return Env("TACKNOTE_PRINTER");
}

std::vector<std::string> Files()
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((WindowsPath(UnixDir()) + "\\*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::string WaitForNewPdfText(const std::vector<std::string>& before, std::string* name,
                              unsigned timeoutMs)
{
    std::string text;
    e2e::WaitUntil(
        [&] {
            for (const std::string& file : Files()) {
                if (std::find(before.begin(), before.end(), file) != before.end()) continue;
                // The queue writes the file some time after the job was sent: until it is
                // whole, pdftotext fails on it. The layout keeps a tab's gap on its line.
                std::string out = UnixDir() + "/" + file + ".txt";
                if (RunHost("pdftotext -q -layout '" + UnixDir() + "/" + file + "' '" + out + "'",
                            10000) != 0) {
                    continue;
                }
                text = ReadWholeFile(WindowsPath(out));
                DeleteFileA(WindowsPath(out).c_str());
                if (name) *name = file;
                return true;
            }
            Sleep(200);
            return false;
        },
        timeoutMs);
    return text;
}

bool FirstPageAsPng(const std::string& name, const std::string& pngName)
{
    // pdftoppm adds ".png" to the name it is given.
    std::string shots = e2e::ScreenshotDir();
    std::string base = shots.substr(2) + pngName;
    std::replace(base.begin(), base.end(), '\\', '/');
    return RunHost("pdftoppm -png -r 60 -f 1 -l 1 -singlefile '" + UnixDir() + "/" + name +
                       "' '" + base + "'",
                   30000) == 0;
}

} // namespace pdf
