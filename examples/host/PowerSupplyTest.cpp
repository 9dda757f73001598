// Types into the power supply's page as a user would and checks what the item stored and
// which elements its rule enabled. Exits 0 when all is well.
#include "CPowerSupply.hpp"

#include <vantorui/CAutomation.hpp>
#include <vantorui/CUIEditBase.hpp>
#include <vantorui/CUIEditCtrl.hpp>
#include <vantorui/VirtualKeys.hpp>
#include <vantorui/WindowStyles.hpp>

#include <cstdio>

namespace {

int g_failures = 0;

void Expect(bool ok, char const * what) {
    if (!ok) {
        std::fprintf(stderr, "FAIL: %s\n", what);
        ++g_failures;
    }
}

// Clicks into an editor's field, selects what it shows, types a text and leaves with Tab.
void TypeInto(CUIViewWnd & view, char const * tag, char const * text) {
    auto * editor = static_cast<CUIEditBase *>(view.FindUI(tag));
    CAutomation::Click(&editor->GetEditCtrl());
    CAutomation::PressKey(VK_HOME);
    CAutomation::PressKey(VK_END, CAutomation::modShift);
    CAutomation::TypeText(text);
    CAutomation::PressKey(VK_TAB);
}

} // namespace

int main() {
    CAutomation::Start();
    {
        CPowerSupply supply;
        supply.Init();
        CWnd frame;
        Expect(frame.Create(nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 640, 480), nullptr,
                            0),
               "the frame is made");
        auto * view = static_cast<CUIViewWnd *>(supply.CreateItemView());
        view->Attach(&supply);
        Expect(view->Create(&frame, CRect(0, 0, 640, 480), 1), "the view is made");
        CAutomation::Pump();

        Expect(view->FindUI("Voltage") && view->FindUI("Current") && view->FindUI("Name"),
               "the page shows every property");
        TypeInto(*view, "Voltage", "12.5");
        Expect(supply.m_voltage == 1250, "12.5 V is stored as 1250");
        TypeInto(*view, "Voltage", "0");
        Expect(supply.m_voltage == 0, "0 V is stored");
        Expect(
            !static_cast<CUIEditBase *>(view->FindUI("Current"))->GetEditCtrl().IsWindowEnabled(),
            "the item's rule disables the current limit at 0 V");
        TypeInto(*view, "Name", "Lab supply");
        Expect(supply.m_name == CString("Lab supply"), "the name is stored");
        frame.DestroyWindow();
    }
    CAutomation::Stop();
    if (g_failures == 0)
        std::printf("The power supply's page works.\n");
    return g_failures == 0 ? 0 : 1;
}
