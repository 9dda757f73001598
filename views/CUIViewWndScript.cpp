// Page scripts: raw-data resources whose lines ("letter:fields") build a page.
#include "CUIViewWnd.hpp"

#include "AfxTrace.hpp"
#include "CEntity.hpp"
#include "CLayFormation.hpp"
#include "CModule.hpp"
#include "CPrintf.hpp"
#include "CResource.hpp"
#include "CResourceException.hpp"
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
        CModule const * module = page.GetModule();
        AfxTrace("Looked for the raw-data resource %s in %s\n", static_cast<char const *>(name),
                 module ? static_cast<char const *>(module->GetFilename()) : "no module");
        return 0;
    }
    if (!res->GetData())
        return 0;
    char const * text = static_cast<char const *>(res->GetData());
    char const * const end = text + res->GetSize();
    // Lines are NUL-ended; an empty line (or the end of the data) ends the script.
    unsigned int number = 0;
    while (text < end && *text) {
        char const * stop = text;
        while (stop < end && *stop)
            ++stop;
        CString const line(text, static_cast<UINT>(stop - text));
        ++number;
        try {
            RunScriptLine(item, line, embedded, name);
        } catch (CResourceException const &) {
            AfxTrace("ERROR: UI page %s, line %u: %s\n", static_cast<char const *>(name), number,
                     static_cast<char const *>(line));
            throw;
        }
        text = stop + 1;
    }
    if (m_inTable && m_group) {
        AfxTrace("UI page %s: the table \"%s\" is not ended by R:done%s\n",
                 static_cast<char const *>(name), static_cast<char const *>(m_groupName),
                 embedded ? "" : "; it is ended here");
        if (!embedded)
            EndGroup(0);
    }
    if (!embedded) {
        RequirePage(CPrintf("UI page %s", static_cast<char const *>(name)));
        EndPage(1);
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
        // Inside a page its caller started, a P line only ever widens that page, so one of
        // no columns is simply ignored; a whole page needs at least one column.
        if (embedded) {
            if (m_root && m_pageCells == 0 && cols > m_pageCols)
                SetPageGrid(cols);
            break;
        }
        if (cols == 0)
            Refuse(CPrintf("UI page %s: a P line needs at least one column", name));
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
        AddScriptCells(item, fields[0], fields, 2, name);
        break;
    case 'G': {
        CString title = field(2);
        VantorOemStrings(title);
        StartGroup(title, ReadCount(field(0)), 0);
        AddScriptCells(item, field(1), fields, 3, name);
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
        AfxTrace("UI page %s: unknown command \"%s\" ignored\n", name,
                 static_cast<char const *>(line));
        break;
    }
}

void CUIViewWnd::AddScriptCells(CItem * item, CString const & path, CArray<CString> const & fields,
                                UINT first, char const * name) {
    for (UINT i = first; i < fields.GetCount(); ++i) {
        if (AddUI(item, path, fields[i]))
            continue;
        AfxTrace("UI page %s: the item path \"%s\" leads to no item; %s is skipped\n", name,
                 static_cast<char const *>(path), static_cast<char const *>(fields[i]));
    }
}
