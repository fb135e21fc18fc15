// dateedit.exe: a date field that may be typed into. A phrase becomes a date in the display
// format when the focus leaves; other words stay. Today is fixed at Monday 20 May 2024.
#include "AlarmDriver.h"

namespace {

const int kFieldId = 100;
const int kDoneId = 101;

class DateEditTool : public e2e::TacknoteTest {
protected:
    HWND Start(e2e::Process& tool)
    {
        tool = e2e::Process("dateedit.exe", "--today=2024-05-20 --at=200,200", dir.Path());
        HWND window = e2e::WaitForWindow(tool.Id(), nullptr, "Date Edit - none", 10000);
        if (!window || !e2e::Activate(window)) return nullptr;
        return window;
    }

    // Clicks into the field, types, and clicks "Done" so that the field loses the focus.
    void TypeAndLeave(HWND window, const std::string& typed)
    {
        HWND field = GetDlgItem(window, kFieldId);
        RECT rc = e2e::WindowRect(field);
        e2e::Click(rc.left + 10, (rc.top + rc.bottom) / 2);
        e2e::PressKey('A', false, true); // select what is there, to type over it
        e2e::TypeText(typed);
        ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::WindowText(field) == typed; }, 3000))
            << e2e::WindowText(field);
        RECT rcDone = e2e::WindowRect(GetDlgItem(window, kDoneId));
        e2e::Click((rcDone.left + rcDone.right) / 2, (rcDone.top + rcDone.bottom) / 2);
    }
};

TEST_F(DateEditTool, NextFridayBecomesItsDateWhenTheFocusLeaves)
{
    e2e::Process tool;
    HWND window = Start(tool);
    ASSERT_NE(nullptr, window);
    HWND field = GetDlgItem(window, kFieldId);
    TypeAndLeave(window, "next friday");
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::WindowText(field) == "05/24/2024"; }, 3000))
        << e2e::WindowText(field);
    EXPECT_EQ("Date Edit - 2024-05-24", e2e::WindowText(window));
}

TEST_F(DateEditTool, WordsThatAreNoDateStay)
{
    e2e::Process tool;
    HWND window = Start(tool);
    ASSERT_NE(nullptr, window);
    HWND field = GetDlgItem(window, kFieldId);
    TypeAndLeave(window, "lunch with Ann");
    Sleep(300);
    EXPECT_EQ("lunch with Ann", e2e::WindowText(field));
    EXPECT_EQ("Date Edit - none", e2e::WindowText(window));
}

TEST_F(DateEditTool, ThePopupPutsTheClickedDayIntoATypedField)
{
    e2e::Process tool;
    HWND window = Start(tool);
    ASSERT_NE(nullptr, window);
    HWND field = GetDlgItem(window, kFieldId);
    TypeAndLeave(window, "christmas");
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::WindowText(field) == "12/25/2024"; }, 3000));

    RECT rcButton = e2e::WindowRect(GetDlgItem(window, alarms::kDropButtonId));
    e2e::Click((rcButton.left + rcButton.right) / 2, (rcButton.top + rcButton.bottom) / 2);
    HWND popup = nullptr;
    ASSERT_TRUE(
        e2e::WaitUntil([&] { return (popup = alarms::FindPopup(tool.Id())) != nullptr; }, 3000));
    const COleDateTime christmas(2024, 12, 25, 0, 0, 0);
    alarms::PopupMap map(popup, COleDateTime(2024, 12, 1, 0, 0, 0), christmas);
    ASSERT_TRUE(map.SameSizeAsPopup());
    const POINT day = map.Day(COleDateTime(2024, 12, 31, 0, 0, 0));
    ASSERT_NE(-1, day.x);
    e2e::Click(day.x, day.y);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::WindowText(field) == "12/31/2024"; }, 3000))
        << e2e::WindowText(field);
    EXPECT_TRUE(e2e::WaitUntil([&] { return alarms::FindPopup(tool.Id()) == nullptr; }, 3000));
}

} // namespace

namespace {

// Regression: the pop-up opened under the field whatever the screen, so a field near the
// bottom had its calendar partly off the screen.
TEST_F(DateEditTool, NearTheBottomOfTheScreenThePopupOpensAboveTheField)
{
    RECT rcWork;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    e2e::Process tool("dateedit.exe",
                      "--today=2024-05-20 --date=2024-05-20 --at=300," +
                          std::to_string(rcWork.bottom - 100),
                      dir.Path());
    HWND window = e2e::WaitForWindow(tool.Id(), nullptr, "Date Edit - 2024-05-20", 10000);
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(e2e::Activate(window));
    RECT rcButton = e2e::WindowRect(GetDlgItem(window, alarms::kDropButtonId));
    e2e::Click((rcButton.left + rcButton.right) / 2, (rcButton.top + rcButton.bottom) / 2);
    HWND popup = nullptr;
    ASSERT_TRUE(
        e2e::WaitUntil([&] { return (popup = alarms::FindPopup(tool.Id())) != nullptr; }, 3000));
    const RECT rcPopup = e2e::WindowRect(popup);
    const RECT rcField = e2e::WindowRect(GetDlgItem(window, kFieldId));
    EXPECT_EQ(rcField.top, rcPopup.bottom) << "not right above the field";
    EXPECT_GE(rcPopup.top, rcWork.top);
    EXPECT_LE(rcPopup.bottom, rcWork.bottom);
    e2e::PressKey(VK_ESCAPE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return alarms::FindPopup(tool.Id()) == nullptr; }, 3000));
}

} // namespace
