#pragma once

#include "ParentTestBase.hpp"

// A visible, dialog-style top-level parent for the controls a test makes on it, with what it
// heard as lines.
class MiscTestBase : public ParentTestBase {
protected:
    MiscTestBase() : ParentTestBase(CRect(0, 0, 480, 320), TRUE) {}

    Lines const & Heard() const { return m_parent.m_heard; }

    static CPoint Screen(CWnd * wnd, CPoint client) { return ParentTestBase::Screen(*wnd, client); }
};
