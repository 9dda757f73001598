#include "CEditModel.hpp"
#include "CFont.hpp"
#include "CIPAddrCtrl.hpp"
#include "EditFixture.hpp"

namespace {

using Log = std::vector<std::string>;

// A typed entry in one field: nullptr types nothing and only looks at what was loaded.
struct Entry {
    char const * format;
    char const * typed;
    char const * shown;
};

class TextEditors : public EditFixture {
protected:
    // Loads the field, types the entry over its text (if any) and leaves it with Tab.
    void Run(char const * cls, char const * tag, Entry const & entry) {
        Build({{cls, tag, entry.format}});
        if (!entry.typed)
            return;
        Enter(tag);
        Do({Type(entry.typed), Key(VK_TAB)});
    }
    Log Written(char const * tag) {
        Log log;
        for (std::string const & line : TakeLog())
            if (line[0] == 'W')
                log.push_back(line.substr(2 + std::string(tag).size() + 1));
        return log;
    }
};

} // namespace

TEST_F(TextEditors, AHexadecimalFieldShowsFixedDigitsAndReadsAnyText) {
    std::string const padded = "7" + std::string(39, ' ');
    // clang-format off
    struct Case { Entry entry; LONG stored; Log written; int width; };
    Case const cases[] = {
        {{"", nullptr, "00FF"}, 255, {}, 8},
        {{"8", nullptr, "FFFFFFFF"}, -1, {}, 12},
        {{"", nullptr, "12345"}, 0x12345, {}, 8},
        {{"0", nullptr, ""}, 0, {}, 4},
        {{"100000000", nullptr, "0000000000000000000000000000000000000007"}, 7, {}, 40},
        {{"-3", nullptr, "7  "}, 7, {}, 1},
        {{"-100", nullptr, padded.c_str()}, 7, {}, 0},
        {{"", "ff", "00FF"}, 0, {"255"}, 8},
        {{"", "xyz", "0000"}, 5, {"0"}, 8},
        {{"", "\b", "0000"}, 5, {"0"}, 8},
        {{"", "FF", "00FF"}, 255, {}, 8},
        {{"", "123456", "1234"}, 0, {"4660"}, 8},
        {{"", "0x", "0000"}, 5, {"0"}, 8},
        {{"8", "-1", "FFFFFFFF"}, 0, {"-1"}, 12},
        {{"12", "123456789", "0000FFFFFFFF"}, 0, {"-1"}, 16},
        {{"-1", "7f", "7F"}, 0, {"127"}, 3},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(std::string(c.entry.format) + " <- " + (c.entry.typed ? c.entry.typed : "-"));
        Clear();
        m_item.m_value = c.stored;
        Run("CUIEditIntHex", "Value", c.entry);
        EXPECT_EQ(Shown("Value"), c.entry.shown);
        EXPECT_EQ(Written("Value"), c.written);
        EXPECT_EQ(Edit("Value").GetWindowRect().Width(), 7 * c.width + 9);
    }
}

TEST_F(TextEditors, ACharacterCodeShowsAndReadsNamesCaretsAndHexadecimal) {
    // clang-format off
    struct Case { Entry entry; LONG stored; Log written; };
    Case const cases[] = {
        {{"", nullptr, "A"}, 65, {}}, {{"", nullptr, "^A"}, 1, {}}, {{"", nullptr, "^Z"}, 26, {}},
        {{"", nullptr, "ESC"}, 27, {}}, {{"", nullptr, "SPACE"}, 32, {}}, {{"", nullptr, "DEL"}, 127, {}},
        {{"", nullptr, "NUL"}, 0, {}}, {{"", nullptr, "0x80"}, 128, {}}, {{"", nullptr, "0x12C"}, 300, {}},
        {{"", nullptr, "%"}, 37, {}}, {{"", nullptr, "0xFFFFFFFF"}, -1, {}},
        {{"", "a", "a"}, 65, {"97"}},
        {{"", "^a", "^A"}, 65, {"1"}},
        {{"", "^A", "^A"}, 65, {"1"}},
        {{"", "^1", "A"}, 65, {}},
        {{"", "^", "^"}, 65, {"94"}},
        {{"", "0x41", "A"}, 0, {"65"}},
        {{"", "0X41", "A"}, 0, {"65"}},
        {{"", "0x0", "NUL"}, 65, {"0"}},
        {{"||N", "0x0", "A"}, 65, {}},
        {{"||N", "NUL", "A"}, 65, {}},
        {{"", "SOH", "^A"}, 65, {"1"}},
        {{"", "esc", "ESC"}, 65, {"27"}},
        {{"", "Space", "SPACE"}, 65, {"32"}},
        {{"", "HT", "^I"}, 65, {"9"}},
        {{"", "A", "A"}, 65, {}},
        {{"", "\xC3\xA9", "0xE9"}, 65, {"233"}},
        {{"", "\xE2\x82\xAC", "A"}, 65, {}},
        {{"", "0x1FF", "0x1FF"}, 65, {"511"}},
        {{"", "TOOLONG", "A"}, 65, {}},
        {{"", "\b", "A"}, 65, {}},
        {{"", "XYZ", "A"}, 65, {}},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(std::string(c.entry.format) + " <- " + (c.entry.typed ? c.entry.typed : "-"));
        Clear();
        m_item.m_code = c.stored;
        Run("CUIEditASCII", "Code", c.entry);
        EXPECT_EQ(Shown("Code"), c.entry.shown);
        EXPECT_EQ(Written("Code"), c.written);
        EXPECT_EQ(CWnd::GetFocus() == m_other, c.entry.typed != nullptr)
            << "a refusal still moves on";
    }
}

TEST_F(TextEditors, ACharacterCodeFieldTakesItsDefaultTextAndUnits) {
    m_item.m_code = 65;
    Build({{"CUIEditASCII", "Code", "(none)|char"}});
    EXPECT_EQ(Edit("Code").GetDefault(), "(none)");
    EXPECT_EQ(m_view->GetChild(2)->GetWindowText(), "char");
    EXPECT_EQ(Edit("Code").GetWindowRect().Width(), 7 * 8 + 9);
}

TEST_F(TextEditors, AStringFieldLimitsTypingAndHidesPasswords) {
    std::string const fifty(50, 'x');
    // clang-format off
    struct Case { Entry entry; char const * stored; Log written; int width; bool password; };
    Case const cases[] = {
        {{"", "abcdefghijkl", "abcdefghij"}, "", {"abcdefghij"}, 12, false},
        {{"*8", "secret123", "secret12"}, "", {"secret12"}, 10, true},
        {{"*", "pw", "p"}, "", {"p"}, 3, true},
        {{"0", "abc", "a"}, "", {"a"}, 3, false},
        {{"100", "abc", "abc"}, "", {"abc"}, 42, false},
        {{"-5", fifty.c_str(), fifty.c_str()}, "", {fifty}, 42, false},
        {{"x7", "abc", "a"}, "", {"a"}, 3, false},
        {{"", "abc", "abc"}, "ABC", {"abc"}, 12, false},
        {{"", "same", "same"}, "same", {}, 12, false},
        {{"", "\b", ""}, "x", {""}, 12, false},
        {{"3", nullptr, "longer text"}, "longer text", {}, 5, false},
        {{"3", "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F", "\xC3\xA4\xC3\xB6\xC3\xBC"}, "", {"\xC3\xA4\xC3\xB6\xC3\xBC"}, 5, false},
        {{"", "a\x01" "b", "ab"}, "", {"ab"}, 12, false},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(std::string(c.entry.format) + " <- " + (c.entry.typed ? c.entry.typed : "-"));
        Clear();
        m_item.m_text = c.stored;
        Run("CUIEditString", "Text", c.entry);
        EXPECT_EQ(Shown("Text"), c.entry.shown);
        EXPECT_EQ(Written("Text"), c.written);
        EXPECT_EQ(Edit("Text").GetWindowRect().Width(), 7 * c.width + 9);
        EXPECT_EQ((Edit("Text").GetStyle() & ES_PASSWORD) != 0, c.password);
    }
}

TEST_F(TextEditors, AnAddressPassesThroughUnchangedBothWays) {
    m_item.m_address = static_cast<LONG>(0xC0A80001);
    Build({{"CUIIPAddress", "Address", ""}});
    auto * control = static_cast<CIPAddrCtrl *>(m_view->GetChild(1));
    DWORD address = 0;
    control->GetAddress(address);
    EXPECT_EQ(address, 0xC0A80001u);
    EXPECT_EQ(control->GetFont()->GetPoints(), 8);

    CAutomation::Click(control);
    TakeLog();
    CAutomation::Click(m_other);
    EXPECT_EQ(TakeLog(), (Log{"view killfocus", "frame 20"})) << "leaving unchanged writes nothing";

    CAutomation::Click(control);
    Do({Key(VK_HOME), Key(VK_END, CAutomation::modShift), Type("10.1.2.3")});
    TakeLog();
    CAutomation::Click(m_other);
    EXPECT_EQ(m_item.m_address, 0x0A010203);
    EXPECT_EQ(TakeLog(),
              (Log{"view killfocus", "W Address=167838211", "N Address", "C Address", "frame 20"}));
}

TEST_F(TextEditors, LimitsOfZeroOrBelowMeanNoLimitAsInTheEditControl) {
    // clang-format off
    struct Case { char const * cls; char const * tag; char const * format; UINT limit; };
    Case const cases[] = {
        {"CUIEditIntHex", "Value", "", 4}, {"CUIEditIntHex", "Value", "0", CEditModel::defaultLimit},
        {"CUIEditIntHex", "Value", "-1", CEditModel::defaultLimit}, {"CUIEditASCII", "Code", "", 6},
        {"CUIEditString", "Text", "", 10}, {"CUIEditString", "Text", "*-5", CEditModel::defaultLimit},
        {"CUIEditString", "Text", "2147483647", CEditModel::defaultLimit},
        {"CUIEditString", "Text", "40000", 40000},
    };
    // clang-format on
    for (Case const & c : cases) {
        SCOPED_TRACE(std::string(c.cls) + " " + c.format);
        Build({{c.cls, c.tag, c.format}});
        EXPECT_EQ(Edit(c.tag).GetLimitText(), c.limit);
    }
}
