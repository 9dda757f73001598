#include "CIPAddrModel.hpp"

#include <algorithm>

namespace {

bool IsDigit(UINT codePoint) {
    return codePoint >= '0' && codePoint <= '9';
}

bool ValidField(int field) {
    return field >= 0 && field < CIPAddrModel::fieldCount;
}

// The value of a field's digits; blank for none.
int ValueOf(std::string const & text) {
    if (text.empty())
        return CIPAddrModel::blank;
    int value = 0;
    for (char ch : text)
        value = value * 10 + (ch - '0');
    return value;
}

} // namespace

CIPAddrModel::CIPAddrModel() {
    for (Field & field : m_fields)
        field.edit.SetLimit(fieldDigits);
}

void CIPAddrModel::SetAddress(DWORD address) {
    for (int i = 0; i < fieldCount; ++i)
        SetFieldValue(i, static_cast<int>(address >> (8 * (fieldCount - 1 - i)) & 0xFF));
}

int CIPAddrModel::GetAddress(DWORD & address) const {
    address = 0;
    int filled = 0;
    for (int i = 0; i < fieldCount; ++i) {
        Field const & field = m_fields[static_cast<std::size_t>(i)];
        int const value = ValueOf(field.edit.GetText());
        address <<= 8;
        if (value == blank)
            continue;
        address |= static_cast<DWORD>(std::clamp<int>(value, field.low, field.high));
        ++filled;
    }
    return filled;
}

void CIPAddrModel::Clear() {
    for (int i = 0; i < fieldCount; ++i)
        SetFieldValue(i, blank);
}

bool CIPAddrModel::IsBlank() const {
    return std::all_of(m_fields.begin(), m_fields.end(),
                       [](Field const & field) { return field.edit.GetText().empty(); });
}

void CIPAddrModel::SetText(std::string_view text) {
    Clear();
    for (int i = 0; i < fieldCount && !text.empty(); ++i) {
        std::size_t const dot = text.find('.');
        std::string digits;
        for (char ch : text.substr(0, dot))
            if (IsDigit(static_cast<unsigned char>(ch)) && digits.size() < fieldDigits)
                digits += ch;
        SetFieldValue(i, ValueOf(digits));
        if (dot == std::string_view::npos)
            break;
        text.remove_prefix(dot + 1);
    }
}

std::string CIPAddrModel::GetText() const {
    std::string text;
    for (int i = 0; i < fieldCount; ++i) {
        if (i > 0)
            text += '.';
        text += GetFieldText(i);
    }
    return text;
}

bool CIPAddrModel::SetRange(int field, BYTE low, BYTE high) {
    if (!ValidField(field) || low > high)
        return false;
    m_fields[static_cast<std::size_t>(field)].low = low;
    m_fields[static_cast<std::size_t>(field)].high = high;
    return true;
}

void CIPAddrModel::GetRange(int field, BYTE & low, BYTE & high) const {
    if (!ValidField(field))
        return;
    low = m_fields[static_cast<std::size_t>(field)].low;
    high = m_fields[static_cast<std::size_t>(field)].high;
}

int CIPAddrModel::GetFieldValue(int field) const {
    return ValidField(field) ? ValueOf(GetFieldText(field)) : blank;
}

void CIPAddrModel::SetFieldValue(int field, int value) {
    if (!ValidField(field))
        return;
    std::string const text = value < 0 ? std::string() : std::to_string(std::min(value, 255));
    m_fields[static_cast<std::size_t>(field)].edit.SetText(text);
    if (field == m_field)
        m_entered = GetFieldValue(field);
}

std::string const & CIPAddrModel::GetFieldText(int field) const {
    static std::string const none;
    return ValidField(field) ? m_fields[static_cast<std::size_t>(field)].edit.GetText() : none;
}

CIPAddrModel::Change CIPAddrModel::Type(UINT codePoint) {
    if (codePoint == '.' || codePoint == ' ') {
        if (Current().GetText().empty() || m_field == fieldCount - 1)
            return {};
        return GoTo(m_field + 1, Land::all);
    }
    if (!IsDigit(codePoint))
        return {};
    Change passed;
    CEditModel const & edit = Current();
    bool const full = edit.GetLength() >= fieldDigits && !edit.HasSelection();
    if (full && edit.GetCaret() == edit.GetLength() && m_field < fieldCount - 1)
        passed = GoTo(m_field + 1, Land::all);
    Change typed;
    typed.changed = Current().Type(std::string(1, static_cast<char>(codePoint))).changed;
    Change const done = Merge(passed, typed);
    CEditModel const & now = Current();
    if (typed.changed && now.GetLength() >= fieldDigits && now.GetCaret() == now.GetLength() &&
        m_field < fieldCount - 1)
        return Merge(done, GoTo(m_field + 1, Land::all));
    return done;
}

CIPAddrModel::Change CIPAddrModel::Backspace() {
    CEditModel & edit = Current();
    if (edit.HasSelection() || edit.GetCaret() > 0)
        return {edit.Backspace().changed, -1};
    if (m_field == 0)
        return {};
    return GoTo(m_field - 1, Land::end);
}

CIPAddrModel::Change CIPAddrModel::Delete() {
    return {Current().Delete().changed, -1};
}

CIPAddrModel::Change CIPAddrModel::MoveCaret(Move move, bool extend) {
    CEditModel & edit = Current();
    bool const plain = !extend && !edit.HasSelection();
    switch (move) {
    case moveLeft:
        if (plain && edit.GetCaret() == 0 && m_field > 0)
            return GoTo(m_field - 1, Land::end);
        edit.MoveCaret(CEditModel::moveLeft, extend);
        return {};
    case moveRight:
        if (plain && edit.GetCaret() == edit.GetLength() && m_field < fieldCount - 1)
            return GoTo(m_field + 1, Land::start);
        edit.MoveCaret(CEditModel::moveRight, extend);
        return {};
    case moveHome:
        if (!extend)
            return GoTo(0, Land::start);
        edit.MoveCaret(CEditModel::moveHome, true);
        return {};
    case moveEnd:
        if (!extend)
            return GoTo(fieldCount - 1, Land::end);
        edit.MoveCaret(CEditModel::moveEnd, true);
        return {};
    }
    return {};
}

CIPAddrModel::Change CIPAddrModel::EnterField(int field) {
    if (!ValidField(field))
        return {};
    return GoTo(field, Land::all);
}

CIPAddrModel::Change CIPAddrModel::PlaceCaret(int field, UINT pos, bool extend) {
    if (!ValidField(field))
        return {};
    Change change;
    if (field != m_field) {
        change = GoTo(field, Land::start);
        extend = false;
    }
    Current().PlaceCaret(pos, extend);
    return change;
}

CIPAddrModel::Change CIPAddrModel::Leave() {
    return Commit();
}

CIPAddrModel::Change CIPAddrModel::GoTo(int field, Land land) {
    Change change;
    if (field != m_field) {
        change = Commit();
        m_field = field;
        m_entered = GetFieldValue(field);
    }
    CEditModel & edit = Current();
    switch (land) {
    case Land::all:
        edit.SelectAll();
        break;
    case Land::start:
        edit.PlaceCaret(0, false);
        break;
    case Land::end:
        edit.PlaceCaret(edit.GetLength(), false);
        break;
    }
    return change;
}

CIPAddrModel::Change CIPAddrModel::Commit() {
    Field const & field = m_fields[static_cast<std::size_t>(m_field)];
    int value = GetFieldValue(m_field);
    Change change;
    if (value != blank) {
        value = std::clamp<int>(value, field.low, field.high);
        std::string const text = std::to_string(value);
        if (text != field.edit.GetText()) {
            Current().SetText(text);
            Current().PlaceCaret(Current().GetLength(), false);
            change.changed = true;
        }
    }
    if (value != m_entered) {
        change.fieldChanged = m_field;
        m_entered = value;
    }
    return change;
}

CIPAddrModel::Change CIPAddrModel::Merge(Change first, Change second) {
    return {first.changed || second.changed,
            second.fieldChanged >= 0 ? second.fieldChanged : first.fieldChanged};
}
