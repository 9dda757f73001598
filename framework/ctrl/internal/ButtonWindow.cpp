#include "internal/ButtonWindow.hpp"
#include "CPaintDC.hpp"

#include "ButtonMessages.hpp"
#include "CCtrlWnd.hpp"
#include "CDC.hpp"
#include "CStdTools.hpp"
#include "CWnd.hpp"
#include "CWndClass.hpp"
#include "MessageParams.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/ButtonPaint.hpp"
#include "internal/ControlWindows.hpp"

#include <vector>

namespace ButtonWindow {

namespace {

// What a button remembers between messages. `pushed` is what the button shows; the two
// press flags say what holds it pressed: the left mouse button (with the capture) or Space.
struct ButtonState {
    explicit ButtonState(HWND window) : hwnd(window) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd;
    UINT check = BST_UNCHECKED;
    bool pushed = false;
    bool mouseDown = false;
    bool spaceDown = false;
    bool focused = false;
};

ButtonState * StateOf(HWND hwnd) {
    return ControlWindows<ButtonState>::Find(hwnd);
}

DWORD TypeOf(CWnd const & wnd) {
    return wnd.GetStyle() & BS_TYPEMASK;
}

bool IsRadio(DWORD type) {
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool IsThreeState(DWORD type) {
    return type == BS_3STATE || type == BS_AUTO3STATE;
}

bool HoldsCheck(DWORD type) {
    return IsRadio(type) || IsThreeState(type) || type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
}

// Group boxes are frames: they take no input of their own.
bool TakesInput(CWnd const & wnd) {
    return wnd.IsWindowEnabled() && TypeOf(wnd) != BS_GROUPBOX;
}

void SetPushed(CWnd & wnd, ButtonState & state, bool pushed) {
    if (state.pushed == pushed)
        return;
    state.pushed = pushed;
    wnd.Invalidate(FALSE);
}

// Ends a press without a click: the button shows released and gives the capture back.
void CancelPress(CWnd & wnd, ButtonState & state) {
    bool const hadMouse = state.mouseDown;
    state.mouseDown = false;
    state.spaceDown = false;
    SetPushed(wnd, state, false);
    // Last, as it sends WM_CAPTURECHANGED back to this window.
    if (hadMouse && CWnd::GetCapture() == &wnd)
        CWnd::ReleaseCapture();
}

// Unchecks the other radio buttons of the button's group: its siblings from the nearest
// one with WS_GROUP at or before it up to the next one with WS_GROUP.
void UncheckGroup(CWnd & wnd) {
    CWnd * parent = wnd.GetParent();
    if (!parent)
        return;
    UINT const count = parent->GetChildCount();
    UINT here = 0;
    while (here < count && parent->GetChild(here) != &wnd)
        ++here;
    if (here == count)
        return;
    UINT first = here;
    while (first > 0 && !(parent->GetChild(first)->GetStyle() & WS_GROUP))
        --first;
    UINT last = here;
    while (last + 1 < count && !(parent->GetChild(last + 1)->GetStyle() & WS_GROUP))
        ++last;
    // Handles first: unchecking a sibling runs its procedure, which may change the list.
    std::vector<HWND> radios;
    for (UINT i = first; i <= last; ++i) {
        CWnd * sibling = parent->GetChild(i);
        if (sibling != &wnd && IsButton(sibling->GetSafeHwnd()) && IsRadio(TypeOf(*sibling)))
            radios.push_back(sibling->GetSafeHwnd());
    }
    for (HWND radio : radios)
        if (CWnd::IsWindow(radio))
            CWnd::FromHandle(radio)->SendMessage(BM_SETCHECK, BST_UNCHECKED, 0);
}

// The user's click: auto buttons change their check, then the parent hears BN_CLICKED.
// Returns false when the button died meanwhile.
bool Click(HWND hwnd) {
    CWnd * wnd = CWnd::FromHandle(hwnd);
    ButtonState * state = StateOf(hwnd);
    if (!wnd || !state)
        return false;
    switch (TypeOf(*wnd)) {
    case BS_AUTOCHECKBOX:
        wnd->SendMessage(BM_SETCHECK, state->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        break;
    case BS_AUTO3STATE:
        wnd->SendMessage(BM_SETCHECK, (state->check + 1) % 3);
        break;
    case BS_AUTORADIOBUTTON:
        wnd->SendMessage(BM_SETCHECK, BST_CHECKED);
        if (CWnd::IsWindow(hwnd))
            UncheckGroup(*wnd);
        break;
    default:
        break;
    }
    if (!CWnd::IsWindow(hwnd))
        return false;
    return CCtrlWnd::NotifyParent(hwnd, BN_CLICKED);
}

LRESULT OnGetDlgCode(CWnd & wnd, ButtonState & state, MSG const * msg) {
    UINT code = DLGC_BUTTON;
    switch (TypeOf(wnd)) {
    case BS_PUSHBUTTON:
        code |= DLGC_UNDEFPUSHBUTTON;
        break;
    case BS_DEFPUSHBUTTON:
        code |= DLGC_DEFPUSHBUTTON;
        break;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        code |= DLGC_RADIOBUTTON;
        break;
    case BS_GROUPBOX:
        return DLGC_STATIC;
    default:
        break;
    }
    // Escape cancels a press by Space, so the dialog must leave it to the button.
    if (state.spaceDown && msg && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE)
        code |= DLGC_WANTMESSAGE;
    return code;
}

void OnSetFocus(HWND hwnd, CWnd & wnd, ButtonState & state) {
    state.focused = true;
    wnd.Invalidate(FALSE);
    if (wnd.GetStyle() & BS_NOTIFY)
        CCtrlWnd::NotifyParent(hwnd, BN_SETFOCUS);
}

void OnKillFocus(HWND hwnd, CWnd & wnd, ButtonState & state) {
    state.focused = false;
    wnd.Invalidate(FALSE);
    CancelPress(wnd, state);
    if (CWnd::IsWindow(hwnd) && (wnd.GetStyle() & BS_NOTIFY))
        CCtrlWnd::NotifyParent(hwnd, BN_KILLFOCUS);
}

void OnEnable(CWnd & wnd, ButtonState & state, BOOL enabled) {
    if (!enabled)
        CancelPress(wnd, state);
    wnd.Invalidate(FALSE);
}

void OnLButtonDown(HWND hwnd, CWnd & wnd, ButtonState & state) {
    if (!TakesInput(wnd))
        return;
    // A button pressed by a message rather than a click still takes the focus.
    if (!state.focused) {
        wnd.SetFocus();
        if (!CWnd::IsWindow(hwnd))
            return;
    }
    wnd.SetCapture();
    ButtonState * after = StateOf(hwnd);
    if (!CWnd::IsWindow(hwnd) || !after)
        return;
    after->spaceDown = false;
    after->mouseDown = true;
    SetPushed(wnd, *after, true);
}

void OnLButtonDblClk(HWND hwnd, CWnd & wnd, ButtonState & state) {
    DWORD const type = TypeOf(wnd);
    if (IsRadio(type) || type == BS_OWNERDRAW) {
        if (TakesInput(wnd))
            CCtrlWnd::NotifyParent(hwnd, BN_DOUBLECLICKED);
        return;
    }
    // Other buttons take the second click of a double click as a press of its own.
    OnLButtonDown(hwnd, wnd, state);
}

void OnMouseMove(CWnd & wnd, ButtonState & state, LPARAM where) {
    if (state.mouseDown)
        SetPushed(wnd, state, wnd.GetClientRect().Encloses(MessageParams::Point(where)));
}

void OnLButtonUp(HWND hwnd, CWnd & wnd, ButtonState & state, LPARAM where) {
    if (!state.mouseDown)
        return;
    bool const inside = wnd.GetClientRect().Encloses(MessageParams::Point(where));
    CancelPress(wnd, state);
    if (inside && CWnd::IsWindow(hwnd))
        Click(hwnd);
}

void OnCaptureChanged(CWnd & wnd, ButtonState & state) {
    if (state.mouseDown)
        CancelPress(wnd, state);
}

void OnKeyDown(CWnd & wnd, ButtonState & state, UINT key) {
    if (key == VK_SPACE) {
        if (state.spaceDown || state.mouseDown || !TakesInput(wnd))
            return;
        state.spaceDown = true;
        SetPushed(wnd, state, true);
    } else if (key == VK_ESCAPE && state.spaceDown) {
        CancelPress(wnd, state);
    }
}

void OnKeyUp(HWND hwnd, CWnd & wnd, ButtonState & state, UINT key) {
    if (key != VK_SPACE || !state.spaceDown)
        return;
    CancelPress(wnd, state);
    if (CWnd::IsWindow(hwnd))
        Click(hwnd);
}

LRESULT OnGetCheck(CWnd & wnd, ButtonState & state) {
    return HoldsCheck(TypeOf(wnd)) ? state.check : BST_UNCHECKED;
}

void OnSetCheck(CWnd & wnd, ButtonState & state, WPARAM check) {
    DWORD const type = TypeOf(wnd);
    if (!HoldsCheck(type))
        return;
    // A state the type cannot show becomes the highest it can.
    UINT const highest = IsThreeState(type) ? BST_INDETERMINATE : BST_CHECKED;
    UINT const value = check > highest ? highest : static_cast<UINT>(check);
    if (state.check == value)
        return;
    state.check = value;
    wnd.Invalidate(FALSE);
}

LRESULT OnGetState(CWnd & wnd, ButtonState & state) {
    UINT result = static_cast<UINT>(OnGetCheck(wnd, state));
    if (state.pushed)
        result |= BST_PUSHED;
    if (state.focused)
        result |= BST_FOCUS;
    return result;
}

void OnSetStyle(CWnd & wnd, WPARAM style, LPARAM redraw) {
    DWORD const old = wnd.GetStyle();
    DWORD const updated = (old & ~DWORD(0xFFFF)) | (static_cast<DWORD>(style) & 0xFFFF);
    if (updated == old)
        return;
    wnd.SetWindowStyle(updated);
    if (redraw)
        wnd.Invalidate(TRUE);
}

void OnClick(HWND hwnd, CWnd & wnd) {
    if (TakesInput(wnd))
        Click(hwnd);
}

void OnPaint(HWND hwnd, CWnd & wnd, ButtonState & state) {
    // A device context for the button's client area.
    CPaintDC dc(&wnd);
    UINT const type = TypeOf(wnd);
    if (type == BS_OWNERDRAW) {
        CWnd * parent = wnd.GetParent();
        if (!parent)
            return;
        DRAWITEMSTRUCT item;
        item.CtlType = ODT_BUTTON;
        item.CtlID = wnd.GetID();
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = (state.pushed ? ODS_SELECTED : 0) | (state.focused ? ODS_FOCUS : 0) |
                         (wnd.IsWindowEnabled() ? 0 : ODS_DISABLED);
        item.hwndItem = hwnd;
        item.hDC = &dc;
        item.rcItem = wnd.GetClientRect();
        // A parent that does not draw the button (answers FALSE) hands the drawing back to
        // the button's own object, so a button class can draw itself.
        if (!parent->SendMessage(WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item)) &&
            CWnd::IsWindow(hwnd))
            wnd.SendMessage(WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
        return;
    }
    CString const text = wnd.GetWindowText();
    ButtonLook look;
    look.style = wnd.GetStyle();
    look.text = text;
    look.font = reinterpret_cast<CFont const *>(wnd.SendMessage(WM_GETFONT));
    if (!look.font)
        look.font = &CStdTools::FindInstance()->GetCtrlFont();
    look.client = wnd.GetClientRect();
    look.check = state.check;
    look.pushed = state.pushed;
    look.focused = state.focused;
    look.enabled = wnd.IsWindowEnabled() != FALSE;
    PaintButton(dc, look);
}

LRESULT ButtonState::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd * wnd = CWnd::FromHandle(hwnd);
    // Only WM_NCDESTROY reaches a button whose CWnd object is gone.
    if (!wnd)
        return DefWindowProc(hwnd, message, wParam, lParam);

    switch (message) {
    case WM_GETDLGCODE:
        return OnGetDlgCode(*wnd, *this, reinterpret_cast<MSG const *>(lParam));
    case WM_NCHITTEST:
        // A group box frames other controls: clicks inside it belong to them.
        return TypeOf(*wnd) == BS_GROUPBOX ? HTTRANSPARENT : HTCLIENT;
    case WM_ERASEBKGND:
        // ... and so does its inside, which it leaves as the parent painted it.
        if (TypeOf(*wnd) == BS_GROUPBOX)
            return TRUE;
        return DefWindowProc(hwnd, message, wParam, lParam);
    case WM_SETFOCUS:
        OnSetFocus(hwnd, *wnd, *this);
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(hwnd, *wnd, *this);
        return 0;
    case WM_ENABLE:
        OnEnable(*wnd, *this, static_cast<BOOL>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(hwnd, *wnd, *this);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(hwnd, *wnd, *this);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(*wnd, *this, lParam);
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(hwnd, *wnd, *this, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(*wnd, *this);
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(*wnd, *this, static_cast<UINT>(wParam));
        return 0;
    case WM_KEYUP:
        OnKeyUp(hwnd, *wnd, *this, static_cast<UINT>(wParam));
        return 0;
    case BM_GETCHECK:
        return OnGetCheck(*wnd, *this);
    case BM_SETCHECK:
        OnSetCheck(*wnd, *this, wParam);
        return 0;
    case BM_GETSTATE:
        return OnGetState(*wnd, *this);
    case BM_SETSTATE:
        SetPushed(*wnd, *this, wParam != 0);
        return 0;
    case BM_SETSTYLE:
        OnSetStyle(*wnd, wParam, lParam);
        return 0;
    case BM_CLICK:
        OnClick(hwnd, *wnd);
        return 0;
    case WM_PAINT:
        OnPaint(hwnd, *wnd, *this);
        return DefWindowProc(hwnd, message, wParam, lParam);
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

} // namespace

char const * ClassName() {
    return ControlWindows<ButtonState>::Register("button", CWndClass::classFocusOnClick |
                                                               CWndClass::classDoubleClicks);
}

bool IsButton(HWND hwnd) {
    return CWnd::IsWindow(hwnd) && StateOf(hwnd) != nullptr;
}

// Dialog templates name the class without touching CButton: register it when the library
// is loaded.
[[maybe_unused]] char const * const registered = ClassName();

} // namespace ButtonWindow
