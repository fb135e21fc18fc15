// The rows of the notes list: following the folder, filtering, ordering; no window.
#include <gtest/gtest.h>

#include <map>

#include "notelist/RowModel.h"

namespace {

NoteFileStamp Stamp(const std::string& name, unsigned long long written,
                    unsigned long long size = 10) {
    return NoteFileStamp{name, written, size, 0};
}

// Reads rows from a map of texts, counting the reads.
struct FakeFolder {
    std::map<std::string, std::string> texts;
    std::map<std::string, std::string> alarms;
    int reads = 0;
    RowModel::Reader Reader() {
        return [this](const NoteFileStamp& stamp) {
            ++reads;
            NoteRow row;
            row.stamp = stamp;
            auto text = texts.find(stamp.name);
            if (text == texts.end())
                row.problem = "(cannot be read)";
            else
                row.text = text->second;
            auto alarm = alarms.find(stamp.name);
            if (alarm != alarms.end()) row.alarm = alarm->second;
            return row;
        };
    }
};

std::vector<std::string> Names(const RowModel& model) {
    std::vector<std::string> names;
    for (size_t i = 0; i < model.ViewSize(); ++i) names.push_back(model.ViewRow(i).stamp.name);
    return names;
}

using List = std::vector<std::string>;

TEST(RowModel, ReadsOnlyWhatChangedAndDropsWhatWent) {
    FakeFolder folder;
    folder.texts = {{"a.tkn", "alpha"}, {"b.tkn", "beta"}, {"c.tkn", "gamma"}};
    RowModel model;
    EXPECT_TRUE(model.Update({Stamp("a.tkn", 1), Stamp("b.tkn", 2), Stamp("c.tkn", 3)},
                             folder.Reader()));
    EXPECT_EQ(3, folder.reads);
    EXPECT_FALSE(model.Update({Stamp("a.tkn", 1), Stamp("b.tkn", 2), Stamp("c.tkn", 3)},
                              folder.Reader()));
    EXPECT_EQ(3, folder.reads) << "unchanged files are not read again";
    folder.texts["b.tkn"] = "beta two";
    EXPECT_TRUE(model.Update({Stamp("a.tkn", 1), Stamp("b.tkn", 2, 14), Stamp("d.tkn", 4)},
                             folder.Reader()));
    EXPECT_EQ(5, folder.reads) << "b by its size, d as new";
    EXPECT_EQ((List{"d.tkn", "b.tkn", "a.tkn"}), Names(model)) << "newest change first";
    EXPECT_EQ(3u, model.RowCount());
}

TEST(RowModel, AnUnreadableFileIsARowThatSaysSo) {
    FakeFolder folder;
    folder.texts = {{"a.tkn", "alpha"}};
    RowModel model;
    model.Update({Stamp("a.tkn", 1), Stamp("locked.tkn", 2)}, folder.Reader());
    ASSERT_EQ(2u, model.ViewSize());
    EXPECT_EQ("locked.tkn (cannot be read)", CellText(model.ViewRow(0), RowColumn::Text));
    model.SetFilter("locked");
    EXPECT_EQ((List{"locked.tkn"}), Names(model)) << "found by its name";
}

TEST(RowModel, FilterNarrowsAndClears) {
    FakeFolder folder;
    folder.texts = {{"a.tkn", "Groceries\r\nmilk"}, {"b.tkn", "Work\r\ncall\r\nthe plumber"},
                    {"c.tkn", "Ideas"}};
    RowModel model;
    model.Update({Stamp("a.tkn", 1), Stamp("b.tkn", 2), Stamp("c.tkn", 3)}, folder.Reader());
    const struct {
        const char* filter;
        List want;
    } cases[] = {
        {"PLUMBER", {"b.tkn"}},
        {"E", {"c.tkn", "b.tkn", "a.tkn"}},
        {"milk groceries", {"a.tkn"}},
        {"milk plumber", {}},
        {"", {"c.tkn", "b.tkn", "a.tkn"}},
    };
    for (const auto& c : cases) {
        model.SetFilter(c.filter);
        EXPECT_EQ(c.want, Names(model)) << c.filter;
    }
    model.SetFilter("plumber");
    EXPECT_EQ(0, model.ViewIndexOf("B.TKN"));
    EXPECT_EQ(-1, model.ViewIndexOf("a.tkn"));
}

TEST(RowModel, SortingByColumnsAndTurningRound) {
    FakeFolder folder;
    folder.texts = {{"a.tkn", "banana"}, {"b.tkn", "Apple"}, {"c.tkn", "cherry"},
                    {"d.tkn", "apple"}};
    folder.alarms = {{"a.tkn", "2026-12-24 18:00"}, {"c.tkn", "2026-01-02 08:00"}};
    RowModel model;
    model.Update({Stamp("a.tkn", 4), Stamp("b.tkn", 3), Stamp("c.tkn", 2), Stamp("d.tkn", 3)},
                 folder.Reader());
    model.SortBy(RowColumn::Text);
    EXPECT_EQ((List{"b.tkn", "d.tkn", "a.tkn", "c.tkn"}), Names(model))
        << "case ignored, ties by name";
    model.SortBy(RowColumn::Text);
    EXPECT_EQ((List{"c.tkn", "a.tkn", "b.tkn", "d.tkn"}), Names(model));
    model.SortBy(RowColumn::Alarm);
    EXPECT_EQ((List{"a.tkn", "c.tkn", "b.tkn", "d.tkn"}), Names(model))
        << "latest alarm first, notes without one last";
    model.SortBy(RowColumn::Alarm);
    EXPECT_EQ((List{"c.tkn", "a.tkn", "b.tkn", "d.tkn"}), Names(model))
        << "without an alarm still last";
    model.SortBy(RowColumn::Changed);
    EXPECT_EQ((List{"a.tkn", "b.tkn", "d.tkn", "c.tkn"}), Names(model));
}

} // namespace
