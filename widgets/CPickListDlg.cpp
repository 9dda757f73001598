#include "CPickListDlg.hpp"

#include "AfxSignature.hpp"
#include "CEntity.hpp"
#include "CListBox.hpp"
#include "CPrintf.hpp"
#include "CUIPickList.hpp"
#include "VantorUIModule.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"

AFX_IMPLEMENT_CLASS(CPickListDlg, CStdDialog, &CWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CPickListDlg, CStdDialog)
AFX_ON_MESSAGE("L-1w2L", WM_INITDIALOG, &CPickListDlg::OnInitDialog)
AFX_ON_ENTRY("T-5L3w", WM_COMMAND, CPickListDlg::idList, CPickListDlg::idList, LBN_DBLCLK,
             &CPickListDlg::OnDblClk)
AFX_ON_RANGE("C-1L", WM_AFX_COMMAND, IDOK, IDOK, &CPickListDlg::OnCommandOK)
AFX_ON_RANGE("C-1L", WM_AFX_COMMAND, IDCANCEL, IDCANCEL, &CPickListDlg::OnCommandCancel)
AFX_END_MESSAGE_MAP()

CPickListDlg::CPickListDlg(CUIPickList * pick, unsigned long data)
    : m_pick(pick), m_data(static_cast<std::uint32_t>(data)) {
    SetName(CEntity(VantorUIModule(), "PickListDlg"));
}

int CPickListDlg::OnInitDialog(CWnd &, LPARAM) {
    SetWindowText(CPrintf(GetWindowText(), m_pick->GetName().GetString()));
    if (auto * list = static_cast<CListBox *>(GetDlgItem(idList))) {
        for (UINT i = 0; i < m_pick->m_listText.GetCount(); ++i)
            list->AddString(m_pick->m_listText[i], m_pick->m_listData[i]);
        list->SelectData(m_data);
    }
    return TRUE;
}

void CPickListDlg::OnDblClk(unsigned int, CWnd &) {
    SendMessage(WM_COMMAND, IDOK, 0);
}

BOOL CPickListDlg::OnCommandOK(unsigned int) {
    if (auto * list = static_cast<CListBox *>(GetDlgItem(idList)))
        m_data = static_cast<std::uint32_t>(list->GetCurSelData());
    EndDialog(1);
    return TRUE;
}

BOOL CPickListDlg::OnCommandCancel(unsigned int) {
    EndDialog(0);
    return TRUE;
}
