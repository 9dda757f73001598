#pragma once

#include "CStdDialog.hpp"
#include "ShellFolders.hpp"

#include <string>

// The folder browser that SHBrowseForFolderA runs (see ShellFolders.hpp).
class FolderBrowserDlg : public CStdDialog {
    AFX_DECLARE_CLASS(FolderBrowserDlg)
    AFX_DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT idTitle = 100;
    static constexpr UINT idFolders = 1121;
    static constexpr UINT idPath = 1152;

    // `info` must outlive the dialog's run; `root` is the top folder, "/" for all.
    FolderBrowserDlg(BROWSEINFOA const & info, std::string root);

    // The folder chosen with OK.
    std::string const & GetChosen() const { return m_chosen; }

protected:
    void OnOK() override;

    int OnInitDialog(CWnd & focus, LPARAM param);
    void OnFolderSelected(UINT id, CWnd & list);
    void OnFolderOpen(UINT id, CWnd & list);
    LRESULT OnSetSelection(WPARAM byPath, LPARAM which);

private:
    void Enter(std::string const & folder);
    bool InRoot(std::string const & path) const;
    // The folder an entry of the list stands for; empty when none is selected.
    std::string SelectedFolder() const;
    void SetPath(std::string const & path);

    BROWSEINFOA const & m_info;
    std::string m_root;
    std::string m_folder;
    std::string m_toldFolder;
    std::string m_chosen;
};
