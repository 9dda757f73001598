#pragma once

#include "CImageCompare.hpp"
#include "CRect.hpp"

#include <string>

class CSurface;
class CWnd;

// Compares a picture (a PNG file, as CWnd::WriteImage writes one) with a stored reference
// picture in a test area's reference folder, with a tolerance for antialiasing noise and
// for glyph edges placed a fraction of a pixel apart by another Pango or FreeType. With
// VANTOR_UPDATE_REFERENCES=1 in the environment the picture becomes the reference instead.
// A differing picture is kept as <outputDir>/<name>.actual.png and the test fails.
void CheckReferencePicture(std::string const & picture, std::string const & referenceDir,
                           std::string const & outputDir, char const * name);
// Writes a window's picture, or a surface, to <outputDir>/<name>.png and compares it as
// above; gives the picture back for further checks.
CImageCompare::Image CheckReferencePicture(CWnd & wnd, std::string const & referenceDir,
                                           std::string const & outputDir, char const * name);
CImageCompare::Image CheckReferencePicture(CSurface const & surface,
                                           std::string const & referenceDir,
                                           std::string const & outputDir, char const * name);
// Whether the references are being written anew.
bool UpdatingReferences();
// How many pixels of an area of a picture have a colour.
int CountPixels(CImageCompare::Image const & image, CRect const & area, CColor color);
