#pragma once

#include "CDevice.hpp"
#include "CFont.hpp"
#include "CSize.hpp"

#include <vector>

// A device context: a device with a selected font. Select pushes a font and Deselect pops
// it, so that nested code restores what it found.
class HALDENWIN_EXPORT CDC {
public:
    explicit CDC(CDevice & device);
    virtual ~CDC() = default;
    CDC(CDC const &) = delete;
    CDC & operator=(CDC const &) = delete;

    CDevice & GetDevice() const { return m_device; }

    void Select(CFont const & font);
    // Restores the font selected before the last Select; the device's default font remains
    // when nothing is selected.
    void Deselect();
    CFont const & GetFont() const;

    CSize GetTextExtent(char const * text) const;
    CSize GetTextExtent(char const * text, UINT length) const;

private:
    CDevice & m_device;
    std::vector<CFont const *> m_fonts;
};

// A device context of the screen device.
class HALDENWIN_EXPORT CScreenDC : public CDC {
public:
    CScreenDC() : CDC(CDevice::GetScreen()) {}
};
