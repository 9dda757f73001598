#include "CItem.hpp"

AFX_IMPLEMENT_DYNCREATE(CItem, CObject)

IDataAccess * CItem::GetDataAccess(char const *) {
    return nullptr;
}

CViewWnd * CItem::CreateItemView() {
    return nullptr;
}
