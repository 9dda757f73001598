#include "CUIBitMask.hpp"

#include "CBitMask.hpp"
#include "CEntity.hpp"
#include "CItemDialog.hpp"
#include "CPrintf.hpp"
#include "CThread.hpp"
#include "VantorUIModule.hpp"
#include "internal/FieldText.hpp"
#include "internal/PickerStrings.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIBitMask, CUIPickBase)

void CUIBitMask::OnBind() {
    CUIPickBase::OnBind();
    CArray<CString> fields;
    GetFormat().Tokenize('|', fields);
    if (fields.GetCount() > 0 && !fields[0].IsEmpty()) {
        m_columns = static_cast<std::uint32_t>(FieldText::Number(fields[0]));
        if (m_columns == 0)
            m_columns = 1;
    }
    for (UINT i = 1; i < fields.GetCount(); ++i)
        m_names.Append(fields[i]);
}

void CUIBitMask::OnLoad() {
    auto const value = static_cast<std::uint32_t>(ReadInteger());
    UINT const count = m_data ? m_names.GetCount() : 0;
    CString text;
    for (UINT i = 0; i < count; ++i) {
        UINT const bit = count - 1 - i;
        if (bit < 32 && (value >> bit) & 1u)
            text += m_names[i];
    }
    ShowText(text);
}

int CUIBitMask::OnPick() {
    if (!m_data)
        return 0;
    auto const value = static_cast<DWORD>(ReadInteger());
    CBitMask mask;
    mask.Init();
    mask.SetParent(m_item);
    mask.LoadNames(m_names);
    mask.m_bits = value;
    mask.m_columns = m_columns;
    CString const caption = CPrintf(CString(CEntity(VantorUIModule(), PickerStrings::editCaption)),
                                    GetName().GetString());
    CItemDialog dialog(&mask, caption);
    if (dialog.Execute(CThread::FindInstance()->GetMainWnd()) <= 0)
        return 0;
    if (mask.m_bits != value) {
        WriteInteger(static_cast<int>(mask.m_bits));
        LoadUI();
    }
    return 1;
}
