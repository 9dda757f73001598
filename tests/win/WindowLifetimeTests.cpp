#include "CAutomation.hpp"
#include "CRecorderWnd.hpp"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// Counts its deletions, so that tests see the framework release it.
class CCountedWnd : public CRecorderWnd {
public:
    CCountedWnd(char const * name, int & deleted) : CRecorderWnd(name), m_deleted(deleted) {}
    ~CCountedWnd() override { ++m_deleted; }

private:
    int & m_deleted;
};

// Destroys itself (or another window) from inside its own handler.
class CSelfDestroyingWnd : public CRecorderWnd {
    AFX_DECLARE_CLASS(CSelfDestroyingWnd)
    AFX_DECLARE_MESSAGE_MAP()
public:
    CSelfDestroyingWnd(char const * name, int & deleted) : CRecorderWnd(name), m_deleted(deleted) {}
    ~CSelfDestroyingWnd() override { ++m_deleted; }

    void OnClose() {
        Hear("close");
        DestroyWindow();
        // The object still stands until the handler returns.
        Hear(IsWindow() ? "still a window" : "no longer a window");
    }

private:
    int & m_deleted;
};

AFX_IMPLEMENT_CLASS(CSelfDestroyingWnd, CRecorderWnd, &CWnd::AfxConstruct)
AFX_BEGIN_MESSAGE_MAP(CSelfDestroyingWnd, CRecorderWnd)
AFX_ON_MESSAGE("V-", WM_CLOSE, &CSelfDestroyingWnd::OnClose)
AFX_END_MESSAGE_MAP()

class WindowLifetime : public ::testing::Test {
protected:
    void SetUp() override {
        CAutomation::Start();
        Heard().clear();
    }
    void TearDown() override { CAutomation::Stop(); }
};

} // namespace

TEST_F(WindowLifetime, ChildrenGoFirstAndAutoDeleteObjectsAreReleased) {
    int deleted = 0;
    CRecorderWnd top("top");
    ASSERT_TRUE(top.Create(nullptr, "top", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
    auto * a = new CCountedWnd("a", deleted);
    a->SetAutoDelete(TRUE);
    ASSERT_TRUE(a->CreateChild(top, 1, 0));
    auto * b = new CCountedWnd("b", deleted);
    b->SetAutoDelete(TRUE);
    ASSERT_TRUE(b->CreateChild(*a, 2, 0));
    HWND const handle = b->GetSafeHwnd();

    top.DestroyWindow();
    EXPECT_EQ(Heard(), (Lines{"b:destroy", "b:ncdestroy", "a:destroy", "a:ncdestroy", "top:destroy",
                              "top:ncdestroy"}));
    EXPECT_EQ(deleted, 2);
    EXPECT_FALSE(top.IsWindow());
    EXPECT_EQ(top.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(CWnd::IsWindow(handle));
    EXPECT_EQ(CWnd::FromHandle(handle), nullptr);
}

TEST_F(WindowLifetime, StaleHandlesStayInvalidWhenTheirSlotIsReused) {
    CRecorderWnd first("first");
    ASSERT_TRUE(first.Create(nullptr, "", WS_POPUP, CRect(), nullptr, 0));
    HWND const stale = first.GetSafeHwnd();
    first.DestroyWindow();
    CRecorderWnd second("second");
    ASSERT_TRUE(second.Create(nullptr, "", WS_POPUP, CRect(), nullptr, 0));
    EXPECT_NE(second.GetSafeHwnd(), stale);
    EXPECT_FALSE(CWnd::IsWindow(stale));
    Heard().clear();
    // Messages to a destroyed window go nowhere and answer 0.
    CWnd * nothing = CWnd::FromHandle(stale);
    EXPECT_EQ(nothing, nullptr);
    EXPECT_FALSE(CWnd::FromHandle(nullptr));
    EXPECT_TRUE(Heard().empty());
}

TEST_F(WindowLifetime, DestroyingItselfInsideAHandlerIsSafe) {
    int deleted = 0;
    CRecorderWnd top("top");
    ASSERT_TRUE(top.Create(nullptr, "top", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    auto * self = new CSelfDestroyingWnd("self", deleted);
    self->SetAutoDelete(TRUE);
    ASSERT_TRUE(self->CreateChild(top, 1, 0));
    self->PostMessage(WM_CLOSE);
    self->PostMessage(WM_CLOSE); // queued behind the first; dropped with the window
    CAutomation::Pump();
    EXPECT_EQ(Heard(),
              (Lines{"self:close", "self:destroy", "self:ncdestroy", "self:no longer a window"}));
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(top.GetChildCount(), 0u);
}

TEST_F(WindowLifetime, OwnerDeletedObjectsTakeTheirWindowWithThem) {
    CRecorderWnd top("top");
    ASSERT_TRUE(top.Create(nullptr, "top", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    {
        CRecorderWnd child("child");
        ASSERT_TRUE(child.CreateChild(top, 3, 0));
        EXPECT_EQ(top.GetDlgItem(3), &child);
    }
    EXPECT_EQ(top.GetDlgItem(3), nullptr);
    EXPECT_EQ(top.GetChildCount(), 0u);
    // By the time the base destructor destroys the window, the derived handlers are gone.
    EXPECT_TRUE(Heard().empty());
}

TEST_F(WindowLifetime, CreationRefusesBadArguments) {
    CRecorderWnd wnd("w");
    EXPECT_FALSE(wnd.Create("NoSuchClass", "", WS_POPUP, CRect(), nullptr, 0));
    EXPECT_FALSE(wnd.Create(nullptr, "", WS_CHILD, CRect(), nullptr, 0))
        << "a child needs a parent";
    ASSERT_TRUE(wnd.Create(nullptr, "", WS_POPUP, CRect(), nullptr, 0));
    EXPECT_FALSE(wnd.Create(nullptr, "", WS_POPUP, CRect(), nullptr, 0)) << "already has one";
}

TEST_F(WindowLifetime, SentMessagesRunAtOncePostedOnesInOrderLater) {
    CRecorderWnd wnd("w");
    ASSERT_TRUE(wnd.Create(nullptr, "", WS_POPUP, CRect(), nullptr, 0));
    CAutomation::Pump();
    Heard().clear();
    wnd.PostMessage(WM_TIMER, 1);
    wnd.PostMessage(WM_TIMER, 2);
    wnd.SendMessage(WM_TIMER, 3);
    EXPECT_EQ(Heard(), (Lines{"w:timer 3"}));
    CAutomation::Pump();
    EXPECT_EQ(Heard(), (Lines{"w:timer 3", "w:timer 1", "w:timer 2"}));
}

TEST_F(WindowLifetime, GeometryAndCoordinates) {
    CRecorderWnd top("top");
    ASSERT_TRUE(top.Create(nullptr, "", WS_POPUP, CRect(100, 50, 400, 250), nullptr, 0));
    CRecorderWnd framed("framed");
    ASSERT_TRUE(framed.CreateEx(WS_EX_CLIENTEDGE, nullptr, "", WS_CHILD | WS_BORDER,
                                CRect(10, 20, 110, 70), &top, 1));
    EXPECT_EQ(framed.GetClientRect(), CRect(0, 0, 94, 44));
    EXPECT_EQ(framed.GetWindowRect(), CRect(110, 70, 210, 120));
    CPoint point(0, 0);
    framed.ClientToScreen(point);
    EXPECT_EQ(point, CPoint(113, 73));
    framed.ScreenToClient(point);
    EXPECT_EQ(point, CPoint(0, 0));
    framed.MoveWindow(0, 0, 30, 30);
    EXPECT_EQ(framed.GetClientRect(), CRect(0, 0, 24, 24));
}
