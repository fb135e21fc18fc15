#include "e2e.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace e2e {

std::string BuildDir()
{
    const char* unixPath = std::getenv("TACKNOTE_BUILD");
    std::string path;
    if (unixPath && *unixPath) {
        // Wine maps the Unix root to drive Z:.
        path = std::string("Z:") + unixPath;
        std::replace(path.begin(), path.end(), '/', '\\');
    } else {
        char module[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, module, MAX_PATH);
        path = module;
        path.erase(path.find_last_of('\\'));
    }
    if (path.empty() || path.back() != '\\') path += '\\';
    return path;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return condition();
        Sleep(20);
    }
}

// ---- TempDir ---------------------------------------------------------------------------

TempDir::TempDir()
{
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    static unsigned serial = 0;
    for (;;) {
        char name[MAX_PATH];
        std::snprintf(name, sizeof name, "%stkn-e2e-%lu-%u", base, GetCurrentProcessId(), ++serial);
        if (CreateDirectoryA(name, nullptr)) {
            m_path = name;
            break;
        }
    }
}

static void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string full = path + "\\" + name;
            SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileA(full.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(path.c_str());
}

TempDir::~TempDir() { RemoveTree(m_path); }

void TempDir::Write(const std::string& name, const std::string& bytes) const
{
    FILE* file = std::fopen(FilePath(name).c_str(), "wb");
    if (!file) return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::string TempDir::Read(const std::string& name) const
{
    std::string bytes;
    FILE* file = std::fopen(FilePath(name).c_str(), "rb");
    if (!file) return bytes;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    std::fclose(file);
    return bytes;
}

bool TempDir::Exists(const std::string& name) const
{
    return GetFileAttributesA(FilePath(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> TempDir::List(const std::string& pattern) const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(FilePath(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

::testing::AssertionResult FileBecomes(const TempDir& dir, const std::string& name,
                                       const std::string& bytes, DWORD timeoutMs)
{
    std::string last;
    bool exists = false;
    if (WaitUntil([&] { return (exists = dir.Exists(name)) && (last = dir.Read(name)) == bytes; },
                  timeoutMs))
        return ::testing::AssertionSuccess();
    if (!exists) return ::testing::AssertionFailure() << name << " is missing";
    return ::testing::AssertionFailure() << name << " holds " << ::testing::PrintToString(last)
                                         << ", not " << ::testing::PrintToString(bytes);
}

std::string NoteFileBytes(const RECT& rc, const std::string& text)
{
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%ld\r\n%ld\r\n%ld\r\n%ld\r\n", rc.left, rc.top,
                  rc.right, rc.bottom);
    return numbers + text;
}

// ---- Processes -------------------------------------------------------------------------

Process::Process(const std::string& exeName, const std::string& args, const std::string& workDir)
{
    std::string exe = BuildDir() + exeName;
    std::string commandLine = "\"" + exe + "\"";
    if (!args.empty()) commandLine += " " + args;
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (CreateProcessA(exe.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       workDir.c_str(), &startup, &info)) {
        CloseHandle(info.hThread);
        m_process = info.hProcess;
        m_id = info.dwProcessId;
    }
}

Process::~Process()
{
    Kill();
}

Process::Process(Process&& other) noexcept : m_process(other.m_process), m_id(other.m_id)
{
    other.m_process = nullptr;
    other.m_id = 0;
}

Process& Process::operator=(Process&& other) noexcept
{
    if (this != &other) {
        Kill();
        m_process = other.m_process;
        m_id = other.m_id;
        other.m_process = nullptr;
        other.m_id = 0;
    }
    return *this;
}

bool Process::Running() const
{
    return m_process && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}

bool Process::WaitExit(DWORD timeoutMs, DWORD* exitCode) const
{
    if (!m_process) return true;
    if (WaitForSingleObject(m_process, timeoutMs) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(m_process, exitCode);
    return true;
}

void Process::Kill()
{
    if (!m_process) return;
    if (Running()) {
        TerminateProcess(m_process, 99);
        WaitForSingleObject(m_process, 5000);
    }
    CloseHandle(m_process);
    m_process = nullptr;
    m_id = 0;
}

std::vector<DWORD> ProcessIds(const char* exeName)
{
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return ids;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, exeName) == 0) ids.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return ids;
}

void KillAll(const char* exeName)
{
    for (DWORD id : ProcessIds(exeName)) {
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
        if (!process) continue;
        TerminateProcess(process, 99);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

// ---- Windows ---------------------------------------------------------------------------

namespace {
struct WindowQuery {
    DWORD pid;
    const char* className;
    const char* title;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param)
{
    auto* query = reinterpret_cast<WindowQuery*>(param);
    if (query->visibleOnly && !IsWindowVisible(window)) return TRUE;
    if (query->pid && WindowProcessId(window) != query->pid) return TRUE;
    if (query->className) {
        char name[256] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::strcmp(name, query->className) != 0) return TRUE;
    }
    if (query->title && WindowText(window) != query->title) return TRUE;
    query->found.push_back(window);
    return TRUE;
}
}  // namespace

std::vector<HWND> TopLevelWindows(DWORD pid, const char* className, const char* title,
                                  bool visibleOnly)
{
    WindowQuery query{pid, className, title, visibleOnly, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND WaitForWindow(DWORD pid, const char* className, const char* title, DWORD timeoutMs)
{
    HWND window = nullptr;
    WaitUntil(
        [&] {
            auto found = TopLevelWindows(pid, className, title, true);
            window = found.empty() ? nullptr : found.front();
            return window != nullptr;
        },
        timeoutMs);
    return window;
}

std::string WindowText(HWND window)
{
    char text[8192] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, 2000, &length))
        return std::string();
    return std::string(text, std::min<size_t>(length, sizeof text - 1));
}

RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

DWORD WindowProcessId(HWND window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

bool Activate(HWND window)
{
    SetForegroundWindow(window);
    DWORD asked = GetTickCount();
    // On a loaded machine one request can be overtaken by another window's activation. This
    // thread's messages are left alone: handling them here would let a window this test made
    // earlier (a focus thief) take the focus back from the one asked for.
    return WaitUntil(
        [&] {
            if (GetForegroundWindow() != window) {
                if (GetTickCount() - asked >= 500) {
                    SetForegroundWindow(window);
                    asked = GetTickCount();
                }
                return false;
            }
            GUITHREADINFO info = {};
            info.cbSize = sizeof info;
            DWORD thread = GetWindowThreadProcessId(window, nullptr);
            return GetGUIThreadInfo(thread, &info) &&
                   (info.hwndFocus == window || IsChild(window, info.hwndFocus));
        },
        5000);
}

// ---- Input -----------------------------------------------------------------------------

static void SendKey(WORD vk, WORD scan, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void TypeText(const std::string& text)
{
    for (char c : text) {
        if (c == '\n') {
            PressKey(VK_RETURN);
            continue;
        }
        if (c == '\r') continue;
        WORD unit = static_cast<unsigned char>(c);
        SendKey(0, unit, KEYEVENTF_UNICODE);
        SendKey(0, unit, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
        Sleep(2);
    }
}

void PressKey(WORD vk, bool alt, bool ctrl, bool shift)
{
    if (alt) SendKey(VK_MENU, 0, 0);
    if (ctrl) SendKey(VK_CONTROL, 0, 0);
    if (shift) SendKey(VK_SHIFT, 0, 0);
    SendKey(vk, 0, 0);
    SendKey(vk, 0, KEYEVENTF_KEYUP);
    if (shift) SendKey(VK_SHIFT, 0, KEYEVENTF_KEYUP);
    if (ctrl) SendKey(VK_CONTROL, 0, KEYEVENTF_KEYUP);
    if (alt) SendKey(VK_MENU, 0, KEYEVENTF_KEYUP);
    Sleep(20);
}

static void SendMouse(int x, int y, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

void MoveMouse(int x, int y)
{
    SendMouse(x, y, 0);
    Sleep(30);
}

void Click(int x, int y, bool right)
{
    MoveMouse(x, y);
    SendMouse(x, y, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    Sleep(20);
    SendMouse(x, y, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    Sleep(30);
}

void DoubleClick(int x, int y)
{
    MoveMouse(x, y);
    for (int i = 0; i < 2; ++i) {
        SendMouse(x, y, MOUSEEVENTF_LEFTDOWN);
        Sleep(10);
        SendMouse(x, y, MOUSEEVENTF_LEFTUP);
        Sleep(40);
    }
}

void Drag(int fromX, int fromY, int toX, int toY)
{
    MoveMouse(fromX, fromY);
    Sleep(50);
    SendMouse(fromX, fromY, MOUSEEVENTF_LEFTDOWN);
    Sleep(20);
    const int steps = 10;
    for (int i = 1; i <= steps; ++i) {
        SendMouse(fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps, 0);
        Sleep(20);
    }
    SendMouse(toX, toY, MOUSEEVENTF_LEFTUP);
    Sleep(50);
}

void PickMenuItem(HWND menu, int downs)
{
    for (int i = 0; i < downs; ++i) PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
}

bool PickTrayMenuItem(HWND menu, UINT id)
{
    const UINT kTrayMenu = 11; // its resource id, also the tray icon's
    HMODULE exe = LoadLibraryExA((BuildDir() + "tacknote.exe").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE);
    if (!exe) return false;
    HMENU bar = LoadMenuA(exe, MAKEINTRESOURCEA(kTrayMenu));
    HMENU items = bar ? GetSubMenu(bar, 0) : nullptr;
    int downs = 0, found = 0;
    for (int i = 0, count = items ? GetMenuItemCount(items) : 0; i < count && !found; ++i) {
        if (GetMenuState(items, i, MF_BYPOSITION) & MF_SEPARATOR) continue; // keys skip these
        ++downs;
        HMENU sub = GetSubMenu(items, i);
        if ((sub ? GetMenuItemID(sub, 0) : GetMenuItemID(items, i)) == id) found = downs;
    }
    if (bar) DestroyMenu(bar);
    FreeLibrary(exe);
    if (found) PickMenuItem(menu, found);
    return found != 0;
}

// ---- Screenshots -----------------------------------------------------------------------

namespace {
uint32_t Crc32(const unsigned char* data, size_t size, uint32_t crc = 0)
{
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(std::string& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void PutChunk(std::string& out, const char* type, const std::string& body)
{
    PutBigEndian(out, static_cast<uint32_t>(body.size()));
    std::string typed = std::string(type, 4) + body;
    out += typed;
    PutBigEndian(out, Crc32(reinterpret_cast<const unsigned char*>(typed.data()), typed.size()));
}

// An RGB PNG with "stored" (uncompressed) deflate blocks: larger files, but no zlib needed.
std::string EncodePng(int width, int height, const std::vector<unsigned char>& rgbRows)
{
    std::string png("\x89PNG\r\n\x1a\n", 8);
    std::string header;
    PutBigEndian(header, static_cast<uint32_t>(width));
    PutBigEndian(header, static_cast<uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter, no interlace
    PutChunk(png, "IHDR", header);

    std::string zlib("\x78\x01", 2);
    uint32_t adlerA = 1, adlerB = 0;
    size_t offset = 0;
    do {
        size_t block = std::min<size_t>(65535, rgbRows.size() - offset);
        bool last = offset + block == rgbRows.size();
        zlib += static_cast<char>(last ? 1 : 0);
        zlib += static_cast<char>(block & 0xFF);
        zlib += static_cast<char>(block >> 8);
        zlib += static_cast<char>(~block & 0xFF);
        zlib += static_cast<char>((~block >> 8) & 0xFF);
        zlib.append(reinterpret_cast<const char*>(rgbRows.data()) + offset, block);
        for (size_t i = offset; i < offset + block; ++i) {
            adlerA = (adlerA + rgbRows[i]) % 65521;
            adlerB = (adlerB + adlerA) % 65521;
        }
        offset += block;
    } while (offset < rgbRows.size());
    PutBigEndian(zlib, (adlerB << 16) | adlerA);
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", std::string());
    return png;
}
}  // namespace

bool Screenshot(const std::string& path, const RECT* area)
{
    RECT rect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (area) rect = *area;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return false;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
        GdiFlush();
        std::vector<unsigned char> rows;
        rows.reserve(static_cast<size_t>(height) * (width * 3 + 1));
        const unsigned char* pixel = static_cast<const unsigned char*>(bits);
        for (int y = 0; y < height; ++y) {
            rows.push_back(0);  // filter: none
            for (int x = 0; x < width; ++x, pixel += 4) {
                rows.push_back(pixel[2]);
                rows.push_back(pixel[1]);
                rows.push_back(pixel[0]);
            }
        }
        SelectObject(memory, old);
        DeleteObject(bitmap);
        std::string png = EncodePng(width, height, rows);
        if (FILE* file = std::fopen(path.c_str(), "wb")) {
            ok = std::fwrite(png.data(), 1, png.size(), file) == png.size();
            ok = std::fclose(file) == 0 && ok;
        }
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

COLORREF ScreenPixel(int x, int y)
{
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

COLORREF WaitForPixel(int x, int y, COLORREF expected, DWORD timeoutMs)
{
    COLORREF seen = CLR_INVALID;
    WaitUntil([&] { return (seen = ScreenPixel(x, y)) == expected; }, timeoutMs);
    return seen;
}

std::string ScreenshotDir()
{
    std::string path = BuildDir() + "e2e-screens";
    CreateDirectoryA(path.c_str(), nullptr);
    return path + "\\";
}

void TacknoteTest::TearDown()
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (HasFailure() && test) {
        std::string name = std::string(test->test_suite_name()) + "." + test->name() + ".png";
        std::replace(name.begin(), name.end(), '/', '_');
        Screenshot(ScreenshotDir() + name);
    }
    KillAll("tacknote.exe");
}

}  // namespace e2e
