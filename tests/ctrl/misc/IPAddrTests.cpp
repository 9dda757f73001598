#include "CEditCtrl.hpp"
#include "CIPAddrCtrl.hpp"
#include "CIPAddrModel.hpp"
#include "KeySteps.hpp"
#include "MiscTestBase.hpp"
#include "VirtualKeys.hpp"
#include "WinMessages.hpp"

#include <algorithm>

namespace {

constexpr UINT kId = 60;
constexpr UINT kNext = 61;

std::string Line(UINT id, char const * what) {
    return std::to_string(id) + ":" + what;
}

class IPAddrTest : public MiscTestBase {
protected:
    // A 160 × 22 address control in the tab order, and an edit after it to tab to.
    CIPAddrCtrl * Add(char const * text = "") {
        auto * addr = new CIPAddrCtrl;
        EXPECT_TRUE(
            addr->Create(text, WS_VISIBLE | WS_TABSTOP, CRect(20, 60, 180, 82), &m_parent, kId));
        auto * next = new CEditCtrl;
        EXPECT_TRUE(next->Create("", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                                 CRect(20, 100, 180, 120), &m_parent, kNext));
        return addr;
    }

    static DWORD Address(CIPAddrCtrl * addr, int * filled = nullptr) {
        DWORD address = 0;
        int const count = addr->GetAddress(address);
        if (filled)
            *filled = count;
        return address;
    }

    // The middle of a field, as a quarter of the client area.
    static CPoint FieldPoint(CIPAddrCtrl * addr, int field) {
        CRect const client = addr->GetClientRect();
        LONG const width = client.Width() / 4;
        return CPoint(width * field + width / 2, client.Height() / 2);
    }

    int CountLine(std::string const & line) const {
        return static_cast<int>(std::count(Heard().begin(), Heard().end(), line));
    }
};

} // namespace

TEST_F(IPAddrTest, TypingFillsTheFieldsByTheRules) {
    struct Row {
        char const * name;
        std::vector<Step> steps;
        char const * text;
        DWORD address;
        int filled;
        int changes;
    };
    // clang-format off
    std::vector<Row> const rows = {
        {"dots between the fields", {Type("192.168.0.1")}, "192.168.0.1", 0xC0A80001, 4, 8},
        {"three digits move on", {Type("1921680.1")}, "192.168.0.1", 0xC0A80001, 4, 8},
        {"a blank moves on like a dot", {Type("7 8 9 1")}, "7.8.9.1", 0x07080901, 4, 4},
        {"above 255 is clamped when the field is left", {Type("300.1.2.3")}, "255.1.2.3", 0xFF010203, 4, 6},
        {"the last field is clamped when the focus leaves", {Type("1.2.3.999")}, "1.2.3.255", 0x010203FF, 4, 7},
        {"leading zeros go when the field is left", {Type("010.1")}, "10.1..", 0x0A010000, 2, 4},
        {"a dot in a blank field and letters do nothing", {Type("10..5x")}, "10.5..", 0x0A050000, 2, 3},
        {"backspace in a blank field goes back", {Type("1.2\b\b3")}, "13...", 0x0D000000, 1, 4},
        {"left and right cross the fields at their ends", {Type("12"), Key(VK_RIGHT), Type("3"), Key(VK_LEFT), Key(VK_LEFT), Type("45")}, "124.5..", 0x7C050000, 2, 5},
        {"home and end go to the ends of the address", {Type("1.2.3.4"), Key(VK_HOME), Type("9"), Key(VK_END), Type("\b")}, "91.2.3.", 0x5B020300, 3, 6},
        {"a full field passes a digit on", {Type("123"), Key(VK_LEFT), Type("4")}, "123.4..", 0x7B040000, 2, 4},
        {"delete takes the digit after the caret", {Type("45"), Key(VK_HOME), Key(VK_DELETE)}, "5...", 0x05000000, 1, 3},
        {"shift selects within a field and typing replaces it", {Type("123"), Key(VK_LEFT), Key(VK_LEFT, CAutomation::modShift), Key(VK_LEFT, CAutomation::modShift), Type("9")}, "19...", 0x13000000, 1, 4},
    };
    // clang-format on
    for (Row const & row : rows) {
        SCOPED_TRACE(row.name);
        CIPAddrCtrl * addr = Add();
        addr->SetFieldFocus(0);
        Clear();
        Do(row.steps);
        CAutomation::PressKey(VK_TAB);
        EXPECT_EQ(addr->GetWindowText(), CString(row.text));
        int filled = -1;
        EXPECT_EQ(Address(addr, &filled), row.address);
        EXPECT_EQ(filled, row.filled);
        EXPECT_EQ(CountLine(Line(kId, "change")), row.changes);
        EXPECT_EQ(CountLine(Line(kId, "setfocus")), 0);
        EXPECT_EQ(CountLine(Line(kId, "killfocus")), 1);
        m_parent.GetDlgItem(kNext)->DestroyWindow();
        addr->DestroyWindow();
    }
}

TEST_F(IPAddrTest, TheFocusNotificationsCoverTheWholeControlNotItsFields) {
    CIPAddrCtrl * addr = Add();
    CWnd * next = m_parent.GetDlgItem(kNext);
    next->SetFocus();
    Clear();
    CAutomation::PressKey(VK_TAB, CAutomation::modShift);
    EXPECT_EQ(CWnd::GetFocus(), addr);
    // Moving through the fields by typing, keys and clicks is not a change of focus.
    CAutomation::TypeText("10.20");
    CAutomation::PressKey(VK_RIGHT);
    CAutomation::PressKey(VK_LEFT);
    CAutomation::PressKey(VK_HOME);
    CAutomation::Click(addr, FieldPoint(addr, 3));
    CAutomation::Click(addr, FieldPoint(addr, 1));
    CAutomation::PressKey(VK_BACK);
    CAutomation::PressKey(VK_BACK);
    CAutomation::PressKey(VK_BACK);
    EXPECT_EQ(CountLine(Line(kId, "setfocus")), 1);
    EXPECT_EQ(CountLine(Line(kId, "killfocus")), 0);
    CAutomation::PressKey(VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), next);
    EXPECT_EQ(CountLine(Line(kId, "killfocus")), 1);
    // The control's own news comes before it lets the focus go.
    auto const kill = std::find(Heard().begin(), Heard().end(), Line(kId, "killfocus"));
    EXPECT_EQ(std::find(kill, Heard().end(), Line(kId, "change")), Heard().end());
    // Clicking back in gives it the focus once more.
    Clear();
    CAutomation::Click(addr, FieldPoint(addr, 2));
    EXPECT_EQ(Heard(), (Lines{Line(kNext, "killfocus"), Line(kId, "setfocus")}));
}

TEST_F(IPAddrTest, LeavingAChangedFieldTellsTheParentWhichMayReplaceTheValue) {
    CIPAddrCtrl * addr = Add("1.2.3.4");
    addr->SetFieldFocus(0);
    Clear();
    // Through the fields without a change: nothing.
    CAutomation::PressKey(VK_RIGHT);
    CAutomation::PressKey(VK_RIGHT);
    CAutomation::PressKey(VK_RIGHT);
    CAutomation::PressKey(VK_END);
    CAutomation::PressKey(VK_HOME);
    EXPECT_TRUE(Heard().empty());
    // Typed over and clamped: the parent hears the change of text, then the field. The
    // third digit both types and clamps, one change.
    addr->SetFieldFocus(0);
    CAutomation::TypeText("300");
    EXPECT_EQ(Heard(), (Lines{Line(kId, "change"), Line(kId, "change"), Line(kId, "change"),
                              Line(kId, "fieldchanged 0=255")}));
    // The parent puts its own value in; one outside the field's range is not taken.
    m_parent.m_onNotify = [](NMHDR & header) -> LRESULT {
        auto & note = reinterpret_cast<NMIPADDRESS &>(header);
        note.iValue = note.iField == 1 ? 42 : 256;
        return 0;
    };
    Clear();
    CAutomation::TypeText("7.8");
    EXPECT_EQ(CountLine(Line(kId, "fieldchanged 1=7")), 1);
    EXPECT_EQ(addr->GetWindowText(), CString("255.42.8.4"));
    CAutomation::PressKey(VK_TAB);
    EXPECT_EQ(CountLine(Line(kId, "fieldchanged 2=8")), 1);
    EXPECT_EQ(addr->GetWindowText(), CString("255.42.8.4"));
    EXPECT_EQ(Address(addr), 0xFF2A0804u);
    ASSERT_GE(Heard().size(), 2u);
    EXPECT_EQ(Heard()[Heard().size() - 2], Line(kId, "killfocus"));
    EXPECT_EQ(Heard().back(), Line(kNext, "setfocus"));
}

TEST_F(IPAddrTest, TheProgramSetsAndReadsTheAddressWithoutNotifications) {
    CIPAddrCtrl * addr = Add("10.0.0.1");
    int filled = 0;
    EXPECT_EQ(Address(addr, &filled), 0x0A000001u);
    EXPECT_EQ(filled, 4);
    Clear();
    addr->SetAddress(MAKEIPADDRESS(192, 168, 1, 20));
    EXPECT_EQ(addr->GetWindowText(), CString("192.168.1.20"));
    BYTE b0 = 0;
    BYTE b1 = 0;
    BYTE b2 = 0;
    BYTE b3 = 0;
    EXPECT_EQ(addr->GetAddress(b0, b1, b2, b3), 4);
    EXPECT_EQ((std::vector<int>{b0, b1, b2, b3}), (std::vector<int>{192, 168, 1, 20}));
    EXPECT_FALSE(addr->IsBlank());
    addr->SetAddress(0xFFFEFDFC);
    EXPECT_EQ(Address(addr), 0xFFFEFDFCu);
    addr->ClearAddress();
    EXPECT_TRUE(addr->IsBlank());
    EXPECT_EQ(Address(addr, &filled), 0u);
    EXPECT_EQ(filled, 0);
    EXPECT_EQ(addr->GetWindowText(), CString("..."));
    addr->SetWindowText("8.8.4.4");
    EXPECT_EQ(Address(addr), 0x08080404u);
    EXPECT_TRUE(Heard().empty());
}

TEST_F(IPAddrTest, FieldRangesClampWhatTheUserLeaves) {
    CIPAddrCtrl * addr = Add();
    addr->SetFieldRange(1, 10, 20);
    EXPECT_FALSE(addr->SendMessage(IPM_SETRANGE, 2, MAKEIPRANGE(30, 20)));
    EXPECT_FALSE(addr->SendMessage(IPM_SETRANGE, 4, MAKEIPRANGE(0, 20)));
    addr->SetFieldFocus(0);
    CAutomation::TypeText("1.5.");
    EXPECT_EQ(addr->GetWindowText(), CString("1.10.."));
    addr->SetFieldFocus(1);
    CAutomation::TypeText("99");
    // Not left yet, but the address already reads clamped.
    EXPECT_EQ(Address(addr), 0x01140000u);
    EXPECT_EQ(addr->GetWindowText(), CString("1.99.."));
    CAutomation::TypeText(".300");
    EXPECT_EQ(addr->GetWindowText(), CString("1.20.255."));
}

TEST_F(IPAddrTest, SetFieldFocusAndClicksChooseTheField) {
    CIPAddrCtrl * addr = Add();
    Clear();
    addr->SetFieldFocus(2);
    EXPECT_EQ(Heard(), Lines{Line(kId, "setfocus")});
    CAutomation::TypeText("7");
    EXPECT_EQ(addr->GetWindowText(), CString("..7."));
    // Beyond the fourth field: the first blank one.
    addr->SetWindowText("1.2..");
    addr->SetFieldFocus(9);
    CAutomation::TypeText("3");
    EXPECT_EQ(addr->GetWindowText(), CString("1.2.3."));
    CAutomation::Click(addr, FieldPoint(addr, 3));
    CAutomation::TypeText("8");
    EXPECT_EQ(addr->GetWindowText(), CString("1.2.3.8"));
    // A double click selects the whole field.
    CAutomation::DoubleClick(addr, FieldPoint(addr, 0));
    CAutomation::TypeText("5");
    EXPECT_EQ(addr->GetWindowText(), CString("5.2.3.8"));
}

TEST_F(IPAddrTest, ADisabledControlIgnoresTheUser) {
    CIPAddrCtrl * addr = Add("1.2.3.4");
    addr->EnableWindow(FALSE);
    Clear();
    CAutomation::Click(addr, FieldPoint(addr, 0));
    CAutomation::TypeText("9");
    EXPECT_NE(CWnd::GetFocus(), addr);
    EXPECT_EQ(addr->GetWindowText(), CString("1.2.3.4"));
    EXPECT_TRUE(Heard().empty());
}

TEST_F(IPAddrTest, AParentMayDestroyTheControlWhileItIsTold) {
    // clang-format off
    struct Row { DestroyRow destroy; char const * typed; };
    Row const rows[] = {
        {{"on a change", "60:change", false, {}}, "1"},
        {{"on a field left", "60:fieldchanged", false, {}}, "1."},
        {{"on the focus lost", "60:killfocus", false, {}}, "1\t"},
    };
    // clang-format on
    for (Row const & row : rows) {
        CIPAddrCtrl * addr = Add();
        addr->SetFieldFocus(0);
        CheckDestroyedByHandler(row.destroy, *addr, [&] {
            CAutomation::TypeText(row.typed);
            CAutomation::TypeText("2.3");
        });
    }
}

TEST(IPAddrModel, TextsAreReadFieldByField) {
    // clang-format off
    struct Row { char const * text; char const * read; DWORD address; int filled; } const rows[] = {
        {"1.2.3.4", "1.2.3.4", 0x01020304, 4},
        {"1..3", "1..3.", 0x01000300, 2},
        {"999.1", "255.1..", 0xFF010000, 2},
        {"12a3.4", "123.4..", 0x7B040000, 2},
        {"1234.5", "123.5..", 0x7B050000, 2},
        {"007.0", "7.0..", 0x07000000, 2},
        {"", "...", 0, 0},
        {"1.2.3.4.5", "1.2.3.4", 0x01020304, 4},
    };
    // clang-format on
    for (Row const & row : rows) {
        SCOPED_TRACE(row.text);
        CIPAddrModel model;
        model.SetText(row.text);
        EXPECT_EQ(model.GetText(), row.read);
        DWORD address = 1;
        EXPECT_EQ(model.GetAddress(address), row.filled);
        EXPECT_EQ(address, row.address);
        EXPECT_EQ(model.IsBlank(), row.filled == 0);
    }
}

TEST(IPAddrModel, EnteringAFieldSelectsItAndLeavingReportsOnlyAChange) {
    CIPAddrModel model;
    model.SetAddress(MAKEIPADDRESS(10, 20, 30, 40));
    CIPAddrModel::Change change = model.EnterField(2);
    EXPECT_EQ(change.fieldChanged, -1);
    EXPECT_EQ(model.GetField(), 2);
    EXPECT_EQ(model.GetSelStart(), 0u);
    EXPECT_EQ(model.GetSelEnd(), 2u);
    change = model.Type('5');
    EXPECT_TRUE(change.changed);
    change = model.EnterField(0);
    EXPECT_FALSE(change.changed);
    EXPECT_EQ(change.fieldChanged, 2);
    // Typed back to what it was: no change to report.
    model.Type('1');
    model.Type('0');
    change = model.Leave();
    EXPECT_EQ(change.fieldChanged, -1);
    EXPECT_EQ(model.GetText(), "10.20.5.40");
}
