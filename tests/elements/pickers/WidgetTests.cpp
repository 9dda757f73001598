#include "CMenuButton.hpp"
#include "PickerFixture.hpp"

namespace {

class MoreButton : public PickerTest {};

// A menu button of entries on a visible frame.
class MenuButton : public PickerTest {
protected:
    CMenuButton & Make(std::vector<char const *> entries) {
        if (!m_frame.GetSafeHwnd())
            m_frame.Create(nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr,
                           0);
        auto * button = new CMenuButton;
        for (char const * entry : entries)
            button->AddString(entry);
        EXPECT_TRUE(button->Create(CRect(10, 10, 110, 35), &m_frame, 50));
        CAutomation::Pump();
        return *button;
    }
};

} // namespace

TEST_F(MoreButton, EveryPressReportsOneChangeAndWritesNothing) {
    m_item.m_path = "kept";
    Show(ElementRecord("CUIMoreButton", "Path", "", "More"));
    EXPECT_EQ(Control(1000)->GetWindowText(), "More");
    for (int i = 0; i < 3; ++i)
        CAutomation::Click(Control(1000));
    EXPECT_EQ(m_item.m_heard, (Texts{"Path", "Path", "Path"}));
    EXPECT_EQ(m_view->m_changes.size(), 3u);
    EXPECT_EQ(m_item.m_path, "kept");
    EXPECT_FALSE(m_item.IsDirty());
}

TEST_F(MenuButton, ChoosesEntriesByIndexAndIsSizedByTheWidestText) {
    // clang-format off
    struct Row { std::vector<char const *> entries; UINT command; BOOL chosen; UINT selection; LONG width; };
    Row const rows[] = {
        {{"A", "-", "B"}, 101, TRUE, 1, 7 + 20}, {{"A", "-", "-", "Bc", "C"}, 102, TRUE, 2, 14 + 20},
        {{"A", "~Hidden", "B"}, 102, TRUE, 2, 42 + 20}, {{"A", "~H", "B"}, 101, FALSE, 0, 7 + 20},
        {{"A", "!Disabled", "B"}, 101, FALSE, 0, 56 + 20},
    };
    // clang-format on
    for (Row const & row : rows) {
        CMenuButton & button = Make(row.entries);
        EXPECT_EQ(button.GetSize(), CSize(row.width, 13));
        CAutomation::OnNextModal(CAutomation::ChooseMenuItem(row.command));
        EXPECT_EQ(button.ShowMenu(), row.chosen) << row.command;
        EXPECT_EQ(button.GetData(), row.selection) << row.command;
        button.DestroyWindow();
    }
}

TEST_F(MenuButton, EntriesAreDisabledOnceAndBadIndexesChangeNothing) {
    EXPECT_EQ(Make({}).GetSize(), CSize(20, 0));
    EXPECT_FALSE(Make({}).ShowMenu());
    CMenuButton & button = Make({"A", "-", "B"});
    button.Enable(1, FALSE);
    button.Enable(1, FALSE);
    button.Enable(1, TRUE);
    button.Enable(7, FALSE);
    button.SetData(5);
    button.EnableWindow(FALSE);
    button.EnableWindow(TRUE);
    EXPECT_EQ(button.GetData(), 5u);
    CAutomation::OnNextModal(CAutomation::ChooseMenuItem(101));
    EXPECT_TRUE(button.ShowMenu());
    EXPECT_EQ(button.GetData(), 1u);
    button.Enable(0, FALSE);
    CAutomation::OnNextModal(CAutomation::ChooseMenuItem(100));
    EXPECT_FALSE(button.ShowMenu());
}
