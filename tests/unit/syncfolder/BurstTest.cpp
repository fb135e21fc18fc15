#include <gtest/gtest.h>

#include "syncfolder/BurstGate.h"
#include "syncfolder/KnownFiles.h"

namespace {

TEST(BurstGate, LooksOnceQuietOrAtTheLatestAfterTheLongestWait)
{
    struct Step {
        DWORD at;
        bool change;
        bool due;
    };
    // quiet 300, longest 1200
    const Step quiet[] = {{1000, true, false}, {1100, true, false}, {1399, false, false},
                          {1400, false, true}};
    const Step trickle[] = {{0, true, false},   {250, true, false},  {500, true, false},
                            {750, true, false}, {1000, true, false}, {1199, true, false},
                            {1200, true, true}};
    // The tick count wraps after 49 days; a burst across it is no different.
    const Step wrap[] = {{0xFFFFFF00u, true, false}, {0x00000010u, false, false},
                         {0x0000002Cu, false, true}};
    for (const auto& steps : {std::vector<Step>(std::begin(quiet), std::end(quiet)),
                              std::vector<Step>(std::begin(trickle), std::end(trickle)),
                              std::vector<Step>(std::begin(wrap), std::end(wrap))}) {
        BurstGate gate(300, 1200);
        for (const Step& s : steps) {
            if (s.change) gate.Change(s.at);
            EXPECT_EQ(gate.Due(s.at), s.due) << s.at;
        }
        gate.Clear();
        EXPECT_FALSE(gate.Due(steps.back().at + 5000));
    }
}

TEST(KnownFiles, ArrivalsAreNewNamesInAnyLetterCaseOnce)
{
    KnownFiles known;
    EXPECT_EQ(known.Arrivals({"a.tkn", "b.tkn"}), (std::vector<std::string>{"a.tkn", "b.tkn"}));
    EXPECT_TRUE(known.Arrivals({"A.TKN", "b.tkn"}).empty());
    EXPECT_EQ(known.Arrivals({"a.tkn", "b.tkn", "c.tkn", "c.tkn"}),
              std::vector<std::string>{"c.tkn"});
    // Gone and back: a note closed on the other PC and reopened there arrives again.
    EXPECT_TRUE(known.Arrivals({"b.tkn", "c.tkn"}).empty());
    EXPECT_EQ(known.Arrivals({"a.tkn", "b.tkn", "c.tkn"}), std::vector<std::string>{"a.tkn"});
    // Started by the tray itself (a reopened note) before the folder is listed again.
    known.Add("D.tkn");
    EXPECT_TRUE(known.Arrivals({"a.tkn", "b.tkn", "c.tkn", "d.tkn"}).empty());
}

} // namespace
