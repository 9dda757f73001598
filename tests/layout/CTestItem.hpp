#pragma once

#include "CLayItem.hpp"

// An item whose sizes the test chooses. The sizes given take effect at the next Prepare, as a
// measured item's would; ForceMinSize changes the minimum at once, as if the item had been
// re-measured behind its formation's back. Counts its Prepare calls and its deletion.
class CTestItem : public CLayItem {
public:
    CTestItem(CSize min, CSize max, int * deleted = nullptr)
        : m_wantMin(min), m_wantMax(max), m_deleted(deleted) {}
    ~CTestItem() override {
        if (m_deleted)
            ++*m_deleted;
    }

    void Resize(CSize min, CSize max) {
        m_wantMin = min;
        m_wantMax = max;
    }
    void ForceMinSize(CSize min) { m_minSize = min; }
    int GetPrepareCount() const { return m_prepares; }

protected:
    void OnPrepare(CDC &) override {
        m_minSize = m_wantMin;
        m_maxSize = m_wantMax;
        ++m_prepares;
    }

private:
    CSize m_wantMin;
    CSize m_wantMax;
    int * m_deleted;
    int m_prepares = 0;
};
