#include "CUIScrollBase.hpp"

#include "CLayFormPad.hpp"
#include "CLayFormRow.hpp"
#include "CLayItemText.hpp"
#include "CScrollBar.hpp"
#include "CStatic.hpp"
#include "WindowStyles.hpp"
#include "internal/CLayUpright.hpp"
#include "internal/FieldText.hpp"

#include <algorithm>
#include <climits>
#include <cstdint>

AFX_IMPLEMENT_DYNCREATE(CUIScrollBase, CUIControl)

namespace {

int Saturate(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

} // namespace

CUIScrollBase::CUIScrollBase()
    : m_ctrlLabel(MakeControl<CStatic>()), m_ctrlBar(MakeControl<CScrollBar>()) {}

int CUIScrollBase::GetTop() const {
    return Saturate(std::int64_t{m_scrollMax} - m_scrollPage);
}

void CUIScrollBase::OnBind() {
    m_labelText = GetLabel();
    CArray<CString> fields;
    UINT const count = GetFormat().Tokenize('|', fields);
    int * const targets[] = {&m_scrollPage, &m_scrollMin, &m_scrollMax};
    for (UINT i = 1; i < count && i <= 3; ++i)
        if (!fields[i].IsEmpty())
            *targets[i - 1] = FieldText::Number(fields[i]);
}

void CUIScrollBase::OnLayout(CLayFormation * form) {
    CLayFormRow * row = new CLayFormRow;
    m_layout = row;
    // An upright bar takes the across bar's size turned, so it has room for its thumb.
    char const sample[] = "XXXXXXXXXXXXXXXX";
    if (m_barStyle & SBS_VERT)
        m_layBar = new CLayUpright(sample, CSize(4, 4), CSize(4, 1));
    else
        m_layBar = new CLayItemText(sample, CSize(4, 4), CSize(4, 1));
    m_layLabel = new CLayItemText(m_labelText, 1, 1);
    row->AddItem(new CLayFormPad(m_layBar, CLayFormPad::padCentre | CLayFormPad::padSpace));
    form->AddItem(new CLayFormPad(m_layLabel, CLayFormPad::padCentre | CLayFormPad::padSpace));
    form->AddItem(row);
}

void CUIScrollBase::OnCreate(CWnd & parent, unsigned int & id) {
    unsigned int const barId = id++;
    if (CreateControl(*m_ctrlLabel, m_labelText, 0, m_layLabel->GetRect(), parent, 0))
        AddControl(m_ctrlLabel);
    if (CreateControl(*m_ctrlBar, "", m_barStyle | WS_TABSTOP, m_layBar->GetRect(), parent, barId))
        AddControl(m_ctrlBar);
}

void CUIScrollBase::OnMove() {
    if (m_ctrlLabel->IsWindow())
        m_ctrlLabel->MoveWindow(m_layLabel->GetRect(), TRUE);
    if (m_ctrlBar->IsWindow())
        m_ctrlBar->MoveWindow(m_layBar->GetRect(), TRUE);
}

void CUIScrollBase::OnLoad() {
    if (!m_data || !m_ctrlBar->IsWindow())
        return;
    m_ctrlBar->SetScrollRange(m_scrollMin, GetTop(), FALSE);
    m_ctrlBar->SetScrollPos(ReadInteger(), TRUE);
}

int CUIScrollBase::OnNotify(unsigned int id, unsigned int value) {
    if (!m_ctrlBar->IsWindow() || id != m_ctrlBar->GetID())
        return FALSE;
    return OnScroll(value);
}

BOOL CUIScrollBase::OnScroll(unsigned int) {
    return FALSE;
}

BOOL CUIScrollBase::Scroll(unsigned int value) {
    if (!m_data)
        return FALSE;
    std::int64_t const current = ReadInteger();
    std::int64_t next;
    switch (value >> 16) {
    case SB_LINELEFT:
        next = current - 1;
        break;
    case SB_LINERIGHT:
        next = current + 1;
        break;
    case SB_PAGELEFT:
        next = current - m_scrollPage;
        break;
    case SB_PAGERIGHT:
        next = current + m_scrollPage;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        next = value & 0xFFFF;
        break;
    case SB_LEFT:
        next = m_scrollMin;
        break;
    case SB_RIGHT:
        next = m_scrollMax;
        break;
    default:
        return FALSE;
    }
    int const result = std::max(std::min(Saturate(next), GetTop()), m_scrollMin);
    m_ctrlBar->SetScrollPos(result, TRUE);
    WriteInteger(result);
    return TRUE;
}
