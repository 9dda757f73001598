#pragma once

#include "CIPAddrModel.hpp"
#include "CRect.hpp"
#include "WinTypes.hpp"

#include <string>

template <class T>
class ControlWindows;

class CDC;
struct CREATESTRUCT;
class CWnd;

// One window of the "SysIPAddress32" class: its address model and what the window adds
// (the fields' places, mouse selection, focus, notifications), one object per window (see
// ControlWindows).
//
// A notification can destroy the window: every handler returns at once when Report or
// CCtrlWnd::NotifyParent reports the window gone.
class IPAddrWindow {
public:
    // Registers the window class (once) and returns its name.
    static char const * Register();

    explicit IPAddrWindow(HWND hwnd) : m_hwnd(hwnd) {}
    IPAddrWindow(IPAddrWindow const &) = delete;
    IPAddrWindow & operator=(IPAddrWindow const &) = delete;

private:
    friend class ControlWindows<IPAddrWindow>;

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void OnNcCreate(CREATESTRUCT const * create);
    void OnKeyDown(UINT key);
    void OnChar(UINT codePoint);
    void OnLButtonDown(CPoint point, bool extend);
    void OnMouseMove(CPoint point);
    void OnLButtonUp();
    void OnLButtonDblClk(CPoint point);
    void OnSetFocus();
    void OnKillFocus();
    void OnSetText(char const * text);
    void OnSetAddress(DWORD address);
    LRESULT OnGetAddress(DWORD * address) const;
    void OnClearAddress();
    LRESULT OnSetRange(int field, LPARAM range);
    void OnSetFieldFocus(int field);
    void OnPaint();
    // Draws the control; changes nothing.
    void Paint(CDC & dc) const;

    // Brings the window up to date after a user's action and tells the parent: EN_CHANGE
    // when a text changed, then IPN_FIELDCHANGED for a field left changed (whose value the
    // parent may replace). False when the window is gone afterwards.
    bool Report(CIPAddrModel::Change change);
    // Ends a drag selection and gives the capture back.
    void EndDrag();

    CWnd * Wnd() const;
    LONG Width(std::string const & text) const;
    CRect Client() const;
    // The part of the client area a field takes: a quarter, the last one the rest.
    CRect Cell(int field) const;
    // The field under an x of the client area.
    int FieldAt(int x) const;
    // The x where a field's text starts: centred in its cell.
    int TextOrigin(int field) const;
    // The boundary of a field's text nearest to an x.
    UINT PositionAt(int field, int x) const;
    void Invalidate() const;
    // Keeps the window manager's copy of the text ("a.b.c.d") current.
    void SyncText() const;

    HWND m_hwnd;
    CIPAddrModel m_model;
    bool m_focused = false;
    bool m_dragging = false;
};
