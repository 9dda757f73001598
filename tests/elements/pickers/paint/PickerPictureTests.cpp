#include "AfxLocale.hpp"
#include "CCairoDevice.hpp"
#include "CImageCompare.hpp"
#include "CMenuButton.hpp"
#include "CReferencePicture.hpp"
#include "CStdTools.hpp"
#include "PickerFixture.hpp"
#include "VirtualKeys.hpp"

namespace {

// Pickers, their dialogs and the menu button on the Cairo device, compared with their
// reference pictures (VANTOR_UPDATE_REFERENCES=1 writes them again).
class PickerPicture : public PickerTest {
protected:
    void SetUp() override {
        CDevice::SetScreen(&m_device);
        PickerTest::SetUp();
    }
    void TearDown() override {
        PickerTest::TearDown();
        CDevice::SetScreen(nullptr);
    }

    static std::string Check(CWnd & wnd, std::string const & name) {
        std::string const path = std::string(VANTOR_OUTPUT_DIR) + "/" + name + ".png";
        EXPECT_TRUE(wnd.WriteImage(path.c_str()));
        CheckReferencePicture(path, VANTOR_REFERENCE_DIR, VANTOR_OUTPUT_DIR, name.c_str());
        return path;
    }

    CCairoDevice m_device{"DejaVu Sans"};
};

} // namespace

TEST_F(PickerPicture, PageOfEveryPicker) {
    m_item.m_number = 2;
    m_item.m_path = "/var/log/device/with/a/long/path/to/its/logs";
    Show({ElementRecord("CUIPickInteger", "Number", "0|2|V", "Trip time"),
          ElementRecord("CUIPickList", "Number", "Off|Low|High", "Profile"),
          ElementRecord("CUIBitMask", "Number", "4|Temp|Fan|Power", "Alarms"),
          ElementRecord("CUIPickFile", "Path", "fw|All|*", "Firmware"),
          ElementRecord("CUIPickPath", "Path", "", "Log folder"),
          ElementRecord("CUIMoreButton", "Path", "", "More...")});
    Check(m_frame, "picker-page");
}

TEST_F(PickerPicture, IntegerDialogAndItsRefusalInEnglishAndGerman) {
    for (LCID language : {1033, 1031}) {
        SetThreadLocale(language);
        m_item.m_number = 1250;
        Show(ElementRecord("CUIPickInteger", "Number", "0|2|V|0|5000", "Output voltage"));
        std::string const name = "integer-refusal-" + std::to_string(language);
        CAutomation::OnNextModal([&](CWnd & modal) {
            if (language == 1033)
                Check(modal, "integer-dialog");
            CAutomation::OnNextModal([&](CWnd & box) {
                Check(box, name);
                CAutomation::PressKey(VK_RETURN);
            });
            CAutomation::TypeAndConfirm("99")(modal);
            CAutomation::PressKey(VK_ESCAPE);
        });
        Press();
    }
}

TEST_F(PickerPicture, PickListDialog) {
    m_item.m_number = 2;
    Show(ElementRecord("CUIPickList", "Number", "Off|Low|High|Boost|Eco|Night|Day|Max|Min|Test",
                       "Profile"));
    CAutomation::OnNextModal([](CWnd & modal) {
        Check(modal, "pick-list-dialog");
        CAutomation::PressKey(VK_ESCAPE);
    });
    Press();
}

TEST_F(PickerPicture, BitMaskDialog) {
    if (!CRuntimeClass::FindClass(CEntity(VantorUIModule(), "CUICheck")))
        GTEST_SKIP() << "the library has no check box element";
    m_item.m_number = 0x15;
    Show(ElementRecord("CUIBitMask", "Number", "3|Over & under|Fan|Power|Door|Remote", "Alarms"));
    CAutomation::OnNextModal([](CWnd & modal) {
        Check(modal, "bit-mask-dialog");
        CAutomation::PressKey(VK_ESCAPE);
    });
    Press();
}

TEST_F(PickerPicture, MenuButtonFaceAndOpenMenu) {
    ASSERT_TRUE(
        m_frame.Create(nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 160, 40), nullptr, 0));
    auto * button = new CMenuButton;
    for (char const * entry : {"Preset A", "!Preset B", "~Hidden", "-", "Preset C"})
        button->AddString(entry);
    ASSERT_TRUE(button->Create(CRect(10, 8, 150, 32), &m_frame, 50));
    button->ShowWindow(SW_SHOW);
    std::string const face = Check(m_frame, "menu-button");

    // The arrow's widest row, nine pixels in the text colour, stands at the face's left.
    CImageCompare::Image picture;
    ASSERT_TRUE(CImageCompare::ReadPng(face.c_str(), picture));
    CSize const size = button->GetSize();
    CPoint const arrow(10 + (140 - size.cx) / 2 + 1,
                       8 + (24 - size.cy) / 2 + (size.cy - 9) / 2 + 2);
    CColor const text = CStdTools::FindInstance()->GetColor(CStdTools::colorText);
    for (LONG x = arrow.x; x < arrow.x + 9; ++x)
        EXPECT_EQ(picture.pixels[static_cast<std::size_t>(arrow.y * picture.size.cx + x)], text);

    CAutomation::OnNextModal([](CWnd & menu) {
        Check(menu, "menu-open");
        CAutomation::PressKey(VK_ESCAPE);
    });
    EXPECT_FALSE(button->ShowMenu());
}
