#include "CEntity.hpp"
#include "CRuntimeClass.hpp"
#include "CUIItemMultiWnd.hpp"
#include "CUIItemViewWnd.hpp"
#include "CUIPageWnd.hpp"
#include "VantorUIModule.hpp"
#include "ViewFixture.hpp"
#include "WinMessages.hpp"

namespace {

class ItemViews : public ViewFixture {
protected:
    // Creates a view of the device in the frame; the view belongs to its window.
    CViewWnd * Show(CViewWnd * view) {
        view->Attach(&m_device);
        EXPECT_TRUE(view->Create(&m_frame, CRect(0, 0, 800, 600), 20));
        CAutomation::Pump();
        return view;
    }
};

} // namespace

TEST_F(ItemViews, AnItemsOwnViewShowsPageZeroOfItsScripts) {
    // clang-format off
    struct Case {
        char const * name;
        std::function<CViewWnd *()> make;
    } const cases[] = {
        {"CreateItemView", [this] { return m_device.CreateItemView(); }},
        {"by class name", [] { CRuntimeClass const * cls = CRuntimeClass::FindClass(CEntity(VantorUIModule(), "CUIItemViewWnd")); return static_cast<CViewWnd *>(cls->NewObject(nullptr)); }},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(c.name);
        m_device.m_pages.clear();
        auto * view = static_cast<CUIViewWnd *>(Show(c.make()));
        EXPECT_EQ(m_device.m_pages, std::vector<unsigned int>{0});
        ASSERT_EQ(view->GetElementCount(), 4u);
        EXPECT_NE(view->FindUI(&m_device, "Amps"), nullptr);
        view->DestroyWindow();
    }
}

TEST_F(ItemViews, ATabbedViewAsksForOnePagePerNameFromOne) {
    auto * multi = new CUIItemMultiWnd("First,Second");
    Show(multi);
    EXPECT_EQ(m_device.m_pages, (std::vector<unsigned int>{1, 2}));
    ASSERT_EQ(multi->GetViewCount(), 2u);
    auto * second = static_cast<CUIViewWnd *>(multi->GetView(1));
    EXPECT_NE(second->FindUI("Amps"), nullptr);
    EXPECT_EQ(second->GetItem(), &m_device);

    CViewDevice other;
    multi->Attach(&other);
    EXPECT_EQ(second->GetItem(), &other);
    EXPECT_NE(second->FindUI(&other, "Amps"), nullptr);
    multi->DestroyWindow();
}

TEST_F(ItemViews, APageViewHasAFourPixelBorder) {
    auto * page = new CUIPageWnd(CEntity(ViewTestModule(), "WidePage"));
    Show(page);
    MINMAXINFO info{};
    page->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize, CPoint(page->GetMinSize().cx + 8, page->GetMinSize().cy + 8));
    EXPECT_EQ(page->GetElementCount(), 14u);
}

TEST_F(ItemViews, APageThatCannotBeBuiltWholeShowsWhatWasBuilt) {
    CTraceCapture trace;
    auto * page = new CUIPageWnd(CEntity(ViewTestModule(), "MissingTag"));
    Show(page);
    EXPECT_TRUE(trace.Contains("ERROR: Could not find tag Colour"));
    ASSERT_EQ(page->GetElementCount(), 1u);
    EXPECT_EQ(page->GetElementAt(0)->GetTag(), "Volts");
    EXPECT_TRUE(CWnd::IsWindow(page->GetSafeHwnd()));
}
