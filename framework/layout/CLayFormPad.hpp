#pragma once

#include "CLayFormation.hpp"

// Wraps one item in margins and places it inside them.
//
// The item always gets the whole inner width (keeping what its maximum allows, left-aligned).
// Its height depends on the flags:
//   padTop      the item keeps its own height (its maximum, at most the inner height) at the
//               top of the pad;
//   padCentre   the same height, centred vertically: the space above is
//               floor((inner height - item height) / 2);
//   neither     the item gets the whole inner height (keeping what its maximum allows).
// With padTop or padCentre (padTop wins when both are given) the pad keeps the whole height
// it is handed, even beyond its maximum, so that a label or a units text is aligned against
// a higher neighbour in its row; its maximum still reports the item's, so rows do not grow
// on its account.
//
// Minimum = item minimum + margins + spacing; maximum = item maximum + margins + spacing.
//
// Flags callers use: 0 (margins 4,4,4,4 around a group frame and around push buttons),
// 0x10 (group frame: margins, body at the top), 0x21 (labels and editors), 0x20 (units or a
// pick button after an edit field), 0x11 (the label of a radio group).
class VANTORLAYOUT_EXPORT CLayFormPad : public CLayFormation {
    AFX_DECLARE_CLASS(CLayFormPad)
public:
    // Adds padSpacing pixels on every side, inside the margins, so neighbours do not touch.
    static constexpr UINT padSpace = 0x01;
    static constexpr UINT padTop = 0x10;
    static constexpr UINT padCentre = 0x20;
    static constexpr LONG padSpacing = 2;

    // Takes over `item` (which may be null: the pad is then margins and spacing alone).
    // `margins` are the left, top, right and bottom margins in pixels.
    CLayFormPad(CLayItem * item, CRect const & margins, UINT flags);
    CLayFormPad(CLayItem * item, UINT flags);

    CRect const & GetMargins() const { return m_margins; }
    UINT GetFlags() const { return m_flags; }

protected:
    void OnMeasure() override;
    void OnSetRect(CRect const & rect) override;
    CRect OnClampRect(CRect const & rect) const override;

private:
    // The margins and the spacing together.
    CRect GetFrame() const;

    CRect m_margins;
    UINT m_flags;
};
