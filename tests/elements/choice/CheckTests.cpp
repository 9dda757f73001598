#include "CButton.hpp"
#include "CCairoDevice.hpp"
#include "CClientDC.hpp"
#include "CStdTools.hpp"
#include "CSurface.hpp"
#include "ChoiceFixture.hpp"
#include "KeySteps.hpp"
#include "VirtualKeys.hpp"

#include <climits>

namespace {

using Checks = ChoiceFixture;

CUIData Flag(char const * name, char const * format) {
    CUIData record = ElementRecord("CUICheck", "Flags", format);
    record.m_label = name;
    return record;
}

} // namespace

TEST_F(Checks, AClickSavesTheWholeValueOrOneBitOfIt) {
    struct Case {
        char const * format;
        LONG stored;
        int clicks;
        bool checked; // as loaded
        LONG after;
    };
    // clang-format off
    Case const cases[] = {
        {"B3", 0x09, 1, true, 0x01},
        {"B3", 0x01, 1, false, 0x09},
        {"B35", 0, 1, false, 0x08},
        {"B31", 0, 1, false, INT_MIN},
        {"B", 2, 1, false, 3},
        {"B-3", 0, 1, false, 1 << 29},
        {"B-1", 6, 1, true, 0},       // all ones: the whole value
        {"B99999999999", 0, 1, false, INT_MIN}, // saturated to INT_MAX: bit 31
        {"", 5, 2, true, 1},
        {"", 0, 1, false, 1},
        {"X3", 8, 1, true, 0},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(std::string(c.format) + " from " + std::to_string(c.stored));
        m_item.m_flags = c.stored;
        Show({Flag("Output on", c.format)});
        auto * box = static_cast<CButton *>(Control(1000));
        EXPECT_EQ(box->GetStyle() & 0xFFFF, 0x4003u);
        EXPECT_EQ(box->GetWindowText(), "Output on");
        EXPECT_EQ(box->IsChecked() != FALSE, c.checked);
        for (int i = 0; i < c.clicks; ++i)
            CAutomation::Click(box);
        EXPECT_EQ(m_item.m_flags, c.after);
        EXPECT_EQ(m_item.m_heard, std::vector<std::string>(c.clicks, "Flags"));
        EXPECT_TRUE(m_item.IsDirty());
    }
}

TEST_F(Checks, ThreeBoxesSharingAValueKeepEachOthersBitsAlsoThroughTheirTexts) {
    m_item.m_flags = 0x104;
    m_item.m_mode = 5;
    CUIData whole = ElementRecord("CUICheck", "Mode", "");
    CTestView & view = Show({Flag("Fan", "B0"), Flag("Heater", "B1"), Flag("Alarm", "B2"), whole});
    CUIElement * boxes[] = {view.GetElementAt(0), view.GetElementAt(1), view.GetElementAt(2),
                            view.GetElementAt(3)};
    CAutomation::Click(Control(1000));
    Do({Key(VK_TAB), Key(VK_SPACE)});
    EXPECT_EQ(m_item.m_flags, 0x107);
    CAutomation::Click(Control(1002));
    EXPECT_EQ(m_item.m_flags, 0x103);
    EXPECT_EQ(m_item.m_heard, (std::vector<std::string>{"Flags", "Flags", "Flags"}));
    m_item.SetDirty(FALSE);
    struct Case {
        int box; // 3: the whole value of Mode
        char const * text;
        int accepted;
        LONG flags;
        LONG mode;
        char const * shown; // by the four boxes
    };
    // clang-format off
    Case const cases[] = {
        {0, "No", 1, 0x102, 5, "No Yes No Yes"},   {2, "Y", 1, 0x106, 5, "No Yes Yes Yes"},
        {1, "1abc", 1, 0x106, 5, "No Yes Yes Yes"}, {1, "0", 1, 0x104, 5, "No No Yes Yes"},
        {0, "yes", 0, 0x104, 5, "No No Yes Yes"},   {0, "", 0, 0x104, 5, "No No Yes Yes"},
        {3, "N", 1, 0x104, 0, "No No Yes No"},      {3, "Yes", 1, 0x104, 1, "No No Yes Yes"},
        {3, "0", 1, 0x104, 0, "No No Yes No"},      {3, "1abc", 1, 0x104, 1, "No No Yes Yes"},
        {3, "true", 0, 0x104, 1, "No No Yes Yes"},  {3, "No", 1, 0x104, 0, "No No Yes No"},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_TRUE(boxes[c.box]->UseTextMode());
        EXPECT_EQ(boxes[c.box]->SetAsText(c.text), c.accepted);
        EXPECT_EQ(m_item.m_flags, c.flags);
        EXPECT_EQ(m_item.m_mode, c.mode);
        std::string shown;
        for (CUIElement * box : boxes)
            shown += (shown.empty() ? "" : " ") + box->GetAsText().Str();
        EXPECT_EQ(shown, c.shown);
    }
    EXPECT_FALSE(m_item.IsDirty()) << "the text form calls no NotifyWrite";
}

namespace {

// Reads the pixels a window's client area shows on the drawing device.
class CClientPixels : public CClientDC {
public:
    static CColor At(CWnd * wnd, CPoint point) {
        Area const area = AreaOf(wnd);
        return area.surface->GetPixel(area.origin.x + point.x, area.origin.y + point.y);
    }
};

} // namespace

TEST(CheckFocusFrame, ABoxWithoutANameFramesItselfWhileItHasTheFocus) {
    CCairoDevice device;
    CDevice::SetScreen(&device);
    CAutomation::Start();
    {
        CWnd frame;
        ASSERT_TRUE(frame.Create(nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300),
                                 nullptr, 0));
        CChoiceItem item;
        static CUIData const records[] = {ElementRecord("CUICheck", "Flags", ""),
                                          ElementRecord("CUICheck", "Mode", ""),
                                          ElementRecord("CUIDropDown", "Level", "Low|High")};
        auto * view = new CTestView;
        view->m_build = [](CTestView & v) {
            v.StartPage(1);
            v.StartGroup(1);
            v.AddUI(v.GetItem(), "root", &records[2]); // a label, so the label column has room
            CUIData unnamed = records[0];
            unnamed.m_label = "";
            v.AddUI(v.GetItem(), "root", &unnamed);
            v.AddUI(v.GetItem(), "root", &records[1]);
            v.EndGroup(0);
            v.EndPage(0);
        };
        view->Attach(&item);
        ASSERT_TRUE(view->Create(&frame, CRect(0, 0, 400, 300), 10));
        CAutomation::Pump();
        CColor const face = CStdTools::FindInstance()->GetColor(CStdTools::colorFace);
        CColor const text = CStdTools::FindInstance()->GetColor(CStdTools::colorText);
        // The middle of the left edge of the square before each box: either of two
        // neighbouring pixels takes the dotted frame's text colour.
        auto framed = [&](UINT id) {
            CRect box = view->GetDlgItem(id)->GetWindowRect();
            view->ScreenToClient(box);
            CPoint const at(box.left - 4, box.top + box.Height() / 2);
            return CClientPixels::At(view, at) == text ||
                   CClientPixels::At(view, at + CSize(0, 1)) == text;
        };
        struct Case {
            UINT click;
            bool unnamed;
            bool named;
        };
        // clang-format off
        Case const cases[] = {{1001, true, false}, {1002, false, false}, {1001, true, false}};
        // clang-format on
        for (Case const & c : cases) {
            SCOPED_TRACE(c.click);
            CAutomation::Click(view->GetDlgItem(c.click));
            EXPECT_EQ(framed(1001), c.unnamed);
            EXPECT_EQ(framed(1002), c.named);
        }
        EXPECT_EQ(item.m_flags, 0) << "two clicks";
        EXPECT_NE(face, text);
        frame.DestroyWindow();
        CAutomation::Pump();
    }
    CAutomation::Stop();
    CDevice::SetScreen(nullptr);
}
