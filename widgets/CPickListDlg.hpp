#pragma once

#include "CStdDialog.hpp"
#include "vantorui_export.h"

#include <cstdint>

class CUIPickList;

// The option list dialog of CUIPickList, from the PICKLISTDLG template: its caption is the
// property's name, its list box (100) holds every entry of the element in order with its
// data, and the entry whose data the dialog opened with is selected. OK (or a double click
// on an entry) keeps the selected entry's data and ends with 1; with nothing selected the
// data becomes all ones, as the list box answers. Cancel ends with 0.
//
// The template gives the dialog no size: CStdDialog makes it as large as its controls, and
// the list box keeps its template size whatever the number of entries and scrolls, so the
// dialog is the same small size for any list and every entry of a long one stays reachable.
class VANTORUI_EXPORT CPickListDlg : public CStdDialog {
    AFX_DECLARE_CLASS(CPickListDlg)
    AFX_DECLARE_MESSAGE_MAP()
public:
    static constexpr unsigned int idList = 100;

    CPickListDlg(CUIPickList * pick, unsigned long data);

    unsigned long GetData() const { return m_data; }

protected:
    int OnInitDialog(CWnd & focus, LPARAM param);
    void OnDblClk(unsigned int id, CWnd & list);
    BOOL OnCommandOK(unsigned int id);
    BOOL OnCommandCancel(unsigned int id);

    CUIPickList * m_pick;
    std::uint32_t m_data;
};
