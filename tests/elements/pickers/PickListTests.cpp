#include "CListBox.hpp"
#include "CPickListDlg.hpp"
#include "CUIPickList.hpp"
#include "PickerFixture.hpp"
#include "SystemMetrics.hpp"
#include "VirtualKeys.hpp"

#include <functional>

namespace {

using Action = std::function<void(CWnd & modal)>;

CListBox & List(CWnd & modal) {
    return *static_cast<CListBox *>(modal.GetDlgItem(CPickListDlg::idList));
}

Action Keys(std::vector<UINT> keys) {
    return [keys](CWnd &) {
        for (UINT key : keys)
            CAutomation::PressKey(key);
    };
}

Action DoubleClickEntry(int index) {
    return [index](CWnd & modal) {
        CRect rect;
        List(modal).GetItemRect(index, rect);
        CAutomation::DoubleClick(
            &List(modal), CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
    };
}

class PickList : public PickerTest {};

} // namespace

TEST_F(PickList, DialogChoosesAnEntryByItsData) {
    // clang-format off
    struct Row { char const * format; LONG stored; char const * shownBefore; Action action; LONG after; char const * shownAfter; Texts heard; };
    Row const rows[] = {
        {"Auto||Manual", 0, "Auto", Keys({VK_DOWN, VK_RETURN}), 2, "Manual", {"Number"}},
        {"Auto||Manual", 0, "Auto", DoubleClickEntry(1), 2, "Manual", {"Number"}},
        {"Auto||Manual", 2, "Manual", Keys({VK_RETURN}), 2, "Manual", {}},
        {"Auto||Manual", 0, "Auto", Keys({VK_DOWN, VK_ESCAPE}), 0, "Auto", {}},
        {"Auto||Manual", 1, "", Keys({VK_RETURN}), -1, "", {"Number"}},
        {"", 3, "", Keys({VK_RETURN}), -1, "", {"Number"}},
        {"|||Last", 0, "", Keys({VK_DOWN, VK_RETURN}), 3, "Last", {"Number"}},
    };
    // clang-format on
    for (Row const & row : rows) {
        m_item.m_number = row.stored;
        Show(ElementRecord("CUIPickList", "Number", row.format));
        EXPECT_EQ(Control(1000)->GetWindowText(), row.shownBefore) << row.format;
        CAutomation::OnNextModal(row.action);
        Press();
        EXPECT_EQ(m_item.m_number, row.after) << row.format;
        EXPECT_EQ(Control(1000)->GetWindowText(), row.shownAfter) << row.format;
        EXPECT_EQ(m_item.m_heard, row.heard) << row.format;
    }
}

TEST_F(PickList, DialogIsCaptionedWithTheNameAndHoldsEveryEntry) {
    CString format;
    for (int i = 0; i < 10000; ++i)
        format += CString(i ? "|E" : "E") + CString(std::to_string(i).c_str());
    m_item.m_number = 5000;
    Show(ElementRecord("CUIPickList", "Number", format, "Level"));
    EXPECT_EQ(Control(1000)->GetWindowText(), "E5000");
    CAutomation::OnNextModal([](CWnd & modal) {
        EXPECT_EQ(modal.GetWindowText(), "Level");
        EXPECT_EQ(List(modal).GetCount(), 10000);
        EXPECT_EQ(List(modal).GetCurSel(), 5000);
        CRect const window = modal.GetWindowRect();
        EXPECT_LE(window.Width(), GetSystemMetrics(SM_CXSCREEN));
        EXPECT_LE(window.Height(), GetSystemMetrics(SM_CYSCREEN));
        EXPECT_LT(List(modal).GetWindowRect().bottom, modal.GetDlgItem(IDOK)->GetWindowRect().top);
        CAutomation::PressKey(VK_END);
        CAutomation::PressKey(VK_RETURN);
    });
    Press();
    EXPECT_EQ(m_item.m_number, 9999);
}

TEST_F(PickList, TextFormUsesTheEntryTexts) {
    // clang-format off
    struct Row { LONG stored; char const * text; char const * set; int accepted; LONG after; };
    Row const rows[] = {
        {0, "Auto", "Manual", 1, 2}, {2, "Manual", "Auto", 1, 0}, {1, "", "Off", 0, 1}, {7, "", "", 0, 7},
    };
    // clang-format on
    for (Row const & row : rows) {
        CUIPickList element;
        CUIData const record = ElementRecord("CUIPickList", "Number", "Auto||Manual");
        element.Bind(&m_item, &record, CUIElement::modeNormal);
        EXPECT_EQ(element.UseTextMode(), 1);
        m_item.m_number = row.stored;
        EXPECT_EQ(element.GetAsText(), row.text);
        EXPECT_EQ(element.SetAsText(row.set), row.accepted);
        EXPECT_EQ(m_item.m_number, row.after);
    }
}
