#include "CListModel.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int none = CListModel::none;

CListModel Made(std::vector<char const *> const & texts, int page = 3) {
    CListModel model;
    std::uintptr_t data = 100;
    for (char const * text : texts)
        model.Insert(none, text, data++);
    model.SetPage(page);
    return model;
}

std::vector<std::string> Texts(CListModel const & model) {
    std::vector<std::string> texts;
    for (int i = 0; i < model.GetCount(); ++i)
        texts.push_back(model.GetText(i));
    return texts;
}

} // namespace

TEST(ListModel, NavigationKeysStopAtTheEndsAndStartFromTheFirst) {
    // clang-format off
    struct Row { int from; CListModel::Move move; int count; int page; int expected; } const rows[] = {
        {2, CListModel::moveUp, 10, 4, 1},        {0, CListModel::moveUp, 10, 4, 0},
        {8, CListModel::moveDown, 10, 4, 9},      {9, CListModel::moveDown, 10, 4, 9},
        {5, CListModel::movePageUp, 10, 4, 2},    {2, CListModel::movePageUp, 10, 4, 0},
        {5, CListModel::movePageDown, 10, 4, 8},  {8, CListModel::movePageDown, 10, 4, 9},
        {5, CListModel::movePageDown, 10, 1, 6},  {5, CListModel::moveHome, 10, 4, 0},
        {5, CListModel::moveEnd, 10, 4, 9},       {none, CListModel::moveDown, 10, 4, 0},
        {none, CListModel::moveUp, 10, 4, 0},     {none, CListModel::movePageDown, 10, 4, 0},
        {none, CListModel::moveEnd, 10, 4, 9},    {12, CListModel::moveUp, 10, 4, 0},
        {none, CListModel::moveDown, 0, 4, none},
    };
    // clang-format on
    for (Row const & row : rows) {
        SCOPED_TRACE(testing::Message()
                     << "from " << row.from << ", move " << row.move << ", page " << row.page);
        EXPECT_EQ(CListModel::Navigate(row.from, row.move, row.count, row.page), row.expected);
    }
}

TEST(ListModel, FindingGoesRoundFromTheEntryAfterTheStartIgnoringLetterCase) {
    CListModel const model = Made({"Apple", "banana", "Blueberry", "apple", "Cherry"});
    // clang-format off
    struct Row { char const * name; int found; int expected; } const rows[] = {
        {"exact from the first", model.FindExact(none, "APPLE"), 0},
        {"exact after the start", model.FindExact(0, "apple"), 3},
        {"exact goes round", model.FindExact(3, "Apple"), 0},
        {"exact reaches the start itself last", model.FindExact(4, "cherry"), 4},
        {"a prefix is not exact", model.FindExact(none, "Cher"), none},
        {"prefix", model.FindPrefix(1, "b"), 2},
        {"prefix goes round", model.FindPrefix(2, "B"), 1},
        {"no entry has the prefix", model.FindPrefix(none, "z"), none},
        {"an empty prefix finds nothing", model.FindPrefix(none, ""), none},
        {"a start beyond the end searches from the first", model.FindExact(99, "banana"), 1},
        {"data", model.FindData(103), 3},
        {"missing data", model.FindData(7), none},
    };
    // clang-format on
    for (Row const & row : rows)
        EXPECT_EQ(row.found, row.expected) << row.name;
}

TEST(ListModel, TheSelectionStaysOnItsEntryWhileEntriesComeAndGo) {
    CListModel model = Made({"a", "b", "c", "d"});
    ASSERT_TRUE(model.Select(2));
    EXPECT_EQ(model.Insert(0, "first", 7), 0);
    EXPECT_EQ(model.GetSelection(), 3) << "an entry inserted above moves it down";
    EXPECT_EQ(model.Insert(none, "last", 8), 5);
    EXPECT_EQ(model.GetSelection(), 3);
    EXPECT_EQ(model.Insert(7, "beyond", 9), none);
    EXPECT_TRUE(model.Delete(1));
    EXPECT_EQ(model.GetSelection(), 2) << "an entry deleted above moves it up";
    EXPECT_EQ(model.GetText(2), "c");
    EXPECT_FALSE(model.Delete(5));
    EXPECT_TRUE(model.Delete(2));
    EXPECT_EQ(model.GetSelection(), none) << "deleting the selected entry leaves none";
    EXPECT_FALSE(model.Select(4)) << "out of range";
    EXPECT_EQ(model.GetSelection(), none);
    EXPECT_EQ(Texts(model), (std::vector<std::string>{"first", "b", "d", "last"}));
    EXPECT_EQ(model.GetData(3), 8u);
    EXPECT_EQ(model.GetData(4), static_cast<std::uintptr_t>(-1));
    EXPECT_EQ(model.GetText(-1), "");
}

TEST(ListModel, SortedPlacesFollowEqualTextsAndIgnoreLetterCase) {
    CListModel model;
    for (char const * text : {"delta", "Alpha", "charlie", "Bravo", "alpha", "", "alpha2"})
        model.Insert(model.SortedIndex(text), text, 0);
    EXPECT_EQ(Texts(model), (std::vector<std::string>{"", "Alpha", "alpha", "alpha2", "Bravo",
                                                      "charlie", "delta"}));
}

TEST(ListModel, TheTopRowKeepsThePageFullAndFollowsTheEntriesShown) {
    CListModel model = Made({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 4);
    // clang-format off
    struct Row {
        char const * name;
        void (*act)(CListModel &);
        int top;
    } const rows[] = {
        {"set", [](CListModel & m) { m.SetTopIndex(3); }, 3},
        {"beyond the last full page", [](CListModel & m) { m.SetTopIndex(9); }, 6},
        {"negative", [](CListModel & m) { m.SetTopIndex(-2); }, 0},
        {"scroll by", [](CListModel & m) { m.ScrollBy(5); }, 5},
        {"an entry below comes to the last row", [](CListModel & m) { m.EnsureVisible(8); }, 5},
        {"an entry above comes to the top", [](CListModel & m) { m.EnsureVisible(1); }, 1},
        {"an entry shown keeps the rows", [](CListModel & m) { m.EnsureVisible(3); }, 1},
        {"a larger page pulls the top back", [](CListModel & m) { m.SetTopIndex(6); m.SetPage(8); }, 2},
        {"deleting pulls the top back", [](CListModel & m) { m.SetPage(4); m.SetTopIndex(6); m.Delete(0); }, 5},
        {"clearing", [](CListModel & m) { m.Clear(); }, 0},
    };
    // clang-format on
    for (Row const & row : rows) {
        row.act(model);
        EXPECT_EQ(model.GetTopIndex(), row.top) << row.name;
    }
    model.SetPage(0);
    EXPECT_EQ(model.GetPage(), 1) << "at least one row";
}
