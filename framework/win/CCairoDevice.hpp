#pragma once

#include "CDevice.hpp"

#include <memory>

class CPangoText;

// A device that draws real pixels: its surfaces are images in memory, drawn with Cairo,
// and its text is laid out and measured by Pango in the machine's fonts, antialiased.
// Point sizes convert to pixels at a fixed resolution. The device must outlive its
// surfaces.
class HALDENWIN_EXPORT CCairoDevice : public CDevice {
public:
    // Fonts of faces the machine lacks are made in defaultFace; dpi is the resolution at
    // which points become pixels.
    explicit CCairoDevice(char const * defaultFace = "Sans", double dpi = 96.0);
    ~CCairoDevice() override;
    CCairoDevice(CCairoDevice const &) = delete;
    CCairoDevice & operator=(CCairoDevice const &) = delete;

    // The width of the text's logical box, rounded up, and the font's line height.
    CSize GetTextExtent(CFont const & font, std::string_view text) const override;
    LONG GetExternalLeading(CFont const & font) const override;
    std::unique_ptr<CSurface> CreateSurface(CSize size) const override;
    // True for a family the machine has (letter case ignored) and for the generic families
    // "Sans", "Serif" and "Monospace", which the font configuration resolves.
    bool HasFontFace(char const * face) const override;
    char const * GetDefaultFace() const override;

private:
    std::unique_ptr<CPangoText> m_text;
};
