#pragma once

#include "CBrush.hpp"
#include "CColor.hpp"
#include "CFont.hpp"
#include "CRect.hpp"

#include <string_view>

class CBitmapBits;

// An image of a fixed size that a device draws into: a window's pixels or a bitmap's.
// Every position and rectangle here is in the surface's own pixels, (0, 0) at the top
// left; the device contexts translate and clip before they call in. Each primitive clips
// to the surface itself as well.
class HALDENWIN_EXPORT CSurface {
public:
    virtual ~CSurface() = default;

    virtual CSize GetSize() const = 0;

    // Fills the part of a rectangle inside the clip rectangle with a brush.
    virtual void FillRect(CRect const & rect, CBrush const & brush, CRect const & clip) = 0;
    // Draws one line of text in a font and colour, its line box's top-left at a point,
    // touching only pixels inside the clip rectangle.
    virtual void DrawText(CFont const & font, CColor color, CPoint at, std::string_view text,
                          CRect const & clip) = 0;
    // Copies the pixels of a rectangle of another surface of the same device so that its
    // top-left lands at a point, touching only pixels inside the clip rectangle. The source
    // may be this surface.
    virtual void Copy(CPoint to, CSurface const & source, CRect const & from,
                      CRect const & clip) = 0;
    // Draws a rectangle of a 1-bit bitmap so that its top-left lands at a point: its black
    // pixels in one colour and its white pixels in another.
    virtual void CopyMono(CPoint to, CBitmapBits const & bits, CRect const & from, CColor black,
                          CColor white, CRect const & clip);

    // The colour of a pixel; white outside the surface and on surfaces that keep no pixels.
    virtual CColor GetPixel(LONG x, LONG y) const = 0;
    // Writes the whole surface to a PNG file; FALSE when it cannot.
    virtual BOOL WritePng(char const * path) const = 0;
    // The pixels, row by row `stride` bytes apart, each a 32-bit 0x00RRGGBB value in the
    // machine's byte order; null on surfaces that keep no pixels.
    virtual void const * GetBits(LONG & stride) const;

    CRect GetBounds() const { return {CPoint(), GetSize()}; }
};
