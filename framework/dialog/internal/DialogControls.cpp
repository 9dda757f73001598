#include "internal/DialogControls.hpp"

#include "AfxCompare.hpp"
#include "CButton.hpp"
#include "CComboBox.hpp"
#include "CEditCtrl.hpp"
#include "CIPAddrCtrl.hpp"
#include "CListBox.hpp"
#include "CScrollBar.hpp"
#include "CStatic.hpp"
#include "CTabCtrl.hpp"
#include "CWndClass.hpp"
#include "WindowStyles.hpp"

#include <map>

namespace {

struct NoCaseLess {
    bool operator()(CString const & a, CString const & b) const {
        return AfxCompareNoCase(a, b) < 0;
    }
};

using ClassMap = std::map<CString, CRuntimeClass const *, NoCaseLess>;

// The control classes by the names of their window classes. Each class is asked once, by a
// short-lived object of its own, which window class it makes.
ClassMap const & ControlClasses() {
    static auto const * classes = [] {
        auto * map = new ClassMap;
        CRuntimeClass const * const known[] = {
            CButton::AfxStaticClassInfo(),   CComboBox::AfxStaticClassInfo(),
            CEditCtrl::AfxStaticClassInfo(), CIPAddrCtrl::AfxStaticClassInfo(),
            CListBox::AfxStaticClassInfo(),  CScrollBar::AfxStaticClassInfo(),
            CStatic::AfxStaticClassInfo(),   CTabCtrl::AfxStaticClassInfo(),
        };
        for (CRuntimeClass const * cls : known) {
            auto * control =
                static_cast<CCtrlWnd *>(cls->NewObject(CCtrlWnd::AfxStaticClassInfo()));
            if (!control)
                continue;
            map->emplace(CString(control->GetWindowClassName()), cls);
            delete control;
        }
        return map;
    }();
    return *classes;
}

} // namespace

CWnd * DialogControls::Create(CDialogTemplate::Item const & item, CRect const & rect,
                              CWnd & dialog) {
    if (!CWndClass::Find(item.m_class))
        return nullptr;
    ClassMap const & classes = ControlClasses();
    auto const found = classes.find(item.m_class);
    CWnd * control = found != classes.end()
                         ? static_cast<CWnd *>(found->second->NewObject(CWnd::AfxStaticClassInfo()))
                         : new CWnd;
    if (!control->CreateEx(item.m_exStyle, item.m_class, item.m_text, item.m_style | WS_CHILD, rect,
                           &dialog, item.m_id)) {
        delete control;
        return nullptr;
    }
    control->SetAutoDelete(TRUE);
    return control;
}
