#include "CAutomation.hpp"
#include "CCairoDevice.hpp"
#include "CDisplay.hpp"
#include "CPaintDC.hpp"
#include "CSurface.hpp"
#include "CWnd.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Paints its client area black.
class CInkWnd : public CWnd {
    AFX_DECLARE_CLASS(CInkWnd)
    AFX_DECLARE_MESSAGE_MAP()
protected:
    void OnPaint() {
        CPaintDC dc(this);
        dc.FillRect(GetClientRect(), CBrush(CColor::black));
    }
};

AFX_IMPLEMENT_CLASS(CInkWnd, CWnd, &CWnd::AfxConstruct)
AFX_BEGIN_MESSAGE_MAP(CInkWnd, CWnd)
AFX_ON_MESSAGE("V-", WM_PAINT, &CInkWnd::OnPaint)
AFX_END_MESSAGE_MAP()

// Keeps the colours of chosen points of each picture it is handed.
class CSamplingDisplay : public CDisplay {
public:
    std::vector<CPoint> m_points;
    std::vector<std::vector<CColor>> m_samples;

    void WindowCreated(HWND, CRect const &, DWORD, char const *) override {}
    void WindowDestroyed(HWND) override {}
    void WindowMoved(HWND, CRect const &) override {}
    void WindowShown(HWND, bool) override {}
    void CaptionChanged(HWND, char const *) override {}
    void Present(HWND, CSurface const & picture) override {
        LONG stride = 0;
        EXPECT_NE(picture.GetBits(stride), nullptr);
        EXPECT_GE(stride, picture.GetSize().cx * 4);
        std::vector<CColor> sample;
        for (CPoint point : m_points)
            sample.push_back(picture.GetPixel(point.x, point.y));
        m_samples.push_back(sample);
    }
    bool WaitEvents(int) override { return false; }
};

} // namespace

// A window repainted in part hands the display a picture whose other parts still show what
// was painted there before, children included.
TEST(PresentedPicture, APartialRepaintKeepsTheRestOfThePicture) {
    CCairoDevice device;
    CDevice::SetScreen(&device);
    CSamplingDisplay display;
    display.m_points = {CPoint(30, 30), CPoint(120, 30), CPoint(80, 80)};
    CDisplay::SetCurrent(&display);
    CAutomation::Start();
    {
        CWnd main;
        ASSERT_TRUE(
            main.Create(nullptr, "Main", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
        CInkWnd left;
        CInkWnd right;
        ASSERT_TRUE(
            left.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 50, 50), &main, 1));
        ASSERT_TRUE(
            right.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(100, 10, 140, 50), &main, 2));
        CAutomation::Pump();
        main.InvalidateRect(CRect(0, 0, 60, 60), TRUE);
        CAutomation::Pump();
        main.DestroyWindow();
    }
    CAutomation::Stop();
    CDisplay::SetCurrent(nullptr);
    CDevice::SetScreen(nullptr);

    ASSERT_EQ(display.m_samples.size(), 2u);
    for (std::vector<CColor> const & sample : display.m_samples) {
        EXPECT_EQ(sample[0], CColor::black) << "the repainted child";
        EXPECT_EQ(sample[1], CColor::black) << "the child outside the repainted part";
        EXPECT_NE(sample[2], CColor::black) << "the parent's own background";
    }
}
