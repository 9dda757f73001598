#include "CAutomation.hpp"
#include "CCairoDevice.hpp"
#include "CIPAddrCtrl.hpp"
#include "CImageCompare.hpp"
#include "CInput.hpp"
#include "CReferencePicture.hpp"
#include "CScrollBar.hpp"
#include "CStdTools.hpp"
#include "CTabCtrl.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

// The scroll bar, address and tab controls painted on the Cairo device in each of their
// states, compared with stored reference pictures (VANTOR_UPDATE_REFERENCES=1 writes them
// anew).

namespace {

class MiscPictures : public ::testing::Test {
protected:
    void SetUp() override {
        CDevice::SetScreen(&m_device);
        CAutomation::Start();
    }
    void TearDown() override {
        m_top.DestroyWindow();
        CAutomation::Pump();
        CInput::ReleaseAll();
        CAutomation::Stop();
        CDevice::SetScreen(nullptr);
    }

    CWnd & Top(CSize size) {
        EXPECT_TRUE(
            m_top.Create(nullptr, "", WS_POPUP | WS_VISIBLE, CRect(CPoint(), size), nullptr, 0));
        return m_top;
    }

    template <class Control>
    Control * Add(DWORD style, CRect const & rect, char const * text = "") {
        auto * control = new Control;
        EXPECT_TRUE(control->Create(text, style | WS_VISIBLE, rect, &m_top, m_nextId++));
        return control;
    }

    static CScrollBar * Bar(CScrollBar * bar, int min, int max, UINT page, int pos) {
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = min;
        info.nMax = max;
        info.nPage = page;
        info.nPos = pos;
        bar->SetScrollInfo(info);
        return bar;
    }

    static void Press(CWnd * wnd, CPoint client) {
        wnd->ClientToScreen(client);
        CInput::MouseMove(client);
        CInput::MouseDown(client, CInput::buttonLeft);
        CAutomation::Pump();
    }

    // Paints the window and compares its picture with the reference of that name.
    void Check(char const * name) {
        CImageCompare::Image const drawn =
            CheckReferencePicture(m_top, VANTOR_REFERENCE_DIR, VANTOR_OUTPUT_DIR, name);
        // A picture of the face colour alone would show that nothing was drawn.
        CColor const face = CStdTools::FindInstance()->GetColor(CStdTools::colorFace);
        int const plain =
            static_cast<int>(std::count(drawn.pixels.begin(), drawn.pixels.end(), face));
        EXPECT_LT(plain, static_cast<int>(drawn.pixels.size()) * 19 / 20) << name;
    }

    CCairoDevice m_device{"DejaVu Sans"};
    CWnd m_top;
    UINT m_nextId = 100;
};

} // namespace

TEST_F(MiscPictures, ScrollBarsAtRest) {
    Top(CSize(260, 140));
    Bar(Add<CScrollBar>(SBS_HORZ, CRect(10, 10, 210, 27)), 0, 100, 0, 30);
    Bar(Add<CScrollBar>(SBS_HORZ, CRect(10, 35, 210, 52)), 0, 99, 25, 75);
    Bar(Add<CScrollBar>(SBS_HORZ, CRect(10, 60, 210, 77)), 0, 0, 0, 0);
    CScrollBar * disabled = Bar(Add<CScrollBar>(SBS_HORZ, CRect(10, 85, 210, 102)), 0, 100, 0, 50);
    disabled->EnableWindow(FALSE);
    Bar(Add<CScrollBar>(SBS_HORZ, CRect(10, 110, 60, 127)), 0, 100, 0, 50);
    CScrollBar * focused =
        Bar(Add<CScrollBar>(SBS_VERT | WS_TABSTOP, CRect(225, 10, 242, 130)), 0, 10, 0, 4);
    focused->SetFocus();
    Check("scrollbars");
}

TEST_F(MiscPictures, AScrollBarWithItsArrowHeld) {
    Top(CSize(220, 27));
    CScrollBar * bar = Bar(Add<CScrollBar>(SBS_HORZ, CRect(10, 5, 210, 22)), 0, 100, 0, 30);
    Press(bar, CPoint(8, 8));
    Check("scrollbar-arrow-held");
}

TEST_F(MiscPictures, AScrollBarWithItsPageAreaHeld) {
    Top(CSize(27, 220));
    CScrollBar * bar = Bar(Add<CScrollBar>(SBS_VERT, CRect(5, 10, 22, 210)), 0, 100, 0, 30);
    Press(bar, CPoint(8, 150));
    Check("scrollbar-page-held");
}

TEST_F(MiscPictures, AScrollBarWithItsThumbDragged) {
    Top(CSize(220, 27));
    CScrollBar * bar = Bar(Add<CScrollBar>(SBS_HORZ, CRect(10, 5, 210, 22)), 0, 100, 0, 0);
    Press(bar, CPoint(25, 8));
    CPoint to(105, 8);
    bar->ClientToScreen(to);
    CAutomation::MoveMouse(to);
    Check("scrollbar-thumb-dragged");
}

TEST_F(MiscPictures, AddressControls) {
    Top(CSize(180, 110));
    Add<CIPAddrCtrl>(0, CRect(10, 10, 170, 32));
    Add<CIPAddrCtrl>(0, CRect(10, 40, 170, 62), "192.168.100.1");
    CIPAddrCtrl * disabled = Add<CIPAddrCtrl>(0, CRect(10, 70, 90, 92), "10.0.0.1");
    disabled->EnableWindow(FALSE);
    CIPAddrCtrl * focused = Add<CIPAddrCtrl>(WS_TABSTOP, CRect(95, 70, 170, 92), "1.2.3.4");
    focused->SetFieldFocus(1);
    Check("ipaddress");
}

TEST_F(MiscPictures, TabControls) {
    Top(CSize(250, 190));
    CTabCtrl * tabs = Add<CTabCtrl>(WS_TABSTOP, CRect(10, 10, 240, 90));
    tabs->InsertItem(0, "General");
    tabs->InsertItem(1, "Limits");
    tabs->InsertItem(2, "Network");
    tabs->SetCurSel(1);
    tabs->SetFocus();
    CTabCtrl * disabled = Add<CTabCtrl>(0, CRect(10, 100, 240, 180));
    disabled->InsertItem(0, "Output");
    disabled->InsertItem(1, "Display");
    disabled->EnableWindow(FALSE);
    Check("tabs");
}
