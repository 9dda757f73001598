#pragma once

#include "CBrush.hpp"
#include "CColor.hpp"
#include "CDevice.hpp"
#include "CFont.hpp"
#include "CRect.hpp"

#include <string_view>
#include <vector>

class CBitmap;
class CSurface;

// Background modes: whether text first fills its box with the background colour.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// DrawText flags.
inline constexpr UINT DT_LEFT = 0x0000;
inline constexpr UINT DT_TOP = 0x0000;
inline constexpr UINT DT_CENTER = 0x0001;
inline constexpr UINT DT_RIGHT = 0x0002;
inline constexpr UINT DT_VCENTER = 0x0004;
inline constexpr UINT DT_BOTTOM = 0x0008;
inline constexpr UINT DT_WORDBREAK = 0x0010;
inline constexpr UINT DT_SINGLELINE = 0x0020;
inline constexpr UINT DT_NOCLIP = 0x0100;
inline constexpr UINT DT_EXTERNALLEADING = 0x0200;
inline constexpr UINT DT_CALCRECT = 0x0400;
inline constexpr UINT DT_NOPREFIX = 0x0800;
inline constexpr UINT DT_END_ELLIPSIS = 0x8000;
inline constexpr UINT DT_WORD_ELLIPSIS = 0x40000;

// DrawEdge borders: the outer and the inner line of an edge, raised or sunken, and their
// usual pairs.
inline constexpr UINT BDR_RAISEDOUTER = 0x0001;
inline constexpr UINT BDR_SUNKENOUTER = 0x0002;
inline constexpr UINT BDR_RAISEDINNER = 0x0004;
inline constexpr UINT BDR_SUNKENINNER = 0x0008;
inline constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
inline constexpr UINT EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

// DrawEdge flags: the sides drawn, and how.
inline constexpr UINT BF_LEFT = 0x0001;
inline constexpr UINT BF_TOP = 0x0002;
inline constexpr UINT BF_RIGHT = 0x0004;
inline constexpr UINT BF_BOTTOM = 0x0008;
inline constexpr UINT BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
inline constexpr UINT BF_MIDDLE = 0x0800;
inline constexpr UINT BF_SOFT = 0x1000;
inline constexpr UINT BF_ADJUST = 0x2000;

// BitBlt raster operations.
inline constexpr DWORD SRCCOPY = 0x00CC0020;

// A device context: a device, what it draws on, and the drawing state (selected font and
// bitmap, colours, background mode).
//
// Coordinates given to a device context are logical: (0, 0) is the origin it was made
// with, a point of its surface. Nothing is drawn outside its clip rectangle. A device
// context without a surface measures text but draws nothing.
class HALDENWIN_EXPORT CDC {
public:
    explicit CDC(CDevice & device);
    // Draws on a surface (null: draws nothing) with logical (0, 0) at origin and clipped to
    // clip, both in surface pixels.
    CDC(CDevice & device, CSurface * surface, CPoint origin, CRect clip);
    virtual ~CDC() = default;
    CDC(CDC const &) = delete;
    CDC & operator=(CDC const &) = delete;

    CDevice & GetDevice() const { return m_device; }
    // What the context draws on now: the selected colour bitmap's surface, or the one it
    // was made with; null when it draws nothing.
    CSurface * GetSurface() const;
    // The surface pixel of logical (0, 0).
    CPoint GetOrigin() const;
    // The clip rectangle in surface pixels.
    CRect GetClip() const;

    // Selection is one stack of fonts and bitmaps: Select pushes, Deselect pops the last
    // selection so that nested code restores what it found.
    void Select(CFont const & font);
    void Deselect();
    // The font selected last; the standard font when none is.
    CFont const & GetFont() const;
    // The bitmap selected last; null when none is.
    CBitmap * GetBitmap() const;

    CSize GetTextExtent(char const * text) const;
    CSize GetTextExtent(char const * text, UINT length) const;

    // The colour of text, and of the black pixels of 1-bit bitmaps copied in (black).
    CColor SetTextColor(CColor color);
    CColor GetTextColor() const { return m_textColor; }
    // The colour behind opaque text, and of the white pixels of 1-bit bitmaps (white).
    CColor SetBkColor(CColor color);
    CColor GetBkColor() const { return m_bkColor; }
    // OPAQUE (the default) or TRANSPARENT; other values leave the mode unchanged and give 0.
    int SetBkMode(int mode);
    int GetBkMode() const { return m_bkMode; }

    // Writes one line of text with its box's top-left at (x, y).
    BOOL TextOut(int x, int y, char const * text);
    // Writes text in a rectangle (see the DT_ flags) and gives the height of the text: its
    // lines times the line height. Text is broken into lines at "\n" (unless DT_SINGLELINE)
    // and, with DT_WORDBREAK, at blanks where the next word would pass the right side; a
    // word wider than the rectangle stands on a line of its own. DT_CALCRECT draws nothing
    // and sets the rectangle's bottom to fit the text, and its right to fit the widest
    // line unless the text was wrapped (DT_WORDBREAK without DT_SINGLELINE). "&" underlines
    // the next character and "&&" is a literal "&", unless DT_NOPREFIX. DT_END_ELLIPSIS and
    // DT_WORD_ELLIPSIS end a line too wide for the rectangle with "...". DT_VCENTER and
    // DT_BOTTOM apply to single lines. Drawing is clipped to the rectangle unless
    // DT_NOCLIP. An empty text has no lines.
    int DrawText(char const * text, CRect & rect, UINT flags);

    void FillRect(CRect const & rect, CBrush const & brush);
    // A frame one pixel wide just inside the rectangle.
    void FrameRect(CRect const & rect, CBrush const & brush);
    // A 3-D edge inside the rectangle on the sides that flags name, in the standard 3-D
    // colours. Top and left lines are drawn first, so the bottom and right lines own the
    // corners where they meet. Raised outer line: light top-left, dark shadow bottom-right;
    // raised inner: highlight and shadow; sunken outer: shadow and highlight; sunken inner:
    // dark shadow and light. BF_SOFT swaps the outer and inner top-left colours (the
    // brightest or darkest line outermost, as on buttons), BF_MIDDLE fills the inside with
    // the face colour and BF_ADJUST shrinks the rectangle by the edge's width on those sides.
    BOOL DrawEdge(CRect & rect, UINT edge, UINT flags);
    // A dotted frame one pixel wide: every other pixel, in the standard text colour.
    void DrawFocusRect(CRect const & rect);
    // Copies a rectangle of the source's selected bitmap (or surface) to (x, y). A 1-bit
    // source's black pixels take this context's text colour and its white pixels the
    // background colour. Only SRCCOPY is supported; other operations give FALSE.
    BOOL BitBlt(int x, int y, int cx, int cy, CDC & source, int sx, int sy, DWORD rop);

protected:
    BOOL SelectBitmap(CBitmap & bitmap);

private:
    struct Selection {
        CFont const * font;
        CBitmap * bitmap;
    };

    CRect ToSurface(CRect const & rect) const;
    CRect SurfaceClip() const;
    LONG LineHeight(UINT flags) const;
    // Writes a line already free of prefixes at a logical point, underlining the character
    // at byte offset mark (none when out of range).
    void DrawLine(LONG x, LONG y, std::string_view text, std::size_t mark, CRect const & clip);

    CDevice & m_device;
    CSurface * m_surface = nullptr;
    CPoint m_origin;
    CRect m_clip;
    std::vector<Selection> m_selections;
    CColor m_textColor = CColor::black;
    CColor m_bkColor = CColor::white;
    int m_bkMode = OPAQUE;
};

// A device context of the screen device.
class HALDENWIN_EXPORT CScreenDC : public CDC {
public:
    CScreenDC() : CDC(CDevice::GetScreen()) {}
};
