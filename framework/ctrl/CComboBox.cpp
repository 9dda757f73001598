#include "CComboBox.hpp"

#include "MessageParams.hpp"
#include "internal/ComboBoxWindow.hpp"

AFX_IMPLEMENT_DYNCREATE(CComboBox, CCtrlWnd)

static_assert(CComboBox::editId == ComboBoxWindow::editId);

char const * CComboBox::GetWindowClassName() const {
    return WindowClassName();
}

char const * CComboBox::WindowClassName() {
    return ComboBoxWindow::Register();
}

LRESULT CComboBox::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    // Queries do not change the object; the window answers them.
    return const_cast<CComboBox *>(this)->SendMessage(message, wParam, lParam);
}

int CComboBox::AddString(char const * text, std::uintptr_t data) {
    int const index =
        static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text ? text : "")));
    if (index >= 0 && data != 0)
        SetItemData(index, data);
    return index;
}

int CComboBox::InsertString(int index, char const * text, std::uintptr_t data) {
    int const inserted =
        static_cast<int>(SendMessage(CB_INSERTSTRING, MessageParams::FromInt(index),
                                     reinterpret_cast<LPARAM>(text ? text : "")));
    if (inserted >= 0 && data != 0)
        SetItemData(inserted, data);
    return inserted;
}

int CComboBox::DeleteString(int index) {
    return static_cast<int>(SendMessage(CB_DELETESTRING, MessageParams::FromInt(index)));
}

void CComboBox::ResetContent() {
    SendMessage(CB_RESETCONTENT);
}

int CComboBox::GetCount() const {
    return static_cast<int>(Send(CB_GETCOUNT));
}

CString CComboBox::GetLBText(int index) const {
    CString text;
    Send(CB_GETLBTEXT, MessageParams::FromInt(index), reinterpret_cast<LPARAM>(&text));
    return text;
}

std::uintptr_t CComboBox::GetItemData(int index) const {
    return static_cast<std::uintptr_t>(Send(CB_GETITEMDATA, MessageParams::FromInt(index)));
}

int CComboBox::SetItemData(int index, std::uintptr_t data) {
    return static_cast<int>(
        SendMessage(CB_SETITEMDATA, MessageParams::FromInt(index), static_cast<LPARAM>(data)));
}

int CComboBox::GetCurSel() const {
    return static_cast<int>(Send(CB_GETCURSEL));
}

int CComboBox::SetCurSel(int index) {
    return static_cast<int>(SendMessage(CB_SETCURSEL, MessageParams::FromInt(index)));
}

int CComboBox::SelectData(std::uintptr_t data) {
    int const count = GetCount();
    for (int index = 0; index < count; ++index)
        if (GetItemData(index) == data)
            return SetCurSel(index);
    SetCurSel(-1);
    return static_cast<int>(CB_ERR);
}

int CComboBox::FindStringExact(int start, char const * text) const {
    return static_cast<int>(Send(CB_FINDSTRINGEXACT, MessageParams::FromInt(start),
                                 reinterpret_cast<LPARAM>(text ? text : "")));
}

BOOL CComboBox::SetEditSel(int start, int end) {
    return SendMessage(CB_SETEDITSEL, 0,
                       MAKELPARAM(static_cast<unsigned>(start), static_cast<unsigned>(end))) == TRUE
               ? TRUE
               : FALSE;
}

void CComboBox::LimitText(UINT limit) {
    SendMessage(CB_LIMITTEXT, limit);
}

void CComboBox::ShowDropDown(BOOL show) {
    SendMessage(CB_SHOWDROPDOWN, show ? TRUE : FALSE);
}

BOOL CComboBox::GetDroppedState() const {
    return Send(CB_GETDROPPEDSTATE) ? TRUE : FALSE;
}

CRect CComboBox::GetDroppedControlRect() const {
    CRect rect;
    Send(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

int CComboBox::GetItemHeight() const {
    return static_cast<int>(Send(CB_GETITEMHEIGHT, 0));
}

int CComboBox::GetTopIndex() const {
    return static_cast<int>(Send(CB_GETTOPINDEX));
}

int CComboBox::SetTopIndex(int index) {
    return static_cast<int>(SendMessage(CB_SETTOPINDEX, MessageParams::FromInt(index)));
}
