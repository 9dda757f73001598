#pragma once

#include "CWnd.hpp"

#include <functional>
#include <string>
#include <vector>

// A parent window that records its children's notifications as "<id>:<code name>" lines
// and can act on each one (a test's handler may destroy the control).
class CEditParentWnd : public CWnd {
    AFX_DECLARE_CLASS(CEditParentWnd)
    AFX_DECLARE_MESSAGE_MAP()
public:
    std::vector<std::string> m_heard;
    std::function<void(UINT id, UINT code)> m_onNotify;

    // The lines heard with one code name.
    int CountHeard(char const * codeName) const;

protected:
    BOOL OnCommand(UINT id, UINT code, CWnd & control);
};

// The name of an edit notification code.
std::string EditCodeName(UINT code);
