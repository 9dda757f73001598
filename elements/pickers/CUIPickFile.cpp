#include "CUIPickFile.hpp"

#include "AfxTrace.hpp"
#include "CButton.hpp"
#include "CEntity.hpp"
#include "CItem.hpp"
#include "COpenFileDialog.hpp"
#include "CThread.hpp"
#include "IDataAccess.hpp"
#include "VantorUIModule.hpp"
#include "internal/PickerStrings.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIPickFile, CUIPickBase)

CUIPickFile::CUIPickFile() {
    m_buttonText = CString(CEntity(VantorUIModule(), PickerStrings::browse));
}

void CUIPickFile::OnBind() {
    CUIPickBase::OnBind();
    m_sizeText = CString('X', 24);
}

void CUIPickFile::OnMove() {
    CUIPickBase::OnMove();
    CaretToEnd();
}

void CUIPickFile::OnLoad() {
    ShowText(ReadString());
}

int CUIPickFile::OnPick() {
    if (!m_data)
        return 0;
    COpenFileDialog dialog;
    dialog.SetCaption(CString(CEntity(VantorUIModule(), PickerStrings::browseFile)));
    CString const current = ReadString();
    CString const format = GetFormat();
    UINT const bar = format.Find('|');
    bool const keyed = bar < format.GetLength();
    CString const key = keyed ? format.Left(bar) : CString();
    dialog.LoadLastPath(key);
    dialog.SetFilter(keyed ? format.Mid(bar + 1) : format);
    if (!current.IsEmpty())
        dialog.SetFilename(current);
    int const result = dialog.Execute(CThread::FindInstance()->GetMainWnd());
    if (result > 0) {
        CString const name = dialog.GetFilename();
        m_data->WriteString(m_item, name);
        m_item->SetDirty();
        ShowText(name);
        if (!dialog.SaveLastPath(key))
            AfxTrace("ERROR: The folder of %s could not be remembered under the key \"%s\"\n",
                     name.GetString(), key.GetString());
    }
    if (m_ctrlButton->GetSafeHwnd())
        m_ctrlButton->SetFocus();
    return result > 0 ? 1 : 0;
}
