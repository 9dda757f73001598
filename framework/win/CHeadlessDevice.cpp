#include "CHeadlessDevice.hpp"

CSize CHeadlessDevice::GetTextExtent(CFont const &, std::string_view text) const {
    LONG cells = 0;
    for (unsigned char ch : text)
        if ((ch & 0xC0) != 0x80)
            ++cells;
    return {cells * cellWidth, cellHeight};
}
