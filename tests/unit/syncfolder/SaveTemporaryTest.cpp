#include <gtest/gtest.h>

#include <string>

#include "WorkingDir.h"
#include "note/AtomicFile.h"

namespace {

// Pins the save's temporary name that OneDrive's and Dropbox's rules (~*.tmp) and the
// README's .stignore line (~tn*.tmp) skip; a sync service must never carry one to a PC.
TEST(SaveTemporary, NameIsOneThatSyncServicesSkip)
{
    ScopedWorkingDir dir;
    std::string temp;
    ASSERT_TRUE(ReplaceFileWith("tkn1.tkn", [&temp](const char* path) {
        temp = path;
        return true;
    }));
    std::string name = temp.substr(temp.find_last_of("\\/:") + 1);
    EXPECT_EQ(name.substr(0, 3), "~tn") << temp;
    ASSERT_GT(name.size(), 4u);
    EXPECT_EQ(_stricmp(name.c_str() + name.size() - 4, ".tmp"), 0) << temp;
    EXPECT_TRUE(FileExists("tkn1.tkn"));
    EXPECT_FALSE(FileExists(name.c_str()));
}

} // namespace
