#include "CScrollBar.hpp"
#include "ChoiceFixture.hpp"
#include "KeySteps.hpp"
#include "VirtualKeys.hpp"
#include "WinMessages.hpp"

namespace {

// A check box first, so that Tab brings the focus to the bar after it (identifier 1001).
class Scrolls : public ChoiceFixture {
protected:
    CScrollBar * ShowBar(char const * cls, char const * format, LONG stored) {
        m_item.m_level = stored;
        Show({ElementRecord("CUICheck", "Flags", ""), ElementRecord(cls, "Level", format)});
        return static_cast<CScrollBar *>(Control(1001));
    }
    void Focus() {
        CAutomation::Click(Control(1000));
        CAutomation::PressKey(VK_TAB);
        m_item.m_heard.clear();
    }
};

} // namespace

TEST_F(Scrolls, EveryKeyOfTheFocusedBarMovesAndWritesTheValueAndIsHeardOnce) {
    struct Case {
        char const * format;
        LONG stored;
        UINT key;
        LONG after;
    };
    // clang-format off
    Case const cases[] = {
        {"|4|0|100", 50, VK_RIGHT, 51}, {"|4|0|100", 50, VK_UP, 49}, {"|4|0|100", 50, VK_NEXT, 54},
        {"|4|0|100", 50, VK_PRIOR, 46}, {"|4|0|100", 50, VK_HOME, 0}, {"|4|0|100", 50, VK_END, 96},
        {"", 3, VK_END, 8}, {"", 8, VK_DOWN, 8}, {"", 0, VK_LEFT, 0},
        {"|x|y|z", 0, VK_DOWN, 0},         // page 0 over 0 to 0
        {"|10|5|8", 7, VK_HOME, 5},         // the top -2 lies below the minimum
        {"|-8|0|16", 0, VK_END, 16},        // the range end, within the widened range
        {"|1|-2147483648|2147483647", 2147483647, VK_NEXT, 2147483646},
    };
    // clang-format on
    for (char const * cls : {"CUIScrollHorz", "CUIScrollVert"}) {
        for (Case const & c : cases) {
            SCOPED_TRACE(std::string(cls) + " " + c.format + " key " + std::to_string(c.key));
            CScrollBar * bar = ShowBar(cls, c.format, c.stored);
            EXPECT_EQ(bar->GetStyle() & 0xFFFF, std::string(cls) == "CUIScrollVert" ? 1u : 0u);
            Focus();
            ASSERT_EQ(CWnd::GetFocus(), bar);
            CAutomation::PressKey(c.key);
            EXPECT_EQ(m_item.m_level, c.after);
            EXPECT_EQ(bar->GetScrollPos(), c.after);
            EXPECT_EQ(m_item.m_heard, std::vector<std::string>{"Level"}) << "SB_ENDSCROLL is left";
            EXPECT_TRUE(m_item.IsDirty());
            m_view->DestroyWindow();
        }
    }
}

TEST_F(Scrolls, APageClickAndADraggedThumbMoveTheValueOnEitherBar) {
    for (char const * cls : {"CUIScrollHorz", "CUIScrollVert"}) {
        SCOPED_TRACE(cls);
        bool const vertical = std::string(cls) == "CUIScrollVert";
        CScrollBar * bar = ShowBar(cls, "|4|0|100", 0);
        auto along = [&](int offset) {
            CRect const client = bar->GetClientRect();
            CPoint point =
                vertical ? CPoint(client.Width() / 2, offset) : CPoint(offset, client.Height() / 2);
            bar->ClientToScreen(point);
            return point;
        };
        SCROLLBARINFO info;
        bar->GetScrollBarInfo(info);
        ASSERT_GT(info.xyThumbBottom, info.xyThumbTop) << "room for a thumb";
        CAutomation::ClickAt(along(info.xyThumbBottom + 2));
        EXPECT_EQ(m_item.m_level, 4) << "a page after the thumb";
        bar->GetScrollBarInfo(info);
        int const thumb = (info.xyThumbTop + info.xyThumbBottom) / 2;
        m_item.m_heard.clear();
        CAutomation::Drag(along(thumb), along(thumb + 1000), 4);
        EXPECT_EQ(m_item.m_level, 96);
        EXPECT_EQ(bar->GetScrollPos(), 96);
        EXPECT_GE(m_item.m_heard.size(), 2u) << "each track step and the final position";
        m_view->DestroyWindow();
    }
}

TEST_F(Scrolls, TheViewRoutesEveryCodeToTheBarsElement) {
    struct Case {
        UINT code;
        int pos;
        LONG after;
        size_t changes;
    };
    // clang-format off
    Case const cases[] = {
        {SB_THUMBTRACK, 500, 96, 1}, {SB_THUMBPOSITION, 7, 7, 1}, {SB_THUMBTRACK, 0x10007, 7, 1},
        {SB_ENDSCROLL, 0, 50, 0}, {9, 0, 50, 0}, {0xFFFF, 0, 50, 0},
    };
    // clang-format on
    for (char const * cls : {"CUIScrollHorz", "CUIScrollVert", "CUIScrollBase"}) {
        for (Case const & c : cases) {
            SCOPED_TRACE(std::string(cls) + " code " + std::to_string(c.code));
            CScrollBar * bar = ShowBar(cls, "|4|0|100", 50);
            bool const base = std::string(cls) == "CUIScrollBase";
            m_view->SendMessage(base || c.code > 8 ? WM_HSCROLL : WM_VSCROLL,
                                MAKEWPARAM(c.code, c.pos & 0xFFFF),
                                reinterpret_cast<LPARAM>(bar->GetSafeHwnd()));
            EXPECT_EQ(m_item.m_level, base ? 50 : c.after);
            EXPECT_EQ(m_item.m_heard.size(), base ? 0 : c.changes);
            m_view->DestroyWindow();
        }
    }
}
