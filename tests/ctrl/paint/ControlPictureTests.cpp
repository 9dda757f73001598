#include "CAutomation.hpp"
#include "CButton.hpp"
#include "CCairoDevice.hpp"
#include "CEditCtrl.hpp"
#include "CMessageBox.hpp"
#include "CReferencePicture.hpp"
#include "CStatic.hpp"
#include "CStdTools.hpp"
#include "CSurface.hpp"
#include "VirtualKeys.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

// Counts the pixels of a rectangle of a PNG that differ from a colour.
int Differing(char const * path, CRect const & area, CColor color) {
    CImageCompare::Image picture;
    if (!CImageCompare::ReadPng(path, picture))
        return -1;
    return area.Width() * area.Height() - CountPixels(picture, area, color);
}

} // namespace

TEST(ControlPictures, AWindowTreeOfControlsIsPaintedIntoItsPicture) {
    CCairoDevice device;
    CDevice::SetScreen(&device);
    CAutomation::Start();
    {
        CWnd dialog;
        ASSERT_TRUE(dialog.Create(nullptr, "dialog", WS_POPUP | WS_VISIBLE, CRect(0, 0, 240, 120),
                                  nullptr, 0));
        dialog.SetDialogStyle(TRUE);
        auto * label = new CStatic;
        ASSERT_TRUE(label->Create("Name:", WS_VISIBLE, CRect(10, 12, 60, 28), &dialog, 0));
        auto * edit = new CEditCtrl;
        ASSERT_TRUE(edit->Create("PSU-1", WS_VISIBLE | WS_TABSTOP | WS_BORDER,
                                 CRect(70, 10, 200, 30), &dialog, 100));
        auto * check = new CButton;
        ASSERT_TRUE(check->Create("Output on", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                                  CRect(10, 40, 120, 60), &dialog, 101));
        auto * ok = new CButton;
        ASSERT_TRUE(ok->Create("OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                               CRect(150, 80, 225, 105), &dialog, 1));
        CAutomation::Click(check);
        CAutomation::Click(edit);

        std::string const path =
            (std::filesystem::temp_directory_path() / "vantor-controls.png").string();
        ASSERT_TRUE(dialog.WriteImage(path.c_str()));
        CColor const face = CStdTools::FindInstance()->GetColor(CStdTools::colorFace);
        // The label's text, the edit's white field, the check box and the button all show.
        EXPECT_GT(Differing(path.c_str(), CRect(10, 12, 60, 28), face), 10);
        EXPECT_GT(Differing(path.c_str(), CRect(72, 12, 198, 28), face), 300);
        EXPECT_GT(Differing(path.c_str(), CRect(10, 40, 120, 60), face), 20);
        EXPECT_GT(Differing(path.c_str(), CRect(150, 80, 225, 105), face), 40);
        // The edit's border is drawn around its client area.
        CColor const border = CStdTools::FindInstance()->GetColor(CStdTools::color3DDarkShadow);
        EXPECT_EQ(Differing(path.c_str(), CRect(70, 12, 71, 28), border), 0);
        // Between the controls the dialog's background is all there is.
        EXPECT_EQ(Differing(path.c_str(), CRect(130, 40, 240, 75), face), 0);
        if (!std::getenv("VANTOR_KEEP_PICTURES"))
            std::filesystem::remove(path);
    }
    CAutomation::Stop();
    CDevice::SetScreen(nullptr);
}

TEST(ControlPictures, AMessageBoxShowsItsTextAndButtons) {
    CCairoDevice device;
    CDevice::SetScreen(&device);
    CAutomation::Start();
    std::string const path = (std::filesystem::temp_directory_path() / "vantor-box.png").string();
    CWnd owner;
    ASSERT_TRUE(
        owner.Create(nullptr, "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
    CSize size;
    CAutomation::OnNextModal([&](CWnd & box) {
        size = box.GetClientRect().Size();
        EXPECT_TRUE(box.WriteImage(path.c_str()));
        CAutomation::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(owner.Error("The value entered must not be more than 10.", MB_YESNO), IDNO);
    CColor const face = CStdTools::FindInstance()->GetColor(CStdTools::colorFace);
    // The text's line and the two buttons at the bottom right carry ink.
    EXPECT_GT(Differing(path.c_str(), CRect(12, 12, 100, 25), face), 20);
    EXPECT_GT(Differing(path.c_str(), CRect(size.cx - 90, size.cy - 35, size.cx - 12, size.cy - 12),
                        face),
              40);
    if (!std::getenv("VANTOR_KEEP_PICTURES"))
        std::filesystem::remove(path);
    owner.DestroyWindow();
    CAutomation::Stop();
    CDevice::SetScreen(nullptr);
}

TEST(ControlPictures, TheHeadlessDeviceWritesNoPicture) {
    CWnd top;
    ASSERT_TRUE(top.Create(nullptr, "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 10, 10), nullptr, 0));
    EXPECT_FALSE(top.WriteImage("/tmp/never-written.png"));
}
