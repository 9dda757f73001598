#include "CHeadlessDevice.hpp"

#include "Utf8.hpp"
#include "internal/CHeadlessSurface.hpp"

CSize CHeadlessDevice::GetTextExtent(CFont const &, std::string_view text) const {
    return {static_cast<LONG>(Utf8::Count(text)) * cellWidth, cellHeight};
}

std::unique_ptr<CSurface> CHeadlessDevice::CreateSurface(CSize size) const {
    return std::make_unique<CHeadlessSurface>(size);
}
