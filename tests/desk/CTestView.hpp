#pragma once

#include "CDialogViewWnd.hpp"
#include "CItem.hpp"
#include "WinConstants.hpp"

#include <functional>
#include <string>
#include <vector>

// What the views and windows of a test heard, in order, as "name:event" lines.
std::vector<std::string> & Heard();

// An item with a name, so that attachments can be told apart.
class CNamedItem : public CItem {
public:
    explicit CNamedItem(char const * name) : m_name(name) {}
    std::string m_name;
};

// A dialog view that records what reaches it: attachments (with whether the window existed),
// current-view changes, balloon-mode commands and commands (notification code 0, as Return,
// Escape and button clicks give), which it handles only when told to. Counts its living
// objects.
class CTestView : public CDialogViewWnd {
    AFX_DECLARE_CLASS(CTestView)
    AFX_DECLARE_MESSAGE_MAP()
public:
    explicit CTestView(char const * name = "view", BOOL handlesCommands = TRUE);
    ~CTestView() override;

    static int s_living;

    std::string m_name;
    BOOL m_handlesCommands;
    // The minimum track size the view answers to WM_GETMINMAXINFO; none when zero.
    CSize m_minSize;
    // Run when the view hears that it is no longer current.
    std::function<void()> m_onNotCurrent;
    // Run when the view hears of a balloon-mode change.
    std::function<void()> m_onBalloonMode;

protected:
    void OnAttach() override;
    void OnSetCurrent(BOOL current);
    BOOL OnBalloonMode(UINT id);
    BOOL OnCommand(UINT id, UINT code, CWnd & control);
    void OnGetMinMaxInfo(MINMAXINFO & info);

    void Hear(std::string const & what) { Heard().push_back(m_name + ":" + what); }
};

// A plain window that records the commands it hears and whether a view sent them.
class CCommandRecorderWnd : public CWnd {
    AFX_DECLARE_CLASS(CCommandRecorderWnd)
    AFX_DECLARE_MESSAGE_MAP()
public:
    explicit CCommandRecorderWnd(char const * name) : m_name(name) {}
    std::string m_name;

protected:
    BOOL OnCommand(UINT id, UINT code, CWnd & control);
};
