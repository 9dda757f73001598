#pragma once

#include "CArray.hpp"
#include "CUIElement.hpp"

class CCtrlWnd;
class CWnd;

// An element that shows its property in framework controls. It keeps the element's
// controls to show and enable them together, and turns the change notification of its main
// control into a save. The control objects belong to their windows (released after each
// window's last message); the element never deletes them.
class VANTORUI_EXPORT CUIControl : public CUIElement {
    AFX_DECLARE_CLASS(CUIControl)
public:
    static constexpr unsigned int noId = 0xFFFFFFFF;

    CUIControl() = default;
    // Deletes the control objects that never got a window.
    ~CUIControl() override;

    // Adds a control that is only shown and enabled with the element.
    void AddControl(CCtrlWnd * ctrl);
    // Adds the main control, whose notification `code` means the user changed the value;
    // replaces an earlier main control.
    void AddControl(CCtrlWnd * ctrl, unsigned int code);
    // The main control's identifier; noId before one is added.
    unsigned int GetId() { return m_mainId; }

protected:
    void OnShow(int show) override;
    void OnEnable(int enable) override;
    // Saves when the main control reports `code` (unless a save of this element is already
    // running); answers 1 when a new value was written or the code is codeForceUpdate.
    int OnNotify(unsigned int id, unsigned int code) override;
    using CUIElement::OnNotify;
    // Makes the view report a change of this element without a save, for elements that
    // wrote their property themselves (from a dialog, say): sends the parent of the first
    // control WM_COMMAND with the main identifier and codeForceUpdate.
    void ForceUpdate();

    // A control object for the element to create later. Until CreateControl gives it a
    // window the element owns it; afterwards its window does.
    template <class T, class... Args>
    T * MakeControl(Args &&... args) {
        T * ctrl = new T(static_cast<Args &&>(args)...);
        m_unborn.Append(ctrl);
        return ctrl;
    }
    // Creates a control made by MakeControl as a child of `parent` with the standard control
    // font. FALSE when the window cannot be made (the element still owns the object).
    BOOL CreateControl(CCtrlWnd & ctrl, char const * text, DWORD style, CRect const & rect,
                       CWnd & parent, unsigned int id);
    BOOL CreateControl(CCtrlWnd & ctrl, char const * text, DWORD style, DWORD exStyle,
                       CRect const & rect, CWnd & parent, unsigned int id);
    // Gives up a control made by MakeControl: deleted when it never got a window, else its
    // window is destroyed (which releases it). It leaves the element's list of controls.
    void DestroyControl(CCtrlWnd * ctrl);

    CArray<CCtrlWnd *> m_controls{16};
    unsigned int m_mainId = noId;
    unsigned int m_changeCode = noId;

private:
    CArray<CCtrlWnd *> m_unborn{4};
};
