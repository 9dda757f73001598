#include "CBitmapBits.hpp"

#include "CEntity.hpp"
#include "CModule.hpp"

#include <cstring>

namespace {

constexpr std::size_t kHeaderSize = 8;

} // namespace

void CBitmapBits::Empty() {
    m_width = m_height = m_stride = 0;
    m_bits.clear();
}

bool CBitmapBits::Parse(void const * data, std::size_t size) {
    Empty();
    auto const * bytes = static_cast<BYTE const *>(data);
    if (!bytes || size < kHeaderSize || std::memcmp(bytes, "BMP1", 4) != 0)
        return false;
    int const width = bytes[4] | bytes[5] << 8;
    int const height = bytes[6] | bytes[7] << 8;
    int const stride = (width + 7) / 8;
    if (width == 0 || height == 0 ||
        size - kHeaderSize != static_cast<std::size_t>(stride) * static_cast<std::size_t>(height))
        return false;
    m_width = width;
    m_height = height;
    m_stride = stride;
    m_bits.assign(bytes + kHeaderSize, bytes + size);
    return true;
}

bool CBitmapBits::Load(CEntity const & entity, CBitmapBits & out) {
    CResource const * res = CModule::LoadResource(entity, RT_BITMAP);
    if (!res) {
        out.Empty();
        return false;
    }
    return out.Parse(res->GetData(), res->GetSize());
}

bool CBitmapBits::IsBlack(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return false;
    BYTE const row = m_bits[static_cast<std::size_t>(y) * m_stride + x / 8];
    return (row & (0x80 >> (x % 8))) == 0;
}
