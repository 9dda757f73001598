#include "CEditModel.hpp"

#include "Utf8.hpp"
#include "internal/EditText.hpp"

#include <algorithm>

void CEditModel::SetText(std::string_view text) {
    m_text.assign(text);
    m_anchor = m_caret = 0;
    m_group = Group::none;
}

UINT CEditModel::GetCodePointCount() const {
    return static_cast<UINT>(EditText::CountCodePoints(m_text));
}

UINT CEditModel::Position(long long pos) const {
    if (pos < 0 || pos >= static_cast<long long>(m_text.size()))
        return GetLength();
    return static_cast<UINT>(Utf8::Snap(m_text, static_cast<std::size_t>(pos)));
}

void CEditModel::Select(long long start, long long end) {
    m_group = Group::none;
    if (start < 0) {
        m_anchor = m_caret;
        return;
    }
    m_anchor = Position(start);
    m_caret = Position(end);
}

void CEditModel::SelectAll() {
    Select(0, -1);
}

std::string CEditModel::GetSelectedText() const {
    return m_text.substr(GetSelStart(), GetSelEnd() - GetSelStart());
}

void CEditModel::MoveCaret(Move move, bool extend) {
    m_group = Group::none;
    UINT target = m_caret;
    switch (move) {
    case moveLeft:
        target = HasSelection() && !extend ? GetSelStart()
                                           : static_cast<UINT>(Utf8::Previous(m_text, m_caret));
        break;
    case moveRight:
        target = HasSelection() && !extend ? GetSelEnd()
                                           : static_cast<UINT>(Utf8::Next(m_text, m_caret));
        break;
    case moveWordLeft:
        target = IsPassword() ? 0 : static_cast<UINT>(EditText::WordStartBefore(m_text, m_caret));
        break;
    case moveWordRight:
        target = IsPassword() ? GetLength()
                              : static_cast<UINT>(EditText::WordStartAfter(m_text, m_caret));
        break;
    case moveHome:
        target = 0;
        break;
    case moveEnd:
        target = GetLength();
        break;
    }
    m_caret = target;
    if (!extend)
        m_anchor = target;
}

void CEditModel::PlaceCaret(UINT pos, bool extend) {
    m_group = Group::none;
    m_caret = Position(pos);
    if (!extend)
        m_anchor = m_caret;
}

void CEditModel::SelectWordAt(UINT pos) {
    m_group = Group::none;
    if (IsPassword()) {
        SelectAll();
        return;
    }
    std::size_t start = 0;
    std::size_t end = 0;
    EditText::RunAt(m_text, pos, start, end);
    m_anchor = static_cast<UINT>(start);
    m_caret = static_cast<UINT>(end);
}

CEditModel::Change CEditModel::Type(std::string_view text) {
    if (m_readOnly)
        return {};
    return Insert(text, Group::typing);
}

CEditModel::Change CEditModel::ReplaceSelection(std::string_view text) {
    return Insert(text, Group::none);
}

CEditModel::Change CEditModel::Insert(std::string_view text, Group group) {
    std::string_view const selected =
        std::string_view(m_text).substr(GetSelStart(), GetSelEnd() - GetSelStart());
    std::size_t const kept =
        EditText::CountCodePoints(m_text) - EditText::CountCodePoints(selected);
    std::size_t const room = m_limit > kept ? m_limit - kept : 0;
    std::size_t const bytes = EditText::PrefixBytes(text, room);
    Change change;
    change.limitHit = bytes < text.size();
    if (bytes == 0 && !HasSelection())
        return change;
    change.changed = Replace(GetSelStart(), GetSelEnd(), text.substr(0, bytes), group).changed;
    return change;
}

CEditModel::Change CEditModel::Replace(UINT start, UINT end, std::string_view text, Group group) {
    if (start == end && text.empty())
        return {};
    // A run of typing, or of single deletions, continues the change before it.
    bool const continues = group != Group::none && group == m_group && m_undo && !HasSelection();
    if (!continues)
        m_undo = Snapshot{m_text, m_anchor, m_caret};
    m_text.replace(start, end - start, text);
    m_anchor = m_caret = start + static_cast<UINT>(text.size());
    m_modified = true;
    m_group = group;
    return {true, false};
}

CEditModel::Change CEditModel::DeleteRange(UINT start, UINT end, Group group) {
    if (m_readOnly || start >= end)
        return {};
    return Replace(start, end, {}, group);
}

CEditModel::Change CEditModel::Backspace() {
    if (HasSelection())
        return Clear();
    return DeleteRange(static_cast<UINT>(Utf8::Previous(m_text, m_caret)), m_caret,
                       Group::deleting);
}

CEditModel::Change CEditModel::Delete() {
    if (HasSelection())
        return Clear();
    return DeleteRange(m_caret, static_cast<UINT>(Utf8::Next(m_text, m_caret)), Group::deleting);
}

CEditModel::Change CEditModel::DeleteWordBefore() {
    if (HasSelection())
        return Clear();
    UINT const start =
        IsPassword() ? 0 : static_cast<UINT>(EditText::WordStartBefore(m_text, m_caret));
    return DeleteRange(start, m_caret, Group::none);
}

CEditModel::Change CEditModel::DeleteWordAfter() {
    if (HasSelection())
        return Clear();
    UINT const end =
        IsPassword() ? GetLength() : static_cast<UINT>(EditText::WordStartAfter(m_text, m_caret));
    return DeleteRange(m_caret, end, Group::none);
}

CEditModel::Change CEditModel::Clear() {
    return DeleteRange(GetSelStart(), GetSelEnd(), Group::none);
}

CEditModel::Change CEditModel::Cut(std::string & text) {
    text.clear();
    if (m_readOnly || IsPassword() || !HasSelection())
        return {};
    text = GetSelectedText();
    return Clear();
}

bool CEditModel::Copy(std::string & text) const {
    text.clear();
    if (IsPassword() || !HasSelection())
        return false;
    text = GetSelectedText();
    return true;
}

CEditModel::Change CEditModel::Paste(std::string_view text) {
    if (m_readOnly)
        return {};
    // A single line takes the clipboard's first line only.
    return Insert(text.substr(0, std::min(text.find('\r'), text.find('\n'))), Group::none);
}

CEditModel::Change CEditModel::Undo() {
    if (m_readOnly || !m_undo)
        return {};
    Snapshot const current{m_text, m_anchor, m_caret};
    m_text = m_undo->text;
    m_anchor = std::min<UINT>(m_undo->anchor, GetLength());
    m_caret = std::min<UINT>(m_undo->caret, GetLength());
    m_undo = current;
    m_group = Group::none;
    m_modified = true;
    return {true, false};
}

bool CEditModel::CanUndo() const {
    return m_undo.has_value();
}

void CEditModel::EmptyUndo() {
    m_undo.reset();
    m_group = Group::none;
}

void CEditModel::SetLimit(UINT limit) {
    m_limit = limit == 0 || limit > defaultLimit ? defaultLimit : limit;
}

std::string CEditModel::GetDisplayText(UINT start, UINT end) const {
    start = std::min(start, GetLength());
    end = std::max(start, std::min(end, GetLength()));
    std::string_view const part = std::string_view(m_text).substr(start, end - start);
    if (!IsPassword())
        return std::string(part);
    std::string const one = Utf8::Encode(m_passwordChar);
    std::string shown;
    for (std::size_t count = EditText::CountCodePoints(part); count > 0; --count)
        shown += one;
    return shown;
}
