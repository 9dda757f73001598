#include "AfxTrace.hpp"
#include "CButton.hpp"
#include "CEditCtrl.hpp"
#include "CEntity.hpp"
#include "CMessageBox.hpp"
#include "CRecordingDialog.hpp"
#include "CStatic.hpp"
#include "CStdTools.hpp"
#include "CWndClass.hpp"
#include "DialogTestBase.hpp"
#include "TestModule.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"

namespace {

using Lines = std::vector<std::string>;
using StdDialog = DialogTest;

// The test's own window class, which no control class of the framework makes: dialogs give
// its windows plain window objects. It counts the windows made of it.
int g_panelsMade = 0;

LRESULT PanelProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        ++g_panelsMade;
    return DefWindowProc(hwnd, message, wParam, lParam);
}

[[maybe_unused]] CWndClass const * const g_panelClass =
    CWndClass::Register("TestPanel", &PanelProcedure, 0);

// A control's rectangle in its dialog's client coordinates.
CRect PlaceOf(CWnd & dialog, UINT id) {
    CRect rect = dialog.GetDlgItem(id)->GetWindowRect();
    dialog.ScreenToClient(rect);
    return rect;
}

UINT FocusId() {
    CWnd * focus = CWnd::GetFocus();
    return focus ? focus->GetID() : 0;
}

} // namespace

TEST_F(StdDialog, DialogUnitsArePixelsOfTheStandardFont) {
    // The headless device measures every character 7 x 13: a unit is 7/4 pixels across and
    // 13/8 down, rounded.
    CRecordingDialog dialog;
    dialog.UseTemplate("TabOrder");
    CAutomation::OnNextModal([](CWnd & modal) {
        EXPECT_EQ(modal.GetWindowText(), "Order");
        EXPECT_EQ(modal.GetWindowRect(), CRect(18, 33, 18 + 350, 33 + 163)) << "no owner";
        EXPECT_EQ(PlaceOf(modal, 10), CRect(88, 8, 263, 28));
        EXPECT_EQ(PlaceOf(modal, 2), CRect(250, 130, 338, 153));
        CFont const * font = modal.GetDlgItem(10)->GetFont();
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(font, modal.GetFont());
        EXPECT_EQ(font->GetFace(), CStdTools::FindInstance()->GetStdFont().GetFace());
        EXPECT_EQ(font->GetPoints(), CStdTools::FindInstance()->GetStdFont().GetPoints());
        CAutomation::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(dialog.Execute(nullptr), 0);
}

TEST_F(StdDialog, TheTemplatesFontIsGivenToEveryControl) {
    CRecordingDialog dialog;
    dialog.UseTemplate("FONTED");
    CAutomation::OnNextModal([](CWnd & modal) {
        CFont const * font = modal.GetDlgItem(IDOK)->GetFont();
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(font->GetFace(), "DejaVu Sans");
        EXPECT_EQ(font->GetPoints(), 18);
        CAutomation::PressKey(VK_ESCAPE);
    });
    dialog.Execute(&m_owner);
}

TEST_F(StdDialog, ATemplateWithoutSizeIsSizedAroundItsControls) {
    // The controls reach 154 x 122 units from a margin of 4: 158 x 126 units in all.
    CRecordingDialog dialog;
    dialog.UseTemplate("NOSIZE");
    CAutomation::OnNextModal([](CWnd & modal) {
        EXPECT_EQ(modal.GetClientRect().Size(), CSize(277, 205));
        EXPECT_EQ(modal.GetWindowText(), "%s");
        CAutomation::PressKey(VK_RETURN);
    });
    EXPECT_EQ(dialog.Execute(&m_owner), IDOK);
}

TEST_F(StdDialog, ControlsAreObjectsOfTheirClasses) {
    CRecordingDialog dialog;
    dialog.UseTemplate("TabOrder");
    int const panelsBefore = g_panelsMade;
    CAutomation::OnNextModal([](CWnd & modal) {
        // clang-format off
        struct Case { UINT id; CRuntimeClass const * cls; } const cases[] = {
            {20, CStatic::AfxStaticClassInfo()}, {10, CEditCtrl::AfxStaticClassInfo()},
            {11, CButton::AfxStaticClassInfo()}, {1, CButton::AfxStaticClassInfo()},
            {21, CWnd::AfxStaticClassInfo()},
        };
        // clang-format on
        for (Case const & test : cases) {
            CWnd * control = modal.GetDlgItem(test.id);
            ASSERT_NE(control, nullptr) << test.id;
            EXPECT_EQ(control->AfxObjectClassInfo(), test.cls) << test.id;
        }
        EXPECT_FALSE(modal.GetDlgItem(14)->IsWindowVisible());
        EXPECT_FALSE(modal.GetDlgItem(13)->IsWindowEnabled());
        CAutomation::PressKey(VK_ESCAPE);
    });
    dialog.Execute(&m_owner);
    EXPECT_EQ(g_panelsMade, panelsBefore + 1);
}

TEST_F(StdDialog, TabWalksTheTabStopsAndReturnPressesTheDefaultButton) {
    CRecordingDialog dialog;
    dialog.UseTemplate("TabOrder");
    std::vector<UINT> forward;
    std::vector<UINT> backward;
    std::vector<int> checks;
    CAutomation::OnNextModal([&](CWnd & modal) {
        for (int i = 0; i < 5; ++i) {
            CAutomation::PressKey(VK_TAB);
            forward.push_back(FocusId());
        }
        for (int i = 0; i < 2; ++i) {
            CAutomation::PressKey(VK_TAB, CAutomation::modShift);
            backward.push_back(FocusId());
        }
        // On the Apply button Return presses Apply; the dialog goes on.
        CAutomation::PressKey(VK_TAB, CAutomation::modShift);
        EXPECT_EQ(FocusId(), 15u);
        CAutomation::PressKey(VK_RETURN);
        EXPECT_TRUE(modal.IsWindow());
        // On the check box Return presses the default button and leaves the box as it is.
        CAutomation::PressKey(VK_TAB, CAutomation::modShift);
        EXPECT_EQ(FocusId(), 11u);
        CAutomation::PressKey(VK_RETURN);
        checks.push_back(static_cast<CButton *>(modal.GetDlgItem(11))->GetCheck());
    });
    EXPECT_EQ(dialog.Execute(&m_owner), IDOK);
    EXPECT_EQ(forward, (std::vector<UINT>{11, 15, 1, 2, 10}));
    EXPECT_EQ(backward, (std::vector<UINT>{2, 1}));
    EXPECT_EQ(checks, std::vector<int>{BST_UNCHECKED});
    Lines const commands = [&] {
        Lines lines;
        for (std::string const & line : dialog.m_heard)
            if (line.starts_with("command") || line == "ok")
                lines.push_back(line);
        return lines;
    }();
    EXPECT_EQ(commands, (Lines{"command 15", "command 1", "ok"}));
}

TEST_F(StdDialog, ATemplateThatCannotBeBuiltIsRefusedAsAWhole) {
    // clang-format off
    struct Case { char const * name; char const * traced; char const * told; } const cases[] = {
        {"UNKNOWNCLASS", "NoSuchWindowClass",
         "The dialog cannot be shown: the window class NoSuchWindowClass is unknown."},
        {"NoSuchTemplate", "NoSuchTemplate", "The dialog NoSuchTemplate cannot be shown."},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        CAutomation::ClearMessageBoxTexts();
        int const panelsBefore = g_panelsMade;
        CTraceCapture trace;
        CRecordingDialog dialog;
        dialog.UseTemplate(test.name);
        CAutomation::OnNextModal(CAutomation::Confirm()); // the message box
        EXPECT_EQ(dialog.Execute(&m_owner), -1);
        EXPECT_TRUE(trace.Contains("ERROR: ")) << trace.GetLines().GetCount();
        EXPECT_TRUE(trace.Contains(test.traced));
        ASSERT_EQ(CAutomation::GetMessageBoxTexts().GetCount(), 1u);
        EXPECT_EQ(CAutomation::GetMessageBoxTexts()[0], test.told);
        EXPECT_TRUE(dialog.m_heard.empty());
        EXPECT_EQ(g_panelsMade, panelsBefore) << "no control was made";
        EXPECT_FALSE(dialog.IsWindow());
        EXPECT_TRUE(m_owner.IsWindowEnabled());
        EXPECT_EQ(CAutomation::GetPendingModalActions(), 0u);
    }
}
