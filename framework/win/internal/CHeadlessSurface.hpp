#pragma once

#include "CSurface.hpp"

// The surface of the headless device: it has a size and nothing else.
class CHeadlessSurface : public CSurface {
public:
    explicit CHeadlessSurface(CSize size) : m_size(size) {}

    CSize GetSize() const override { return m_size; }
    void FillRect(CRect const &, CBrush const &, CRect const &) override {}
    void DrawText(CFont const &, CColor, CPoint, std::string_view, CRect const &) override {}
    void Copy(CPoint, CSurface const &, CRect const &, CRect const &) override {}
    void CopyMono(CPoint, CBitmapBits const &, CRect const &, CColor, CColor,
                  CRect const &) override {}
    CColor GetPixel(LONG, LONG) const override { return CColor::white; }
    BOOL WritePng(char const *) const override { return FALSE; }

private:
    CSize m_size;
};
