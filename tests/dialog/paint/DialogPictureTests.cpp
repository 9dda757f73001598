#include "CCairoDevice.hpp"
#include "CFileDialog.hpp"
#include "CImageCompare.hpp"
#include "CRecordingDialog.hpp"
#include "CStdTools.hpp"
#include "CStringDialog.hpp"
#include "DialogLists.hpp"
#include "DialogTestBase.hpp"
#include "TempTree.hpp"
#include "VirtualKeys.hpp"

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

// Channel differences up to this are antialiasing noise; the share of pixels, in
// thousandths, that may differ beyond it covers glyph edges another Pango places apart.
constexpr int tolerance = 64;
constexpr int allowedPerMille = 15;

bool Updating() {
    char const * value = std::getenv("VANTOR_UPDATE_REFERENCES");
    return value && std::strcmp(value, "1") == 0;
}

// A dialog's picture, written beside the test under its name (when the references are
// being made again, as the reference itself) and read back.
CImageCompare::Image PictureOf(CWnd & dialog, char const * name, std::string & path) {
    path = Updating() ? std::string(VANTOR_REFERENCE_DIR) + "/" + name + ".png"
                      : std::string(VANTOR_OUTPUT_DIR) + "/" + name + ".actual.png";
    CImageCompare::Image picture;
    EXPECT_TRUE(dialog.WriteImage(path.c_str()) && CImageCompare::ReadPng(path.c_str(), picture));
    return picture;
}

// Compares a picture with its stored reference. A differing picture stays beside the test.
void CheckReference(CImageCompare::Image const & drawn, std::string const & path,
                    char const * name) {
    if (Updating())
        return;
    std::string const reference = std::string(VANTOR_REFERENCE_DIR) + "/" + name + ".png";
    CImageCompare::Image stored;
    ASSERT_TRUE(CImageCompare::ReadPng(reference.c_str(), stored)) << reference;
    CImageCompare::Result const result = CImageCompare::Compare(drawn, stored, tolerance);
    int const allowed = drawn.size.cx * drawn.size.cy * allowedPerMille / 1000;
    EXPECT_TRUE(result.sameSize) << name;
    EXPECT_LE(result.differing, allowed) << name << ": the picture drawn is " << path;
    if (result.sameSize && result.differing <= allowed)
        std::filesystem::remove(path);
}

// The pixels of a control's rectangle in its dialog's picture that are not the face colour.
int Ink(CImageCompare::Image const & picture, CWnd & dialog, UINT id) {
    CRect area = dialog.GetDlgItem(id)->GetWindowRect();
    dialog.ScreenToClient(area);
    CColor const face = CStdTools::FindInstance()->GetColor(CStdTools::colorFace);
    int count = 0;
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x)
            if (!(picture.pixels[static_cast<std::size_t>(y * picture.size.cx + x)] == face))
                ++count;
    return count;
}

class DialogPicture : public DialogTest {
protected:
    void SetUp() override {
        CDevice::SetScreen(&m_device);
        DialogTest::SetUp();
    }
    void TearDown() override {
        DialogTest::TearDown();
        CDevice::SetScreen(nullptr);
    }

    CCairoDevice m_device{"DejaVu Sans"};
};

} // namespace

TEST_F(DialogPicture, TheStringDialog) {
    CStringDialog dialog("Edit Value", "Output voltage", "12.50", 6);
    CAutomation::OnNextModal([](CWnd & modal) {
        std::string path;
        CImageCompare::Image const picture = PictureOf(modal, "string-dialog", path);
        EXPECT_GT(Ink(picture, modal, CStringDialog::idPrompt), 30);
        EXPECT_GT(Ink(picture, modal, CStringDialog::idText), 200) << "a white field";
        EXPECT_GT(Ink(picture, modal, IDOK), 60);
        CheckReference(picture, path, "string-dialog");
        CAutomation::PressKey(VK_ESCAPE);
    });
    dialog.Execute(&m_owner);
}

TEST_F(DialogPicture, TheFileDialog) {
    TempTree tree;
    for (char const * folder : {"Calibration", "Logs"})
        tree.Folder(folder);
    for (char const * file : {"psu-1.cfg", "psu-2.cfg", "notes.txt"})
        tree.File(file);
    CFileDialog dialog;
    dialog.SetCaption("Save Settings");
    dialog.SetFilter("Settings|*.cfg|All files|*");
    dialog.SetFilename((tree / "psu-3.cfg").c_str());
    CAutomation::OnNextModal([](CWnd & modal) {
        // The temporary folder's name changes from run to run; the picture shows one path.
        modal.GetDlgItem(CFileDialog::idFolder)->SetWindowText("/home/user/settings");
        ClickEntry(modal, CFileDialog::idFiles, "psu-2.cfg");
        std::string path;
        CImageCompare::Image const picture = PictureOf(modal, "file-dialog", path);
        EXPECT_GT(Ink(picture, modal, CFileDialog::idFiles), 200);
        EXPECT_GT(Ink(picture, modal, CFileDialog::idTypes), 100);
        CheckReference(picture, path, "file-dialog");
        CAutomation::PressKey(VK_ESCAPE);
    });
    dialog.Execute(&m_owner);
}

TEST_F(DialogPicture, DialogUnitsFollowTheTemplatesFont) {
    CSize sizes[2];
    char const * const names[] = {"UNFONTED", "FONTED"};
    for (int i = 0; i < 2; ++i) {
        CRecordingDialog dialog;
        dialog.UseTemplate(names[i]);
        CAutomation::OnNextModal([&](CWnd & modal) {
            sizes[i] = modal.GetClientRect().Size();
            CAutomation::PressKey(VK_ESCAPE);
        });
        dialog.Execute(&m_owner);
    }
    // 18 points against the standard 9: about twice the pixels each way.
    EXPECT_GT(sizes[1].cx * 10, sizes[0].cx * 17) << sizes[0].cx << " " << sizes[1].cx;
    EXPECT_LT(sizes[1].cx * 10, sizes[0].cx * 23);
    EXPECT_GT(sizes[1].cy * 10, sizes[0].cy * 17) << sizes[0].cy << " " << sizes[1].cy;
    EXPECT_LT(sizes[1].cy * 10, sizes[0].cy * 23);
}
