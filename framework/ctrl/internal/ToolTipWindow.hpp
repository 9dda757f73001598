#pragma once

#include "CColor.hpp"
#include "CRect.hpp"
#include "WinTypes.hpp"

#include <cstdint>
#include <string>
#include <vector>

template <class T>
class ControlWindows;

struct ToolTipLook;
struct TOOLINFO;

// One window of the "tooltips_class32" class: its tools, delays and looks, the hover and
// tracking states, and the tip that shows (see CToolTip for the rules), one object per
// window (see ControlWindows).
//
// The tool windows' handlers of TTN_SHOW and TTN_POP, and a derived class's answer to
// TTM_WINDOWFROMPOINT, may destroy the tooltip: every handler that sends one of them
// returns at once when the window is gone.
class ToolTipWindow {
public:
    // Registers the window class (once) and returns its name.
    static char const * Register();

    explicit ToolTipWindow(HWND hwnd);
    ToolTipWindow(ToolTipWindow const &) = delete;
    ToolTipWindow & operator=(ToolTipWindow const &) = delete;

private:
    friend class ControlWindows<ToolTipWindow>;

    // A tool is named by its window and identifier.
    struct Key {
        HWND hwnd = nullptr;
        std::uintptr_t id = 0;
        bool operator==(Key const &) const = default;
    };
    struct Tool {
        Key key;
        UINT flags = 0;
        CRect rect;
        HINSTANCE hinst = nullptr;
        std::string text;
        LPARAM lParam = 0;
    };
    // Where the mouse is for hover tools: on no tool; resting on one before its tip shows;
    // on one whose tip shows; on one whose tip hid and shows again only after the mouse
    // has left it.
    enum class Hover { idle, waiting, shown, popped };

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    LRESULT OnAddTool(TOOLINFO const * info);
    void OnDelTool(TOOLINFO const * info);
    void OnNewToolRect(TOOLINFO const * info);
    void OnUpdateTipText(TOOLINFO const * info);
    LRESULT OnGetToolInfo(TOOLINFO * info) const;
    LRESULT OnGetCurrentTool(TOOLINFO * info) const;
    void OnRelayEvent(MSG const * msg);
    // A mouse button went down over a hover tool: the tip hides until the mouse leaves the
    // tool.
    void OnButtonDown();
    void OnTimer(UINT id);
    void OnActivate(bool active);
    void OnPop();
    void OnTrackActivate(bool activate, TOOLINFO const * info);
    void OnTrackPosition(CPoint point);
    void OnSetDelayTime(UINT which, int milliseconds);
    LRESULT OnGetDelayTime(UINT which) const;
    LRESULT OnSetMaxTipWidth(int width);
    LRESULT OnSetTitle(UINT icon, char const * title);
    void OnPaint();
    void OnNcDestroy();

    Tool * Find(Key const & key);
    Tool const * Find(Key const & key) const;
    // The hover tool under a point of the screen, asking the tooltip for the window there.
    // False when the tooltip was destroyed meanwhile.
    bool ToolAt(CPoint point, Key & found, bool & any);
    // The mouse is at a point of the screen: the hover state follows.
    void HoverAt(CPoint point);
    // The mouse is over a tool (any) or over none; `moved` when it has moved since the
    // last time.
    void HoverOver(bool any, Key const & found, bool moved);
    // Looks again at the tool under the mouse, which may have moved elsewhere unseen.
    void CheckHover();
    // Forgets the hover tool, hiding its tip.
    void StopHover();
    void SetHover(Hover hover);

    // Shows a tool's tip for a point of the screen: places it, sends TTN_SHOW, shows it.
    void Show(Key const & key, CPoint anchor, bool tracking);
    // Hides the tip that shows and sends TTN_POP.
    void Hide();
    // The tip's look for a tool.
    ToolTipLook Look(Tool const & tool) const;
    // The tooltip's own place for the shown tip; sets the side it lies on.
    CRect Place(CPoint anchor, bool tracking, bool absolute);
    // Fits the window that shows a tip to its changed content, keeping the corner its stem
    // points from.
    void Refit();
    void Repaint() const;

    HWND m_hwnd;
    std::vector<Tool> m_tools;
    bool m_active = true;
    UINT m_initial;
    UINT m_autoPop;
    UINT m_reshow;
    int m_maxWidth = -1;
    UINT m_icon = 0;
    std::string m_title;
    CColor m_back;
    CColor m_ink;

    Hover m_hover = Hover::idle;
    Key m_hot;
    CPoint m_point;
    UINT m_wait = 0;

    bool m_showing = false;
    Key m_shown;
    bool m_shownTracking = false;
    bool m_right = true;
    bool m_below = true;

    bool m_trackActive = false;
    Key m_track;
    CPoint m_trackPoint;

    UINT m_showTimer;
    UINT m_popTimer;
    UINT m_leaveTimer;
};
