#pragma once

#include "CStdDialog.hpp"
#include "haldendialog_export.h"

#include <string>

// A file dialog: the folder shown (its path above the lists), its folders (".." first, then
// the sub-folders) and its files, the file name field, the filter box, OK and Cancel. Names
// that begin with '.' (hidden files and folders) are not listed.
//
// The user enters a folder with a double click or Return on it in the folder list, or by
// typing its name or path into the name field and confirming. Choosing a file in the file
// list puts its name into the field; a double click on it confirms it. OK (or Return
// elsewhere) takes the field's text as a name in the folder shown, or as a path when it
// begins with '/': a folder is entered, anything else is offered to OnCheckFile and, when
// it passes, becomes the chosen file and ends the dialog with IDOK. Choosing another filter
// shows the folder's files again through it.
//
// A folder that is gone or cannot be read shows empty lists, and the user is told in a
// message box, once each time the dialog comes to that folder (not again while it stays
// there, however often the lists are shown again). The name field still leads elsewhere,
// for instance with "..".
//
// The dialog opens in the folder of the name given to SetFilename when that names an
// existing folder, else in the folder LoadLastPath found, else in the current folder.
class HALDENDIALOG_EXPORT CFileDialog : public CStdDialog {
    AFX_DECLARE_CLASS(CFileDialog)
    AFX_DECLARE_CONSTRUCT(CFileDialog)
    AFX_DECLARE_MESSAGE_MAP()
public:
    // The controls of the dialog's template.
    static constexpr UINT idFolder = 1088;  // the path of the folder shown
    static constexpr UINT idFiles = 1120;   // the file list
    static constexpr UINT idFolders = 1121; // the folder list
    static constexpr UINT idTypes = 1136;   // the filter box
    static constexpr UINT idName = 1152;    // the file name field

    CFileDialog();

    // The filters offered, as pairs of a description and its patterns:
    // "Description|patterns|Description|patterns", the patterns separated by ';', for
    // example "Text files|*.txt;*.csv|All files|*". In a pattern '*' stands for any run of
    // characters, '?' for one and "[...]" for one of a set; letter case is ignored and
    // "*.*" matches every name. Blanks around patterns do not count; a description without
    // patterns shows every file. The first filter is chosen at the start. Without filters
    // the dialog offers one that shows every file.
    void SetFilter(char const * filter);
    // The name the dialog opens with: a file name, or a path whose folder the dialog opens
    // in (relative to the current folder) with its last part as the name.
    void SetFilename(char const * filename);
    // After OK the chosen file's absolute path; before, the name given to SetFilename.
    CString GetFilename() const { return m_filename; }
    // The folder the dialog opens in; after OK the chosen file's folder.
    CString GetFolder() const;

    // The folders remembered per key, across runs of the program, in the user's
    // configuration ($XDG_CONFIG_HOME, else ~/.config, in vantorui/lastpaths); a key may
    // hold any characters. LoadLastPath makes the dialog open in the folder remembered
    // under the key; FALSE, changing nothing, when there is none or it no longer exists.
    // SaveLastPath remembers the dialog's folder (after OK, the chosen file's); FALSE when
    // it could not be written.
    BOOL LoadLastPath(char const * key);
    BOOL SaveLastPath(char const * key) const;

protected:
    // Decides whether a chosen path (absolute, not a folder) may end the dialog; when not,
    // it tells the user why. Here the folder it lies in must exist.
    virtual BOOL OnCheckFile(CString const & path);

    void OnOK() override;

    int OnInitDialog(CWnd & focus, LPARAM param);
    void OnFolderOpen(UINT id, CWnd & list);
    void OnFileSelected(UINT id, CWnd & list);
    void OnFileOpen(UINT id, CWnd & list);
    void OnFilterChanged(UINT id, CWnd & box);

private:
    // Shows a folder; the lists are read afresh.
    void Enter(std::string const & folder);
    void ShowLists();
    void EnterSelectedFolder();
    // Takes the name field's text: enters a folder or ends with a file.
    void Confirm();
    void FocusName();
    std::string StartFolder() const;

    CString m_filter;
    CString m_filename;
    CString m_name;
    std::string m_folder;
    std::string m_toldFolder;
    int m_filterIndex = 0;
};
