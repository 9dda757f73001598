#pragma once

#include "CBitmapBits.hpp"
#include "CSize.hpp"

#include <memory>

class CDC;
class CEntity;
class CSurface;

// A bitmap: either a 1-bit bitmap loaded from a module's resources, which takes the text
// and background colours of the device context it is copied to, or a colour bitmap made
// for a device, which memory device contexts draw into.
class HALDENWIN_EXPORT CBitmap {
public:
    CBitmap();
    ~CBitmap();
    CBitmap(CBitmap const &) = delete;
    CBitmap & operator=(CBitmap const &) = delete;

    // Loads the RT_BITMAP resource that the entity names, replacing what the bitmap held.
    // FALSE, with the bitmap empty, when there is none or it is malformed.
    BOOL LoadBitmap(CEntity const & entity);
    // Makes a white colour bitmap of a size for the device of a device context, replacing
    // what the bitmap held. FALSE, with the bitmap empty, for a size below 1 by 1.
    BOOL Create(CDC & dc, int cx, int cy);
    // Makes the bitmap empty.
    void DeleteObject();

    CSize GetSize() const;
    bool IsEmpty() const { return GetSize().cx == 0; }
    // True for a bitmap loaded from a resource.
    bool IsMonochrome() const { return m_bits.GetWidth() > 0; }

    // The pixels of a 1-bit bitmap; empty for a colour bitmap.
    CBitmapBits const & GetBits() const { return m_bits; }
    // The surface of a colour bitmap; null for a 1-bit or empty one.
    CSurface * GetSurface() const { return m_surface.get(); }

private:
    CBitmapBits m_bits;
    std::unique_ptr<CSurface> m_surface;
};
