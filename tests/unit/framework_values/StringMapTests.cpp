#include "framework/StringMap.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

TEST(CMapStringToString, LookupOverwriteRemove)
{
    CMapStringToString map(10);
    CString value("untouched");
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_FALSE(map.Lookup("T", value));
    EXPECT_STREQ("untouched", value);  // a miss leaves the output alone

    map.SetAt("T", "TODAY");
    map.SetAt("N3", "NEXT TUESDAY");
    map["X"] = "CHRISTMAS";
    map.SetAt("T", "TOMORROW");  // overwrites, does not add
    EXPECT_EQ(3, map.GetCount());
    EXPECT_TRUE(map.Lookup("T", value));
    EXPECT_STREQ("TOMORROW", value);
    EXPECT_FALSE(map.Lookup("t", value));  // keys are case-sensitive
    EXPECT_FALSE(map.Lookup("N", value));  // and matched whole

    EXPECT_TRUE(map.RemoveKey("N3"));
    EXPECT_FALSE(map.RemoveKey("N3"));
    EXPECT_FALSE(map.Lookup("N3", value));
    EXPECT_EQ(2, map.GetCount());

    EXPECT_STREQ("", map["new"]);  // operator[] adds an empty value
    EXPECT_EQ(3, map.GetCount());
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(nullptr, map.GetStartPosition());
}

TEST(CMapStringToString, IterationVisitsEveryEntryOnce)
{
    CMapStringToString map;
    const std::map<std::string, std::string> expected = {
        {"L1", "LAST SUNDAY"}, {"DY", "DAY BEFORE YESTERDAY"}, {"NYE", "NEW YEARS EVE"}, {"E", "EASTER"}};
    for (const auto& entry : expected)
        map.SetAt(entry.first.c_str(), entry.second.c_str());

    std::map<std::string, std::string> seen;
    CString key, value;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        map.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(seen.emplace(static_cast<LPCSTR>(key), static_cast<LPCSTR>(value)).second);
    }
    EXPECT_EQ(expected, seen);
}

TEST(CMapStringToString, RemovingTheCurrentEntryKeepsTheWalkGoing)
{
    CMapStringToString map;
    for (const char* k : {"a", "b", "c", "d"})
        map.SetAt(k, k);
    int visited = 0;
    CString key, value;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr; ++visited) {
        map.GetNextAssoc(pos, key, value);
        map.RemoveKey(key);  // the position already points past it
    }
    EXPECT_EQ(4, visited);
    EXPECT_TRUE(map.IsEmpty());
}

}  // namespace
