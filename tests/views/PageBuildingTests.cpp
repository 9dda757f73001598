#include "CLayFormation.hpp"
#include "CUIControl.hpp"
#include "ViewFixture.hpp"

namespace {

class PageBuilding : public ViewFixture {};

} // namespace

TEST_F(PageBuilding, TableHeadsAreTaggedByColumnCountAndDataRow) {
    CTestView & view = MakeView([](CTestView & v) {
        v.StartPage(1);
        v.StartTable("Readings", 3);
        v.AddColHead("Set");
        v.AddColHead("Now");
        v.AddColHead("Max");
        v.AddRowHead("Volts");
        v.AddUI(v.GetItem(), "root", CString("Volts"));
        v.AddUI(v.GetItem(), "root", CString("Amps"));
        v.AddUI(v.GetItem(), "root", CString("Name"));
        v.AddRowHead("Second");
        v.EndTable();
        v.EndPage(0);
    });
    EXPECT_EQ(Tags(),
              (std::vector<std::string>{"ColLabel4", "ColLabel4", "ColLabel4", "ColLabel4",
                                        "RowLabel0", "Volts", "Amps", "Name", "RowLabel1", ""}));
    for (UINT cell : {5u, 6u, 7u})
        EXPECT_EQ(view.GetElementAt(cell)->GetLabel(), "") << "table cells are unlabelled";
    std::vector<std::string> heads;
    for (UINT i = 0; i < view.GetChildCount(); ++i)
        if (view.GetChild(i)->GetID() == CUIControl::noId)
            heads.push_back(view.GetChild(i)->GetWindowText().Str());
    EXPECT_EQ(heads, (std::vector<std::string>{":", "Set:", "Now:", "Max:", "Volts:", "Second:"}))
        << "the corner is an empty head";
    EXPECT_EQ(view.PathAt(0), "root");
    EXPECT_EQ(view.FindUI("ColLabel4"), view.GetElementAt(0)) << "the first one entered";
}

TEST_F(PageBuilding, GroupsLabelTheirCellsAndFillTheirLastRow) {
    CTestView & view = MakeView([](CTestView & v) {
        v.StartPage(1);
        v.StartGroup("Output", 2);
        v.AddUI(v.GetItem(), "root", CString("Volts"));
        v.AddUI(v.GetItem(), "root", CString(""));
        v.AddUI(v.GetItem(), "root", CString("Amps"));
        EXPECT_EQ(v.GroupCells(), 3u);
        CLayFormation * group = v.Group();
        UINT const before = group->GetCount();
        v.EndGroup(1);
        EXPECT_EQ(group->GetCount(), before + 2) << "one filler cell of two blank items";
        EXPECT_EQ(v.PageCells(), 1u);
        v.EndPage(0);
    });
    EXPECT_EQ(Tags(), (std::vector<std::string>{"Volts", "Amps", ""}));
    EXPECT_EQ(view.GetElementAt(0)->GetLabel(), "Voltage:");
    EXPECT_EQ(view.PathAt(2), "") << "the group frame";
}

TEST_F(PageBuilding, TheDictionaryKeepsTheFirstElementOfATagAndTellsItemsApart) {
    CTestView & view = MakeView([](CTestView & v) {
        v.StartPage(1);
        v.StartGroup(1);
        v.AddUI(v.GetItem(), "root", CString("Volts"));
        v.AddUI(v.GetItem(), "Channel", CString("Volts"));
        v.AddElement(new CUIControl);
        v.EndGroup(0);
        v.EndPage(0);
    });
    CUIElement * device = view.GetElementAt(0);
    CUIElement * channel = view.GetElementAt(1);
    EXPECT_EQ(channel->GetItem(), &m_channel);
    EXPECT_EQ(channel->GetLabel(), "Channel voltage:") << "the channel's own schema";
    EXPECT_EQ(view.FindUI("Volts"), device);
    EXPECT_EQ(view.FindUI(&m_device, "Volts"), device);
    EXPECT_EQ(view.FindUI(&m_channel, "Volts"), channel);
    EXPECT_EQ(view.FindUI(""), nullptr) << "elements added by the caller are not entered";
    EXPECT_EQ(view.GetElementCount(), 3u);
}

TEST_F(PageBuilding, PathsLeadToTheItemOrAnItemValuedProperty) {
    CTestView & view = MakeView([](CTestView & v) {
        v.StartPage(1);
        v.StartGroup(1);
        EXPECT_EQ(v.AddUI(v.GetItem(), "Nowhere", CString("Volts")), 0);
        EXPECT_EQ(v.AddUI(v.GetItem(), "Name", CString("Volts")), 0) << "not an item";
        v.EndGroup(0);
        v.EndPage(0);
    });
    EXPECT_EQ(view.GetObjectA(&m_device, "root"), &m_device);
    EXPECT_EQ(view.GetObjectA(&m_device, "Channel"), &m_channel);
    EXPECT_EQ(view.GetObjectA(&m_device, "Ghost"), nullptr);
    m_device.m_channel = nullptr;
    EXPECT_EQ(view.GetObjectA(&m_device, "Channel"), nullptr);
    EXPECT_EQ(view.GetElementCount(), 0u);
}

TEST_F(PageBuilding, OverlaidGroupsShareOnePageCell) {
    CTestView & view = MakeView([](CTestView & v) {
        v.StartPage(2);
        v.StartOverlay();
        v.StartGroup("A", 1);
        v.AddUI(v.GetItem(), "root", CString("Volts"));
        v.EndGroup(0);
        v.StartGroup("B", 1);
        v.AddUI(v.GetItem(), "root", CString("Amps"));
        v.EndGroup(0);
        v.EndOverlay();
        EXPECT_EQ(v.PageCells(), 2u);
        v.EndPage(0);
    });
    CRect const a = view.GetElementAt(1)->GetRect();
    CRect const b = view.GetElementAt(3)->GetRect();
    EXPECT_EQ(a.TopLeft(), b.TopLeft()) << "one cell for both";
    EXPECT_FALSE(a.IsEmpty());
}

TEST_F(PageBuilding, MissingTagsAndClassesThrowWithTheirTraceLines) {
    // clang-format off
    struct Case { char const * tag; char const * line; } const cases[] = {
        {"Colour", "ERROR: Could not find tag Colour\n"},
        {"Broken", "ERROR: Could not create UI element Broken\n"},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(c.tag);
        CTraceCapture trace;
        bool thrown = false;
        CTestView & view = MakeView([&](CTestView & v) {
            v.StartPage(1);
            v.StartGroup(1);
            v.AddUI(v.GetItem(), "root", CString("Volts"));
            try {
                v.AddUI(v.GetItem(), "root", CString(c.tag));
            } catch (CResourceException const &) {
                thrown = true;
            }
            v.EndGroup(0);
            v.EndPage(0);
        });
        EXPECT_TRUE(thrown);
        ASSERT_EQ(trace.GetLines().GetCount(), 1u);
        EXPECT_EQ(trace.GetLines()[0], c.line);
        EXPECT_EQ(view.GetElementCount(), 1u) << "what was added stays";
        view.DestroyWindow();
    }
}

TEST_F(PageBuilding, BuildingOutOfOrderIsRefusedAndLeavesTheViewUsable) {
    using Step = std::function<void(CTestView &)>;
    // clang-format off
    struct Case { char const * name; Step step; } const cases[] = {
        {"AddUI before StartPage", [](CTestView & v) { v.AddUI(v.GetItem(), "root", CString("Volts")); }},
        {"StartGroup before StartPage", [](CTestView & v) { v.StartGroup(1); }},
        {"EndGroup with no group", [](CTestView & v) { v.StartPage(1); v.EndGroup(0); }},
        {"AddRowHead with no table", [](CTestView & v) { v.StartPage(1); v.AddRowHead("x"); }},
        {"a page of no columns", [](CTestView & v) { v.StartPage(0); }},
        {"a group of no columns", [](CTestView & v) { v.StartPage(1); v.StartGroup("g", 0); }},
        {"EndOverlay alone", [](CTestView & v) { v.StartPage(1); v.EndOverlay(); }},
        {"AddElement before StartPage", [](CTestView & v) { v.AddElement(new CUIControl); }},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(c.name);
        CTraceCapture trace;
        bool thrown = false;
        CTestView & view = MakeView([&](CTestView & v) {
            try {
                c.step(v);
            } catch (CResourceException const &) {
                thrown = true;
            }
            // The view goes on to build a good page.
            v.StartPage(1);
            v.StartGroup(1);
            v.AddUI(v.GetItem(), "root", CString("Volts"));
            v.EndGroup(0);
            v.EndPage(0);
        });
        EXPECT_TRUE(thrown);
        ASSERT_GE(trace.GetLines().GetCount(), 1u);
        EXPECT_TRUE(trace.GetLines()[0].Str().starts_with("ERROR: "));
        EXPECT_NE(view.FindUI("Volts"), nullptr);
        EXPECT_TRUE(view.Fits());
        view.DestroyWindow();
    }
}
