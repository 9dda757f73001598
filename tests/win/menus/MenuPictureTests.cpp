#include "CAutomation.hpp"
#include "CBitmap.hpp"
#include "CCairoDevice.hpp"
#include "CMemoryDC.hpp"
#include "CMenu.hpp"
#include "CReferencePicture.hpp"
#include "CStdTools.hpp"
#include "CWnd.hpp"
#include "VirtualKeys.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

TEST(MenuPictures, AMenuWithACheckedAGreyedAndAHighlightedItemAndASeparator) {
    CCairoDevice device("DejaVu Sans");
    CDevice::SetScreen(&device);
    CAutomation::Start();
    std::string const path = (std::filesystem::temp_directory_path() / "vantor-menu.png").string();
    {
        CWnd owner;
        ASSERT_TRUE(
            owner.Create(nullptr, "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
        // A red square stands for an item's own check mark.
        CBitmap mark;
        {
            CScreenDC screen;
            ASSERT_TRUE(mark.Create(screen, 9, 9));
            CMemoryDC memory(screen);
            ASSERT_TRUE(memory.Select(mark));
            memory.FillRect(CRect(0, 0, 9, 9), CBrush(CColor::red));
            memory.Deselect();
        }
        CMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        menu.AppendMenu(MF_STRING, 1, "&Open");
        menu.AppendMenu(MF_STRING | MF_CHECKED, 2, "Automatic &mode");
        menu.AppendMenu(MF_STRING | MF_GRAYED, 3, "Save");
        menu.AppendSeparator();
        menu.AppendMenu(MF_STRING | MF_CHECKED, 4, "Own mark");
        menu.SetMenuItemBitmaps(4, MF_BYCOMMAND, nullptr, &mark);
        menu.AppendMenu(MF_STRING, 5, "E&xit");

        CRect items[6];
        CAutomation::OnNextModal([&](CWnd & modal) {
            CAutomation::PressKey(VK_DOWN);
            CPoint const origin = modal.GetWindowRect().TopLeft();
            for (UINT i = 0; i < 6; ++i) {
                EXPECT_TRUE(menu.GetMenuItemRect(i, items[i]));
                items[i] = items[i] - CSize(origin.x, origin.y);
            }
            EXPECT_TRUE(modal.WriteImage(path.c_str()));
            CAutomation::PressKey(VK_ESCAPE);
        });
        EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 20, 30, &owner), 0u);

        CheckReferencePicture(path, VANTOR_REFERENCE_DIR, VANTOR_OUTPUT_DIR, "menu");
        CImageCompare::Image picture;
        ASSERT_TRUE(CImageCompare::ReadPng(path.c_str(), picture));
        CStdTools const & tools = *CStdTools::FindInstance();
        // The highlighted item is filled with the highlight colour; the others are not.
        EXPECT_GT(CountPixels(picture, items[0], tools.GetColor(CStdTools::colorHighlight)),
                  items[0].Width() * items[0].Height() / 2);
        EXPECT_EQ(CountPixels(picture, items[5], tools.GetColor(CStdTools::colorHighlight)), 0);
        // A tick in the text colour before "Automatic mode", none before "Exit".
        CRect const tick(items[1].left + 4, items[1].top, items[1].left + 17, items[1].bottom);
        CRect const none(items[5].left + 4, items[5].top, items[5].left + 17, items[5].bottom);
        EXPECT_GE(CountPixels(picture, tick, tools.GetColor(CStdTools::colorText)), 15);
        EXPECT_EQ(CountPixels(picture, none, tools.GetColor(CStdTools::colorText)), 0);
        // The item's own bitmap in place of the tick.
        CRect const own(items[4].left + 4, items[4].top, items[4].left + 17, items[4].bottom);
        EXPECT_EQ(CountPixels(picture, own, CColor::red), 81);
        // The greyed item's text has no black in it.
        EXPECT_EQ(CountPixels(picture, items[2], tools.GetColor(CStdTools::colorText)), 0);
        EXPECT_GT(CountPixels(picture, items[2], tools.GetColor(CStdTools::colorGrayText)), 0);
        owner.DestroyWindow();
    }
    if (!std::getenv("VANTOR_KEEP_PICTURES"))
        std::filesystem::remove(path);
    CAutomation::Stop();
    CDevice::SetScreen(nullptr);
}
