#pragma once

#include "AfxTypes.hpp"
#include "haldenctrl_export.h"

#include <optional>
#include <string>
#include <string_view>

// What a single-line edit control edits, free of windows and drawing: the UTF-8 text, the
// caret and the selection anchor, the length limit, the read-only and password states, the
// modified flag and one level of undo. Positions are byte offsets into the text and always
// lie on code point boundaries: every move and deletion acts on whole code points.
//
// The selection runs from the anchor to the caret; it is empty when they meet. Moves with
// `extend` move the caret and keep the anchor (Shift held); without it they collapse the
// selection.
class HALDENCTRL_EXPORT CEditModel {
public:
    // The length limit counts code points, the characters the user sees. A limit of 0, and
    // any limit above this value, means this value: in practice no limit.
    static constexpr UINT defaultLimit = 0x7FFFFFFE;
    // The character shown for each code point of a password field unless another is set.
    static constexpr UINT defaultPasswordChar = 0x2022;

    // What an editing operation did: whether the text changed, and whether text was cut
    // short (or refused) because of the limit.
    struct Change {
        bool changed = false;
        bool limitHit = false;
    };

    enum Move { moveLeft, moveRight, moveWordLeft, moveWordRight, moveHome, moveEnd };

    // The text. SetText is the program's: it keeps all of the text whatever the limit, puts
    // the caret at 0 with nothing selected and leaves the modified flag and undo alone (the
    // control clears those itself).
    std::string const & GetText() const { return m_text; }
    void SetText(std::string_view text);
    UINT GetCodePointCount() const;

    // The selection.
    UINT GetCaret() const { return m_caret; }
    UINT GetAnchor() const { return m_anchor; }
    UINT GetSelStart() const { return m_anchor < m_caret ? m_anchor : m_caret; }
    UINT GetSelEnd() const { return m_anchor < m_caret ? m_caret : m_anchor; }
    bool HasSelection() const { return m_anchor != m_caret; }
    // Selects from `start` (the anchor) to `end` (the caret); start may lie after end. An end
    // below 0 means the end of the text; a start below 0 removes the selection and keeps the
    // caret. Positions beyond the text mean its end; one inside a code point moves back to
    // its start.
    void Select(long long start, long long end);
    void SelectAll();
    std::string GetSelectedText() const;

    // Caret moves by keys and by the mouse.
    void MoveCaret(Move move, bool extend);
    void PlaceCaret(UINT pos, bool extend);
    // Selects the word (or the run of blanks or punctuation) at a position; in a password
    // field the whole text, whose words are not to be guessed.
    void SelectWordAt(UINT pos);

    // The user's editing: refused (nothing changes) while read-only. Typing replaces the
    // selection; what goes beyond the limit is cut off at a code point boundary.
    Change Type(std::string_view text);
    Change Backspace();
    Change Delete();
    // Ctrl+Backspace and Ctrl+Delete: to the start of the word before the caret, to the
    // start of the next word. With a selection these delete the selection.
    Change DeleteWordBefore();
    Change DeleteWordAfter();
    // Deletes the selection.
    Change Clear();
    // Cut gives the selection and deletes it; refused while read-only and in a password
    // field. Copy gives the selection; refused (false) in a password field and when nothing
    // is selected. Paste types the text up to its first line break.
    Change Cut(std::string & text);
    bool Copy(std::string & text) const;
    Change Paste(std::string_view text);
    // Takes back the last change (a run of typing or of single-character deletions counts
    // as one change); undoing again redoes it.
    Change Undo();
    bool CanUndo() const;
    void EmptyUndo();

    // The program's replacement of the selection: allowed while read-only, cut to the limit.
    Change ReplaceSelection(std::string_view text);

    void SetLimit(UINT limit);
    UINT GetLimit() const { return m_limit; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool IsReadOnly() const { return m_readOnly; }
    // The character shown for each code point; 0 shows the text itself.
    void SetPasswordChar(UINT ch) { m_passwordChar = ch; }
    UINT GetPasswordChar() const { return m_passwordChar; }
    bool IsPassword() const { return m_passwordChar != 0; }
    // What is shown for the text from `start` to `end`: the text itself, or one password
    // character per code point.
    std::string GetDisplayText(UINT start, UINT end) const;
    std::string GetDisplayText() const { return GetDisplayText(0, GetLength()); }

    // Set by every change of the user, cleared only by SetModified.
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }

    UINT GetLength() const { return static_cast<UINT>(m_text.size()); }

private:
    // Runs of typing and of single deletions share one undo step.
    enum class Group { none, typing, deleting };

    struct Snapshot {
        std::string text;
        UINT anchor = 0;
        UINT caret = 0;
    };

    Change Insert(std::string_view text, Group group);
    Change Replace(UINT start, UINT end, std::string_view text, Group group);
    Change DeleteRange(UINT start, UINT end, Group group);
    UINT Position(long long pos) const;

    std::string m_text;
    UINT m_anchor = 0;
    UINT m_caret = 0;
    UINT m_limit = defaultLimit;
    UINT m_passwordChar = 0;
    bool m_readOnly = false;
    bool m_modified = false;
    std::optional<Snapshot> m_undo;
    Group m_group = Group::none;
};
