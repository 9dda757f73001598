#pragma once

#include <string>

// Compares a picture (a PNG file, as CWnd::WriteImage writes one) with a stored reference
// picture in a test area's reference folder, with a tolerance for antialiasing noise and
// for glyph edges placed a fraction of a pixel apart by another Pango or FreeType. With
// VANTOR_UPDATE_REFERENCES=1 in the environment the picture becomes the reference instead.
// A differing picture is kept as <outputDir>/<name>.actual.png and the test fails.
void CheckReferencePicture(std::string const & picture, std::string const & referenceDir,
                           std::string const & outputDir, char const * name);
