#include "CClipboard.hpp"
#include "CUIEditInteger.hpp"
#include "EditFixture.hpp"

#include <algorithm>

namespace {

using Log = std::vector<std::string>;

class IntegerEditor : public EditFixture {
protected:
    // One field of the integer editor holding `stored`, entered and ready for typing.
    void Start(char const * format, LONG stored) {
        Clear();
        m_item.m_value = stored;
        Build({{"CUIEditInteger", "Value", format}});
        Enter("Value");
        CAutomation::ClearBeeps();
    }
    int Writes() const {
        return static_cast<int>(std::count_if(m_item.m_log.begin(), m_item.m_log.end(),
                                              [](std::string const & s) { return s[0] == 'W'; }));
    }
};

// Shows stored tens of millivolts as volts with three places: a step of one millivolt
// cannot be stored.
class CTenMillivolts : public CUIEditInteger {
protected:
    int StoreToDisp(int value) override { return value * 10; }
    int DispToStore(int value) override { return value / 10; }
};

} // namespace

TEST_F(IntegerEditor, TheFormatSetsWidthPlacesUnitsAndRange) {
    // clang-format off
    struct Case { char const * format; LONG stored; char const * shown; char const * units; int width; };
    Case const cases[] = {
        {"", 123, "123", "", 8},
        {"4|1", 123, "12.3", "", 8},
        {"10|2|mA|-500|500", 250, "+2.50", "mA", 10},
        {"10|2|mA|-500|500", 0, "0.00", "mA", 10},
        {"10|2|mA|-500|500", -250, "-2.50", "mA", 10},
        {"10|2|mA|0|500", 250, "2.50", "mA", 10},
        {"12|0||-100", 50, "+50", "", 12},
        {"99999999999|-5|||x", 7, "0.000000000000007", "", 40},
        {"abc|2x|V|z|", 7, "0.07", "V", 8},
        {"|", 7, "7", "", 8},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(c.format);
        Clear();
        m_item.m_value = c.stored;
        Build({{"CUIEditInteger", "Value", c.format}});
        EXPECT_EQ(Shown("Value"), c.shown);
        CWnd * units = m_view->GetChild(2);
        EXPECT_EQ(units->GetWindowText(), c.units);
        // The size text's digits, the pad of 3 on each side, the client edge of 2, less 1.
        EXPECT_EQ(Edit("Value").GetWindowRect().Width(), 7 * c.width + 6 + 4 - 1);
        EXPECT_TRUE(Edit("Value").GetStyle() & ES_RIGHT);
    }
}

TEST_F(IntegerEditor, ATypedNumberIsRoundedClampedAndShownAsStored) {
    // clang-format off
    struct Case { char const * format; LONG stored; char const * typed; LONG saved; char const * shown; bool written; };
    Case const cases[] = {
        {"", 5, "70000", 60000, "60000", true},
        {"", 5, "-5", 0, "0", true},
        {"|2", 0, "12.345", 1235, "12.35", true},
        {"|2", 1230, "12.3", 1230, "12.30", false},
        {"|2||-500|500", 0, "-0.125", -13, "-0.13", true},
        {"", 3, "2.5", 3, "3", false},
        {"", 60000, "70000", 60000, "60000", true},
        {"", 5, "abc", 0, "0", true},
        {"", 5, "\b", 0, "0", true},
        {"", 5, "-", 0, "0", true},
        {"", 5, "^1", 0, "0", true},
        {"", 5, "\xC3\xA4" "5", 0, "0", true},
        {"", 5, "\x01" "7", 7, "7", true},
        {"", 5, "1e400", 60000, "60000", true},
        {"|0||-100|100", 5, "nan", 0, "0", true},
        {"|0||-2147483648|2147483647", 5, "1e300", 2147483647, "+2147483647", true},
        {"|0||-2147483648|2147483647", 5, "-1e300", -2147483647 - 1, "-2147483648", true},
        {"|0||-2147483648|2147483647", 5, "inf", 2147483647, "+2147483647", true},
        {"|0||-100|100", 5, "-inf", -100, "-100", true},
        {"|400", 5, "1", 60000, "0.000000000060000", true},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(std::string(c.format) + " <- " + c.typed);
        Start(c.format, c.stored);
        Do({Type(c.typed), Key(VK_TAB)});
        EXPECT_EQ(m_item.m_value, c.saved);
        if (c.shown) {
            EXPECT_EQ(Shown("Value"), c.shown);
        }
        EXPECT_EQ(Writes(), c.written ? 1 : 0);
        EXPECT_EQ(CWnd::GetFocus(), m_other) << "Tab moves on";
    }
}

TEST_F(IntegerEditor, PastedTextIsReadLikeTypedText) {
    std::string const nines(10000, '9');
    std::string const letters(10000, 'x');
    // clang-format off
    struct Case { char const * cls; char const * tag; char const * format; char const * pasted; char const * shown; };
    Case const cases[] = {
        {"CUIEditInteger", "Value", "", nines.c_str(), "60000"},
        {"CUIEditInteger", "Value", "", "\xff\xfe" "12", "0"},
        {"CUIEditInteger", "Value", "", "12\r\n34", "12"},
        {"CUIEditString", "Text", "", letters.c_str(), "xxxxxxxxxx"},
        {"CUIEditString", "Text", "-1", letters.c_str(), letters.c_str()},
        {"CUIEditString", "Text", "", "a\xff\xfe" "b", "a\xff\xfe" "b"},
        {"CUIEditIntHex", "Value", "8", nines.c_str(), "99999999"},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(std::string(c.cls) + " " + std::string(c.pasted).substr(0, 12));
        Clear();
        m_item.m_text = "old";
        Build({{c.cls, c.tag, c.format}});
        Enter(c.tag);
        CClipboard::SetText(c.pasted);
        Do({Key('V', CAutomation::modControl), Key(VK_TAB)});
        EXPECT_EQ(Shown(c.tag), c.shown);
    }
}

TEST_F(IntegerEditor, SpinKeysStepAndCommitEachStep) {
    // clang-format off
    struct Case { char const * format; LONG stored; std::vector<Step> keys; LONG saved; char const * shown; int writes; };
    Case const cases[] = {
        {"|0||-100|100", 15, {Key(VK_PRIOR)}, 20, "+20", 1},
        {"|0||-100|100", 20, {Key(VK_PRIOR)}, 30, "+30", 1},
        {"|0||-100|100", -15, {Key(VK_PRIOR)}, 0, "0", 1},
        {"|0||-100|100", 15, {Key(VK_NEXT)}, 0, "0", 1},
        {"|0||-100|100", -15, {Key(VK_NEXT)}, -20, "-20", 1},
        {"|2", 123, {Key(VK_PRIOR)}, 200, "2.00", 1},
        {"|12", 123, {Key(VK_PRIOR)}, 60000, "0.000000060000", 1},
        {"", 5, {Key(VK_HOME, CAutomation::modControl)}, 60000, "60000", 1},
        {"", 5, {Key(VK_END, CAutomation::modControl)}, 0, "0", 1},
        {"", 60000, {Key(VK_UP)}, 60000, "60000", 0},
        {"", 5, {Key(VK_UP), Key(VK_UP), Key(VK_DOWN)}, 6, "6", 3},
        {"", 0, {Type("5"), Key(VK_UP)}, 5, "5", 1},
        {"", 0, {Type("5"), Key(VK_UP), Key(VK_UP)}, 6, "6", 2},
        {"", 5, {Key(VK_HOME), Type("1"), Key(VK_TAB)}, 15, "15", 1},
        {"", 5, {Key(VK_END), Type("1"), Key(VK_RETURN)}, 51, "51", 1},
        {"|0||100|-100", 5, {Key(VK_UP)}, -100, "-100", 1},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(c.format + std::string(" from ") + std::to_string(c.stored));
        Start(c.format, c.stored);
        Do(c.keys);
        EXPECT_EQ(m_item.m_value, c.saved);
        EXPECT_EQ(Shown("Value"), c.shown);
        EXPECT_EQ(Writes(), c.writes);
        EXPECT_EQ(CAutomation::GetBeepCount(), 0u);
    }
}

TEST_F(IntegerEditor, HoldingUpTurnsToPageStepsAfterOneSecond) {
    Start("|0||0|1000", 0);
    std::vector<LONG> values;
    auto hold = [&](std::uint64_t after) {
        CAutomation::AdvanceClock(after);
        CAutomation::KeyDown(VK_UP);
        values.push_back(m_item.m_value);
    };
    for (std::uint64_t after : {0, 300, 300, 300, 300, 300})
        hold(after);
    CAutomation::KeyUp(VK_UP);
    hold(0);
    CAutomation::KeyUp(VK_UP);
    EXPECT_EQ(values, (std::vector<LONG>{1, 2, 3, 4, 10, 20, 21}));
}

TEST_F(IntegerEditor, AStepTheStoreCannotHoldBeepsAndWaitsForTheNextCommit) {
    m_item.m_value = 123;
    m_view = new CEditTestView;
    m_view->m_build = [this](CEditTestView & view) {
        m_records.push_back(EditRecord("CUIEditInteger", "Value", "|3"));
        auto * element = new CTenMillivolts;
        element->Bind(&m_item, &m_records.back(), CUIElement::modeNormal);
        view.StartPage(2);
        view.AddElement(element);
        view.EndPage(0);
    };
    m_view->Attach(&m_item);
    ASSERT_TRUE(m_view->Create(&m_frame, CRect(0, 0, 800, 500), 10));
    CAutomation::Pump();
    ASSERT_EQ(m_view->GetElementCount(), 1u);
    auto & edit = static_cast<CUIEditBase *>(m_view->GetElementAt(0))->GetEditCtrl();
    EXPECT_EQ(edit.GetWindowText(), "1.230");
    CAutomation::Click(&edit);
    CAutomation::ClearBeeps();
    Do({Key(VK_UP), Key(VK_UP)});
    EXPECT_EQ(CAutomation::GetBeepCount(), 2u);
    EXPECT_EQ(edit.GetWindowText(), "1.232");
    EXPECT_EQ(m_item.m_value, 123) << "nothing stored yet";
    Do({Key(VK_PRIOR)});
    EXPECT_EQ(m_item.m_value, 200);
    EXPECT_EQ(edit.GetWindowText(), "2.000");
    Do({Key(VK_UP), Key(VK_TAB)});
    EXPECT_EQ(m_item.m_value, 200) << "2.001 is stored as 200 again";
    EXPECT_EQ(edit.GetWindowText(), "2.000");
}
