#pragma once

#include "CDevice.hpp"

// A device without pixels: every character (code point) is a cell 7 pixels wide and 13
// high, whatever the font, so that layouts computed on it are exact, repeatable numbers.
// Its surfaces keep their size but no pixels: drawing on them does nothing.
class HALDENWIN_EXPORT CHeadlessDevice : public CDevice {
public:
    static constexpr LONG cellWidth = 7;
    static constexpr LONG cellHeight = 13;

    CSize GetTextExtent(CFont const & font, std::string_view text) const override;
    std::unique_ptr<CSurface> CreateSurface(CSize size) const override;
};
