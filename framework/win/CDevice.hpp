#pragma once

#include "CFont.hpp"
#include "CSize.hpp"

#include <string_view>

// What text is measured and drawn on. The program chooses the screen device at start-up;
// until it does, the headless device serves.
class HALDENWIN_EXPORT CDevice {
public:
    virtual ~CDevice() = default;

    // The extent of one line of text in a font: its width and the font's line height. An
    // empty text has width 0 and the line height.
    virtual CSize GetTextExtent(CFont const & font, std::string_view text) const = 0;

    // The device that screen device contexts use.
    static CDevice & GetScreen();
    // Makes a device the screen device; null restores the headless one. The caller keeps
    // ownership and must keep the device alive while it is the screen.
    static void SetScreen(CDevice * device);
};
