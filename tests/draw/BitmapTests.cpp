#include "CBitmap.hpp"
#include "CCairoDevice.hpp"
#include "CEntity.hpp"
#include "CFont.hpp"
#include "CHeadlessDevice.hpp"
#include "CMemoryDC.hpp"
#include "CSurface.hpp"

#include <gtest/gtest.h>

#include <memory>

class CModule;
extern "C" CModule * LibraryResourceModule();

namespace {

TEST(Bitmap, LoadsTheArrowAsAOneBitBitmap) {
    CBitmap arrow;
    ASSERT_TRUE(arrow.LoadBitmap(CEntity(LibraryResourceModule(), "ARROW")));
    EXPECT_TRUE(arrow.IsMonochrome());
    EXPECT_EQ(arrow.GetSize(), CSize(9, 9));
    EXPECT_EQ(arrow.GetSurface(), nullptr);
    EXPECT_FALSE(arrow.LoadBitmap(CEntity(LibraryResourceModule(), "NOSUCHBITMAP")));
    EXPECT_TRUE(arrow.IsEmpty());
    EXPECT_EQ(arrow.GetSize(), CSize(0, 0));
}

TEST(Bitmap, CreateMakesAWhiteSurfaceOfTheDevice) {
    CCairoDevice device("DejaVu Sans");
    CDC dc(device);
    CBitmap bitmap;
    struct Case {
        int cx, cy;
        BOOL ok;
    };
    for (Case c : {Case{12, 7, TRUE}, Case{1, 1, TRUE}, Case{0, 5, FALSE}, Case{5, -1, FALSE}}) {
        EXPECT_EQ(bitmap.Create(dc, c.cx, c.cy), c.ok) << c.cx << "x" << c.cy;
        EXPECT_EQ(bitmap.GetSize(), c.ok ? CSize(c.cx, c.cy) : CSize()) << c.cx << "x" << c.cy;
        EXPECT_EQ(bitmap.GetSurface() != nullptr, c.ok == TRUE);
        EXPECT_FALSE(bitmap.IsMonochrome());
        if (c.ok) {
            EXPECT_EQ(bitmap.GetSurface()->GetPixel(c.cx - 1, c.cy - 1), CColor::white);
        }
    }
}

// Draws the arrow at a place of a surface in a text and background colour and checks every
// pixel: the arrow's black pixels in the text colour, its white ones in the background,
// the rest untouched.
TEST(Bitmap, MonochromeBitBltTakesTheTextAndBackgroundColours) {
    CCairoDevice device("DejaVu Sans");
    CBitmapBits bits;
    ASSERT_TRUE(CBitmapBits::Load(CEntity(LibraryResourceModule(), "ARROW"), bits));
    struct Case {
        CPoint origin;
        CPoint at;   // logical
        CPoint from; // in the bitmap
        CSize size;
    };
    for (Case c :
         {Case{{0, 0}, {2, 3}, {0, 0}, {9, 9}}, Case{{5, 4}, {1, 1}, {0, 0}, {9, 9}},
          Case{{0, 0}, {10, 10}, {2, 3}, {5, 4}}, Case{{0, 0}, {25, 25}, {0, 0}, {9, 9}}}) {
        std::unique_ptr<CSurface> surface = device.CreateSurface({30, 30});
        CDC dc(device, surface.get(), c.origin, surface->GetBounds());
        CMemoryDC memory(dc);
        CBitmap arrow;
        ASSERT_TRUE(arrow.LoadBitmap(CEntity(LibraryResourceModule(), "ARROW")));
        ASSERT_TRUE(memory.Select(arrow));
        dc.SetTextColor(CColor::red);
        dc.SetBkColor(CColor::yellow);
        ASSERT_TRUE(
            dc.BitBlt(c.at.x, c.at.y, c.size.cx, c.size.cy, memory, c.from.x, c.from.y, SRCCOPY));
        CPoint const place = c.at + CSize(c.origin.x, c.origin.y);
        int red = 0;
        for (LONG y = 0; y < 30; ++y)
            for (LONG x = 0; x < 30; ++x) {
                CColor expected = CColor::white;
                CRect const target(place, c.size);
                if (target.Encloses(CPoint(x, y)))
                    expected = bits.IsBlack(c.from.x + x - place.x, c.from.y + y - place.y)
                                   ? CColor::red
                                   : CColor::yellow;
                ASSERT_EQ(surface->GetPixel(x, y), expected) << x << "," << y;
                red += expected == CColor::red;
            }
        EXPECT_GT(red, 0);
        memory.Deselect();
    }
}

TEST(Bitmap, MemoryDCDrawsIntoTheSelectedBitmapAndCopiesOut) {
    CCairoDevice device("DejaVu Sans");
    std::unique_ptr<CSurface> screen = device.CreateSurface({40, 30});
    CDC dc(device, screen.get(), CPoint(), screen->GetBounds());
    CBitmap face;
    ASSERT_TRUE(face.Create(dc, 10, 8));
    CMemoryDC memory(dc);
    EXPECT_EQ(memory.GetSurface(), nullptr);
    ASSERT_TRUE(memory.Select(face));
    EXPECT_EQ(memory.GetSurface(), face.GetSurface());
    memory.FillRect(CRect(-5, -5, 50, 50), CBrush(CColor::blue, CColor::green, 128));
    memory.FillRect(CRect(0, 0, 1, 1), CBrush(CColor::red));
    // The bitmap clips.
    EXPECT_EQ(face.GetSurface()->GetSize(), CSize(10, 8));

    // Copy its part from (1, 1) on, 12 by 12 asked: only what the bitmap has arrives.
    ASSERT_TRUE(dc.BitBlt(5, 6, 12, 12, memory, 1, 1, SRCCOPY));
    for (LONG y = 0; y < 30; ++y)
        for (LONG x = 0; x < 40; ++x) {
            LONG const bx = x - 5 + 1, by = y - 6 + 1;
            bool const copied = bx >= 1 && bx < 10 && by >= 1 && by < 8;
            CColor const expected = !copied              ? CColor::white
                                    : (bx + by) % 2 == 0 ? CColor::blue
                                                         : CColor::green;
            ASSERT_EQ(screen->GetPixel(x, y), expected) << x << "," << y;
        }
    // Other raster operations are refused and change nothing.
    EXPECT_FALSE(dc.BitBlt(0, 0, 10, 8, memory, 0, 0, 0x00EE0086));
    EXPECT_EQ(screen->GetPixel(0, 0), CColor::white);

    memory.Deselect();
    EXPECT_EQ(memory.GetSurface(), nullptr);
}

TEST(Bitmap, CopyWithinOneSurfaceReadsBeforeWriting) {
    CCairoDevice device("DejaVu Sans");
    std::unique_ptr<CSurface> surface = device.CreateSurface({20, 4});
    CDC dc(device, surface.get(), CPoint(), surface->GetBounds());
    for (LONG x = 0; x < 10; ++x)
        dc.FillRect(CRect(x, 0, x + 1, 1), CBrush(CColor(static_cast<BYTE>(x * 20), 0, 0)));
    dc.BitBlt(3, 0, 10, 1, dc, 0, 0, SRCCOPY);
    for (LONG x = 0; x < 13; ++x) {
        BYTE const expected = static_cast<BYTE>((x < 3 ? x : x - 3) * 20);
        EXPECT_EQ(surface->GetPixel(x, 0), CColor(expected, 0, 0)) << x;
    }
}

TEST(Selection, OneStackOfFontsAndBitmaps) {
    CHeadlessDevice device;
    CDC dc(device);
    CMemoryDC memory(dc);
    CFont a("A", 8), b("B", 10);
    CBitmap one, two;
    ASSERT_TRUE(one.Create(dc, 3, 3));
    ASSERT_TRUE(two.Create(dc, 4, 4));
    CFont const & standard = memory.GetFont();
    memory.Select(a);
    ASSERT_TRUE(memory.Select(one));
    memory.Select(b);
    ASSERT_TRUE(memory.Select(two));
    EXPECT_EQ(&memory.GetFont(), &b);
    EXPECT_EQ(memory.GetBitmap(), &two);
    EXPECT_EQ(memory.GetClip(), CRect(0, 0, 4, 4));
    memory.Deselect();
    EXPECT_EQ(memory.GetBitmap(), &one);
    EXPECT_EQ(&memory.GetFont(), &b);
    memory.Deselect();
    EXPECT_EQ(&memory.GetFont(), &a);
    EXPECT_EQ(memory.GetBitmap(), &one);
    memory.Deselect();
    EXPECT_EQ(&memory.GetFont(), &a);
    EXPECT_EQ(memory.GetBitmap(), nullptr);
    memory.Deselect();
    EXPECT_EQ(&memory.GetFont(), &standard);
    memory.Deselect(); // nothing left: no effect
    EXPECT_EQ(&memory.GetFont(), &standard);

    CBitmap empty;
    EXPECT_FALSE(memory.Select(empty));
    EXPECT_EQ(memory.GetBitmap(), nullptr);
}

} // namespace
