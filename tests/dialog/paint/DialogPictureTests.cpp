#include "CCairoDevice.hpp"
#include "CFileDialog.hpp"
#include "CRecordingDialog.hpp"
#include "CReferencePicture.hpp"
#include "CStdTools.hpp"
#include "CStringDialog.hpp"
#include "DialogLists.hpp"
#include "DialogTestBase.hpp"
#include "TempTree.hpp"
#include "VirtualKeys.hpp"

namespace {

// The pixels of a control's rectangle in its dialog's picture that are not the face colour.
int Ink(CImageCompare::Image const & picture, CWnd & dialog, UINT id) {
    CRect area = dialog.GetDlgItem(id)->GetWindowRect();
    dialog.ScreenToClient(area);
    CColor const face = CStdTools::FindInstance()->GetColor(CStdTools::colorFace);
    return area.Width() * area.Height() - CountPixels(picture, area, face);
}

CImageCompare::Image Check(CWnd & dialog, char const * name) {
    return CheckReferencePicture(dialog, VANTOR_REFERENCE_DIR, VANTOR_OUTPUT_DIR, name);
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
        CImageCompare::Image const picture = Check(modal, "string-dialog");
        EXPECT_GT(Ink(picture, modal, CStringDialog::idPrompt), 30);
        EXPECT_GT(Ink(picture, modal, CStringDialog::idText), 200) << "a white field";
        EXPECT_GT(Ink(picture, modal, IDOK), 60);
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
        CImageCompare::Image const picture = Check(modal, "file-dialog");
        EXPECT_GT(Ink(picture, modal, CFileDialog::idFiles), 200);
        EXPECT_GT(Ink(picture, modal, CFileDialog::idTypes), 100);
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
