#include <gtest/gtest.h>

#include <windows.h>

#include "note/PrintJob.h"

namespace {

// A DC that is no printer refuses StartDoc: the job must end at once, report the failure and
// leave the DC as it found it.
TEST(PrintJob, DcThatCannotStartADocumentFailsCleanly)
{
    CDC dc;
    ASSERT_TRUE(dc.Attach(CreateCompatibleDC(nullptr)));
    HGDIOBJ fontBefore = GetCurrentObject(dc, OBJ_FONT);
    const char text[] = "three\r\nshort\r\nlines";
    EXPECT_FALSE(PrintNoteText(dc, text, sizeof text - 1));
    EXPECT_EQ(fontBefore, GetCurrentObject(dc, OBJ_FONT));
}

} // namespace
