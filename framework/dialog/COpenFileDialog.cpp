#include "COpenFileDialog.hpp"

#include "CFormat.hpp"
#include "CMessageBox.hpp"
#include "internal/DialogModule.hpp"
#include "internal/FolderPath.hpp"

AFX_IMPLEMENT_DYNCREATE(COpenFileDialog, CFileDialog)

COpenFileDialog::COpenFileDialog() {
    SetCaption(DialogString(DialogStrings::openCaption));
}

BOOL COpenFileDialog::OnCheckFile(CString const & path) {
    if (FolderPath::IsFile(path.Str()))
        return TRUE;
    Error(CFormat(DialogString(DialogStrings::fileNotFound), path), MB_ICONERROR);
    return FALSE;
}
