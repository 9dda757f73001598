#include "CTabCtrl.hpp"

#include "MessageParams.hpp"
#include "internal/TabCtrlWindow.hpp"

AFX_IMPLEMENT_DYNCREATE(CTabCtrl, CCtrlWnd)

namespace {

// Sends through a const object: the queries change nothing.
LRESULT Query(CTabCtrl const & tabs, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return const_cast<CTabCtrl &>(tabs).SendMessage(message, wParam, lParam);
}

} // namespace

char const * CTabCtrl::GetWindowClassName() const {
    return WindowClassName();
}

char const * CTabCtrl::WindowClassName() {
    return TabCtrlWindow::Register();
}

int CTabCtrl::InsertItem(int index, char const * text, LPARAM data) {
    TCITEM item;
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.text = text ? text : "";
    item.lParam = data;
    if (!IsWindow())
        return -1;
    return static_cast<int>(SendMessage(TCM_INSERTITEM, MessageParams::FromInt(index),
                                        reinterpret_cast<LPARAM>(&item)));
}

BOOL CTabCtrl::DeleteItem(int index) {
    return SendMessage(TCM_DELETEITEM, MessageParams::FromInt(index)) ? TRUE : FALSE;
}

BOOL CTabCtrl::DeleteAllItems() {
    return SendMessage(TCM_DELETEALLITEMS) ? TRUE : FALSE;
}

int CTabCtrl::GetItemCount() const {
    return static_cast<int>(Query(*this, TCM_GETITEMCOUNT));
}

BOOL CTabCtrl::GetItem(int index, TCITEM & item) const {
    return Query(*this, TCM_GETITEM, MessageParams::FromInt(index), reinterpret_cast<LPARAM>(&item))
               ? TRUE
               : FALSE;
}

BOOL CTabCtrl::SetItem(int index, TCITEM const & item) {
    return SendMessage(TCM_SETITEM, MessageParams::FromInt(index), reinterpret_cast<LPARAM>(&item))
               ? TRUE
               : FALSE;
}

CString CTabCtrl::GetItemText(int index) const {
    TCITEM item;
    item.mask = TCIF_TEXT;
    GetItem(index, item);
    return item.text;
}

LPARAM CTabCtrl::GetItemData(int index) const {
    TCITEM item;
    item.mask = TCIF_PARAM;
    GetItem(index, item);
    return item.lParam;
}

int CTabCtrl::GetCurSel() const {
    if (!IsWindow())
        return -1;
    return static_cast<int>(Query(*this, TCM_GETCURSEL));
}

int CTabCtrl::SetCurSel(int index) {
    if (!IsWindow())
        return -1;
    return static_cast<int>(SendMessage(TCM_SETCURSEL, MessageParams::FromInt(index)));
}

BOOL CTabCtrl::GetItemRect(int index, CRect & rect) const {
    return Query(*this, TCM_GETITEMRECT, MessageParams::FromInt(index),
                 reinterpret_cast<LPARAM>(&rect))
               ? TRUE
               : FALSE;
}

void CTabCtrl::AdjustRect(BOOL larger, CRect & rect) const {
    Query(*this, TCM_ADJUSTRECT, larger ? TRUE : FALSE, reinterpret_cast<LPARAM>(&rect));
}
