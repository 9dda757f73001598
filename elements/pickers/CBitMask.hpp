#pragma once

#include "CArray.hpp"
#include "CUIItem.hpp"

#include <cstdint>

// The item that CUIBitMask shows in its dialog for one pick: the mask as the property
// "Data" and the bit names, the first name for the highest bit. Its page is one group
// "Options" of check boxes (CUICheck in bit mode), one per name in name order, with
// m_columns cells per row.
//
// Only 32 bits exist: names for bits 32 and above get no check box. A column count above the
// number of names (or 0) is cut to the number of names (at least 1), so a careless format
// cannot make a grid of thousands of empty columns.
class VANTORUI_EXPORT CBitMask : public CUIItem {
    AFX_DECLARE_CLASS(CBitMask)
    AFX_DECLARE_CONSTRUCT(CBitMask)
public:
    CBitMask() = default;

    // Appends the names with every "&" doubled, so that the check boxes show it.
    void LoadNames(CArray<CString> & names);
    void LoadUI(CUIViewWnd * view, unsigned int page) override;

    DWORD m_bits = 0;
    std::uint32_t m_columns = 4;
    CArray<CString> m_names{16};

protected:
    void AddMetaData() override;
};
