// The version records and the pictures that Windows shows for the built executables:
// Explorer's properties page, Add/Remove Programs and the taskbar read them from the files.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "res/resource.h"
#include "res/version.h"

namespace {

std::string BuildFile(const char* name)
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path = module;
    return path.substr(0, path.find_last_of('\\') + 1) + name;
}

class VersionRecord {
public:
    explicit VersionRecord(const std::string& path)
    {
        DWORD ignored = 0;
        DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
        if (size == 0) return;
        m_data.resize(size);
        if (!GetFileVersionInfoA(path.c_str(), 0, size, m_data.data())) m_data.clear();
    }
    bool Present() const { return !m_data.empty(); }

    const VS_FIXEDFILEINFO* Fixed() const
    {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(m_data.data(), "\\", &value, &length) ||
            length < sizeof(VS_FIXEDFILEINFO))
            return nullptr;
        return static_cast<const VS_FIXEDFILEINFO*>(value);
    }

    // A string of the US English, Unicode block: the one that Explorer shows.
    std::string String(const char* key) const
    {
        std::string query = std::string("\\StringFileInfo\\040904B0\\") + key;
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(m_data.data(), query.c_str(), &value, &length) || !value)
            return "(none)";
        return static_cast<const char*>(value);
    }

private:
    std::vector<char> m_data;
};

struct Executable {
    const char* file;
    const char* description;
};

const Executable kExecutables[] = {
    {"tacknote.exe", "Tacknote sticky notes"},
    {"calendar.exe", "Tacknote month calendar tool"},
    {"dateparse.exe", "Tacknote date parser tool"},
};

class Versions : public ::testing::TestWithParam<Executable> {};

TEST_P(Versions, RecordNamesProductVersionAndMakers)
{
    const Executable& exe = GetParam();
    VersionRecord record(BuildFile(exe.file));
    ASSERT_TRUE(record.Present()) << exe.file << " has no version record";

    const VS_FIXEDFILEINFO* fixed = record.Fixed();
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(1, 5))); // 5.1
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);                                 // .0.0
    EXPECT_EQ(fixed->dwProductVersionMS, static_cast<DWORD>(MAKELONG(1, 5)));
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    EXPECT_EQ(record.String("ProductName"), "Tacknote");
    EXPECT_EQ(record.String("ProductVersion"), "5.1a");
    EXPECT_EQ(record.String("FileVersion"), "5.1a");
    EXPECT_EQ(record.String("CompanyName"), "The Tacknote developers");
    EXPECT_EQ(record.String("LegalCopyright"), "Copyright (C) 2026 The Tacknote developers");
    EXPECT_EQ(record.String("FileDescription"), exe.description);
    EXPECT_EQ(record.String("OriginalFilename"), exe.file);
    EXPECT_EQ(std::string(TKN_VERSION_TEXT), "5.1a");
}

INSTANTIATE_TEST_SUITE_P(Built, Versions, ::testing::ValuesIn(kExecutables),
                         [](const ::testing::TestParamInfo<Executable>& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

// The icon is drawn for the small and large sizes at 100, 125, 150 and 200%; Windows picks
// the image of the size it needs, and a missing size would be scaled from another one and
// look blurred.
TEST(Pictures, IconHasEverySizeAndTheCursorLoads)
{
    HMODULE exe =
        LoadLibraryExA(BuildFile("tacknote.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    for (int size : {64, 48, 40, 32, 24, 20, 16}) {
        HICON icon = static_cast<HICON>(
            LoadImageA(exe, MAKEINTRESOURCEA(IDI_TACKNOTE), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap = {};
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        EXPECT_EQ(bitmap.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
        // Each size is its own image, not a scaled one: the group lists it.
        HRSRC group = FindResourceA(exe, MAKEINTRESOURCEA(IDI_TACKNOTE), RT_GROUP_ICON);
        ASSERT_NE(group, nullptr);
        auto* bits = static_cast<PBYTE>(LockResource(LoadResource(exe, group)));
        int id = LookupIconIdFromDirectoryEx(bits, TRUE, size, size, 0);
        HRSRC image = FindResourceA(exe, MAKEINTRESOURCEA(id), RT_ICON);
        ASSERT_NE(image, nullptr);
        auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(exe, image)));
        EXPECT_EQ(header->biWidth, size);
        EXPECT_EQ(header->biBitCount, 32) << "the icon's edges are smoothed by its alpha";
    }
    HCURSOR drag = static_cast<HCURSOR>(
        LoadImageA(exe, MAKEINTRESOURCEA(IDC_DRAG), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    EXPECT_NE(drag, nullptr);
    if (drag) DestroyCursor(drag);
    FreeLibrary(exe);
}

} // namespace
