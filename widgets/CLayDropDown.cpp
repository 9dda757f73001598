#include "CLayDropDown.hpp"

#include "CStdTools.hpp"
#include "CStrPtr.hpp"
#include "CUIDropBase.hpp"

AFX_IMPLEMENT_CLASS(CLayDropDown, CLayItem, &CObject::AfxConstruct)

CLayDropDown::CLayDropDown(CUIDropBase * owner, int wide) : m_owner(owner), m_wide(wide) {}

void CLayDropDown::OnPrepare(CDC & dc) {
    CSize size(0, 0);
    dc.Select(CStdTools::FindInstance()->GetCtrlFont());
    CArray<CString> const & texts = m_owner->GetListText();
    bool spaced = false;
    if (texts.IsEmpty()) {
        size = dc.GetTextExtent("XXXXXXXX");
    } else {
        for (CString const & text : texts) {
            CSize const extent = dc.GetTextExtent(text);
            if (extent.cx > size.cx)
                size.cx = extent.cx;
            if (extent.cy > size.cy)
                size.cy = extent.cy;
            if (!spaced && CStrPtr(text).Count(' ') != 0)
                spaced = true;
        }
    }
    size.cx += 24;
    size.cy += 8;
    LONG const limit = m_wide && spaced ? 200 : 100;
    m_minSize = size;
    m_maxSize = CSize(size.cx > limit ? size.cx : limit, 0);
    dc.Deselect();
}
