#include "CEntity.hpp"
#include "CLayFormGrid.hpp"
#include "VantorOemStrings.hpp"
#include "ViewFixture.hpp"

namespace {

class PageScripts : public ViewFixture {
protected:
    // Builds the view from a script of the test library, embedded in a page of `cols`
    // columns or (cols 0) as the whole page; records whether building threw.
    CTestView & Run(char const * script, unsigned int cols) {
        return MakeView([this, script, cols](CTestView & v) {
            try {
                if (cols)
                    v.StartPage(cols);
                m_loaded = v.LoadPage(v.GetItem(), CEntity(ViewTestModule(), script), cols != 0);
                if (cols)
                    v.EndPage(0);
            } catch (CResourceException const &) {
                m_thrown = true;
            }
        });
    }
    int m_loaded = -1;
    bool m_thrown = false;
};

void Shout(CString & text) {
    text = CString("[") + text + "]";
}

} // namespace

TEST_F(PageScripts, AWholePageScriptBuildsGroupsAndTablesOverPaths) {
    VantorOemFunction const before = VantorSetOemStrings(&Shout);
    CTestView & view = Run("WidePage", 0);
    VantorSetOemStrings(before);
    EXPECT_EQ(m_loaded, 1);
    EXPECT_FALSE(m_thrown);
    EXPECT_EQ(Tags(), (std::vector<std::string>{"Volts", "", "Volts", "", "ColLabel3", "ColLabel3",
                                                "ColLabel3", "RowLabel0", "Volts", "Name",
                                                "RowLabel1", "Volts", "Name", ""}));
    EXPECT_EQ(view.GetElementAt(2)->GetItem(), &m_channel);
    EXPECT_EQ(view.GetElementAt(11)->GetItem(), &m_channel);
    EXPECT_EQ(view.GetElementAt(8)->GetLabel(), "") << "a table cell";
    EXPECT_EQ(view.PageCells(), 4u) << "three groups and one filler in a two-column page";
    std::vector<std::string> frames;
    for (UINT i = 0; i < view.GetChildCount(); ++i)
        if ((view.GetChild(i)->GetStyle() & 0xF) == BS_GROUPBOX)
            frames.push_back(view.GetChild(i)->GetWindowText().Str());
    EXPECT_EQ(frames, (std::vector<std::string>{"[Left]", "[Right]", "Table title"}))
        << "group titles pass the host's substitution, table titles do not";
}

TEST_F(PageScripts, EmbeddedScriptsMayWidenTheirPageOnlyBeforeTheFirstCell) {
    struct Case {
        unsigned int pageCols;
        UINT expectedCols;
    } const cases[] = {{1, 2}, {2, 2}, {4, 4}};
    for (Case const & c : cases) {
        SCOPED_TRACE(c.pageCols);
        CTestView & view = Run("EmbeddedRules", c.pageCols);
        EXPECT_FALSE(m_thrown);
        auto * grid = dynamic_cast<CLayFormGrid *>(view.Root());
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(grid->GetColumnCount(), c.expectedCols) << "P:3 after a group is ignored";
        EXPECT_EQ(Tags(), (std::vector<std::string>{"Volts", "Amps", "Name"}));
        CRect const volts = view.GetElementAt(0)->GetRect();
        CRect const amps = view.GetElementAt(1)->GetRect();
        EXPECT_EQ(amps, view.GetElementAt(2)->GetRect()) << "overlaid";
        EXPECT_EQ(volts.top, amps.top) << "one row";
        view.DestroyWindow();
    }
}

TEST_F(PageScripts, BadScriptsAreRefusedWithATraceLine) {
    // clang-format off
    struct Case {
        char const * script;
        unsigned int pageCols;
        int loaded;
        bool thrown;
        char const * line;
        std::vector<std::string> tags;
    } const cases[] = {
        {"Nope", 1, 0, false, "ERROR: Can't load UI page Nope\n", {}},
        {"ZeroColumns", 0, -1, true, "ERROR: UI page ZeroColumns: a P line needs at least one column\n", {}},
        {"RowWithoutTable", 0, -1, true, "ERROR: UI page RowWithoutTable: an R line with no table open\n", {}},
        {"MissingTag", 0, -1, true, "ERROR: Could not find tag Colour\n", {"Volts"}},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(c.script);
        m_loaded = -1;
        m_thrown = false;
        CTraceCapture trace;
        CTestView & view = Run(c.script, c.pageCols);
        EXPECT_EQ(m_loaded, c.loaded);
        EXPECT_EQ(m_thrown, c.thrown);
        ASSERT_EQ(trace.GetLines().GetCount(), 1u);
        EXPECT_EQ(trace.GetLines()[0], c.line);
        EXPECT_EQ(Tags(), c.tags);
        view.DestroyWindow();
    }
}
