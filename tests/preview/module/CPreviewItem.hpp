#pragma once

#include "CUIItem.hpp"

// An item whose first page builds cleanly from static texts; its page 1 names a tag the
// schema lacks and its page 2 asks for a group of no columns.
class __attribute__((visibility("default"))) CPreviewItem : public CUIItem {
    AFX_DECLARE_CLASS(CPreviewItem)
    AFX_DECLARE_CONSTRUCT(CPreviewItem)
public:
    CString m_model;
    CString m_serial;

protected:
    void AddMetaData() override;
};

// An item whose schema names an element class that does not exist.
class __attribute__((visibility("default"))) CPreviewOddItem : public CPreviewItem {
    AFX_DECLARE_CLASS(CPreviewOddItem)
    AFX_DECLARE_CONSTRUCT(CPreviewOddItem)
};
