#include "NotificationNames.hpp"

#include "CButton.hpp"
#include "CComboBox.hpp"
#include "CListBox.hpp"
#include "IPAddrMessages.hpp"
#include "TabCtrlMessages.hpp"

#include <iterator>

namespace {

struct Name {
    UINT code;
    char const * name;
};

template <std::size_t N>
std::string Find(Name const (&names)[N], UINT code) {
    for (Name const & name : names)
        if (name.code == code)
            return name.name;
    return "code " + std::to_string(code);
}

// clang-format off
constexpr Name listNames[] = {{LBN_SELCHANGE, "selchange"}, {LBN_DBLCLK, "dblclk"}, {LBN_SELCANCEL, "selcancel"}, {LBN_SETFOCUS, "setfocus"}, {LBN_KILLFOCUS, "killfocus"}};
constexpr Name comboNames[] = {{CBN_SELCHANGE, "selchange"}, {CBN_DBLCLK, "dblclk"}, {CBN_SETFOCUS, "setfocus"}, {CBN_KILLFOCUS, "killfocus"}, {CBN_EDITCHANGE, "editchange"}, {CBN_EDITUPDATE, "editupdate"}, {CBN_DROPDOWN, "dropdown"}, {CBN_CLOSEUP, "closeup"}, {CBN_SELENDOK, "selendok"}, {CBN_SELENDCANCEL, "selendcancel"}};
constexpr Name buttonNames[] = {{BN_CLICKED, "clicked"}, {BN_DOUBLECLICKED, "doubleclicked"}, {BN_SETFOCUS, "setfocus"}, {BN_KILLFOCUS, "killfocus"}};
constexpr Name editNames[] = {{EN_SETFOCUS, "setfocus"}, {EN_KILLFOCUS, "killfocus"}, {EN_CHANGE, "change"}, {EN_UPDATE, "update"}, {EN_MAXTEXT, "maxtext"}};
constexpr Name notifyNames[] = {{TCN_SELCHANGING, "selchanging"}, {TCN_SELCHANGE, "selchange"}, {TTN_SHOW, "show"}, {TTN_POP, "pop"}};
constexpr char const * scrollNames[] = {"lineup", "linedown", "pageup", "pagedown", "thumbpos", "thumbtrack", "top", "bottom", "endscroll"};
// clang-format on

} // namespace

std::string CommandCodeName(CWnd const & control, UINT code) {
    if (control.IsKindOf(CListBox::AfxStaticClassInfo()))
        return Find(listNames, code);
    if (control.IsKindOf(CComboBox::AfxStaticClassInfo()))
        return Find(comboNames, code);
    if (control.IsKindOf(CButton::AfxStaticClassInfo()))
        return Find(buttonNames, code);
    return Find(editNames, code);
}

std::string NotifyName(NMHDR const & header) {
    if (header.code == IPN_FIELDCHANGED) {
        auto const & note = reinterpret_cast<NMIPADDRESS const &>(header);
        return "fieldchanged " + std::to_string(note.iField) + "=" + std::to_string(note.iValue);
    }
    std::string const name = Find(notifyNames, header.code);
    return name.starts_with("code ") ? "notify " + std::to_string(static_cast<int>(header.code))
                                     : name;
}

std::string ScrollCodeName(UINT code) {
    return code < std::size(scrollNames) ? scrollNames[code] : "code " + std::to_string(code);
}
