#include "CHeadlessDevice.hpp"

#include "internal/CHeadlessSurface.hpp"

CSize CHeadlessDevice::GetTextExtent(CFont const &, std::string_view text) const {
    LONG cells = 0;
    for (unsigned char ch : text)
        if ((ch & 0xC0) != 0x80)
            ++cells;
    return {cells * cellWidth, cellHeight};
}

std::unique_ptr<CSurface> CHeadlessDevice::CreateSurface(CSize size) const {
    return std::make_unique<CHeadlessSurface>(size);
}
