#include "CEditCtrl.hpp"
#include "CProbeEdit.hpp"
#include "CThread.hpp"
#include "ViewFixture.hpp"
#include "VirtualKeys.hpp"
#include "WinMessages.hpp"

namespace {

using Changes = std::vector<std::pair<CItem *, std::string>>;

class ChangePropagation : public ViewFixture {
protected:
    // A group with a device number, a channel number, an editable device name and a button.
    CTestView & MakeMixedView() {
        return MakeView([](CTestView & v) {
            static CUIData const name = CProbeEdit::Record("Name");
            v.StartPage(1);
            v.StartGroup(1);
            v.AddUI(v.GetItem(), "root", CString("Volts"));
            v.AddUI(v.GetItem(), "Channel", CString("Volts"));
            v.AddUI(v.GetItem(), "root", &name);
            v.AddButton("Reset", 0x7F05);
            v.EndGroup(0);
            v.EndPage(0);
        });
    }
    CProbeEdit & NameEditor() { return *static_cast<CProbeEdit *>(m_view->FindUI("Name")); }
    CWnd * ChildWithText(char const * text) {
        for (UINT i = 0; i < m_view->GetChildCount(); ++i)
            if (m_view->GetChild(i)->GetWindowText() == text)
                return m_view->GetChild(i);
        ADD_FAILURE() << "no child shows " << text;
        return m_view;
    }
};

// A window that records the commands posted to it.
class CCommandSink : public CWnd {
    AFX_DECLARE_CLASS(CCommandSink)
    AFX_DECLARE_MESSAGE_MAP()
public:
    std::vector<UINT> m_commands;

protected:
    BOOL OnCommand(UINT id, UINT, CWnd &) {
        m_commands.push_back(id);
        return TRUE;
    }
};

AFX_IMPLEMENT_CLASS(CCommandSink, CWnd, nullptr)
AFX_BEGIN_MESSAGE_MAP(CCommandSink, CWnd)
AFX_ON_MESSAGE("C-5W6W2w", WM_COMMAND, &CCommandSink::OnCommand)
AFX_END_MESSAGE_MAP()

} // namespace

TEST_F(ChangePropagation, EnablePassesReachEachItemOnceAndTheViewsItemLast) {
    CTestView & view = MakeMixedView();
    EXPECT_EQ(view.m_changes, (Changes{{&m_channel, ""}, {&m_device, ""}})) << "at creation";
    view.m_changes.clear();
    view.ShowWindow(SW_HIDE);
    view.ShowWindow(SW_SHOW);
    EXPECT_EQ(view.m_changes, (Changes{{&m_channel, ""}, {&m_device, ""}})) << "when shown";
    EXPECT_EQ(m_channel.m_heard.size(), 2u);
}

TEST_F(ChangePropagation, AViewWithoutElementsStillTellsItsItem) {
    CTestView & view = MakeView([](CTestView & v) {
        v.StartPage(1);
        v.EndPage(0);
    });
    view.m_changes.clear();
    view.SendEnable();
    view.SendMessage(WM_COMMAND, 0x7F05, 0);
    EXPECT_EQ(view.m_changes, (Changes{{&m_device, ""}}));
}

TEST_F(ChangePropagation, AButtonCommandReachesEachDistinctItemOnceInElementOrder) {
    CTestView & view = MakeMixedView();
    view.m_changes.clear();
    ASSERT_TRUE(CAutomation::ClickItem(&view, 0x7F05));
    EXPECT_EQ(view.m_changes, (Changes{{&m_device, "Button7F05"}, {&m_channel, "Button7F05"}}));
    EXPECT_EQ(m_device.m_heard.back(), (CHeardChange{&m_device, "Button7F05"}));
}

TEST_F(ChangePropagation, CommandsFromMenusGoToTheMainWindowAndStrangersAreLeft) {
    CTestView & view = MakeMixedView();
    CCommandSink main;
    ASSERT_TRUE(main.Create(nullptr, "main", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    CThread::FindInstance()->SetMainWnd(&main);
    view.m_changes.clear();
    view.SendMessage(WM_COMMAND, 0x8001, 0);
    view.SendMessage(WM_COMMAND, 0x7EFF, 0); // below the buttons and outside the elements
    view.SendMessage(WM_COMMAND, MAKEWPARAM(999, 0), 0);
    CAutomation::Pump();
    EXPECT_EQ(main.m_commands, std::vector<UINT>{0x8001});
    EXPECT_TRUE(view.m_changes.empty());
    CThread::FindInstance()->SetMainWnd(nullptr);
    main.DestroyWindow();
}

TEST_F(ChangePropagation, AnEditCommittedByTabOrReturnIsSavedAndTheItemReacts) {
    struct Case {
        char const * name;
        UINT key;
    } const cases[] = {{"Tab", VK_TAB}, {"Return", VK_RETURN}};
    for (Case const & c : cases) {
        SCOPED_TRACE(c.name);
        m_device.m_name = "PSU";
        m_device.m_heard.clear();
        m_device.m_react = [](CUIViewWnd * view, CViewDevice &, CString const & tag) {
            if (tag == "Name")
                view->EnableUI("Volts", FALSE);
        };
        CTestView & view = MakeMixedView();
        view.m_changes.clear();
        CEditCtrl & edit = *NameEditor().GetEdit();
        EXPECT_EQ(edit.GetWindowText(), "PSU");
        CAutomation::Click(&edit);
        CAutomation::PressKey(VK_END);
        CAutomation::TypeText("-2");
        CAutomation::PressKey(c.key);
        EXPECT_EQ(m_device.m_name, "PSU-2");
        EXPECT_EQ(view.m_changes, (Changes{{&m_device, "Name"}}));
        EXPECT_FALSE(ChildWithText("12 V")->IsWindowEnabled()) << "the item disabled Volts";
        m_device.m_react = nullptr;
        view.DestroyWindow();
    }
}

TEST_F(ChangePropagation, ReturnWithNoFocusedControlChangesNothing) {
    CTestView & view = MakeMixedView();
    view.m_changes.clear();
    view.SendMessage(WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(view.m_changes.empty());
}

TEST_F(ChangePropagation, TaggedOperationsFindTheirElementOrAnswerFalse) {
    CTestView & view = MakeMixedView();
    CUIElement * volts = view.FindUI("Volts");
    CUIElement * channelVolts = view.FindUI(&m_channel, "Volts");
    EXPECT_TRUE(view.EnableUI(&m_channel, "Volts", FALSE));
    EXPECT_TRUE(view.ShowUI("Volts", FALSE));
    EXPECT_FALSE(volts->IsVisible());
    EXPECT_TRUE(channelVolts->IsVisible());
    EXPECT_FALSE(view.UpdateUI("Colour"));
    EXPECT_FALSE(view.EnableUI("Colour", TRUE));
    EXPECT_FALSE(view.ShowUI(&m_device, "Colour", TRUE));
    EXPECT_FALSE(view.RenameUI("Colour", "x"));
    view.m_changes.clear();
    view.EnableUI(&m_channel, TRUE);
    EXPECT_EQ(view.m_changes, (Changes{{&m_channel, ""}})) << "a blanket enable re-applies rules";
    view.EnableUI(&m_channel, FALSE);
    EXPECT_EQ(view.m_changes.size(), 1u);
}

TEST_F(ChangePropagation, AttachingAnotherItemOfTheClassRebindsTheElements) {
    CTestView & view = MakeMixedView();
    CViewDevice other;
    other.m_name = "Other";
    other.m_channel = &m_channel;
    view.m_changes.clear();
    view.Attach(&other);
    EXPECT_EQ(view.FindUI(&other, "Name"), &NameEditor());
    EXPECT_EQ(view.FindUI(&m_device, "Name"), nullptr);
    EXPECT_EQ(NameEditor().GetEdit()->GetWindowText(), "Other");
    EXPECT_EQ(view.FindUI(&other, "ColLabel1"), nullptr);
    EXPECT_EQ(view.m_changes, (Changes{{&m_channel, ""}, {&other, ""}}));
    view.Attach(&m_device);
}

TEST_F(ChangePropagation, AnElementWhosePathLeadsNowhereLetsGoOfTheOldItem) {
    CTestView & view = MakeMixedView();
    CUIElement * channelVolts = view.FindUI(&m_channel, "Volts");
    auto * channel = new CViewChannel;
    CViewDevice withChannel;
    withChannel.m_channel = channel;
    view.Attach(&withChannel);
    ASSERT_EQ(view.FindUI(channel, "Volts"), channelVolts);
    CViewDevice without;
    view.m_changes.clear();
    view.Attach(&without);
    delete channel;
    EXPECT_EQ(channelVolts->GetItem(), nullptr);
    EXPECT_EQ(channelVolts->GetDataAccess(), nullptr);
    EXPECT_EQ(view.m_changes, (Changes{{&without, ""}})) << "no pass reaches the freed item";
    view.UpdateUI();
    view.EnableUI(TRUE);
    CAutomation::Click(ChildWithText("Reset"));
    view.Attach(&m_device);
    EXPECT_EQ(view.FindUI(&m_channel, "Volts"), channelVolts) << "bound again";
}

TEST_F(ChangePropagation, ANotificationReachesOnlyTheElementThatTookItsIdentifier) {
    CTestView & view = MakeView([](CTestView & v) {
        static CUIData const records[] = {CProbeEdit::Record("Name"), CProbeEdit::Record("Volts"),
                                          CProbeEdit::Record("Colour")};
        v.StartPage(1);
        v.StartGroup(1);
        for (CUIData const & record : records)
            v.AddUI(v.GetItem(), "root", &record);
        v.EndGroup(0);
        v.EndPage(0);
    });
    auto probe = [&view](char const * tag) { return static_cast<CProbeEdit *>(view.FindUI(tag)); };
    CAutomation::Click(probe("Colour")->GetEdit());
    CAutomation::TypeText("x");
    CAutomation::Click(probe("Name")->GetEdit());
    EXPECT_EQ(probe("Volts")->m_offered, 0);
    EXPECT_GT(probe("Colour")->m_offered, 0);
    EXPECT_GT(probe("Name")->m_offered, 0);
}

TEST_F(ChangePropagation, AControlTakingTheFocusMakesItsViewCurrent) {
    auto build = [](CTestView & v) {
        static CUIData const name = CProbeEdit::Record("Name");
        v.StartPage(1);
        v.StartGroup(1);
        v.AddUI(v.GetItem(), "root", &name);
        v.EndGroup(0);
        v.EndPage(0);
    };
    CTestView & left = MakeView(build, CRect(0, 0, 400, 600));
    CTestView & right = MakeView(build, CRect(400, 0, 800, 600));
    CAutomation::Click(static_cast<CProbeEdit *>(right.FindUI("Name"))->GetEdit());
    EXPECT_TRUE(right.IsCurrent());
    CAutomation::Click(static_cast<CProbeEdit *>(left.FindUI("Name"))->GetEdit());
    EXPECT_TRUE(left.IsCurrent());
    EXPECT_FALSE(right.IsCurrent());
}
