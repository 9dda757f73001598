#include "CImageCompare.hpp"

#include "CSurface.hpp"

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

bool CImageCompare::ReadPng(char const * path, Image & image) {
    cairo_surface_t * png = cairo_image_surface_create_from_png(path);
    bool const ok = cairo_surface_status(png) == CAIRO_STATUS_SUCCESS;
    if (ok) {
        cairo_surface_flush(png);
        image.size = {cairo_image_surface_get_width(png), cairo_image_surface_get_height(png)};
        image.pixels.clear();
        unsigned char const * data = cairo_image_surface_get_data(png);
        int const stride = cairo_image_surface_get_stride(png);
        for (LONG y = 0; y < image.size.cy; ++y) {
            auto const * row = reinterpret_cast<std::uint32_t const *>(data + y * stride);
            for (LONG x = 0; x < image.size.cx; ++x)
                image.pixels.push_back(CColor::FromRgb(row[x] & 0xFFFFFF));
        }
    }
    cairo_surface_destroy(png);
    return ok;
}

CImageCompare::Image CImageCompare::FromSurface(CSurface const & surface) {
    Image image;
    image.size = surface.GetSize();
    for (LONG y = 0; y < image.size.cy; ++y)
        for (LONG x = 0; x < image.size.cx; ++x)
            image.pixels.push_back(surface.GetPixel(x, y));
    return image;
}

CImageCompare::Result CImageCompare::Compare(Image const & a, Image const & b, int tolerance) {
    Result result;
    result.readable = true;
    result.sameSize = a.size == b.size;
    if (!result.sameSize)
        return result;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        int const d = std::max({std::abs(a.pixels[i].r - b.pixels[i].r),
                                std::abs(a.pixels[i].g - b.pixels[i].g),
                                std::abs(a.pixels[i].b - b.pixels[i].b)});
        result.worst = std::max(result.worst, d);
        if (d > tolerance)
            ++result.differing;
    }
    return result;
}

CImageCompare::Result CImageCompare::Compare(CSurface const & surface, char const * path,
                                             int tolerance) {
    Image stored;
    if (!ReadPng(path, stored))
        return {};
    return Compare(FromSurface(surface), stored, tolerance);
}
