#pragma once

#include "AfxTypes.hpp"
#include "CArray.hpp"
#include "CString.hpp"
#include "haldenwin_export.h"

#include <cstddef>

class CEntity;

// A dialog template read from a compiled dialog resource: the dialog's caption, styles,
// place and size in dialog units and font, and its controls in order.
//
// The resource's bytes, little-endian, where a text is a 16-bit length and that many
// bytes: "DLGT", style u32, extended style u32, x y cx cy i16, font size u16, font face
// text, caption text, control count u16, then per control: style u32, extended style u32,
// x y cx cy i16, identifier u16, class name text, text.
class HALDENWIN_EXPORT CDialogTemplate {
public:
    struct Item {
        CString m_class;
        UINT m_id = 0;
        CString m_text;
        int m_x = 0;
        int m_y = 0;
        int m_cx = 0;
        int m_cy = 0;
        DWORD m_style = 0;
        DWORD m_exStyle = 0;
    };

    // Reads a template from its bytes. False, with the template left empty, when the bytes
    // are not a whole, well-formed template (short, too long, a bad tag, a font size
    // without a face or the reverse, a NUL inside a text).
    bool Parse(void const * data, std::size_t size);
    // Loads the dialog resource that the entity names and reads it; false when there is
    // none or it is malformed.
    static bool Load(CEntity const & entity, CDialogTemplate & out);

    void Empty();

    CString const & GetCaption() const { return m_caption; }
    DWORD GetStyle() const { return m_style; }
    DWORD GetExStyle() const { return m_exStyle; }
    int GetX() const { return m_x; }
    int GetY() const { return m_y; }
    int GetCX() const { return m_cx; }
    int GetCY() const { return m_cy; }
    // The font's point size and face; 0 and empty when the template names no font.
    UINT GetFontSize() const { return m_fontSize; }
    CString const & GetFontFace() const { return m_fontFace; }
    CArray<Item> const & GetItems() const { return m_items; }

private:
    CString m_caption;
    DWORD m_style = 0;
    DWORD m_exStyle = 0;
    int m_x = 0;
    int m_y = 0;
    int m_cx = 0;
    int m_cy = 0;
    UINT m_fontSize = 0;
    CString m_fontFace;
    CArray<Item> m_items;
};
