#pragma once

#include "AfxTypes.hpp"
#include "CEditModel.hpp"
#include "haldenctrl_export.h"

#include <array>
#include <string>
#include <string_view>

// What an IP address control edits, free of windows and drawing: four fields of up to three
// digits, each with a range (0 to 255 unless set), the field the caret is in and the caret
// and selection inside it. Each field is a small edit model: the caret and selection never
// leave their field; moving to another field is a step of its own.
//
// The user's rules: digits are typed into the field (others are ignored); a field that is
// full with the caret at its end passes on to the next one, selected, and a digit typed
// there goes on too; '.' or a blank moves on from a field that is not blank; Left at the
// start of a field and Right at its end cross to the neighbour, Backspace at the start goes
// back to the end of the previous field, Home and End go to the start of the first field
// and the end of the last (with Shift, to the ends of the field). A field that is left is
// clamped into its range and written without leading zeros.
class HALDENCTRL_EXPORT CIPAddrModel {
public:
    static constexpr int fieldCount = 4;
    static constexpr UINT fieldDigits = 3;
    // The value of a blank field.
    static constexpr int blank = -1;

    // What a user's action did: whether the text of a field changed, and which field was
    // left with a value other than it had when it was entered (-1 for none).
    struct Change {
        bool changed = false;
        int fieldChanged = -1;
    };

    enum Move { moveLeft, moveRight, moveHome, moveEnd };

    CIPAddrModel();

    // The program's side: fields set this way count as the value they had on entry.
    void SetAddress(DWORD address);
    // The address with each field clamped into its range and blank fields as 0; the number
    // of fields that are not blank.
    int GetAddress(DWORD & address) const;
    void Clear();
    bool IsBlank() const;
    // Takes up to four dot-separated fields of a text; digits beyond three and other
    // characters are dropped, values are clamped to 255.
    void SetText(std::string_view text);
    // The fields joined by dots, blank fields empty ("10..0.1").
    std::string GetText() const;
    // False for a field beyond the fourth or a low end above the high one.
    bool SetRange(int field, BYTE low, BYTE high);
    void GetRange(int field, BYTE & low, BYTE & high) const;
    // A field's value as it stands (not yet clamped), or blank.
    int GetFieldValue(int field) const;
    // blank, or a value clamped to 0..255.
    void SetFieldValue(int field, int value);
    std::string const & GetFieldText(int field) const;

    // The caret's field and the caret and selection in it, as byte offsets of its text.
    int GetField() const { return m_field; }
    UINT GetCaret() const { return Current().GetCaret(); }
    UINT GetSelStart() const { return Current().GetSelStart(); }
    UINT GetSelEnd() const { return Current().GetSelEnd(); }

    // The user's editing.
    Change Type(UINT codePoint);
    Change Backspace();
    Change Delete();
    Change MoveCaret(Move move, bool extend);
    // Moves into a field with its text selected; the field left is clamped.
    Change EnterField(int field);
    // Puts the caret into a field (extend: selects from the anchor, within the same field).
    Change PlaceCaret(int field, UINT pos, bool extend);
    // The focus leaves the control: the field is clamped and stays the caret's field.
    Change Leave();

private:
    struct Field {
        CEditModel edit;
        BYTE low = 0;
        BYTE high = 255;
    };
    enum class Land { all, start, end };

    CEditModel & Current() { return m_fields[static_cast<std::size_t>(m_field)].edit; }
    CEditModel const & Current() const { return m_fields[static_cast<std::size_t>(m_field)].edit; }
    // Leaves the caret's field for another one and lands in it as said.
    Change GoTo(int field, Land land);
    // Clamps the caret's field and reports whether its value changed since it was entered.
    Change Commit();
    static Change Merge(Change first, Change second);

    std::array<Field, fieldCount> m_fields;
    int m_field = 0;
    int m_entered = blank;
};
