// The application manifest of each built exe, read back as the loader finds it: type 24, id 1.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

namespace {

std::string BuildFile(const char* name)
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path = module;
    return path.substr(0, path.find_last_of('\\') + 1) + name;
}

std::string ManifestOf(const std::string& path)
{
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return "";
    std::string text;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (bytes) text.assign(bytes, SizeofResource(module, found));
    FreeLibrary(module);
    return text;
}

class Manifest : public ::testing::TestWithParam<const char*> {};

TEST_P(Manifest, DeclaresDpiCommonControlsSystemsAndNoElevation)
{
    std::string text = ManifestOf(BuildFile(GetParam()));
    ASSERT_FALSE(text.empty()) << GetParam() << " carries no manifest";
    const char* const entries[] = {
        // Per-monitor v2, with v1 and the older per-monitor flag for systems before it.
        ">PerMonitorV2, PerMonitor</dpiAwareness>",
        "http://schemas.microsoft.com/SMI/2016/WindowsSettings",
        ">true/pm</dpiAware>",
        "http://schemas.microsoft.com/SMI/2005/WindowsSettings",
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "publicKeyToken=\"6595b64144ccf1df\"",
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", // Windows 10 and 11
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", // Windows 8.1
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", // Windows 8
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", // Windows 7
        "level=\"asInvoker\"",
    };
    for (const char* entry : entries)
        EXPECT_NE(text.find(entry), std::string::npos) << GetParam() << " lacks " << entry;
}

INSTANTIATE_TEST_SUITE_P(EveryExe, Manifest,
                         ::testing::Values("tacknote.exe", "calendar.exe", "dateedit.exe",
                                           "dateparse.exe"));

} // namespace
