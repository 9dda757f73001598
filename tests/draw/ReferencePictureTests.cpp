#include "CBitmap.hpp"
#include "CCairoDevice.hpp"
#include "CEntity.hpp"
#include "CMemoryDC.hpp"
#include "CReferencePicture.hpp"
#include "CStdTools.hpp"
#include "CSurface.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

class CModule;
extern "C" CModule * LibraryResourceModule();

namespace {

// The comparison's tolerance for a channel and share of differing pixels, in thousandths.
constexpr int tolerance = 64;
constexpr int allowedPerMille = 15;

std::string ReferencePath(char const * name) {
    return std::string(VANTOR_REFERENCE_DIR) + "/" + name + ".png";
}

void CheckReference(CSurface const & surface, char const * name) {
    CheckReferencePicture(surface, VANTOR_REFERENCE_DIR, VANTOR_OUTPUT_DIR, name);
}

struct Picture {
    CCairoDevice device{"DejaVu Sans"};
    std::unique_ptr<CSurface> surface;
    CDC dc;
    CFont font;
    explicit Picture(CSize size)
        : surface(device.CreateSurface(size)),
          dc(device, surface.get(), CPoint(), surface->GetBounds()) {
        font.Create(dc, "DejaVu Sans", 7);
        dc.Select(font);
    }
};

CStdTools const & Tools() {
    return *CStdTools::FindInstance();
}

// A small page: an edit field in a sunken edge, a check box with a dotted focus frame and
// its label, and an etched rule after a caption.
void DrawControls(Picture & p) {
    CDC & dc = p.dc;
    dc.FillRect(CRect(0, 0, 120, 48), Tools().GetBrush(CStdTools::colorFace));
    dc.SetTextColor(Tools().GetColor(CStdTools::colorText));
    dc.SetBkColor(Tools().GetColor(CStdTools::colorFace));

    CRect caption(4, 2, 116, 14);
    dc.DrawText("&Setup", caption, DT_SINGLELINE | DT_CALCRECT);
    dc.DrawText("&Setup", caption, DT_SINGLELINE);
    CRect rule(caption.right + 4, 2 + caption.Height() / 2, 116, 14);
    dc.DrawEdge(rule, EDGE_ETCHED, BF_TOP);

    CRect edit(4, 16, 116, 30);
    dc.DrawEdge(edit, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    dc.FillRect(edit, Tools().GetBrush(CStdTools::colorWindow));
    dc.SetBkMode(TRANSPARENT);
    CRect text = edit - CRect(2, 0, 2, 0);
    dc.DrawText("Value 42", text, DT_SINGLELINE | DT_VCENTER);

    CRect box(6, 34, 16, 44);
    dc.FrameRect(box, CBrush(Tools().GetColor(CStdTools::color3DShadow)));
    dc.FrameRect(box + 2, Tools().GetFocusBrush());
    CRect label(20, 32, 116, 46);
    dc.DrawText("Enabled", label, DT_SINGLELINE | DT_VCENTER);
    dc.DrawFocusRect(label - CRect(0, 0, 60, 0));
}

// A menu button face: a soft raised edge, the arrow in the text colour and a centred,
// clipped label with an ellipsis.
void DrawButton(Picture & p) {
    CDC & dc = p.dc;
    CRect rect(0, 0, 64, 20);
    dc.DrawEdge(rect, EDGE_RAISED, BF_RECT | BF_SOFT | BF_ADJUST);
    dc.FillRect(rect, Tools().GetBrush(CStdTools::colorFace));
    CBitmap arrow;
    arrow.LoadBitmap(CEntity(LibraryResourceModule(), "ARROW"));
    CMemoryDC memory(dc);
    memory.Select(arrow);
    dc.SetTextColor(CColor(0, 0, 160));
    dc.SetBkColor(Tools().GetColor(CStdTools::colorFace));
    dc.BitBlt(3, 5, 9, 9, memory, 0, 0, SRCCOPY);
    memory.Deselect();
    dc.SetTextColor(Tools().GetColor(CStdTools::colorText));
    dc.SetBkMode(TRANSPARENT);
    CRect label(14, 2, 60, 18);
    dc.DrawText("Automatic mode", label, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

// Wrapped text in a tooltip-like box, the box fitted with DT_CALCRECT.
void DrawWrapped(Picture & p) {
    CDC & dc = p.dc;
    dc.FillRect(CRect(0, 0, 90, 60), Tools().GetBrush(CStdTools::colorWindow));
    CRect box(3, 3, 87, 0);
    char const * text = "Pick the port the device is wired to.";
    dc.DrawText(text, box, DT_WORDBREAK | DT_CALCRECT);
    CRect frame = box + 2;
    dc.FillRect(frame, Tools().GetBrush(CStdTools::colorInfoBk));
    dc.FrameRect(frame, CBrush(Tools().GetColor(CStdTools::colorInfoText)));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(Tools().GetColor(CStdTools::colorInfoText));
    dc.DrawText(text, box, DT_WORDBREAK | DT_CENTER);
}

struct ReferenceCase {
    char const * name;
    CSize size;
    std::function<void(Picture &)> draw;
};

class Reference : public testing::TestWithParam<ReferenceCase> {};

TEST_P(Reference, MatchesTheStoredPicture) {
    ReferenceCase const & c = GetParam();
    Picture picture(c.size);
    c.draw(picture);
    CheckReference(*picture.surface, c.name);
}

INSTANTIATE_TEST_SUITE_P(Pictures, Reference,
                         testing::Values(ReferenceCase{"controls", {120, 48}, DrawControls},
                                         ReferenceCase{"button", {64, 20}, DrawButton},
                                         ReferenceCase{"wrapped", {90, 60}, DrawWrapped}),
                         [](testing::TestParamInfo<ReferenceCase> const & info) {
                             return std::string(info.param.name);
                         });

// The comparison itself: a picture matches its own PNG, and a change beyond the tolerance
// is counted where a change within it is not.
TEST(ImageCompare, CountsOnlyChangesBeyondTheTolerance) {
    Picture picture({40, 20});
    DrawWrapped(picture);
    std::string const path = std::string(VANTOR_OUTPUT_DIR) + "/compare.png";
    ASSERT_TRUE(picture.surface->WritePng(path.c_str()));
    CImageCompare::Result same = CImageCompare::Compare(*picture.surface, path.c_str(), 0);
    EXPECT_TRUE(same.readable);
    EXPECT_TRUE(same.sameSize);
    EXPECT_EQ(same.differing, 0);

    CColor const before = picture.surface->GetPixel(5, 5);
    CColor const slight(before.r, before.g,
                        static_cast<BYTE>(before.b > 128 ? before.b - 10 : before.b + 10));
    picture.surface->FillRect(CRect(5, 5, 6, 6), CBrush(slight), picture.surface->GetBounds());
    picture.surface->FillRect(CRect(7, 7, 9, 8), CBrush(CColor::red), picture.surface->GetBounds());
    CImageCompare::Result const changed =
        CImageCompare::Compare(*picture.surface, path.c_str(), 20);
    EXPECT_EQ(changed.differing, 2);
    EXPECT_EQ(CImageCompare::Compare(*picture.surface, path.c_str(), 5).differing, 3);

    Picture other({41, 20});
    EXPECT_FALSE(CImageCompare::Compare(*other.surface, path.c_str(), 255).sameSize);
    EXPECT_FALSE(CImageCompare::Compare(*other.surface, "/nonexistent/x.png", 255).readable);
}

// The references are not blank: a blank picture of the same size fails against each.
TEST(ImageCompare, ReferencesDifferFromABlankPicture) {
    if (UpdatingReferences())
        GTEST_SKIP() << "references are being written";
    for (auto [name, size] : {std::pair{"controls", CSize(120, 48)},
                              {"button", CSize(64, 20)},
                              {"wrapped", CSize(90, 60)}}) {
        Picture blank(size);
        CImageCompare::Result const result =
            CImageCompare::Compare(*blank.surface, ReferencePath(name).c_str(), tolerance);
        ASSERT_TRUE(result.readable) << name;
        EXPECT_GT(result.differing, size.cx * size.cy * allowedPerMille / 1000) << name;
    }
}

} // namespace
