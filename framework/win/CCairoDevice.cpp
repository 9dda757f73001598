#include "CCairoDevice.hpp"

#include "internal/CCairoSurface.hpp"
#include "internal/CPangoText.hpp"

CCairoDevice::CCairoDevice(char const * defaultFace, double dpi)
    : m_text(std::make_unique<CPangoText>(defaultFace, dpi)) {}

CCairoDevice::~CCairoDevice() = default;

CSize CCairoDevice::GetTextExtent(CFont const & font, std::string_view text) const {
    return m_text->Measure(font, text);
}

LONG CCairoDevice::GetExternalLeading(CFont const & font) const {
    return m_text->ExternalLeading(font);
}

std::unique_ptr<CSurface> CCairoDevice::CreateSurface(CSize size) const {
    return std::make_unique<CCairoSurface>(*m_text, size);
}

bool CCairoDevice::HasFontFace(char const * face) const {
    return m_text->HasFamily(face);
}

char const * CCairoDevice::GetDefaultFace() const {
    return m_text->GetDefaultFace();
}
