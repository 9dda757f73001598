// Page scripts: raw-data resources whose lines ("letter:fields") build a page.
#include "CUIViewWnd.hpp"

#include "AfxTrace.hpp"
#include "CEntity.hpp"
#include "CLayFormation.hpp"
#include "CModule.hpp"
#include "CPrintf.hpp"
#include "CResource.hpp"
#include "VantorOemStrings.hpp"

#include <cstdlib>

namespace {

unsigned int ReadCount(CString const & field) {
    int const value = std::atoi(field);
    return value > 0 ? static_cast<unsigned int>(value) : 0;
}

} // namespace

int CUIViewWnd::LoadPage(CItem * item, CEntity const & page, int embedded) {
    CString const name =
        page.IsNumeric() ? CString(CPrintf("#%u", page.GetId())) : CString(page.GetName());
    CResource const * res = CModule::LoadResource(page, RT_RCDATA);
    if (!res) {
        AfxTrace("ERROR: Can't load UI page %s\n", static_cast<char const *>(name));
        return 0;
    }
    if (!res->GetData())
        return 0;
    char const * text = static_cast<char const *>(res->GetData());
    char const * const end = text + res->GetSize();
    // Lines are NUL-ended; an empty line (or the end of the data) ends the script.
    while (text < end && *text) {
        char const * stop = text;
        while (stop < end && *stop)
            ++stop;
        RunScriptLine(item, CString(text, static_cast<UINT>(stop - text)), embedded, name);
        text = stop + 1;
    }
    if (!embedded) {
        RequirePage(CPrintf("UI page %s", static_cast<char const *>(name)));
        while (m_pageCells % m_pageCols != 0) {
            m_root->AddItem(new CLayItem(1));
            ++m_pageCells;
        }
        FreeSchema();
    }
    return 1;
}

void CUIViewWnd::RunScriptLine(CItem * item, CString const & line, int embedded,
                               char const * name) {
    std::string const & text = line.Str();
    if (text.size() < 2 || text[1] != ':')
        return;
    CArray<CString> fields;
    line.Mid(2).Tokenize(',', fields);
    auto field = [&](UINT i) { return i < fields.GetCount() ? fields[i] : CString(); };
    switch (text[0]) {
    case 'P': {
        unsigned int const cols = ReadCount(field(0));
        if (cols == 0)
            Refuse(CPrintf("UI page %s: a P line needs at least one column", name));
        if (!embedded || (m_root && m_pageCells == 0 && cols > m_pageCols))
            SetPageGrid(cols);
        break;
    }
    case 'T': {
        StartTable(field(1), ReadCount(field(0)));
        for (UINT i = 2; i < fields.GetCount(); ++i)
            AddColHead(fields[i]);
        break;
    }
    case 'R':
        if (!m_group)
            Refuse(CPrintf("UI page %s: an R line with no table open", name));
        if (field(0) == CString("done")) {
            EndGroup(0);
            break;
        }
        AddRowHead(field(1));
        for (UINT i = 2; i < fields.GetCount(); ++i)
            AddUI(item, fields[0], fields[i]);
        break;
    case 'G': {
        CString title = field(2);
        VantorOemStrings(title);
        StartGroup(title, ReadCount(field(0)), 0);
        for (UINT i = 3; i < fields.GetCount(); ++i)
            AddUI(item, fields[1], fields[i]);
        EndGroup(1);
        break;
    }
    case 'O':
        StartOverlay();
        break;
    case 'E':
        EndOverlay();
        break;
    default:
        break;
    }
}
