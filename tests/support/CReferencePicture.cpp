#include "CReferencePicture.hpp"

#include "CSurface.hpp"
#include "CWnd.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

// Channel differences up to this are antialiasing noise, not a change.
constexpr int tolerance = 64;
// The share of pixels, in thousandths, that may differ beyond the tolerance.
constexpr int allowedPerMille = 15;

CImageCompare::Image Checked(bool written, std::string const & path,
                             std::string const & referenceDir, std::string const & outputDir,
                             char const * name) {
    CImageCompare::Image picture;
    EXPECT_TRUE(written) << path;
    if (!written)
        return picture;
    CheckReferencePicture(path, referenceDir, outputDir, name);
    EXPECT_TRUE(CImageCompare::ReadPng(path.c_str(), picture)) << path;
    return picture;
}

} // namespace

bool UpdatingReferences() {
    char const * value = std::getenv("VANTOR_UPDATE_REFERENCES");
    return value && std::strcmp(value, "1") == 0;
}

void CheckReferencePicture(std::string const & picture, std::string const & referenceDir,
                           std::string const & outputDir, char const * name) {
    namespace fs = std::filesystem;
    std::string const reference = referenceDir + "/" + name + ".png";
    if (UpdatingReferences()) {
        fs::copy_file(picture, reference, fs::copy_options::overwrite_existing);
        return;
    }
    CImageCompare::Image drawn;
    CImageCompare::Image stored;
    ASSERT_TRUE(CImageCompare::ReadPng(picture.c_str(), drawn)) << picture;
    bool const readable = CImageCompare::ReadPng(reference.c_str(), stored);
    CImageCompare::Result const result = CImageCompare::Compare(drawn, stored, tolerance);
    int const allowed = drawn.size.cx * drawn.size.cy * allowedPerMille / 1000;
    if (!readable || !result.sameSize || result.differing > allowed) {
        std::string const actual = outputDir + "/" + name + ".actual.png";
        fs::copy_file(picture, actual, fs::copy_options::overwrite_existing);
        ADD_FAILURE() << name << ": reference readable " << readable << ", same size "
                      << result.sameSize << ", " << result.differing << " pixels differ (allowed "
                      << allowed << "); the picture drawn is " << actual;
    }
}

CImageCompare::Image CheckReferencePicture(CWnd & wnd, std::string const & referenceDir,
                                           std::string const & outputDir, char const * name) {
    std::string const path = outputDir + "/" + name + ".png";
    return Checked(wnd.WriteImage(path.c_str()), path, referenceDir, outputDir, name);
}

CImageCompare::Image CheckReferencePicture(CSurface const & surface,
                                           std::string const & referenceDir,
                                           std::string const & outputDir, char const * name) {
    std::string const path = outputDir + "/" + name + ".png";
    return Checked(surface.WritePng(path.c_str()), path, referenceDir, outputDir, name);
}

int CountPixels(CImageCompare::Image const & image, CRect const & area, CColor color) {
    int count = 0;
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x)
            count += image.At(x, y) == color;
    return count;
}
