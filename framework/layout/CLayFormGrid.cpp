#include "CLayFormGrid.hpp"

#include <algorithm>
#include <vector>

AFX_IMPLEMENT_CLASS(CLayFormGrid, CLayFormation, &CObject::AfxConstruct)

CLayFormGrid::CLayFormGrid(UINT cols) : m_cols(cols) {}

UINT CLayFormGrid::GetColumnCount() const {
    return std::max(m_cols, 1u);
}

UINT CLayFormGrid::GetRowCount() const {
    UINT cols = GetColumnCount();
    return (GetCount() + cols - 1) / cols;
}

static void ResetTracks(CArray<LONG> & tracks, UINT count) {
    tracks.Empty();
    for (UINT i = 0; i < count; ++i)
        tracks.Append(0);
}

void CLayFormGrid::OnMeasure() {
    UINT cols = GetColumnCount();
    UINT rows = GetRowCount();
    ResetTracks(m_colMin, cols);
    ResetTracks(m_colMax, cols);
    ResetTracks(m_rowMin, rows);
    ResetTracks(m_rowMax, rows);
    for (UINT i = 0; i < GetCount(); ++i) {
        CLayItem const * item = GetItem(i);
        CSize min = item->GetMinSize();
        CSize max = item->GetMaxSize();
        UINT col = i % cols;
        UINT row = i / cols;
        m_colMin[col] = std::max(m_colMin[col], min.cx);
        m_colMax[col] = std::max(m_colMax[col], max.cx);
        m_rowMin[row] = std::max(m_rowMin[row], min.cy);
        m_rowMax[row] = std::max(m_rowMax[row], max.cy);
    }
    SumTracks();
}

void CLayFormGrid::SumTracks() {
    m_minSize = m_maxSize = CSize();
    for (UINT i = 0; i < m_colMin.GetCount(); ++i) {
        m_minSize.cx = AddCapped(m_minSize.cx, m_colMin[i]);
        m_maxSize.cx = AddCapped(m_maxSize.cx, m_colMax[i]);
    }
    for (UINT i = 0; i < m_rowMin.GetCount(); ++i) {
        m_minSize.cy = AddCapped(m_minSize.cy, m_rowMin[i]);
        m_maxSize.cy = AddCapped(m_maxSize.cy, m_rowMax[i]);
    }
}

void CLayFormGrid::OnShare(CArray<LONG> & sizes, CArray<LONG> const & maxSizes, LONG extra) const {
    UINT const count = sizes.GetCount();
    if (extra <= 0 || count == 0)
        return;
    std::vector<LONG> rooms(count);
    for (UINT i = 0; i < count; ++i)
        rooms[i] = std::max<LONG>(0, maxSizes[i] - sizes[i]);
    // The level that equal shares reach: going through the rooms from the smallest, each
    // track whose room the shares would overflow takes its whole room; the first that they
    // would not fill sets the level for it and every larger one. n log n, so grids of
    // thousands of rows stay cheap to lay out.
    std::vector<LONG> sorted = rooms;
    std::sort(sorted.begin(), sorted.end());
    long long used = 0;
    LONG level = -1; // -1: every track reaches its maximum
    for (UINT k = 0; k < count; ++k) {
        long long const open = count - k;
        if (used + sorted[k] * open > extra) {
            level = static_cast<LONG>((extra - used) / open);
            break;
        }
        used += sorted[k];
    }
    LONG spent = 0;
    for (UINT i = 0; i < count; ++i) {
        LONG const grow = level < 0 ? rooms[i] : std::min(rooms[i], level);
        sizes[i] += grow;
        spent += grow;
    }
    if (level < 0)
        return; // every track is at its maximum: the rest stays unused
    // Pixels that do not divide evenly: one each to the first tracks that can still grow.
    for (UINT i = 0; i < count && spent < extra; ++i)
        if (rooms[i] > level) {
            ++sizes[i];
            ++spent;
        }
}

void CLayFormGrid::OnSetRect(CRect const & rect) {
    UINT cols = m_colMin.GetCount();
    UINT rows = m_rowMin.GetCount();
    if (GetCount() > cols * rows)
        return; // items added since the last Prepare: nothing is known of their sizes

    CArray<LONG> widths = m_colMin;
    CArray<LONG> heights = m_rowMin;
    OnShare(widths, m_colMax, rect.Width() - m_minSize.cx);
    OnShare(heights, m_rowMax, rect.Height() - m_minSize.cy);

    LONG top = rect.top;
    for (UINT row = 0; row < rows; ++row) {
        LONG left = rect.left;
        for (UINT col = 0; col < cols; ++col) {
            if (CLayItem * item = GetItem(row * cols + col))
                item->SetRect(CRect(left, top, left + widths[col], top + heights[row]));
            left += widths[col];
        }
        top += heights[row];
    }
}
