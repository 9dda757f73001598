#pragma once

#include "CFileDialog.hpp"
#include "haldendialog_export.h"

// A file dialog that opens an existing file: its caption is "Open" in the thread's
// language, and a name that is no existing file is refused with a message box that names
// its path, leaving the dialog open with the name field focused and its text selected.
class HALDENDIALOG_EXPORT COpenFileDialog : public CFileDialog {
    AFX_DECLARE_CLASS(COpenFileDialog)
    AFX_DECLARE_CONSTRUCT(COpenFileDialog)
public:
    COpenFileDialog();

protected:
    BOOL OnCheckFile(CString const & path) override;
};
