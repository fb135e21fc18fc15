#include "framework/Clock.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(CProcessClock, FixedTimeIsWhatNowAnswers)
{
    ASSERT_FALSE(CProcessClock::IsFixed());
    const COleDateTime fixed(2005, 2, 28, 23, 59, 30);
    {
        CFixedClock clock(fixed);
        EXPECT_TRUE(CProcessClock::IsFixed());
        EXPECT_TRUE(COleDateTime::GetCurrentTime() == fixed);
        {
            CFixedClock inner(COleDateTime(2000, 2, 29, 12, 0, 0));
            EXPECT_EQ(29, COleDateTime::GetCurrentTime().GetDay());
        }
        EXPECT_TRUE(COleDateTime::GetCurrentTime() == fixed);  // the outer time comes back
    }
    EXPECT_FALSE(CProcessClock::IsFixed());
}

TEST(CProcessClock, RefusesAnInvalidTime)
{
    COleDateTime bad(38711.0);
    bad.SetStatus(COleDateTime::invalid);
    EXPECT_FALSE(CProcessClock::Fix(bad));
    EXPECT_FALSE(CProcessClock::Fix(COleDateTime(1e9)));
    EXPECT_FALSE(CProcessClock::IsFixed());
    EXPECT_TRUE(CProcessClock::Fix(COleDateTime(38711.5)));
    EXPECT_EQ(12, COleDateTime::GetCurrentTime().GetHour());
    CProcessClock::Release();
    EXPECT_FALSE(CProcessClock::IsFixed());
}

TEST(CProcessClock, RunningClockIsLocalTimeInWholeSeconds)
{
    SYSTEMTIME before, after;
    ::GetLocalTime(&before);
    const COleDateTime now = COleDateTime::GetCurrentTime();
    ::GetLocalTime(&after);
    before.wMilliseconds = 0;
    after.wMilliseconds = 0;
    EXPECT_EQ(COleDateTime::valid, now.GetStatus());
    EXPECT_TRUE(COleDateTime(before) <= now && now <= COleDateTime(after));
    const double seconds = now.m_dt * 86400;
    EXPECT_NEAR(std::round(seconds), seconds, 1e-3);
}

}  // namespace
