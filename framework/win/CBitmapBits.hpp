#pragma once

#include "AfxTypes.hpp"
#include "haldenwin_export.h"

#include <cstddef>
#include <vector>

class CEntity;

// The pixels of a compiled 1-bit bitmap resource, black (palette index 0) and white
// (palette index 1).
//
// The resource's bytes, little-endian: "BMP1", width u16, height u16, then the rows from
// the top, each (width + 7) / 8 bytes with the leftmost pixel in the highest bit and a set
// bit for white.
class HALDENWIN_EXPORT CBitmapBits {
public:
    // Reads a bitmap from its bytes. False, with the bitmap left empty (0 by 0), when the
    // bytes are not exactly one well-formed bitmap of at least one pixel.
    bool Parse(void const * data, std::size_t size);
    // Loads the bitmap resource that the entity names and reads it; false when there is
    // none or it is malformed.
    static bool Load(CEntity const & entity, CBitmapBits & out);

    void Empty();

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    // Whether the pixel at (x, y), counted from 0 at the top left, is black; false outside
    // the bitmap.
    bool IsBlack(int x, int y) const;

private:
    int m_width = 0;
    int m_height = 0;
    int m_stride = 0;
    std::vector<BYTE> m_bits;
};
