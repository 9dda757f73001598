#pragma once

#include "CEditModel.hpp"
#include "CRect.hpp"
#include "WinTypes.hpp"

#include <string>

template <class T>
class ControlWindows;

class CDC;
struct CREATESTRUCT;

// One window of the "edit" class: its editing model and what the window adds (scrolling,
// mouse selection, focus), one object per window (see ControlWindows).
//
// A notification can destroy the window: every handler returns at once when
// CCtrlWnd::NotifyParent reports the window gone.
class EditWindow {
public:
    // The gap between the client edges and the text, in pixels.
    static constexpr int margin = 2;

    // Registers the window class (once) and returns its name.
    static char const * Register();

    explicit EditWindow(HWND hwnd) : m_hwnd(hwnd) {}
    EditWindow(EditWindow const &) = delete;
    EditWindow & operator=(EditWindow const &) = delete;

private:
    friend class ControlWindows<EditWindow>;

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void OnNcCreate(CREATESTRUCT const * create);
    void OnKeyDown(UINT key);
    void OnChar(UINT codePoint);
    void OnButtonDown(int x, bool extend);
    void OnMouseMove(int x);
    void OnButtonUp();
    void OnDoubleClick(int x);
    void OnSetFocus();
    void OnKillFocus();
    void OnSetText(char const * text);
    LRESULT OnGetSel(WPARAM wParam, LPARAM lParam) const;
    void OnPaint(CDC * dc);
    // Draws the control; changes nothing.
    void Paint(CDC & dc) const;

    // The user's editing. Inserting converts case and, without ES_AUTOHSCROLL, keeps only
    // what fits the width; `replace` is the program's EM_REPLACESEL.
    enum class Insertion { typed, pasted, replace };
    void Insert(std::string text, Insertion how);
    void Cut();
    void Copy();
    void Paste();
    // Brings the window up to date after a change and notifies the parent: EN_UPDATE and
    // EN_CHANGE when the text changed, then EN_MAXTEXT when text was refused.
    void Changed(CEditModel::Change change);
    // After a change of the caret or selection alone.
    void Moved();

    DWORD Style() const;
    std::string Shown(std::string_view text) const;
    LONG Width(std::string const & shown) const;
    // The client area, and the part of it the text is laid out in.
    CRect Client() const;
    CRect TextRect() const;
    // The x of the text's start in client coordinates (alignment and scrolling applied).
    int TextOrigin() const;
    // The position a point of the client area stands for: the nearest boundary, or the
    // start of the character under the point.
    UINT PositionFromPoint(int x, bool nearest) const;
    void ScrollToCaret();
    void ClampScroll();
    void Invalidate() const;
    // Keeps the window manager's copy of the text current.
    void SyncText() const;

    HWND m_hwnd;
    CEditModel m_model;
    int m_scroll = 0;
    bool m_focused = false;
    bool m_dragging = false;
};
