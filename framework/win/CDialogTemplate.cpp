#include "CDialogTemplate.hpp"

#include "CEntity.hpp"
#include "CModule.hpp"

#include <cstring>

namespace {

// Reads little-endian fields from a byte range; once a read runs past the end every
// later read fails too, so a parse checks once at the end of each step.
class FieldReader {
public:
    FieldReader(unsigned char const * data, std::size_t size) : m_data(data), m_size(size) {}

    bool Ok() const { return m_ok; }
    bool AtEnd() const { return m_ok && m_pos == m_size; }

    bool Take(std::size_t count) {
        if (!m_ok || count > m_size - m_pos) {
            m_ok = false;
            return false;
        }
        m_pos += count;
        return true;
    }
    unsigned U16() {
        if (!Take(2))
            return 0;
        return m_data[m_pos - 2] | m_data[m_pos - 1] << 8;
    }
    DWORD U32() {
        DWORD low = U16();
        DWORD high = U16();
        return low | high << 16;
    }
    int I16() { return static_cast<std::int16_t>(U16()); }
    bool Tag(char const * tag) {
        if (!Take(4))
            return false;
        m_ok = std::memcmp(m_data + m_pos - 4, tag, 4) == 0;
        return m_ok;
    }
    // A text: 16-bit length, then its bytes, none of them NUL.
    CString Text() {
        unsigned length = U16();
        if (!Take(length))
            return CString();
        char const * text = reinterpret_cast<char const *>(m_data + m_pos - length);
        if (std::memchr(text, 0, length)) {
            m_ok = false;
            return CString();
        }
        return CString(text, length);
    }

private:
    unsigned char const * m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
    bool m_ok = true;
};

} // namespace

void CDialogTemplate::Empty() {
    *this = CDialogTemplate();
}

bool CDialogTemplate::Parse(void const * data, std::size_t size) {
    Empty();
    if (!data)
        return false;
    FieldReader in(static_cast<unsigned char const *>(data), size);
    CDialogTemplate result;
    in.Tag("DLGT");
    result.m_style = in.U32();
    result.m_exStyle = in.U32();
    result.m_x = in.I16();
    result.m_y = in.I16();
    result.m_cx = in.I16();
    result.m_cy = in.I16();
    result.m_fontSize = in.U16();
    result.m_fontFace = in.Text();
    result.m_caption = in.Text();
    unsigned count = in.U16();
    if (!in.Ok() || (result.m_fontSize == 0) != result.m_fontFace.IsEmpty())
        return false;
    for (unsigned i = 0; i < count; ++i) {
        Item item;
        item.m_style = in.U32();
        item.m_exStyle = in.U32();
        item.m_x = in.I16();
        item.m_y = in.I16();
        item.m_cx = in.I16();
        item.m_cy = in.I16();
        item.m_id = in.U16();
        item.m_class = in.Text();
        item.m_text = in.Text();
        if (!in.Ok() || item.m_class.IsEmpty())
            return false;
        result.m_items.Append(std::move(item));
    }
    if (!in.AtEnd())
        return false;
    *this = std::move(result);
    return true;
}

bool CDialogTemplate::Load(CEntity const & entity, CDialogTemplate & out) {
    CResource const * res = CModule::LoadResource(entity, RT_DIALOG);
    if (!res) {
        out.Empty();
        return false;
    }
    return out.Parse(res->GetData(), res->GetSize());
}
