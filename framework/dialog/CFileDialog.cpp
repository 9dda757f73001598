#include "CFileDialog.hpp"

#include "CComboBox.hpp"
#include "CFormat.hpp"
#include "CListBox.hpp"
#include "CMessageBox.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "internal/DialogModule.hpp"
#include "internal/FileFilter.hpp"
#include "internal/FolderListing.hpp"
#include "internal/FolderPath.hpp"
#include "internal/LastPathStore.hpp"

#include <vector>

AFX_IMPLEMENT_DYNCREATE(CFileDialog, CStdDialog)

AFX_BEGIN_MESSAGE_MAP(CFileDialog, CStdDialog)
AFX_ON_MESSAGE("L-1w2L", WM_INITDIALOG, &CFileDialog::OnInitDialog)
AFX_ON_ENTRY("T-5L3w", WM_COMMAND, CFileDialog::idFolders, CFileDialog::idFolders, LBN_DBLCLK,
             &CFileDialog::OnFolderOpen)
AFX_ON_ENTRY("T-5L3w", WM_COMMAND, CFileDialog::idFiles, CFileDialog::idFiles, LBN_SELCHANGE,
             &CFileDialog::OnFileSelected)
AFX_ON_ENTRY("T-5L3w", WM_COMMAND, CFileDialog::idFiles, CFileDialog::idFiles, LBN_DBLCLK,
             &CFileDialog::OnFileOpen)
AFX_ON_ENTRY("T-5L3w", WM_COMMAND, CFileDialog::idTypes, CFileDialog::idTypes, CBN_SELCHANGE,
             &CFileDialog::OnFilterChanged)
AFX_END_MESSAGE_MAP()

namespace {

std::vector<FileFilter> FiltersOf(CString const & text) {
    std::vector<FileFilter> filters = FileFilter::Parse(text.View());
    if (filters.empty())
        filters.push_back({DialogString(DialogStrings::allFiles).Str(), {"*"}});
    return filters;
}

} // namespace

CFileDialog::CFileDialog() {
    SetName(CEntity(DialogModule(), "FILEDLG"));
}

void CFileDialog::SetFilter(char const * filter) {
    m_filter = filter;
    m_filterIndex = 0;
}

void CFileDialog::SetFilename(char const * filename) {
    m_filename = filename;
    m_name = filename;
    std::string const name = m_filename.Str();
    if (name.find('/') == std::string::npos)
        return;
    std::string const path = FolderPath::Normal(name);
    m_name = FolderPath::NameOf(path).c_str();
    if (std::string const folder = FolderPath::Parent(path); FolderPath::IsFolder(folder))
        m_folder = folder;
}

CString CFileDialog::GetFolder() const {
    return CString(StartFolder());
}

std::string CFileDialog::StartFolder() const {
    return m_folder.empty() ? FolderPath::Normal(".") : m_folder;
}

BOOL CFileDialog::LoadLastPath(char const * key) {
    std::string folder;
    if (!LastPathStore::Load(key ? key : "", folder) || !FolderPath::IsFolder(folder))
        return FALSE;
    m_folder = FolderPath::Normal(folder);
    return TRUE;
}

BOOL CFileDialog::SaveLastPath(char const * key) const {
    return LastPathStore::Save(key ? key : "", StartFolder()) ? TRUE : FALSE;
}

BOOL CFileDialog::OnCheckFile(CString const & path) {
    std::string const folder = FolderPath::Parent(path.Str());
    if (FolderPath::IsFolder(folder))
        return TRUE;
    Error(CFormat(DialogString(DialogStrings::folderNotFound), folder.c_str()), MB_ICONERROR);
    return FALSE;
}

int CFileDialog::OnInitDialog(CWnd &, LPARAM) {
    if (auto * types = static_cast<CComboBox *>(GetDlgItem(idTypes))) {
        std::vector<FileFilter> const filters = FiltersOf(m_filter);
        for (std::size_t i = 0; i < filters.size(); ++i)
            types->AddString(filters[i].description.c_str(), i);
        types->SetCurSel(m_filterIndex);
    }
    if (CWnd * name = GetDlgItem(idName))
        name->SetWindowText(m_name);
    m_toldFolder.clear();
    HWND const self = GetSafeHwnd();
    Enter(StartFolder());
    if (!CWnd::IsWindow(self))
        return FALSE;
    FocusName();
    return FALSE;
}

void CFileDialog::Enter(std::string const & folder) {
    m_folder = folder;
    if (CWnd * shown = GetDlgItem(idFolder))
        shown->SetWindowText(m_folder.c_str());
    ShowLists();
}

void CFileDialog::ShowLists() {
    auto * folders = static_cast<CListBox *>(GetDlgItem(idFolders));
    auto * files = static_cast<CListBox *>(GetDlgItem(idFiles));
    if (!folders || !files)
        return;
    folders->ResetContent();
    files->ResetContent();
    FolderListing const listing = FolderListing::Read(m_folder);
    if (!listing.readable) {
        if (m_toldFolder == m_folder)
            return;
        m_toldFolder = m_folder;
        Error(CFormat(DialogString(DialogStrings::folderUnreadable), m_folder.c_str()),
              MB_ICONERROR);
        return;
    }
    m_toldFolder.clear();
    if (m_folder != "/")
        folders->AddString("..");
    for (std::string const & name : listing.folders)
        folders->AddString(name.c_str());
    std::vector<FileFilter> const filters = FiltersOf(m_filter);
    FileFilter const & filter =
        filters[static_cast<std::size_t>(m_filterIndex) < filters.size() ? m_filterIndex : 0];
    for (std::string const & name : listing.files)
        if (filter.Matches(name.c_str()))
            files->AddString(name.c_str());
}

void CFileDialog::EnterSelectedFolder() {
    auto * folders = static_cast<CListBox *>(GetDlgItem(idFolders));
    int const selected = folders ? folders->GetCurSel() : LB_ERR;
    if (selected == LB_ERR)
        return;
    Enter(FolderPath::Join(m_folder, folders->GetText(selected).Str()));
}

void CFileDialog::FocusName() {
    if (CWnd * name = GetDlgItem(idName))
        SetDlgFocus(name);
}

void CFileDialog::OnOK() {
    CWnd * folders = GetDlgItem(idFolders);
    if (folders && CWnd::GetFocus() == folders &&
        static_cast<CListBox *>(folders)->GetCurSel() != LB_ERR) {
        EnterSelectedFolder();
        return;
    }
    Confirm();
}

void CFileDialog::Confirm() {
    CWnd * name = GetDlgItem(idName);
    if (!name)
        return;
    CString typed = name->GetWindowText();
    typed.Trim();
    if (typed.IsEmpty()) {
        FocusName();
        return;
    }
    std::string const path = FolderPath::Join(m_folder, typed.Str());
    HWND const self = GetSafeHwnd();
    if (FolderPath::IsFolder(path)) {
        name->SetWindowText("");
        Enter(path);
        if (CWnd::IsWindow(self))
            FocusName();
        return;
    }
    if (!OnCheckFile(CString(path))) {
        if (CWnd::IsWindow(self) && IsRunning())
            FocusName();
        return;
    }
    m_filename = path.c_str();
    m_folder = FolderPath::Parent(path);
    EndDialog(IDOK);
}

void CFileDialog::OnFolderOpen(UINT, CWnd &) {
    EnterSelectedFolder();
}

void CFileDialog::OnFileSelected(UINT, CWnd & list) {
    auto & files = static_cast<CListBox &>(list);
    int const selected = files.GetCurSel();
    if (CWnd * name = GetDlgItem(idName); name && selected != LB_ERR)
        name->SetWindowText(files.GetText(selected));
}

void CFileDialog::OnFileOpen(UINT id, CWnd & list) {
    OnFileSelected(id, list);
    Confirm();
}

void CFileDialog::OnFilterChanged(UINT, CWnd & box) {
    int const selected = static_cast<CComboBox &>(box).GetCurSel();
    if (selected == CB_ERR || selected == m_filterIndex)
        return;
    m_filterIndex = selected;
    ShowLists();
}
