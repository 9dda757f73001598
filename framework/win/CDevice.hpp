#pragma once

#include "CFont.hpp"
#include "CSize.hpp"

#include <memory>
#include <string_view>

class CSurface;

// What text is measured and drawn on. The program chooses the screen device at start-up;
// until it does, the headless device serves.
class HALDENWIN_EXPORT CDevice {
public:
    virtual ~CDevice() = default;

    // The extent of one line of text in a font: its width and the font's line height. An
    // empty text has width 0 and the line height.
    virtual CSize GetTextExtent(CFont const & font, std::string_view text) const = 0;
    // The extra room the font asks for between lines, in pixels.
    virtual LONG GetExternalLeading(CFont const & font) const;

    // A new surface of a size to draw on, white at first.
    virtual std::unique_ptr<CSurface> CreateSurface(CSize size) const = 0;

    // Whether the device has fonts of a face; fonts of a face it lacks are made in the
    // default face instead.
    virtual bool HasFontFace(char const * face) const;
    virtual char const * GetDefaultFace() const;

    // The device that screen device contexts use.
    static CDevice & GetScreen();
    // Makes a device the screen device; null restores the headless one. The caller keeps
    // ownership and must keep the device alive while it is the screen.
    static void SetScreen(CDevice * device);
};
