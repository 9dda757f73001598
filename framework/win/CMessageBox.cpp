#include "CMessageBox.hpp"

#include "CDC.hpp"
#include "CEntity.hpp"
#include "CPaintDC.hpp"
#include "CStdTools.hpp"
#include "MessageParams.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/CWindowManager.hpp"
#include "internal/HaldenWinModule.hpp"

#include <algorithm>

AFX_IMPLEMENT_CLASS(CMessageBox, CWnd, &CWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CMessageBox, CWnd)
AFX_ON_MESSAGE("C-5W6W2w", WM_COMMAND, &CMessageBox::OnCommand)
AFX_ON_MESSAGE("V-1L2L", WM_LBUTTONDOWN, &CMessageBox::OnLButtonDown)
AFX_ON_MESSAGE("V-", WM_PAINT, &CMessageBox::OnPaint)
AFX_END_MESSAGE_MAP()

namespace {

constexpr LONG buttonWidth = 75;
constexpr LONG buttonHeight = 23;
constexpr LONG margin = 12;

CArray<CString> & ShownTexts() {
    static CArray<CString> texts;
    return texts;
}

} // namespace

CArray<CString> const & CMessageBox::GetShownTexts() {
    return ShownTexts();
}

void CMessageBox::ClearShownTexts() {
    ShownTexts().Empty();
}

CArray<UINT> CMessageBox::ButtonsOf(UINT type) {
    CArray<UINT> buttons;
    switch (type & 0x0F) {
    case MB_OKCANCEL:
        buttons.Append(IDOK);
        buttons.Append(IDCANCEL);
        break;
    case MB_YESNOCANCEL:
        buttons.Append(IDYES);
        buttons.Append(IDNO);
        buttons.Append(IDCANCEL);
        break;
    case MB_YESNO:
        buttons.Append(IDYES);
        buttons.Append(IDNO);
        break;
    case MB_RETRYCANCEL:
        buttons.Append(IDRETRY);
        buttons.Append(IDCANCEL);
        break;
    default:
        buttons.Append(IDOK);
        break;
    }
    return buttons;
}

CMessageBox::CMessageBox(char const * text, UINT type) : m_text(text), m_buttons(ButtonsOf(type)) {}

UINT CMessageBox::CancelButton() const {
    for (UINT id : {IDCANCEL, IDNO, IDOK})
        if (std::find(m_buttons.begin(), m_buttons.end(), id) != m_buttons.end())
            return id;
    return IDOK;
}

CRect CMessageBox::ButtonRect(UINT index) const {
    CRect const client = GetClientRect();
    LONG const count = static_cast<LONG>(m_buttons.GetCount());
    LONG const left = client.right - margin - count * (buttonWidth + 6) + 6;
    LONG const x = left + static_cast<LONG>(index) * (buttonWidth + 6);
    return CRect(x, client.bottom - margin - buttonHeight, x + buttonWidth, client.bottom - margin);
}

int CMessageBox::Show(CWnd * owner, char const * text, char const * caption, UINT type) {
    ShownTexts().Append(CString(text));
    CMessageBox box(text, type);
    CScreenDC dc;
    dc.Select(CStdTools::FindInstance()->GetStdFont());
    CSize const extent = dc.GetTextExtent(text);
    dc.Deselect();
    LONG const buttons = static_cast<LONG>(box.m_buttons.GetCount());
    LONG const width =
        std::max(extent.cx + 2 * margin, buttons * (buttonWidth + 6) - 6 + 2 * margin);
    LONG const height = extent.cy + 3 * margin + buttonHeight;
    CWnd * top = owner ? owner->GetTopLevel() : nullptr;
    CRect place(100, 100, 100 + width, 100 + height);
    if (top) {
        CRect const over = top->GetWindowRect();
        place = place.DragTopLeft(CPoint(over.left + (over.Width() - width) / 2,
                                         over.top + (over.Height() - height) / 2));
    }
    if (!box.CreateEx(0, nullptr, caption ? caption : "Error",
                      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, place, top, 0))
        return static_cast<int>(box.CancelButton());
    box.SetDialogStyle(TRUE);
    CWnd * previous = CWnd::GetFocus();
    box.SetFocus();
    int const result = CWindowManager::Get().Modals().RunModalLoop(
        box.GetSafeHwnd(), static_cast<int>(box.CancelButton()));
    box.DestroyWindow();
    if (previous && previous->IsWindow())
        previous->SetFocus();
    return result;
}

BOOL CMessageBox::OnCommand(UINT id, UINT, CWnd &) {
    UINT chosen = id;
    if (id == IDOK)
        chosen = m_buttons[0];
    else if (id == IDCANCEL)
        chosen = CancelButton();
    CWindowManager::Get().Modals().EndModalLoop(GetSafeHwnd(), static_cast<int>(chosen));
    return TRUE;
}

void CMessageBox::OnLButtonDown(UINT, LPARAM where) {
    CPoint const point = MessageParams::Point(where);
    for (UINT i = 0; i < m_buttons.GetCount(); ++i)
        if (ButtonRect(i).Encloses(point)) {
            CWindowManager::Get().Modals().EndModalLoop(GetSafeHwnd(),
                                                        static_cast<int>(m_buttons[i]));
            return;
        }
}

void CMessageBox::OnPaint() {
    CPaintDC dc(this);
    CStdTools const & tools = *CStdTools::FindInstance();
    dc.Select(tools.GetStdFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(tools.GetColor(CStdTools::colorText));
    dc.TextOut(margin, margin, m_text);
    for (UINT i = 0; i < m_buttons.GetCount(); ++i) {
        CRect face = ButtonRect(i);
        CRect text = face;
        dc.FillRect(face, tools.GetBrush(CStdTools::colorFace));
        dc.DrawEdge(face, EDGE_RAISED, BF_RECT);
        dc.DrawText(GetButtonText(m_buttons[i]), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    dc.Deselect();
}

CString CMessageBox::GetButtonText(UINT id) {
    // Button texts are string resources numbered by button identifier.
    if (id < IDOK || id > IDNO)
        return CString();
    return CString(CEntity(HaldenWinModule(), id));
}
