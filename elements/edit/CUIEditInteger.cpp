#include "CUIEditInteger.hpp"

#include "CUIEditIntegerCtrl.hpp"
#include "IDataAccess.hpp"
#include "MessageBeep.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/FieldText.hpp"
#include "internal/IntegerText.hpp"

#include <cstdint>

AFX_IMPLEMENT_DYNCREATE(CUIEditInteger, CUIEditBase)

namespace {

// Ten units of the last place without places, one whole unit with them. Beyond nine places
// the step exceeds every 32-bit value.
std::int64_t PageStep(unsigned int places) {
    if (places == 0)
        return 10;
    std::int64_t step = 1;
    for (unsigned int i = 0; i < places && i < 10; ++i)
        step *= 10;
    return step;
}

} // namespace

CUIEditInteger::CUIEditInteger() {
    m_editStyle |= ES_RIGHT;
    m_ctrlEdit = MakeControl<CUIEditIntegerCtrl>(this);
}

void CUIEditInteger::OnBind() {
    CUIEditBase::OnBind();
    CArray<CString> const fields = FieldText::Split(GetFormat(), 5);
    IntegerText::ReadFormat(fields, m_places, m_units, m_valueMin, m_valueMax);
    int const width = FieldText::Number(FieldText::Field(fields, 0));
    m_sizeText = FieldText::Repeat('0', width > 8 ? width : 8);
}

int CUIEditInteger::StoreToDisp(int value) {
    return value;
}

int CUIEditInteger::DispToStore(int value) {
    return value;
}

int CUIEditInteger::Parse(char const * text) {
    return IntegerText::Parse(text, m_places);
}

CString CUIEditInteger::Format(int value) {
    return IntegerText::Format(value, m_places, m_valueMin);
}

int CUIEditInteger::Check(int & value) {
    value = IntegerText::Limit(value, DispToStore(m_valueMin), DispToStore(m_valueMax));
    return TRUE;
}

void CUIEditInteger::OnLoad() {
    if (HasEditWindow())
        ShowText(Format(StoreToDisp(ReadInteger())));
}

unsigned int CUIEditInteger::OnSave(int) {
    if (!HasEditWindow())
        return 0;
    int const old = ReadInteger();
    int value = DispToStore(Parse(GetEditText()));
    if (value == old) {
        LoadUI();
        return 0;
    }
    Check(value);
    WriteInteger(value);
    LoadUI();
    return 1;
}

int CUIEditInteger::OnNotify(unsigned int id, unsigned int code) {
    if (id == m_mainId && m_saving == 0 && code == m_changeCode)
        m_scrolled = FALSE;
    return CUIEditBase::OnNotify(id, code);
}

void CUIEditInteger::SendNotify() {
    CWnd * parent = m_ctrlEdit ? m_ctrlEdit->GetParent() : nullptr;
    if (!parent)
        return;
    parent->SendMessage(WM_COMMAND, MAKEWPARAM(m_ctrlEdit->GetID(), EN_KILLFOCUS),
                        reinterpret_cast<LPARAM>(m_ctrlEdit->GetSafeHwnd()));
}

void CUIEditInteger::Scroll(unsigned int code) {
    if (!HasEditWindow())
        return;
    if (!m_scrolled && m_ctrlEdit->GetModify()) {
        SendNotify();
        return;
    }
    int const cur = Parse(GetEditText());
    std::int64_t const step = PageStep(m_places);
    std::int64_t v = cur;
    switch (code) {
    case SB_LINEUP:
        v = v + 1;
        break;
    case SB_LINEDOWN:
        v = v - 1;
        break;
    case SB_PAGEUP:
        v = (v / step + 1) * step;
        break;
    case SB_PAGEDOWN:
        v = (v / step - 1) * step;
        break;
    case SB_TOP:
        v = m_valueMax;
        break;
    case SB_BOTTOM:
        v = m_valueMin;
        break;
    default:
        break;
    }
    if (v > m_valueMax)
        v = m_valueMax;
    if (v < m_valueMin)
        v = m_valueMin;
    int const value = static_cast<int>(v);
    if (value == cur)
        return;
    m_ctrlEdit->SetWindowText(Format(value));
    m_ctrlEdit->SetSel(CRange(TRUE));
    m_ctrlEdit->SetModify(TRUE);
    if (StoreToDisp(DispToStore(value)) == value) {
        m_scrolled = FALSE;
        SendNotify();
    } else {
        m_scrolled = TRUE;
        MessageBeep(0);
    }
}

int CUIEditInteger::UseTextMode() {
    DropControls();
    return TRUE;
}

int CUIEditInteger::SetAsText(CString text) {
    if (text.IsEmpty() || !m_data)
        return FALSE;
    m_data->WriteInteger(m_item, DispToStore(Parse(text)));
    return TRUE;
}

CString CUIEditInteger::GetAsText() {
    if (!m_data)
        return CString();
    return Format(StoreToDisp(ReadInteger()));
}
