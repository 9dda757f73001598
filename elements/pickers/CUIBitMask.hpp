#pragma once

#include "CArray.hpp"
#include "CUIPickBase.hpp"

#include <cstdint>

// An integer edited as a set of named flags. The field shows the names of the set bits, in
// name order, without separators; the button opens an item dialog ("Edit <name>") of check
// boxes, one per name, on a temporary CBitMask. OK writes the mask (NotifyWrite) when it
// changed and reports a change even when it did not; Cancel writes and reports nothing. The
// check boxes edit only their own bits, so bits above the named ones keep their values.
//
// Format: columns|name|name|...; columns defaults to 4, 0 reads as 1; the first name is bit
// n - 1 of n names, the last bit 0. Names are kept as given ("&" shown single in the field,
// doubled for the check boxes). Names beyond 32 have no bit: they are never shown and get
// no check box. Without the property the field stays empty and the button opens nothing.
class VANTORUI_EXPORT CUIBitMask : public CUIPickBase {
    AFX_DECLARE_CLASS(CUIBitMask)
    AFX_DECLARE_CONSTRUCT(CUIBitMask)
public:
    CUIBitMask() = default;

protected:
    void OnBind() override;
    void OnLoad() override;
    int OnPick() override;

    CArray<CString> m_names{16};
    std::uint32_t m_columns = 4;
};
