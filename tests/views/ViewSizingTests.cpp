#include "ViewFixture.hpp"
#include "WinMessages.hpp"

namespace {

class ViewSizing : public ViewFixture {
protected:
    CTestView & MakeGroupView(CRect const & border = CRect()) {
        m_border = border;
        return MakeView([this](CTestView & v) {
            v.SetBorder(m_border);
            v.StartPage(1);
            v.StartGroup("Output", 1);
            v.AddUI(v.GetItem(), "root", CString("Volts"));
            v.AddUI(v.GetItem(), "root", CString("Amps"));
            v.EndGroup(0);
            v.EndPage(0);
        });
    }
    std::vector<int> Visible() const {
        std::vector<int> visible;
        for (UINT i = 0; i < m_view->GetElementCount(); ++i)
            visible.push_back(m_view->GetElementAt(i)->IsVisible());
        return visible;
    }
    CRect m_border;
};

} // namespace

TEST_F(ViewSizing, TrackSizesAreTheLayoutsPlusTheBorder) {
    CTestView & bare = MakeGroupView();
    MINMAXINFO plain{};
    bare.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&plain));
    EXPECT_EQ(plain.ptMinTrackSize, CPoint(bare.GetMinSize().cx, bare.GetMinSize().cy));
    bare.DestroyWindow();

    CTestView & framed = MakeGroupView(CRect(10, 10, 10, 10));
    MINMAXINFO info{};
    info.ptMaxPosition = CPoint(3, 4);
    framed.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize,
              CPoint(plain.ptMinTrackSize.x + 20, plain.ptMinTrackSize.y + 20));
    EXPECT_EQ(info.ptMaxTrackSize.x, framed.GetMaxSize().cx + 20);
    EXPECT_EQ(info.ptMaxPosition, CPoint(3, 4)) << "the other members stay";
    EXPECT_EQ(framed.GetUIRect(), CRect(10, 10, 790, 590));
}

TEST_F(ViewSizing, ATooSmallWindowHidesEveryElementUntilItGrowsBack) {
    CTestView & view = MakeGroupView();
    CSize const min = view.GetMinSize();
    EXPECT_TRUE(view.Fits());
    EXPECT_TRUE(view.ShowUI("Amps", FALSE)) << "an item hides one element";

    view.MoveWindow(CRect(0, 0, min.cx - 1, min.cy));
    EXPECT_FALSE(view.Fits());
    EXPECT_EQ(Visible(), (std::vector<int>{0, 0, 0}));
    EXPECT_TRUE(view.ShowUI("Volts", TRUE));
    EXPECT_FALSE(view.FindUI("Volts")->IsVisible()) << "not while the window is too small";
    view.ShowUI(&m_device, TRUE);
    EXPECT_TRUE(view.FindUI("Volts")->IsVisible()) << "the item form shows all the same";
    view.ShowUI(&m_device, FALSE);

    view.MoveWindow(CRect(CPoint(0, 0), min));
    EXPECT_TRUE(view.Fits());
    EXPECT_EQ(Visible(), (std::vector<int>{1, 1, 1})) << "including the one the item hid";
    view.MoveWindow(CRect(0, 0, 0, 0));
    EXPECT_FALSE(view.Fits()) << "a zero-size client is laid out like any other";
}

TEST_F(ViewSizing, AViewWithoutAPageLeavesSizingAndErasingAlone) {
    CTestView & view = MakeView(nullptr);
    MINMAXINFO info{};
    info.ptMinTrackSize = CPoint(7, 8);
    view.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize, CPoint(7, 8));
    view.MoveWindow(CRect(0, 0, 10, 10));
    EXPECT_FALSE(view.Fits());
    EXPECT_EQ(view.GetElementCount(), 0u);
}
