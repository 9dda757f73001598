#pragma once

#include "AfxSignature.hpp"
#include "CObject.hpp"
#include "CRect.hpp"
#include "CString.hpp"
#include "WinTypes.hpp"
#include "haldenwin_export.h"

class CFont;

// A window object: a C++ object attached to a window of the window manager. Messages sent to
// the window reach WndProc, which offers them to the class's message map and passes what it
// leaves to the window class's procedure (AfxCallDefProc).
//
// Lifetime: destroying a window destroys its children first; each window gets WM_DESTROY,
// then WM_NCDESTROY as its last message. An object marked auto-delete (controls handed to
// a window) is deleted by the framework after its window's last message has been handled,
// even when the window was destroyed from inside one of its own handlers. Other objects are
// owned by their creators; deleting such an object destroys its window first.
class HALDENWIN_EXPORT CWnd : public CObject {
    AFX_DECLARE_CLASS(CWnd)
    AFX_DECLARE_CONSTRUCT(CWnd)
public:
    static CMessageItem const m_afxMessageItem[];
    static CMessageMap const m_afxMessageMap;
    static CMessageMap const * AfxStaticMessageMap() { return &m_afxMessageMap; }
    virtual CMessageMap const * AfxObjectMessageMap() const { return &m_afxMessageMap; }

    CWnd();
    ~CWnd() override;
    CWnd(CWnd const &) = delete;
    CWnd & operator=(CWnd const &) = delete;

    // Creates the window of a registered class (null: the plain class) and attaches this
    // object. A child (WS_CHILD) lies in its parent's client area; a top-level window's
    // rectangle is on the screen and `parent` is its owner. Sends WM_NCCREATE and WM_CREATE,
    // then posts WM_AFX_POSTCREATE. FALSE when the class is unknown, the parent is not a
    // window, this object already has a window, or WM_CREATE answered -1.
    BOOL CreateEx(DWORD exStyle, char const * className, char const * text, DWORD style,
                  CRect const & rect, CWnd * parent, UINT id);
    BOOL Create(char const * className, char const * text, DWORD style, CRect const & rect,
                CWnd * parent, UINT id);
    BOOL DestroyWindow();

    HWND GetSafeHwnd() const { return m_hWnd; }
    // True while the object's window exists.
    BOOL IsWindow() const;
    static BOOL IsWindow(HWND hwnd);
    // The object of a window; null for a handle that names no window.
    static CWnd * FromHandle(HWND hwnd);

    void SetAutoDelete(BOOL autoDelete) { m_autoDelete = autoDelete; }
    BOOL IsAutoDelete() const { return m_autoDelete; }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Geometry. MoveWindow takes the new rectangle in the parent's client coordinates (screen
    // coordinates for a top-level window) and sends WM_SIZE when the size changed.
    void MoveWindow(CRect const & rect, BOOL repaint = TRUE);
    void MoveWindow(int x, int y, int cx, int cy, BOOL repaint = TRUE);
    CRect GetClientRect() const;
    // The window's rectangle on the screen.
    CRect GetWindowRect() const;
    void ClientToScreen(CPoint & point) const;
    void ClientToScreen(CRect & rect) const;
    void ScreenToClient(CPoint & point) const;
    void ScreenToClient(CRect & rect) const;

    // Visibility and state. ShowWindow returns whether the window was visible before.
    BOOL ShowWindow(int command);
    // True when the window and all its ancestors are shown.
    BOOL IsWindowVisible() const;
    // Returns whether the window was disabled before; sends WM_ENABLE on a change. A window
    // that loses its enabled state also loses the focus.
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;

    void SetWindowText(char const * text);
    CString GetWindowText() const;
    void SetFont(CFont const * font, BOOL redraw = TRUE);
    CFont const * GetFont() const;

    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // Replaces the style bits (WS_VISIBLE and WS_DISABLED follow ShowWindow and EnableWindow).
    void SetWindowStyle(DWORD style);
    void ModifyStyle(DWORD remove, DWORD add);
    void ModifyStyleEx(DWORD remove, DWORD add);

    UINT GetID() const;
    UINT GetDlgCtrlID() const { return GetID(); }
    // The first child with the identifier, or null.
    CWnd * GetDlgItem(UINT id) const;
    // The parent of a child window, the owner of a top-level window, or null.
    CWnd * GetParent() const;
    // The top-level window that holds this one.
    CWnd * GetTopLevel() const;
    // The children in creation order.
    UINT GetChildCount() const;
    CWnd * GetChild(UINT index) const;

    // Dialog-style windows (dialogs and dialog views) get the dialog keys of the windows
    // below them and hear of their focus changes (WM_AFX_CHILDFOCUS).
    void SetDialogStyle(BOOL dialog);
    BOOL IsDialogStyle() const;

    // Focus and capture. SetFocus returns the window that had the focus, or null; a window
    // that is disabled, hidden or destroyed cannot take it.
    CWnd * SetFocus();
    static CWnd * GetFocus();
    static void ClearFocus();
    CWnd * SetCapture();
    static void ReleaseCapture();
    static CWnd * GetCapture();

    // Painting: invalidated windows get WM_ERASEBKGND (when erasing) and WM_PAINT the next
    // time messages are pumped, or at once through UpdateWindow.
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(CRect const & rect, BOOL erase = TRUE);
    void ValidateRect();
    void UpdateWindow();
    // The part of the client area waiting to be painted; empty when none.
    CRect GetUpdateRect() const;

    // Timers: identifiers unique in the process; SetTimer starts or restarts one, WM_TIMER
    // arrives with the identifier in wParam each time it runs out.
    static UINT AllocTimerID();
    UINT SetTimer(UINT id, UINT milliseconds);
    BOOL KillTimer(UINT id);

    // Modal loops: RunModalLoop handles messages until EndModalLoop is called for this window
    // and returns the result given there; cancelResult when nothing is left that could end
    // it, -1 when the window is destroyed first. While it runs, input reaches only this
    // window, the windows below it and the windows it owns. The automation's OnNextModal
    // actions run when it starts.
    int RunModalLoop(int cancelResult);
    void EndModalLoop(int result);

    // Shows a message box owned by this window and returns the button chosen (IDOK, IDCANCEL,
    // IDYES, IDNO ...). `type` takes the MB_ values of CMessageBox.
    int Error(char const * message, UINT type = 0);

    // Paints this window's whole top-level window again and writes the picture to a PNG
    // file. FALSE when the screen device draws no pixels (the headless device) or the file
    // cannot be written.
    BOOL WriteImage(char const * path);

    // The window class's own processing of a message.
    LRESULT AfxCallDefProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Handles one message: the message map first, then AfxCallDefProc.
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // Called after the window's last message; deletes auto-delete objects.
    virtual void PostNcDestroy();

private:
    friend class CWindowManager;

    HWND m_hWnd = nullptr;
    BOOL m_autoDelete = FALSE;
};
