#include "CArray.hpp"
#include "CMap.hpp"
#include "CSet.hpp"

#include <gtest/gtest.h>

TEST(CArrayTest, AppendsInsertsAndRemovesInOrder) {
    CArray<int> numbers(16);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(numbers.Append(i), static_cast<UINT>(i));
    EXPECT_EQ(numbers.GetCount(), 100u);
    numbers.InsertAt(0, -1);
    numbers.InsertAt(1000, 100);
    EXPECT_EQ(numbers[0], -1);
    EXPECT_EQ(numbers[101], 100);
    numbers.RemoveAt(0);
    numbers.RemoveAt(99, 50);
    EXPECT_EQ(numbers.GetCount(), 99u);
    numbers.RemoveAt(500);
    EXPECT_EQ(numbers.GetCount(), 99u);
    int expected = 0;
    for (int n : numbers)
        EXPECT_EQ(n, expected++);
}

TEST(CArrayTest, GrowByZeroStillGrows) {
    CArray<CString> texts(0);
    texts.Append("a");
    texts.Append("b");
    EXPECT_EQ(texts.GetCount(), 2u);
    EXPECT_EQ(texts[1], "b");
}

TEST(CMapTest, FirstEntryUnderAKeyIsKept) {
    CMap<CString, int> map;
    EXPECT_TRUE(map.Insert("b", 1));
    EXPECT_FALSE(map.Insert("b", 2));
    EXPECT_TRUE(map.Insert("a", 3));
    ASSERT_NE(map.Find("b"), nullptr);
    EXPECT_EQ(*map.Find("b"), 1);
    EXPECT_EQ(map.Find("c"), nullptr);
    map.SetAt("b", 5);
    EXPECT_EQ(*map.Find(CString("b")), 5);
    std::string order;
    for (auto const & [key, value] : map)
        order += key.Str();
    EXPECT_EQ(order, "ab");
    EXPECT_TRUE(map.Remove("a"));
    EXPECT_FALSE(map.Remove("a"));
    EXPECT_EQ(map.GetCount(), 1u);
}

TEST(CSetTest, PointersByValue) {
    int a = 0, b = 0;
    CSet<int *> visited;
    EXPECT_TRUE(visited.Insert(&a));
    EXPECT_FALSE(visited.Insert(&a));
    EXPECT_TRUE(visited.Insert(&b));
    EXPECT_TRUE(visited.Contains(&b));
    EXPECT_TRUE(visited.Remove(&b));
    EXPECT_FALSE(visited.Contains(&b));
}
