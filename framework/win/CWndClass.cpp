#include "CWndClass.hpp"

#include "AfxCompare.hpp"
#include "CDC.hpp"
#include "CMap.hpp"
#include "CStdTools.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/CDisplayLink.hpp"
#include "internal/CWindowManager.hpp"

#include <map>
#include <memory>

namespace {

struct NoCaseLess {
    bool operator()(CString const & a, CString const & b) const {
        return AfxCompareNoCase(a, b) < 0;
    }
};

std::map<CString, std::unique_ptr<CWndClass>, NoCaseLess> & Classes() {
    static auto * classes = [] {
        auto * map = new std::map<CString, std::unique_ptr<CWndClass>, NoCaseLess>;
        map->emplace(AFX_WNDCLASS, std::make_unique<CWndClass>(AFX_WNDCLASS, &DefWindowProc, 0));
        return map;
    }();
    return *classes;
}

} // namespace

CWndClass const * CWndClass::Register(char const * name, WNDPROC procedure, UINT flags) {
    auto [it, added] =
        Classes().emplace(CString(name), std::make_unique<CWndClass>(name, procedure, flags));
    return it->second.get();
}

CWndClass const * CWndClass::Find(char const * name) {
    auto it = Classes().find(CString(name));
    return it == Classes().end() ? nullptr : it->second.get();
}

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWindowManager & manager = CWindowManager::Get();
    CWindowRecord * rec = manager.Windows().Find(hwnd);
    if (!rec)
        return 0;
    switch (message) {
    case WM_NCCREATE:
        return TRUE;
    case WM_SETTEXT:
        rec->text = reinterpret_cast<char const *>(lParam);
        manager.Painter().Invalidate(hwnd, manager.Windows().GetClientRect(*rec), true);
        CDisplayLink::CaptionChanged(*rec);
        return TRUE;
    case WM_GETTEXT:
        if (auto * text = reinterpret_cast<CString *>(lParam))
            *text = rec->text;
        return rec->text.GetLength();
    case WM_GETTEXTLENGTH:
        return rec->text.GetLength();
    case WM_SETFONT:
        rec->font = reinterpret_cast<CFont const *>(wParam);
        if (lParam)
            manager.Painter().Invalidate(hwnd, manager.Windows().GetClientRect(*rec), true);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(rec->font);
    case WM_ERASEBKGND:
        if (auto * dc = reinterpret_cast<CDC *>(wParam))
            dc->FillRect(manager.Windows().GetClientRect(*rec),
                         CStdTools::FindInstance()->GetBrush(CStdTools::colorFace));
        return TRUE;
    case WM_PAINT:
        rec->needsPaint = false;
        return 0;
    case WM_CLOSE:
        manager.Destroy(hwnd);
        return 0;
    case WM_NCHITTEST:
        return HTCLIENT;
    default:
        return 0;
    }
}
