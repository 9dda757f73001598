#include "CReferencePicture.hpp"

#include "CImageCompare.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

// Channel differences up to this are antialiasing noise, not a change.
constexpr int tolerance = 64;
// The share of pixels, in thousandths, that may differ beyond the tolerance.
constexpr int allowedPerMille = 15;

bool Updating() {
    char const * value = std::getenv("VANTOR_UPDATE_REFERENCES");
    return value && std::strcmp(value, "1") == 0;
}

} // namespace

void CheckReferencePicture(std::string const & picture, std::string const & referenceDir,
                           std::string const & outputDir, char const * name) {
    namespace fs = std::filesystem;
    std::string const reference = referenceDir + "/" + name + ".png";
    if (Updating()) {
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
