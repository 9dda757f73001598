#include "CPickIntegerDlg.hpp"

#include "CEntity.hpp"
#include "CFormat.hpp"
#include "CUIPickInteger.hpp"
#include "VantorUIModule.hpp"
#include "internal/PickerStrings.hpp"

#include <algorithm>

AFX_IMPLEMENT_CLASS(CPickIntegerDlg, CStringDialog, &CWnd::AfxConstruct)

namespace {

UINT LongestBound(CUIPickInteger & pick, CString (CUIPickInteger::*format)(int), int low,
                  int high) {
    return std::max((pick.*format)(low).GetLength(), (pick.*format)(high).GetLength());
}

} // namespace

CPickIntegerDlg::CPickIntegerDlg(CUIPickInteger * pick, int data)
    : CStringDialog(
          CString(CEntity(VantorUIModule(), PickerStrings::editValue)), pick->GetName(),
          pick->Format(pick->StoreToDisp(data)),
          LongestBound(*pick, &CUIPickInteger::Format, pick->m_valueMin, pick->m_valueMax)),
      m_pick(pick), m_value(data) {}

BOOL CPickIntegerDlg::OnCheckText(CString text) {
    int const value = m_pick->DispToStore(m_pick->Parse(text));
    unsigned int message = 0;
    int bound = 0;
    if (value < m_pick->DispToStore(m_pick->m_valueMin)) {
        message = PickerStrings::tooLow;
        bound = m_pick->m_valueMin;
    } else if (value > m_pick->DispToStore(m_pick->m_valueMax)) {
        message = PickerStrings::tooHigh;
        bound = m_pick->m_valueMax;
    }
    if (message) {
        Error(CFormat(CString(CEntity(VantorUIModule(), message)), m_pick->Format(bound)), 0);
        return FALSE;
    }
    m_value = value;
    return TRUE;
}
