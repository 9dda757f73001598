#include "BitmapPicture.hpp"
#include "CBitmapBits.hpp"
#include "CEntity.hpp"
#include "CModule.hpp"
#include "LocaleScope.hpp"
#include "TestModules.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// A copy of bytes in a buffer of exactly their size, so that a read past the end is caught
// by the address sanitizer.
std::unique_ptr<unsigned char[]> Exact(std::vector<unsigned char> const & bytes, std::size_t n) {
    auto copy = std::make_unique<unsigned char[]>(n);
    std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n), copy.get());
    return copy;
}

std::vector<unsigned char> BytesOf(char const * name) {
    CResource const * res = CModule::LoadResource(CEntity(TestResourceModule(), name), RT_BITMAP);
    if (!res)
        return {};
    auto const * data = static_cast<unsigned char const *>(res->GetData());
    return std::vector<unsigned char>(data, data + res->GetSize());
}

} // namespace

TEST(BitmapBits, PixelsComeOutAsWritten) {
    CBitmapBits bits;
    ASSERT_TRUE(CBitmapBits::Load(CEntity(TestResourceModule(), "Pattern"), bits));
    EXPECT_EQ(bits.GetWidth(), 10);
    EXPECT_EQ(bits.GetHeight(), 3);
    std::vector<std::string> const expected = {"#.#.#.#.##", "..........", "#........#"};
    EXPECT_EQ(Picture(bits), expected);
}

TEST(BitmapBits, PixelsOutsideTheBitmapAreNotBlack) {
    CBitmapBits bits;
    ASSERT_TRUE(CBitmapBits::Load(CEntity(TestResourceModule(), "pattern"), bits));
    ASSERT_TRUE(bits.IsBlack(0, 0));
    ASSERT_TRUE(bits.IsBlack(9, 2));
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {10, 0}, {10, 2}, {0, 3}, {9, 3}})
        EXPECT_FALSE(bits.IsBlack(x, y)) << x << "," << y;
}

TEST(BitmapBits, OneBlackPixelUnderAnyLanguage) {
    LocaleScope locale(1036);
    CBitmapBits bits;
    ASSERT_TRUE(CBitmapBits::Load(CEntity(TestResourceModule(), "SINGLE"), bits));
    EXPECT_EQ(Picture(bits), std::vector<std::string>{"#"});
}

TEST(BitmapBits, AbsentOrOtherTypedResourcesAreNotBitmaps) {
    CBitmapBits bits;
    ASSERT_TRUE(CBitmapBits::Load(CEntity(TestResourceModule(), "Pattern"), bits));
    // A failed load leaves the bitmap empty, whatever it held.
    EXPECT_FALSE(CBitmapBits::Load(CEntity(TestResourceModule(), "NoSuchBitmap"), bits));
    EXPECT_EQ(bits.GetWidth(), 0);
    EXPECT_EQ(bits.GetHeight(), 0);
    EXPECT_FALSE(bits.IsBlack(0, 0));
    EXPECT_FALSE(CBitmapBits::Load(CEntity(TestResourceModule(), "Sample"), bits));
}

TEST(BitmapBits, TruncatedOrLengthenedBytesAreRefused) {
    std::vector<unsigned char> const bytes = BytesOf("Pattern");
    ASSERT_EQ(bytes.size(), 8u + 3 * 2);
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        auto copy = Exact(bytes, n);
        CBitmapBits bits;
        EXPECT_FALSE(bits.Parse(copy.get(), n)) << n << " bytes";
        EXPECT_EQ(bits.GetWidth(), 0);
    }
    std::vector<unsigned char> longer = bytes;
    longer.push_back(0xFF);
    CBitmapBits bits;
    EXPECT_FALSE(bits.Parse(longer.data(), longer.size()));
    EXPECT_TRUE(bits.Parse(bytes.data(), bytes.size()));
    EXPECT_FALSE(bits.Parse(nullptr, 0));
}

TEST(BitmapBits, HeadersThatDoNotDescribeTheRowsAreRefused) {
    std::vector<unsigned char> const good = BytesOf("Pattern");
    ASSERT_FALSE(good.empty());
    // clang-format off
    struct Case { char const * what; std::size_t offset; unsigned char value; } const cases[] = {
        {"bad tag", 0, 'X'},
        {"zero width", 4, 0},
        {"width needing a third byte per row", 4, 17},
        {"zero height", 6, 0},
        {"height past the rows", 6, 4},
        {"height in the high byte", 7, 1},
    };
    // clang-format on
    for (Case const & c : cases) {
        std::vector<unsigned char> bytes = good;
        bytes[c.offset] = c.value;
        CBitmapBits bits;
        EXPECT_FALSE(bits.Parse(bytes.data(), bytes.size())) << c.what;
    }
    // A narrower width that keeps two bytes a row is still a whole bitmap.
    std::vector<unsigned char> narrower = good;
    narrower[4] = 9;
    CBitmapBits bits;
    ASSERT_TRUE(bits.Parse(narrower.data(), narrower.size()));
    EXPECT_EQ(Picture(bits), (std::vector<std::string>{"#.#.#.#.#", ".........", "#........"}));
}
