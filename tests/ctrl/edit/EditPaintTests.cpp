#include "CAutomation.hpp"
#include "CDC.hpp"
#include "CEditCtrl.hpp"
#include "CHeadlessDevice.hpp"
#include "CInput.hpp"
#include "CParentRecorder.hpp"
#include "CStdTools.hpp"
#include "CSurface.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kCell = CHeadlessDevice::cellWidth;
constexpr int kLine = CHeadlessDevice::cellHeight;
constexpr int kMargin = CEditCtrl::textMargin;

// A surface that keeps what was drawn on it, in order.
class CRecordingSurface : public CSurface {
public:
    struct Fill {
        CRect rect;
        CColor color;
    };
    struct Text {
        CPoint at;
        std::string text;
        CColor color;
    };

    std::vector<Fill> m_fills;
    std::vector<Text> m_texts;

    CSize GetSize() const override { return {400, 100}; }
    void FillRect(CRect const & rect, CBrush const & brush, CRect const &) override {
        m_fills.push_back({rect, brush.GetColorA()});
    }
    void DrawText(CFont const &, CColor color, CPoint at, std::string_view text,
                  CRect const &) override {
        if (!text.empty())
            m_texts.push_back({at, std::string(text), color});
    }
    void Copy(CPoint, CSurface const &, CRect const &, CRect const &) override {}
    CColor GetPixel(LONG, LONG) const override { return CColor::white; }
    BOOL WritePng(char const *) const override { return FALSE; }

    // The one-pixel-wide fills: the caret.
    std::vector<Fill> Carets() const {
        std::vector<Fill> carets;
        for (Fill const & fill : m_fills)
            if (fill.rect.Width() == 1)
                carets.push_back(fill);
        return carets;
    }
};

CColor Std(CStdTools::Role role) {
    return CStdTools::FindInstance()->GetColor(role);
}

class EditPaint : public ::testing::Test {
protected:
    void SetUp() override {
        CAutomation::Start();
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "parent", WS_POPUP | WS_VISIBLE,
                                      CRect(0, 0, 400, 100), nullptr, 0));
    }
    void TearDown() override {
        m_parent.DestroyWindow();
        CInput::ReleaseAll();
        CAutomation::Stop();
    }

    // A 200 × 21 edit: the line of text starts 4 pixels down.
    CEditCtrl * Add(DWORD style, char const * text) {
        auto * edit = new CEditCtrl;
        EXPECT_TRUE(edit->Create(text, WS_VISIBLE | style, CRect(10, 10, 210, 31), &m_parent, 1));
        return edit;
    }

    CRecordingSurface Paint(CEditCtrl * edit) {
        CRecordingSurface surface;
        CDC dc(CDevice::GetScreen(), &surface, CPoint(), surface.GetBounds());
        edit->SendMessage(WM_PAINT, reinterpret_cast<WPARAM>(&dc));
        return surface;
    }

    CParentRecorder m_parent;
};

constexpr int kTop = (21 - kLine) / 2;

} // namespace

TEST_F(EditPaint, BackgroundTellsEditableFromReadOnlyAndDisabled) {
    // clang-format off
    struct Case { DWORD style; bool enabled; CColor background; CColor ink; } const cases[] = {
        {0, true, Std(CStdTools::colorWindow), Std(CStdTools::colorText)},
        {ES_READONLY, true, Std(CStdTools::colorFace), Std(CStdTools::colorText)},
        {0, false, Std(CStdTools::colorFace), Std(CStdTools::colorGrayText)},
    };
    // clang-format on
    for (Case const & c : cases) {
        CEditCtrl * edit = Add(c.style, "abc");
        edit->EnableWindow(c.enabled);
        CRecordingSurface const surface = Paint(edit);
        ASSERT_FALSE(surface.m_fills.empty());
        EXPECT_EQ(surface.m_fills.front().rect, edit->GetClientRect());
        EXPECT_EQ(surface.m_fills.front().color, c.background);
        ASSERT_EQ(surface.m_texts.size(), 1u);
        EXPECT_EQ(surface.m_texts[0].text, "abc");
        EXPECT_EQ(surface.m_texts[0].at, CPoint(kMargin, kTop));
        EXPECT_EQ(surface.m_texts[0].color, c.ink);
        EXPECT_TRUE(surface.Carets().empty()) << "no caret without the focus";
        edit->DestroyWindow();
    }
}

TEST_F(EditPaint, FocusShowsTheSelectionAndTheCaret) {
    CEditCtrl * edit = Add(ES_AUTOHSCROLL, "abcd");
    edit->SetSel(1, 3);
    CRecordingSurface unfocused = Paint(edit);
    EXPECT_EQ(unfocused.m_texts.size(), 1u) << "the selection hides without the focus";

    edit->SetFocus();
    CRecordingSurface const surface = Paint(edit);
    ASSERT_EQ(surface.m_texts.size(), 3u);
    EXPECT_EQ(surface.m_texts[0].text, "a");
    EXPECT_EQ(surface.m_texts[1].text, "bc");
    EXPECT_EQ(surface.m_texts[1].at, CPoint(kMargin + kCell, kTop));
    EXPECT_EQ(surface.m_texts[1].color, Std(CStdTools::colorHighlightText));
    EXPECT_EQ(surface.m_texts[2].text, "d");
    EXPECT_EQ(surface.m_texts[2].at, CPoint(kMargin + 3 * kCell, kTop));
    bool highlighted = false;
    for (auto const & fill : surface.m_fills)
        if (fill.color == Std(CStdTools::colorHighlight))
            highlighted =
                fill.rect == CRect(kMargin + kCell, kTop, kMargin + 3 * kCell, kTop + kLine);
    EXPECT_TRUE(highlighted);
    auto const carets = surface.Carets();
    ASSERT_EQ(carets.size(), 1u);
    EXPECT_EQ(carets[0].rect.left, kMargin + 3 * kCell) << "the caret is at the selection's end";
    EXPECT_EQ(carets[0].rect.Height(), kLine);
}

TEST_F(EditPaint, PasswordAlignmentAndScrollingMoveWhatIsDrawn) {
    CEditCtrl * password = Add(ES_PASSWORD, "p\xC3\xA4ss");
    CRecordingSurface const hidden = Paint(password);
    ASSERT_EQ(hidden.m_texts.size(), 1u);
    EXPECT_EQ(hidden.m_texts[0].text, "\xE2\x80\xA2\xE2\x80\xA2\xE2\x80\xA2\xE2\x80\xA2");
    password->DestroyWindow();

    CEditCtrl * right = Add(ES_RIGHT, "abc");
    CRecordingSurface const aligned = Paint(right);
    ASSERT_EQ(aligned.m_texts.size(), 1u);
    EXPECT_EQ(aligned.m_texts[0].at.x, 200 - kMargin - 3 * kCell);
    right->DestroyWindow();

    // Thirty characters in a 196-pixel text area: the end shows, the start is scrolled off.
    CEditCtrl * scrolled = Add(ES_AUTOHSCROLL, "");
    scrolled->SetFocus();
    CAutomation::TypeText("abcdefghijklmnopqrstuvwxyz0123");
    CRecordingSurface const surface = Paint(scrolled);
    ASSERT_EQ(surface.m_texts.size(), 1u);
    EXPECT_EQ(surface.m_texts[0].at.x, kMargin + 196 - 30 * kCell);
    ASSERT_EQ(surface.Carets().size(), 1u);
    EXPECT_EQ(surface.Carets()[0].rect.left, kMargin + 196);
}

TEST_F(EditPaint, PaintingChangesNothing) {
    CEditCtrl * edit = Add(ES_AUTOHSCROLL, "hello");
    edit->SetFocus();
    edit->SetSel(4, 1);
    Paint(edit);
    Paint(edit);
    int start = 0;
    int end = 0;
    edit->GetSel(start, end);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 4);
    EXPECT_EQ(edit->GetWindowText(), "hello");
    EXPECT_FALSE(edit->GetModify());
    // Painting through the window's own pass works as well.
    edit->Invalidate();
    CAutomation::Pump();
    EXPECT_TRUE(edit->GetUpdateRect().IsEmpty());
}
