#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "restore/StartAhead.h"

namespace {

// What the hooks were asked, in order: "start a", "ready a", "release a".
struct Log {
    std::vector<std::string> events;
    std::vector<std::string> refused; // tails whose start fails
    std::vector<std::string> names;   // owns the strings the tokens point to

    StartHooks Hooks() {
        names.reserve(64); // the tokens point into it
        return StartHooks{
            [this](const std::string& tail) -> StartedProcess {
                events.push_back("start " + tail);
                for (const std::string& r : refused)
                    if (r == tail) return nullptr;
                names.push_back(tail);
                return &names.back();
            },
            [this](StartedProcess p) { events.push_back("ready " + *static_cast<std::string*>(p)); },
            [this](StartedProcess p) {
                events.push_back("release " + *static_cast<std::string*>(p));
            },
        };
    }
};

struct Case {
    const char* what;
    size_t ahead;
    std::vector<std::string> tails;
    std::vector<std::string> refused;
    bool finish;
    std::vector<std::string> events;
};

TEST(StartAhead, StartsInOrderWithAtMostAheadStarting) {
    const Case cases[] = {
        {"one at a time waits for each, as WinExec does", 1, {"a", "b"}, {}, true,
         {"start a", "ready a", "release a", "start b", "ready b", "release b"}},
        {"two at once: the third waits for the first", 2, {"a", "b", "c"}, {}, true,
         {"start a", "start b", "ready a", "release a", "start c", "ready b", "release b",
          "ready c", "release c"}},
        {"a failed start holds no place", 2, {"a", "x", "b", "c"}, {"x"}, true,
         {"start a", "start x", "start b", "ready a", "release a", "start c", "ready b",
          "release b", "ready c", "release c"}},
        {"without Finish the last are let go unwaited", 2, {"a", "b", "c"}, {}, false,
         {"start a", "start b", "ready a", "release a", "start c", "release b", "release c"}},
        {"an ahead of 0 counts as 1", 0, {"a", "b"}, {}, false,
         {"start a", "ready a", "release a", "start b", "release b"}},
    };
    for (const Case& c : cases) {
        Log log;
        log.refused = c.refused;
        {
            StartAhead starts(log.Hooks(), c.ahead);
            for (const std::string& tail : c.tails) starts.Start(tail);
            if (c.finish) starts.Finish();
        }
        EXPECT_EQ(log.events, c.events) << c.what;
    }
}

} // namespace
