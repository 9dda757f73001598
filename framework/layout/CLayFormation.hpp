#pragma once

#include "CArray.hpp"
#include "CLayItem.hpp"

// An item that holds other items and owns them: they are deleted with it. Preparing a
// formation prepares every item in it first and then measures the formation from their
// sizes (OnMeasure). Placing it never throws for a rectangle that holds its minimum size:
// the rectangles it hands its items lie inside its own.
class VANTORLAYOUT_EXPORT CLayFormation : public CLayItem {
    AFX_DECLARE_CLASS(CLayFormation)
public:
    CLayFormation();
    ~CLayFormation() override;
    CLayFormation(CLayFormation const &) = delete;
    CLayFormation & operator=(CLayFormation const &) = delete;

    // Appends an item and takes it over; a null item is ignored.
    void AddItem(CLayItem * item);

    UINT GetCount() const { return m_items.GetCount(); }
    // The item at a position in the order added; null past the end.
    CLayItem * GetItem(UINT index) const { return index < GetCount() ? m_items[index] : nullptr; }

protected:
    // Prepares every item, then calls OnMeasure.
    void OnPrepare(CDC & dc) override;
    // Sets m_minSize and m_maxSize from the items' sizes.
    virtual void OnMeasure() = 0;

    // a + b, capped at maxUnlimited so that sums of large maximums cannot overflow.
    static LONG AddCapped(LONG a, LONG b);

private:
    CArray<CLayItem *> m_items;
};
