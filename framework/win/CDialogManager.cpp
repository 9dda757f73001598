#include "CDialogManager.hpp"

#include "CInput.hpp"

#include "CWnd.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/CWindowManager.hpp"

#include <algorithm>
#include <vector>

namespace {

// The controls of a dialog in tab order: its descendants in creation order, looking inside
// children that hold controls of their own (WS_EX_CONTROLPARENT).
void CollectControls(CWnd const & parent, std::vector<CWnd *> & controls) {
    for (UINT i = 0; i < parent.GetChildCount(); ++i) {
        CWnd * child = parent.GetChild(i);
        if (!child)
            continue;
        if (child->GetExStyle() & WS_EX_CONTROLPARENT) {
            if (child->IsWindowVisible() && child->IsWindowEnabled())
                CollectControls(*child, controls);
        } else {
            controls.push_back(child);
        }
    }
}

bool CanTakeFocus(CWnd const & control) {
    return control.IsWindowVisible() && control.IsWindowEnabled();
}

UINT DialogCode(CWnd * control, MSG const * msg) {
    return control ? static_cast<UINT>(control->SendMessage(WM_GETDLGCODE, msg ? msg->wParam : 0,
                                                            reinterpret_cast<LPARAM>(msg)))
                   : 0;
}

// The button that Return presses: the focused push button, else the dialog's default push
// button; identifier IDOK when there is none.
CWnd * DefaultButton(CWnd & dialog, CWnd * focus, UINT & id) {
    if (focus && (DialogCode(focus, nullptr) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        id = focus->GetID();
        return focus;
    }
    std::vector<CWnd *> controls;
    CollectControls(dialog, controls);
    for (CWnd * control : controls)
        if (DialogCode(control, nullptr) & DLGC_DEFPUSHBUTTON) {
            id = control->GetID();
            return control;
        }
    id = IDOK;
    return dialog.GetDlgItem(IDOK);
}

void Command(CWnd & dialog, UINT id, CWnd * button) {
    if (button && !button->IsWindowEnabled())
        return;
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(button ? button->GetSafeHwnd() : nullptr));
}

} // namespace

CWnd * GetNextDlgTabItem(CWnd * dialog, CWnd * control, BOOL previous) {
    if (!dialog)
        return control;
    std::vector<CWnd *> controls;
    CollectControls(*dialog, controls);
    // A window inside a control (the edit field of a combo box) stands for that control.
    for (CWnd * holder = control; holder && holder != dialog; holder = holder->GetParent())
        if (std::find(controls.begin(), controls.end(), holder) != controls.end()) {
            control = holder;
            break;
        }
    std::erase_if(controls, [control](CWnd * c) {
        return c != control && (!(c->GetStyle() & WS_TABSTOP) || !CanTakeFocus(*c));
    });
    if (controls.empty())
        return control;
    auto const at = std::find(controls.begin(), controls.end(), control);
    std::size_t const count = controls.size();
    std::size_t index;
    if (at == controls.end())
        index = previous ? count - 1 : 0;
    else {
        std::size_t const here = static_cast<std::size_t>(at - controls.begin());
        index = previous ? (here + count - 1) % count : (here + 1) % count;
    }
    return controls[index];
}

CWnd * GetNextDlgGroupItem(CWnd * dialog, CWnd * control, BOOL previous) {
    if (!dialog || !control)
        return control;
    std::vector<CWnd *> controls;
    CollectControls(*dialog, controls);
    auto const at = std::find(controls.begin(), controls.end(), control);
    if (at == controls.end())
        return control;
    // The group: back to its first control (the nearest one with WS_GROUP), forward to the
    // control before the next group.
    std::size_t const here = static_cast<std::size_t>(at - controls.begin());
    std::size_t first = here;
    while (first > 0 && !(controls[first]->GetStyle() & WS_GROUP))
        --first;
    std::size_t last = here;
    while (last + 1 < controls.size() && !(controls[last + 1]->GetStyle() & WS_GROUP))
        ++last;
    std::size_t const size = last - first + 1;
    for (std::size_t step = 1; step < size; ++step) {
        std::size_t const offset =
            previous ? (here - first + size - step) % size : (here - first + step) % size;
        // Labels and group boxes belong to the group without taking input.
        CWnd * candidate = controls[first + offset];
        if (CanTakeFocus(*candidate) && !(DialogCode(candidate, nullptr) & DLGC_STATIC))
            return candidate;
    }
    return control;
}

void AfxSetDlgFocus(CWnd * control) {
    if (!control)
        return;
    if (DialogCode(control, nullptr) & DLGC_HASSETSEL)
        control->SendMessage(EM_SETSEL, 0, -1);
    control->SetFocus();
}

bool IsDialogMessage(CWnd * dialog, MSG const & msg) {
    if (!dialog || (msg.message != WM_KEYDOWN && msg.message != WM_CHAR))
        return false;
    CWnd * focus = CWnd::FromHandle(msg.hwnd);
    if (focus == dialog)
        focus = nullptr;
    UINT const code = DialogCode(focus, &msg);
    if (code & DLGC_WANTMESSAGE)
        return false;
    UINT const key = static_cast<UINT>(msg.wParam);
    if (msg.message == WM_CHAR)
        // The characters of dialog keys are eaten with them; others go to the control.
        return (key == '\t' && !(code & DLGC_WANTTAB)) || key == '\r' || key == 27;

    switch (key) {
    case VK_TAB:
        if (code & DLGC_WANTTAB)
            return false;
        AfxSetDlgFocus(GetNextDlgTabItem(dialog, focus, GetKeyState(VK_SHIFT) < 0));
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        if (code & DLGC_WANTARROWS)
            return false;
        CWnd * next = GetNextDlgGroupItem(dialog, focus, key == VK_LEFT || key == VK_UP);
        if (next && next != focus) {
            next->SetFocus();
            if (DialogCode(next, nullptr) & DLGC_RADIOBUTTON)
                next->SendMessage(BM_CLICK, 0, 0);
        }
        return true;
    }
    case VK_RETURN: {
        UINT id = IDOK;
        CWnd * button = DefaultButton(*dialog, focus, id);
        Command(*dialog, id, button);
        return true;
    }
    case VK_ESCAPE:
        Command(*dialog, IDCANCEL, dialog->GetDlgItem(IDCANCEL));
        return true;
    default:
        return false;
    }
}
