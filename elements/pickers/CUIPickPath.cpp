#include "CUIPickPath.hpp"

#include "CButton.hpp"
#include "CEntity.hpp"
#include "CItem.hpp"
#include "IDataAccess.hpp"
#include "ShellFolders.hpp"
#include "VantorUIModule.hpp"
#include "internal/PickerStrings.hpp"

#include <cstring>

AFX_IMPLEMENT_DYNCREATE(CUIPickPath, CUIPickBase)

CUIPickPath::CUIPickPath() {
    m_buttonText = CString(CEntity(VantorUIModule(), PickerStrings::browse));
}

void CUIPickPath::OnBind() {
    CUIPickBase::OnBind();
    m_sizeText = CString('X', 24);
}

void CUIPickPath::OnMove() {
    CUIPickBase::OnMove();
    CaretToEnd();
}

void CUIPickPath::OnLoad() {
    ShowText(ReadString());
}

int CUIPickPath::Hook(void * wnd, unsigned int msg, LPARAM, LPARAM data) {
    if (msg == BFFM_INITIALIZED)
        if (CWnd * browser = CWnd::FromHandle(static_cast<HWND>(wnd)))
            browser->SendMessage(BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

int CUIPickPath::OnPick() {
    if (!m_data)
        return 0;
    char path[MAX_PATH] = {};
    CString const current = ReadString();
    std::strncpy(path, current, MAX_PATH - 1);

    BROWSEINFOA info;
    CWnd * owner = m_ctrlButton->GetSafeHwnd() ? m_ctrlButton->GetParent() : nullptr;
    info.hwndOwner = owner ? owner->GetSafeHwnd() : nullptr;
    info.pszDisplayName = path;
    info.lpszTitle = "Select the required folder...";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = &CUIPickPath::Hook;
    info.lParam = reinterpret_cast<LPARAM>(path);
    ITEMIDLIST * chosen = SHBrowseForFolderA(&info);

    int result = 0;
    if (chosen) {
        IMalloc * malloc = nullptr;
        SHGetMalloc(&malloc);
        if (SHGetPathFromIDListA(chosen, path)) {
            m_data->WriteString(m_item, path);
            m_item->SetDirty();
            OnLoad();
            result = 1;
        } else {
            m_ctrlButton->Error("The selection is not a valid directory.");
        }
        if (malloc) {
            malloc->Free(chosen);
            malloc->Release();
        }
    }
    if (m_ctrlButton->GetSafeHwnd())
        m_ctrlButton->SetFocus();
    return result;
}
