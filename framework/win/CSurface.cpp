#include "CSurface.hpp"

#include "CBitmapBits.hpp"

void CSurface::CopyMono(CPoint to, CBitmapBits const & bits, CRect const & from, CColor black,
                        CColor white, CRect const & clip) {
    CRect const source = from.Intersect({0, 0, bits.GetWidth(), bits.GetHeight()});
    CBrush const ink(black);
    CBrush const paper(white);
    for (LONG y = source.top; y < source.bottom; ++y) {
        for (LONG x = source.left; x < source.right; ++x) {
            CPoint const p = to + CSize(x - from.left, y - from.top);
            FillRect({p, CSize(1, 1)}, bits.IsBlack(x, y) ? ink : paper, clip);
        }
    }
}

void const * CSurface::GetBits(LONG & stride) const {
    stride = 0;
    return nullptr;
}
