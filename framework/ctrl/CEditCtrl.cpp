#include "CEditCtrl.hpp"

#include "EditMessages.hpp"
#include "MessageParams.hpp"
#include "WinMessages.hpp"
#include "internal/EditWindow.hpp"

AFX_IMPLEMENT_DYNCREATE(CEditCtrl, CCtrlWnd)

static_assert(CEditCtrl::textMargin == EditWindow::margin);

namespace {

// Sends through a const object: the queries change nothing.
LRESULT Query(CEditCtrl const & edit, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return const_cast<CEditCtrl &>(edit).SendMessage(message, wParam, lParam);
}

} // namespace

char const * CEditCtrl::GetWindowClassName() const {
    return EditWindow::Register();
}

void CEditCtrl::LimitText(UINT limit) {
    SendMessage(EM_LIMITTEXT, limit);
}

UINT CEditCtrl::GetLimitText() const {
    return static_cast<UINT>(Query(*this, EM_GETLIMITTEXT));
}

void CEditCtrl::SetSel(CRange const & range, BOOL noScroll) {
    SetSel(range.GetStart(), range.GetEnd(), noScroll);
}

void CEditCtrl::SetSel(int start, int end, BOOL noScroll) {
    SendMessage(EM_SETSEL, MessageParams::FromInt(start), end);
    if (!noScroll)
        SendMessage(EM_SCROLLCARET);
}

void CEditCtrl::GetSel(int & start, int & end) const {
    DWORD first = 0;
    DWORD last = 0;
    Query(*this, EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    start = static_cast<int>(first);
    end = static_cast<int>(last);
}

void CEditCtrl::SetModify(BOOL modified) {
    SendMessage(EM_SETMODIFY, modified ? TRUE : FALSE);
}

BOOL CEditCtrl::GetModify() const {
    return Query(*this, EM_GETMODIFY) ? TRUE : FALSE;
}

void CEditCtrl::ReplaceSel(char const * text, BOOL canUndo) {
    SendMessage(EM_REPLACESEL, canUndo ? TRUE : FALSE, reinterpret_cast<LPARAM>(text ? text : ""));
}

BOOL CEditCtrl::SetReadOnly(BOOL readOnly) {
    return SendMessage(EM_SETREADONLY, readOnly ? TRUE : FALSE) ? TRUE : FALSE;
}

void CEditCtrl::SetPasswordChar(UINT ch) {
    SendMessage(EM_SETPASSWORDCHAR, ch);
}

UINT CEditCtrl::GetPasswordChar() const {
    return static_cast<UINT>(Query(*this, EM_GETPASSWORDCHAR));
}

void CEditCtrl::Cut() {
    SendMessage(WM_CUT);
}

void CEditCtrl::Copy() {
    SendMessage(WM_COPY);
}

void CEditCtrl::Paste() {
    SendMessage(WM_PASTE);
}

void CEditCtrl::Clear() {
    SendMessage(WM_CLEAR);
}

BOOL CEditCtrl::Undo() {
    return SendMessage(EM_UNDO) ? TRUE : FALSE;
}

BOOL CEditCtrl::CanUndo() const {
    return Query(*this, EM_CANUNDO) ? TRUE : FALSE;
}

void CEditCtrl::EmptyUndoBuffer() {
    SendMessage(EM_EMPTYUNDOBUFFER);
}
