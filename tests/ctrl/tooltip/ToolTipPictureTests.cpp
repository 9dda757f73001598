#include "CAutomation.hpp"
#include "CCairoDevice.hpp"
#include "CImageCompare.hpp"
#include "CReferencePicture.hpp"
#include "CStdTools.hpp"
#include "CToolTip.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

TEST(ToolTipPictures, ABalloonWithATitleAndAStem) {
    CCairoDevice device("DejaVu Sans");
    CDevice::SetScreen(&device);
    CAutomation::Start();
    std::string const path =
        (std::filesystem::temp_directory_path() / "vantor-balloon.png").string();
    {
        CWnd main;
        ASSERT_TRUE(
            main.Create(nullptr, "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
        auto * tip = new CToolTip;
        ASSERT_TRUE(tip->Create(&main, TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON));
        tip->SetMaxTipWidth(200);
        ASSERT_TRUE(tip->SetTitle(TTI_INFO, "Output voltage"));
        CColor const back(255, 255, 200);
        tip->SetTipBkColor(back);
        TOOLINFO info;
        info.cbSize = TTTOOLINFO_V2_SIZE;
        info.uFlags = TTF_TRACK;
        info.hwnd = main.GetSafeHwnd();
        info.uId = 1;
        info.lpszText = "The voltage the supply sets at its output, in volts & amperes.";
        ASSERT_TRUE(tip->AddTool(info));
        tip->TrackPosition(100, 100);
        tip->TrackActivate(TRUE, &main, 1);
        ASSERT_TRUE(tip->WriteImage(path.c_str()));

        CheckReferencePicture(path, VANTOR_REFERENCE_DIR, VANTOR_OUTPUT_DIR, "balloon");
        CImageCompare::Image picture;
        ASSERT_TRUE(CImageCompare::ReadPng(path.c_str(), picture));
        CRect const place = tip->GetWindowRect();
        EXPECT_EQ(picture.size, place.Size());
        CStdTools const & tools = *CStdTools::FindInstance();
        // The stem hangs from the point, 16 pixels into the balloon; beside it and round
        // the corners lies the face colour, inside the body the balloon's colour.
        EXPECT_EQ(place.TopLeft(), CPoint(100 - 16, 100));
        EXPECT_EQ(picture.At(16, 0), tools.GetColor(CStdTools::colorInfoText));
        EXPECT_EQ(picture.At(4, 4), tools.GetColor(CStdTools::colorFace));
        EXPECT_EQ(picture.At(40, 4), tools.GetColor(CStdTools::colorFace));
        EXPECT_EQ(picture.At(0, 14), tools.GetColor(CStdTools::colorFace));
        EXPECT_EQ(picture.At(3, picture.size.cy - 6), back);
        // The info icon, a blue disc, stands first in the title line.
        EXPECT_EQ(picture.At(11, 29), tools.GetColor(CStdTools::colorHighlight));
        main.DestroyWindow();
    }
    if (!std::getenv("VANTOR_KEEP_PICTURES"))
        std::filesystem::remove(path);
    CAutomation::Stop();
    CDevice::SetScreen(nullptr);
}
