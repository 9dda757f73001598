#pragma once

#include "CSurface.hpp"

#include <string>
#include <vector>

// A surface that keeps a list of what was drawn on it instead of pixels, so that tests see
// where a device context puts its text and fills, on any device.
class CRecordingSurface : public CSurface {
public:
    struct Text {
        std::string text;
        CPoint at;
        CRect clip;
        CColor color;
    };
    struct Fill {
        CRect rect; // already clipped
        CColor color;
    };

    explicit CRecordingSurface(CSize size) : m_size(size) {}

    CSize GetSize() const override { return m_size; }
    void FillRect(CRect const & rect, CBrush const & brush, CRect const & clip) override;
    void DrawText(CFont const & font, CColor color, CPoint at, std::string_view text,
                  CRect const & clip) override;
    void Copy(CPoint, CSurface const &, CRect const &, CRect const &) override {}
    CColor GetPixel(LONG, LONG) const override { return CColor::white; }
    BOOL WritePng(char const *) const override { return FALSE; }

    std::vector<Text> texts;
    std::vector<Fill> fills;
    std::vector<std::string> Lines() const;

private:
    CSize m_size;
};
