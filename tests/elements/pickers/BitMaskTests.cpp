#include "CButton.hpp"
#include "PickerFixture.hpp"
#include "SystemMetrics.hpp"
#include "VirtualKeys.hpp"

#include <functional>

namespace {

// The first window below `root` (depth first) with a text.
CWnd * FindText(CWnd & root, char const * text) {
    for (UINT i = 0; i < root.GetChildCount(); ++i) {
        CWnd & child = *root.GetChild(i);
        if (child.GetWindowText() == text)
            return &child;
        if (CWnd * found = FindText(child, text))
            return found;
    }
    return nullptr;
}

std::string Names(int count) {
    std::string format = "4";
    for (int i = 0; i < count; ++i)
        format += "|N" + std::to_string(i);
    return format;
}

class BitMask : public PickerTest {};

} // namespace

TEST_F(BitMask, FieldShowsTheNamesOfTheSetBits) {
    // clang-format off
    struct Row { std::string format; LONG stored; char const * shown; };
    Row const rows[] = {
        {"|R|W|X", 5, "RX"}, {"4|Read|Write|Execute", 0, ""}, {"|Save & Exit|B", 3, "Save & ExitB"},
        {"|A", 0x70000001, "A"}, {"", -1, ""}, {"0|A||C", 7, "AC"}, {Names(40), 0x3, "N38N39"},
        {Names(40), static_cast<LONG>(0x80000000), "N8"}, {"-5|A", 1, "A"},
    };
    // clang-format on
    for (Row const & row : rows) {
        m_item.m_number = row.stored;
        Show(ElementRecord("CUIBitMask", "Number", row.format.c_str()));
        EXPECT_EQ(Control(1000)->GetWindowText(), row.shown) << row.format;
    }
}

TEST_F(BitMask, DialogReportsAChangeOnOkAndNothingOnCancel) {
    // clang-format off
    struct Row { bool ok; LONG after; Texts heard; };
    Row const rows[] = {
        {true, 0x70000005, {"Number"}}, {false, 0x70000005, {}},
    };
    // clang-format on
    for (Row const & row : rows) {
        m_item.m_number = 0x70000005;
        Show(ElementRecord("CUIBitMask", "Number", "|R|W|X", "Level"));
        std::string caption;
        CAutomation::OnNextModal([&](CWnd & modal) {
            caption = modal.GetWindowText().Str();
            if (row.ok)
                CAutomation::ClickItem(&modal, IDOK);
            else
                CAutomation::PressKey(VK_ESCAPE);
        });
        Press();
        EXPECT_EQ(caption, "Edit Level");
        EXPECT_EQ(m_item.m_number, row.after);
        EXPECT_EQ(m_item.m_heard, row.heard);
    }
}

TEST_F(BitMask, DialogTicksNamedBitsInColumnsAndKeepsTheOthers) {
    if (!CRuntimeClass::FindClass(CEntity(VantorUIModule(), "CUICheck")))
        GTEST_SKIP() << "the library has no check box element";
    // The row ticks one check box and confirms; `sameRow` names two boxes in one row of the
    // grid, `below` a box below the first.
    // clang-format off
    struct Row { char const * format; LONG stored; char const * tick; LONG after; char const * shown; Texts sameRow; char const * below; };
    Row const rows[] = {
        {"4|A|B|C|D|E", 0x100, "A", 0x110, "A", {"A", "D"}, "E"},
        {"0|A|B", 0, "B", 1, "B", {"A", "A"}, "B"},
        {"-1|A|Save & Exit|C", 2, "Save && Exit", 0, "", {"A", "C"}, nullptr},
        {"10000|A|B", 3, "A", 1, "B", {"A", "B"}, nullptr},
    };
    // clang-format on
    for (Row const & row : rows) {
        m_item.m_number = row.stored;
        Show(ElementRecord("CUIBitMask", "Number", row.format));
        CAutomation::OnNextModal([&](CWnd & modal) {
            CWnd * first = FindText(modal, row.sameRow[0].c_str());
            CWnd * second = FindText(modal, row.sameRow[1].c_str());
            ASSERT_TRUE(first && second && FindText(modal, row.tick));
            EXPECT_EQ(first->GetWindowRect().top, second->GetWindowRect().top);
            if (CWnd * below = row.below ? FindText(modal, row.below) : nullptr) {
                EXPECT_GT(below->GetWindowRect().top, first->GetWindowRect().top);
            }
            EXPECT_LE(modal.GetWindowRect().Width(), GetSystemMetrics(SM_CXSCREEN));
            CAutomation::Click(FindText(modal, row.tick));
            CAutomation::ClickItem(&modal, IDOK);
        });
        Press();
        EXPECT_EQ(m_item.m_number, row.after) << row.format;
        EXPECT_EQ(Control(1000)->GetWindowText(), row.shown) << row.format;
    }
}
