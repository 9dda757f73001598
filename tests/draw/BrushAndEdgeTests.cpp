#include "CCairoDevice.hpp"
#include "CDC.hpp"
#include "CHeadlessDevice.hpp"
#include "CStdTools.hpp"
#include "CSurface.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

CColor Std(CStdTools::Role role) {
    return CStdTools::FindInstance()->GetColor(role);
}

// A Cairo surface filled with a background colour.
struct Canvas {
    CCairoDevice device{"DejaVu Sans"};
    std::unique_ptr<CSurface> surface;
    CColor background;
    Canvas(LONG cx, LONG cy, CColor back = CColor::white)
        : surface(device.CreateSurface({cx, cy})), background(back) {
        surface->FillRect(surface->GetBounds(), CBrush(back), surface->GetBounds());
    }
    CColor At(LONG x, LONG y) const { return surface->GetPixel(x, y); }
    // The pixels of a rectangle of the surface that differ from the background.
    int Painted(CRect const & r) const {
        int n = 0;
        for (LONG y = r.top; y < r.bottom; ++y)
            for (LONG x = r.left; x < r.right; ++x)
                n += At(x, y) != background;
        return n;
    }
};

// Not one of the standard colours, so that every line drawn shows.
constexpr CColor magenta{255, 0, 255};

TEST(Brush, PatternByteIsTheShareOfTheFirstColour) {
    for (int p : {0, 1, 4, 5, 64, 100, 128, 200, 252, 253, 255}) {
        CBrush const brush(CColor::red, CColor::blue, static_cast<unsigned char>(p));
        int first = 0;
        for (LONG y = 0; y < 8; ++y)
            for (LONG x = 0; x < 8; ++x)
                first += brush.GetPixel(x, y) == CColor::red;
        EXPECT_EQ(first, std::min(64, (p + 3) / 4)) << p;
        // The cell repeats every 8 pixels both ways.
        for (LONG y = 0; y < 8; ++y)
            for (LONG x = 0; x < 8; ++x)
                EXPECT_EQ(brush.GetPixel(x, y), brush.GetPixel(x + 8, y + 16)) << p;
    }
}

TEST(Brush, LevelsGrowMonotonically) {
    // Every pixel of the first colour at one level keeps it at every higher level.
    for (int p = 0; p < 255; ++p) {
        CBrush const lower(CColor::red, CColor::blue, static_cast<unsigned char>(p));
        CBrush const higher(CColor::red, CColor::blue, static_cast<unsigned char>(p + 1));
        for (LONG y = 0; y < 8; ++y)
            for (LONG x = 0; x < 8; ++x)
                if (lower.GetPixel(x, y) == CColor::red) {
                    ASSERT_EQ(higher.GetPixel(x, y), CColor::red) << p << " " << x << "," << y;
                }
    }
}

TEST(Brush, Pattern128IsACheckerboardOnTheSurface) {
    Canvas canvas(40, 30);
    CDC dc(canvas.device, canvas.surface.get(), CPoint(3, 5), CRect(0, 0, 40, 30));
    dc.FillRect(CRect(0, 0, 20, 20), CBrush(CColor::red, CColor::blue, 128));
    for (LONG y = 0; y < 30; ++y) {
        for (LONG x = 0; x < 40; ++x) {
            bool const inside = x >= 3 && x < 23 && y >= 5 && y < 25;
            CColor const expected =
                !inside ? CColor::white : ((x + y) % 2 == 0 ? CColor::red : CColor::blue);
            ASSERT_EQ(canvas.At(x, y), expected) << x << "," << y;
        }
    }
}

TEST(Clipping, NothingIsDrawnOutsideTheClip) {
    struct Case {
        CPoint origin;
        CRect clip;
        CRect fill; // logical
    };
    for (Case c : {Case{{10, 10}, {12, 12, 30, 30}, {-100, -100, 100, 100}},
                   Case{{0, 0}, {0, 0, 50, 40}, {45, 35, 80, 80}},
                   Case{{20, 5}, {20, 5, 35, 25}, {-5, 2, 4, 50}},
                   Case{{-10, -10}, {-5, -5, 200, 200}, {0, 0, 30, 30}}}) {
        Canvas canvas(50, 40);
        CDC dc(canvas.device, canvas.surface.get(), c.origin, c.clip);
        dc.FillRect(c.fill, CBrush(CColor::red));
        CRect const on = (c.fill + CSize(c.origin.x, c.origin.y)).Intersect(c.clip);
        for (LONG y = 0; y < 40; ++y)
            for (LONG x = 0; x < 50; ++x)
                ASSERT_EQ(canvas.At(x, y) == CColor::white, !on.Encloses(CPoint(x, y)))
                    << x << "," << y;
    }
}

TEST(Clipping, TextStaysInsideTheDrawTextRectangle) {
    Canvas canvas(120, 40);
    CDC dc(canvas.device, canvas.surface.get(), CPoint(4, 4), canvas.surface->GetBounds());
    dc.SetBkMode(TRANSPARENT);
    CRect rect(10, 5, 40, 30);
    dc.DrawText("Wide words overflow", rect, DT_SINGLELINE);
    CRect const on = rect + CSize(4, 4);
    EXPECT_GT(canvas.Painted(on), 10);
    EXPECT_EQ(canvas.Painted(canvas.surface->GetBounds()), canvas.Painted(on));

    // The context's own clip cuts text, opaque background and all.
    Canvas narrow(120, 40);
    CDC clipped(narrow.device, narrow.surface.get(), CPoint(4, 4), CRect(20, 0, 30, 40));
    clipped.SetBkColor(CColor::red);
    clipped.TextOut(0, 0, "WWWWWWWWWWWW");
    EXPECT_GT(narrow.Painted({20, 0, 30, 40}), 50);
    EXPECT_EQ(narrow.Painted(narrow.surface->GetBounds()), narrow.Painted({20, 0, 30, 40}));
}

TEST(Frame, FrameRectDrawsOnePixelInside) {
    Canvas canvas(30, 30);
    CDC dc(canvas.device, canvas.surface.get(), CPoint(), canvas.surface->GetBounds());
    CRect const r(5, 6, 20, 25);
    dc.FrameRect(r, CBrush(CColor::green));
    for (LONG y = 0; y < 30; ++y)
        for (LONG x = 0; x < 30; ++x) {
            bool const inside = r.Encloses(CPoint(x, y));
            bool const border = inside && !(r - 1).Encloses(CPoint(x, y));
            ASSERT_EQ(canvas.At(x, y), border ? CColor::green : CColor::white) << x << "," << y;
        }
}

TEST(Frame, FocusRectIsDotted) {
    Canvas canvas(30, 30);
    CDC dc(canvas.device, canvas.surface.get(), CPoint(1, 0), canvas.surface->GetBounds());
    CRect const r(4, 4, 20, 14);
    dc.DrawFocusRect(r);
    CRect const s = r + CSize(1, 0);
    int dots = 0;
    for (LONG y = 0; y < 30; ++y)
        for (LONG x = 0; x < 30; ++x) {
            CColor const pixel = canvas.At(x, y);
            bool const border = s.Encloses(CPoint(x, y)) && !(s - 1).Encloses(CPoint(x, y));
            if (!border) {
                ASSERT_EQ(pixel, CColor::white) << x << "," << y;
                continue;
            }
            // Neighbours along the frame alternate.
            bool const dot = pixel == Std(CStdTools::colorText);
            ASSERT_TRUE(dot || pixel == CColor::white);
            ASSERT_EQ(dot, (x + y) % 2 == 0) << x << "," << y;
            dots += dot;
        }
    EXPECT_EQ(dots, (2 * s.Width() + 2 * (s.Height() - 2)) / 2);
}

// DrawEdge: the colours of the outer and inner lines on the top-left and bottom-right.
struct EdgeCase {
    char const * name;
    UINT edge;
    UINT flags;
    CStdTools::Role outerTop, innerTop, outerBottom, innerBottom;
};

class Edge : public testing::TestWithParam<EdgeCase> {};

TEST_P(Edge, LinesTakeTheStandardColours) {
    EdgeCase const & c = GetParam();
    Canvas canvas(40, 30, magenta);
    CDC dc(canvas.device, canvas.surface.get(), CPoint(2, 3), canvas.surface->GetBounds());
    CRect rect(5, 5, 30, 20); // surface (7, 8, 32, 23)
    ASSERT_TRUE(dc.DrawEdge(rect, c.edge, c.flags));
    EXPECT_EQ(rect, CRect(5, 5, 30, 20)); // no BF_ADJUST
    LONG const l = 7, t = 8, r = 32, b = 23;
    // Middles of each side, away from corners.
    EXPECT_EQ(canvas.At(20, t), Std(c.outerTop));
    EXPECT_EQ(canvas.At(l, 15), Std(c.outerTop));
    EXPECT_EQ(canvas.At(20, t + 1), Std(c.innerTop));
    EXPECT_EQ(canvas.At(l + 1, 15), Std(c.innerTop));
    EXPECT_EQ(canvas.At(20, b - 1), Std(c.outerBottom));
    EXPECT_EQ(canvas.At(r - 1, 15), Std(c.outerBottom));
    EXPECT_EQ(canvas.At(20, b - 2), Std(c.innerBottom));
    EXPECT_EQ(canvas.At(r - 2, 15), Std(c.innerBottom));
    // Bottom and right own the far corners.
    EXPECT_EQ(canvas.At(r - 1, t), Std(c.outerBottom));
    EXPECT_EQ(canvas.At(l, b - 1), Std(c.outerBottom));
    // Inside and outside untouched.
    EXPECT_EQ(canvas.At(20, 15), magenta);
    EXPECT_EQ(canvas.At(l - 1, 15), magenta);
    EXPECT_EQ(canvas.At(20, b), magenta);
}

using S = CStdTools;
// clang-format off
INSTANTIATE_TEST_SUITE_P(DrawEdge, Edge, testing::Values(
    EdgeCase{"Sunken", EDGE_SUNKEN, BF_RECT, S::color3DShadow, S::color3DDarkShadow, S::color3DHighlight, S::color3DLight},
    EdgeCase{"Raised", EDGE_RAISED, BF_RECT, S::color3DLight, S::color3DHighlight, S::color3DDarkShadow, S::color3DShadow},
    EdgeCase{"Etched", EDGE_ETCHED, BF_RECT, S::color3DShadow, S::color3DHighlight, S::color3DHighlight, S::color3DShadow},
    EdgeCase{"Bump", EDGE_BUMP, BF_RECT, S::color3DLight, S::color3DDarkShadow, S::color3DDarkShadow, S::color3DLight},
    EdgeCase{"SoftRaised", EDGE_RAISED, BF_RECT | BF_SOFT, S::color3DHighlight, S::color3DLight, S::color3DDarkShadow, S::color3DShadow},
    EdgeCase{"SoftSunken", EDGE_SUNKEN, BF_RECT | BF_SOFT, S::color3DDarkShadow, S::color3DShadow, S::color3DHighlight, S::color3DLight}),
    [](testing::TestParamInfo<EdgeCase> const & info) { return std::string(info.param.name); });
// clang-format on

TEST(DrawEdge, OnlyTheNamedSidesAndAdjustShrinksByTheirWidth) {
    struct Case {
        UINT edge;
        UINT flags;
        CRect adjusted;
        int paintedRows; // rows of the rectangle with paint
    };
    for (Case c : {Case{EDGE_ETCHED, BF_TOP | BF_ADJUST, {5, 7, 30, 20}, 2},
                   Case{EDGE_SUNKEN, BF_RECT | BF_ADJUST, {7, 7, 28, 18}, 15},
                   Case{BDR_RAISEDINNER, BF_RECT | BF_ADJUST, {6, 6, 29, 19}, 15},
                   Case{BDR_SUNKENOUTER, BF_BOTTOM | BF_RIGHT | BF_ADJUST, {5, 5, 29, 19}, 15},
                   Case{EDGE_RAISED, BF_LEFT, {5, 5, 30, 20}, 15}}) {
        Canvas canvas(40, 30, magenta);
        CDC dc(canvas.device, canvas.surface.get(), CPoint(), canvas.surface->GetBounds());
        CRect rect(5, 5, 30, 20);
        dc.DrawEdge(rect, c.edge, c.flags);
        EXPECT_EQ(rect, c.adjusted) << c.edge << " " << c.flags;
        int rows = 0;
        for (LONG y = 5; y < 20; ++y)
            rows += canvas.Painted({5, y, 30, y + 1}) > 0;
        EXPECT_EQ(rows, c.paintedRows) << c.edge << " " << c.flags;
        EXPECT_EQ(canvas.Painted({0, 0, 40, 5}) + canvas.Painted({0, 20, 40, 30}), 0);
    }
    // An etched top line: shadow over highlight, both the whole width.
    Canvas canvas(40, 30);
    CDC dc(canvas.device, canvas.surface.get(), CPoint(), canvas.surface->GetBounds());
    CRect rect(5, 5, 30, 20);
    dc.DrawEdge(rect, EDGE_ETCHED, BF_TOP);
    for (LONG x = 5; x < 30; ++x) {
        EXPECT_EQ(canvas.At(x, 5), Std(CStdTools::color3DShadow)) << x;
        EXPECT_EQ(canvas.At(x, 6), Std(CStdTools::color3DHighlight)) << x;
    }
}

TEST(DrawEdge, MiddleFillsWithTheFaceColour) {
    Canvas canvas(40, 30);
    CDC dc(canvas.device, canvas.surface.get(), CPoint(), canvas.surface->GetBounds());
    CRect rect(5, 5, 30, 20);
    dc.DrawEdge(rect, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    EXPECT_EQ(canvas.At(7, 7), Std(CStdTools::colorFace));
    EXPECT_EQ(canvas.At(27, 17), Std(CStdTools::colorFace));
}

TEST(StdTools, BrushesMatchTheirColours) {
    CStdTools const & tools = *CStdTools::FindInstance();
    for (int role = 0; role < CStdTools::roleCount; ++role) {
        CBrush const & brush = tools.GetBrush(static_cast<CStdTools::Role>(role));
        EXPECT_TRUE(brush.IsSolid());
        EXPECT_EQ(brush.GetPixel(3, 5), tools.GetColor(static_cast<CStdTools::Role>(role)));
    }
    // Text must stand out on its backgrounds.
    auto distance = [](CColor a, CColor b) {
        return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
    };
    EXPECT_GT(distance(tools.GetColor(S::colorText), tools.GetColor(S::colorFace)), 300);
    EXPECT_GT(distance(tools.GetColor(S::colorHighlightText), tools.GetColor(S::colorHighlight)),
              200);
    EXPECT_GT(distance(tools.GetColor(S::colorInfoText), tools.GetColor(S::colorInfoBk)), 300);
    CBrush const & focus = tools.GetFocusBrush();
    EXPECT_NE(focus.GetPixel(0, 0), focus.GetPixel(1, 0));
    EXPECT_EQ(focus.GetPixel(0, 0), focus.GetPixel(1, 1));
    EXPECT_EQ(tools.GetStdFont().GetFace(), "Sans");
    EXPECT_EQ(tools.GetStdFont().GetPoints(), 9);
}

TEST(HeadlessDevice, SurfacesKeepTheirSizeButNoPixels) {
    CHeadlessDevice device;
    std::unique_ptr<CSurface> surface = device.CreateSurface({20, 10});
    EXPECT_EQ(surface->GetSize(), CSize(20, 10));
    CDC dc(device, surface.get(), CPoint(), surface->GetBounds());
    dc.FillRect(CRect(0, 0, 20, 10), CBrush(CColor::red));
    dc.TextOut(0, 0, "abc");
    EXPECT_EQ(surface->GetPixel(1, 1), CColor::white);
    EXPECT_FALSE(surface->WritePng((std::string(VANTOR_OUTPUT_DIR) + "/headless.png").c_str()));
}

} // namespace
