#include "CListBox.hpp"

#include "MessageParams.hpp"
#include "internal/ListBoxWindow.hpp"

AFX_IMPLEMENT_DYNCREATE(CListBox, CCtrlWnd)

char const * CListBox::GetWindowClassName() const {
    return WindowClassName();
}

char const * CListBox::WindowClassName() {
    return ListBoxWindow::Register();
}

LRESULT CListBox::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    // Queries do not change the object; the window answers them.
    return const_cast<CListBox *>(this)->SendMessage(message, wParam, lParam);
}

int CListBox::AddString(char const * text, std::uintptr_t data) {
    int const index =
        static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text ? text : "")));
    if (index >= 0 && data != 0)
        SetItemData(index, data);
    return index;
}

int CListBox::InsertString(int index, char const * text, std::uintptr_t data) {
    int const inserted =
        static_cast<int>(SendMessage(LB_INSERTSTRING, MessageParams::FromInt(index),
                                     reinterpret_cast<LPARAM>(text ? text : "")));
    if (inserted >= 0 && data != 0)
        SetItemData(inserted, data);
    return inserted;
}

int CListBox::DeleteString(int index) {
    return static_cast<int>(SendMessage(LB_DELETESTRING, MessageParams::FromInt(index)));
}

void CListBox::ResetContent() {
    SendMessage(LB_RESETCONTENT);
}

int CListBox::GetCount() const {
    return static_cast<int>(Send(LB_GETCOUNT));
}

CString CListBox::GetText(int index) const {
    CString text;
    Send(LB_GETTEXT, MessageParams::FromInt(index), reinterpret_cast<LPARAM>(&text));
    return text;
}

std::uintptr_t CListBox::GetItemData(int index) const {
    return static_cast<std::uintptr_t>(Send(LB_GETITEMDATA, MessageParams::FromInt(index)));
}

int CListBox::SetItemData(int index, std::uintptr_t data) {
    return static_cast<int>(
        SendMessage(LB_SETITEMDATA, MessageParams::FromInt(index), static_cast<LPARAM>(data)));
}

int CListBox::GetCurSel() const {
    return static_cast<int>(Send(LB_GETCURSEL));
}

int CListBox::SetCurSel(int index) {
    return static_cast<int>(SendMessage(LB_SETCURSEL, MessageParams::FromInt(index)));
}

int CListBox::SelectData(std::uintptr_t data) {
    int const count = GetCount();
    for (int index = 0; index < count; ++index)
        if (GetItemData(index) == data)
            return SetCurSel(index);
    SetCurSel(-1);
    return static_cast<int>(LB_ERR);
}

std::uintptr_t CListBox::GetCurSelData() const {
    return GetItemData(GetCurSel());
}

int CListBox::FindStringExact(int start, char const * text) const {
    return static_cast<int>(Send(LB_FINDSTRINGEXACT, MessageParams::FromInt(start),
                                 reinterpret_cast<LPARAM>(text ? text : "")));
}

int CListBox::GetTopIndex() const {
    return static_cast<int>(Send(LB_GETTOPINDEX));
}

int CListBox::SetTopIndex(int index) {
    return static_cast<int>(SendMessage(LB_SETTOPINDEX, MessageParams::FromInt(index)));
}

int CListBox::GetItemHeight() const {
    return static_cast<int>(Send(LB_GETITEMHEIGHT));
}

int CListBox::GetItemRect(int index, CRect & rect) const {
    return static_cast<int>(
        Send(LB_GETITEMRECT, MessageParams::FromInt(index), reinterpret_cast<LPARAM>(&rect)));
}
