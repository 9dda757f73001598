#include "CDC.hpp"

#include "CStdTools.hpp"

#include <cstring>

CDC::CDC(CDevice & device) : m_device(device) {}

void CDC::Select(CFont const & font) {
    m_fonts.push_back(&font);
}

void CDC::Deselect() {
    if (!m_fonts.empty())
        m_fonts.pop_back();
}

CFont const & CDC::GetFont() const {
    return m_fonts.empty() ? CStdTools::FindInstance()->GetStdFont() : *m_fonts.back();
}

CSize CDC::GetTextExtent(char const * text) const {
    return GetTextExtent(text, text ? static_cast<UINT>(std::strlen(text)) : 0);
}

CSize CDC::GetTextExtent(char const * text, UINT length) const {
    return m_device.GetTextExtent(GetFont(), std::string_view(text ? text : "", text ? length : 0));
}
