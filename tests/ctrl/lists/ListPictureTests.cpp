#include "CAutomation.hpp"
#include "CCairoDevice.hpp"
#include "CComboBox.hpp"
#include "CListBox.hpp"
#include "CReferencePicture.hpp"
#include "CStdTools.hpp"
#include "VirtualKeys.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

CColor Std(CStdTools::Role role) {
    return CStdTools::FindInstance()->GetColor(role);
}

class ListPictures : public ::testing::Test {
protected:
    void SetUp() override {
        CDevice::SetScreen(&m_device);
        CAutomation::Start();
        ASSERT_TRUE(m_dialog.Create(nullptr, "dialog", WS_POPUP | WS_VISIBLE, CRect(0, 0, 330, 120),
                                    nullptr, 0));
        m_dialog.SetDialogStyle(TRUE);
    }
    void TearDown() override {
        m_dialog.DestroyWindow();
        CAutomation::Stop();
        CDevice::SetScreen(nullptr);
    }

    template <class Control>
    Control * Add(DWORD style, CRect const & rect, std::initializer_list<char const *> texts) {
        auto * control = new Control;
        EXPECT_TRUE(control->Create("", style | WS_VISIBLE | WS_TABSTOP, rect, &m_dialog, 100));
        control->SetFont(&m_font);
        for (char const * text : texts)
            control->AddString(text);
        return control;
    }

    // Writes a window's picture and compares it with its stored reference.
    CImageCompare::Image Check(CWnd & wnd, char const * name) {
        return CheckReferencePicture(wnd, VANTOR_REFERENCE_DIR, VANTOR_OUTPUT_DIR, name);
    }

    CCairoDevice m_device{"DejaVu Sans"};
    CFont m_font{"DejaVu Sans", 9};
    CWnd m_dialog;
};

} // namespace

TEST_F(ListPictures, ListBoxesNormalFocusedAndDisabled) {
    CListBox * focused = Add<CListBox>(
        WS_BORDER | WS_VSCROLL | LBS_NOTIFY, CRect(10, 10, 110, 110),
        {"Automatic", "Manual", "Remote", "Local", "Standby", "Service", "Test", "Off"});
    CListBox * disabled = Add<CListBox>(WS_BORDER | WS_VSCROLL | LBS_DISABLENOSCROLL,
                                        CRect(120, 10, 220, 110), {"Port A", "Port B"});
    CListBox * plain = Add<CListBox>(WS_BORDER, CRect(230, 10, 320, 110), {"9600", "19200"});
    focused->SetCurSel(1);
    focused->SetFocus();
    CAutomation::PressKey(VK_DOWN);
    disabled->SetCurSel(0);
    disabled->EnableWindow(FALSE);
    plain->SetCurSel(1);

    CImageCompare::Image const picture = Check(m_dialog, "listboxes");
    CRect row;
    focused->GetItemRect(2, row);
    focused->ClientToScreen(row);
    EXPECT_GT(CountPixels(picture, row, Std(CStdTools::colorHighlight)),
              row.Width() * row.Height() / 2)
        << "the selected entry is highlighted";
    CRect other;
    disabled->GetItemRect(0, other);
    disabled->ClientToScreen(other);
    EXPECT_EQ(CountPixels(picture, other, Std(CStdTools::colorHighlight)), 0)
        << "a disabled list box shows its selection grey";
    EXPECT_GT(CountPixels(picture, other, Std(CStdTools::color3DLight)), 0);
}

TEST_F(ListPictures, ComboBoxesNormalFocusedDisabledAndDropped) {
    CComboBox * focused = Add<CComboBox>(CBS_DROPDOWNLIST | WS_VSCROLL, CRect(10, 10, 110, 160),
                                         {"Automatic", "Manual", "Remote"});
    CComboBox * edit = Add<CComboBox>(CBS_DROPDOWN | WS_VSCROLL, CRect(120, 10, 220, 160),
                                      {"1200", "2400", "9600"});
    CComboBox * disabled = Add<CComboBox>(CBS_DROPDOWNLIST, CRect(230, 10, 320, 160), {"Off"});
    CComboBox * dropped =
        Add<CComboBox>(CBS_DROPDOWNLIST | WS_VSCROLL, CRect(10, 50, 160, 150),
                       {"Red", "Green", "Blue", "Cyan", "Magenta", "Yellow", "Black", "White"});
    focused->SetCurSel(0);
    edit->SetWindowText("4800");
    disabled->SetCurSel(0);
    disabled->EnableWindow(FALSE);
    dropped->SetCurSel(2);
    focused->SetFocus();

    CImageCompare::Image const field = Check(m_dialog, "comboboxes");
    CRect highlighted = focused->GetClientRect() - 4;
    highlighted.right -= 16;
    focused->ClientToScreen(highlighted);
    EXPECT_GT(CountPixels(field, highlighted, Std(CStdTools::colorHighlight)),
              highlighted.Width() * highlighted.Height() / 2)
        << "the focused drop-down list shows its entry highlighted";

    dropped->SetFocus();
    CAutomation::PressKey(VK_F4);
    CAutomation::PressKey(VK_DOWN);
    ASSERT_TRUE(dropped->GetDroppedState());
    Check(m_dialog, "comboboxes-dropped");
    CRect const listRect = dropped->GetDroppedControlRect();
    CWnd * list = CWnd::FromHandle(CInput::WindowFromPoint(listRect.TopLeft() + CSize(5, 5)));
    ASSERT_NE(list, nullptr);
    CImageCompare::Image const open = Check(*list, "combobox-list");
    EXPECT_EQ(open.size, listRect.Size());
    // The list's own border, and the chosen entry (the fourth) highlighted.
    EXPECT_EQ(CountPixels(open, CRect(0, 0, open.size.cx, 1), Std(CStdTools::color3DDarkShadow)),
              open.size.cx);
    LONG const rowHeight = dropped->GetItemHeight();
    EXPECT_GT(CountPixels(open, CRect(1, 1 + 3 * rowHeight, open.size.cx - 1, 1 + 4 * rowHeight),
                          Std(CStdTools::colorHighlight)),
              rowHeight * open.size.cx / 2);
}
