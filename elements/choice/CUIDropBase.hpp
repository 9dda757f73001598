#pragma once

#include "CArray.hpp"
#include "CUIControl.hpp"

#include <cstdint>

class CComboBox;
class CLayDropDown;
class CLayItemText;
class CStatic;

// The base of the elements that show a property as a label followed by a combo box. It
// keeps the entries (a text and a 32-bit data value each, in the order added), decides
// which of them the combo box shows and how, lays out and places the two controls.
//
// Shown entries: positions (indexes in the order added, not data values) from m_min up to
// below m_max; with a nonzero m_mask only those whose bit (position mod 32) is set; with
// nonzero m_places each text is shown as a fixed-point number with that many decimals.
// The setters work at any time after binding: before the combo box exists they only store
// the value, which takes effect when it is created; afterwards they rebuild its list with
// redrawing off and load the value again, so that the stored value is selected among the
// new entries. AppendData rebuilds in the same way, so that an item can extend the list while
// the page is shown. Rebuilding sends nothing to the parent and saves nothing.
//
// The combo box is laid out by a CLayDropDown sized from every entry's text, and is given
// eight times its height, the room of its open list. The subclasses create the controls,
// load and save.
class VANTORUI_EXPORT CUIDropBase : public CUIControl {
    AFX_DECLARE_CLASS(CUIDropBase)
public:
    // Decimal places beyond this many are shown as this many, so that an absurd setting
    // cannot make texts of gigabytes of zeros.
    static constexpr unsigned int maxPlaces = 1000;

    CUIDropBase();

    void SetMin(unsigned int min);
    void SetMax(unsigned int max);
    // Only the low 32 bits count: they are the bits of positions mod 32.
    void SetMask(unsigned long mask);
    void SetPlaces(unsigned int places);
    // Appends the fields of a "|"-separated list; field i gets the data value (entry count
    // before the call) + i. Empty fields add nothing but use up their number. Once the combo
    // box exists the new entries are shown at once, as a setter would rebuild it.
    void AppendData(CString list);

    // The entry texts as stored, all of them, whatever is shown.
    CArray<CString> const & GetListText() const { return m_listText; }

protected:
    // Appends one entry; an empty text adds nothing. The host's text substitution
    // (VantorOemStrings) is applied to the text.
    void AddData(unsigned int data, CString text);
    // Adds the shown entries to the combo box.
    void LoadList();
    // Rebuilds the combo box list without changing a setting.
    void Reload();
    // The combo box's rectangle: the layout item's, eight times as high.
    CRect FindComboRect();
    // Creates the label and the combo box (taking the next identifier), fills the list and
    // makes the combo box the main control saving on `code`.
    void CreateControls(CWnd & parent, unsigned int & id, DWORD style, unsigned int code);
    // The shown text of an entry: with places, "0" padded and a "." before the last places.
    CString ShowText(CString text) const;

    void OnBind() override;
    void OnLayout(CLayFormation * form) override;
    void OnMove() override;
    void OnRename(char const * name) override;

    CString m_labelText;
    CArray<CString> m_listText{16};
    CArray<std::uint32_t> m_listData{16};
    CLayItemText * m_layLabel = nullptr;
    CLayDropDown * m_layDrop = nullptr;
    CStatic * m_ctrlLabel;
    CComboBox * m_ctrlDrop;
    std::uint32_t m_min = 0;
    std::uint32_t m_max = 0xFFFFFFFF;
    std::uint32_t m_mask = 0;
    std::uint32_t m_places = 0;
};
