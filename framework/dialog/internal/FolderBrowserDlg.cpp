#include "internal/FolderBrowserDlg.hpp"

#include "CFormat.hpp"
#include "CListBox.hpp"
#include "CMessageBox.hpp"
#include "WinConstants.hpp"
#include "internal/DialogModule.hpp"
#include "internal/FolderListing.hpp"
#include "internal/FolderPath.hpp"

AFX_IMPLEMENT_CLASS(FolderBrowserDlg, CStdDialog, &CStdDialog::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(FolderBrowserDlg, CStdDialog)
AFX_ON_MESSAGE("L-1w2L", WM_INITDIALOG, &FolderBrowserDlg::OnInitDialog)
AFX_ON_ENTRY("T-5L3w", WM_COMMAND, FolderBrowserDlg::idFolders, FolderBrowserDlg::idFolders,
             LBN_SELCHANGE, &FolderBrowserDlg::OnFolderSelected)
AFX_ON_ENTRY("T-5L3w", WM_COMMAND, FolderBrowserDlg::idFolders, FolderBrowserDlg::idFolders,
             LBN_DBLCLK, &FolderBrowserDlg::OnFolderOpen)
AFX_ON_MESSAGE("L-1L2L", BFFM_SETSELECTIONA, &FolderBrowserDlg::OnSetSelection)
AFX_END_MESSAGE_MAP()

FolderBrowserDlg::FolderBrowserDlg(BROWSEINFOA const & info, std::string root)
    : m_info(info), m_root(std::move(root)) {
    SetName(CEntity(DialogModule(), "BROWSEDLG"));
}

bool FolderBrowserDlg::InRoot(std::string const & path) const {
    return m_root == "/" || path == m_root ||
           (path.size() > m_root.size() && path.compare(0, m_root.size(), m_root) == 0 &&
            path[m_root.size()] == '/');
}

int FolderBrowserDlg::OnInitDialog(CWnd &, LPARAM) {
    if (CWnd * title = GetDlgItem(idTitle))
        title->SetWindowText(m_info.lpszTitle);
    HWND const self = GetSafeHwnd();
    std::string const current = FolderPath::Normal(".");
    Enter(InRoot(current) ? current : m_root);
    if (m_info.lpfn && CWnd::IsWindow(self))
        m_info.lpfn(self, BFFM_INITIALIZED, 0, m_info.lParam);
    return TRUE;
}

void FolderBrowserDlg::Enter(std::string const & folder) {
    m_folder = folder;
    SetPath("");
    auto * list = static_cast<CListBox *>(GetDlgItem(idFolders));
    if (!list)
        return;
    list->ResetContent();
    FolderListing const listing = FolderListing::Read(m_folder);
    if (!listing.readable) {
        if (m_toldFolder != m_folder) {
            m_toldFolder = m_folder;
            Error(CFormat(DialogString(DialogStrings::folderUnreadable), m_folder.c_str()),
                  MB_ICONERROR);
        }
        return;
    }
    m_toldFolder.clear();
    if (m_folder != m_root)
        list->AddString("..");
    for (std::string const & name : listing.folders)
        list->AddString(name.c_str());
}

void FolderBrowserDlg::SetPath(std::string const & path) {
    if (CWnd * field = GetDlgItem(idPath))
        field->SetWindowText(path.c_str());
}

std::string FolderBrowserDlg::SelectedFolder() const {
    auto const * list = static_cast<CListBox const *>(GetDlgItem(idFolders));
    int const selected = list ? list->GetCurSel() : LB_ERR;
    if (selected == LB_ERR)
        return {};
    return FolderPath::Join(m_folder, list->GetText(selected).Str());
}

void FolderBrowserDlg::OnFolderSelected(UINT, CWnd &) {
    std::string const folder = SelectedFolder();
    if (!folder.empty())
        SetPath(folder);
}

void FolderBrowserDlg::OnFolderOpen(UINT, CWnd &) {
    std::string const folder = SelectedFolder();
    if (!folder.empty())
        Enter(folder);
}

LRESULT FolderBrowserDlg::OnSetSelection(WPARAM byPath, LPARAM which) {
    char path[MAX_PATH];
    char const * given = reinterpret_cast<char const *>(which);
    if (!byPath) {
        if (!SHGetPathFromIDListA(reinterpret_cast<ITEMIDLIST const *>(which), path))
            return FALSE;
        given = path;
    }
    if (!given || !*given)
        return FALSE;
    std::string const folder = FolderPath::Normal(given);
    if (!FolderPath::IsFolder(folder) || !InRoot(folder))
        return FALSE;
    HWND const self = GetSafeHwnd();
    if (folder == m_root) {
        Enter(folder);
    } else {
        Enter(FolderPath::Parent(folder));
        auto * list = static_cast<CListBox *>(GetDlgItem(idFolders));
        std::string const name = FolderPath::NameOf(folder);
        for (int i = 0; CWnd::IsWindow(self) && list && i < list->GetCount(); ++i)
            if (list->GetText(i) == name.c_str()) {
                list->SetCurSel(i);
                break;
            }
    }
    if (!CWnd::IsWindow(self))
        return FALSE;
    SetPath(folder);
    return TRUE;
}

void FolderBrowserDlg::OnOK() {
    CWnd * field = GetDlgItem(idPath);
    CString typed = field ? field->GetWindowText() : CString();
    typed.Trim();
    std::string const folder = typed.IsEmpty() ? m_folder : FolderPath::Join(m_folder, typed.Str());
    if (FolderPath::IsFolder(folder) && InRoot(folder)) {
        m_chosen = folder;
        EndDialog(IDOK);
        return;
    }
    HWND const self = GetSafeHwnd();
    Error(CFormat(DialogString(DialogStrings::folderNotFound), folder.c_str()), MB_ICONERROR);
    if (CWnd::IsWindow(self) && field)
        SetDlgFocus(field);
}
