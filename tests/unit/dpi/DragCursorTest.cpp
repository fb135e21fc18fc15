// The note's drag cursor as tacknote.exe carries it: drawn at the sizes of 100, 150 and 200%.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "dpi/DpiCursor.h"

namespace {

const int kDragCursor = 202;

std::string ExeBesideTest()
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path = module;
    return path.substr(0, path.find_last_of('\\') + 1) + "tacknote.exe";
}

TEST(DragCursor, HasAnImageForEachDpiAndEachLoadsAtItsOwnSize)
{
    HMODULE exe = LoadLibraryExA(ExeBesideTest().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, exe);
    std::vector<int> sizes = CursorResourceSizes(exe, MAKEINTRESOURCEA(kDragCursor));
    EXPECT_EQ((std::vector<int>{32, 48, 64}), sizes);
    for (int size : sizes) {
        auto cursor = static_cast<HCURSOR>(
            LoadImageA(exe, MAKEINTRESOURCEA(kDragCursor), IMAGE_CURSOR, size, size, 0));
        ASSERT_NE(nullptr, cursor) << size;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(cursor, &info)) << size;
        BITMAP mask = {};
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(size, mask.bmWidth);
        // The hot spot stays at the arrows' crossing, a third of the way down.
        EXPECT_NEAR(size * 15 / 32, static_cast<int>(info.xHotspot), 1) << size;
        EXPECT_NEAR(size * 12 / 32, static_cast<int>(info.yHotspot), 1) << size;
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        DestroyCursor(cursor);
    }
    FreeLibrary(exe);
}

} // namespace
