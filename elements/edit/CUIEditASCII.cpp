#include "CUIEditASCII.hpp"

#include "CPrintf.hpp"
#include "CStrPtr.hpp"
#include "CUIEditCtrl.hpp"
#include "internal/FieldText.hpp"

#include <cctype>
#include <cstdint>

AFX_IMPLEMENT_DYNCREATE(CUIEditASCII, CUIEditBase)

namespace {

struct CodeName {
    std::uint32_t code;
    char name[8];
};

// Searched in this order; the names of 1 to 26 are read but never shown.
constexpr CodeName g_names[] = {
    {0, "NUL"},  {1, "SOH"},  {2, "STX"},  {3, "ETX"},  {4, "EOT"},    {5, "ENQ"},   {6, "ACK"},
    {7, "BEL"},  {8, "BS"},   {9, "HT"},   {10, "LF"},  {11, "VT"},    {12, "FF"},   {13, "CR"},
    {14, "SO"},  {15, "SI"},  {16, "DLE"}, {17, "DC1"}, {18, "DC2"},   {19, "DC3"},  {20, "DC4"},
    {21, "NAK"}, {22, "SYN"}, {23, "ETB"}, {24, "CAN"}, {25, "EM"},    {26, "SUB"},  {27, "ESC"},
    {28, "FS"},  {29, "GS"},  {30, "RS"},  {31, "US"},  {32, "SPACE"}, {127, "DEL"},
};

// The one code point of a text, or -1 when it has none or more than one. A byte that does
// not start a well-formed sequence stands for itself.
long OnlyCodePoint(CString const & text) {
    auto const * p = reinterpret_cast<unsigned char const *>(text.GetString());
    UINT const length = text.GetLength();
    if (length == 0)
        return -1;
    UINT const extra = p[0] >= 0xF0 ? 3 : p[0] >= 0xE0 ? 2 : p[0] >= 0xC0 ? 1 : 0;
    if (extra == 0 || length != extra + 1)
        return length == 1 ? p[0] : -1;
    long code = p[0] & (0x3F >> extra);
    for (UINT i = 1; i <= extra; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return -1;
        code = code << 6 | (p[i] & 0x3F);
    }
    return code;
}

} // namespace

CUIEditASCII::CUIEditASCII() {
    m_ctrlEdit = MakeControl<CUIEditCtrl>(this);
}

void CUIEditASCII::OnBind() {
    CUIEditBase::OnBind();
    CArray<CString> const fields = FieldText::Split(GetFormat(), 3);
    if (!FieldText::Field(fields, 0).IsEmpty())
        m_ctrlEdit->SetDefault(FieldText::Field(fields, 0));
    if (!FieldText::Field(fields, 1).IsEmpty())
        m_units = FieldText::Field(fields, 1);
    m_allowNul = FieldText::Field(fields, 2) == "N" ? FALSE : TRUE;
    m_sizeText = "XXXXXXXX";
}

void CUIEditASCII::OnCreate(CWnd & parent, unsigned int & id) {
    CreateLimited(parent, id, 6);
}

CString CUIEditASCII::Encode(unsigned int code) {
    if (code >= 33 && code <= 126)
        return CPrintf("%c", static_cast<int>(code));
    if (code >= 1 && code <= 26)
        return CPrintf("^%c", static_cast<int>(code + 64));
    for (CodeName const & entry : g_names)
        if (entry.code == code)
            return entry.name;
    return CPrintf("0x%2.2X", code);
}

unsigned int CUIEditASCII::Decode(CString text) {
    long const single = OnlyCodePoint(text);
    if (single >= 0)
        return single <= 0xFF ? static_cast<unsigned int>(single) : invalid;
    if (text.GetLength() == 2 && text.GetAt(0) == '^') {
        int const letter = std::toupper(static_cast<unsigned char>(text.GetAt(1)));
        return letter >= 'A' && letter <= 'Z' ? static_cast<unsigned int>(letter - 64) : invalid;
    }
    if (CStrPtr(text.Left(2)) == "0x") {
        unsigned int const code = FieldText::HexNumber(text.Mid(2));
        return code > 0 || m_allowNul ? code : invalid;
    }
    for (CodeName const & entry : g_names) {
        if (entry.code == 0 && !m_allowNul)
            continue;
        if (CStrPtr(text) == entry.name)
            return entry.code;
    }
    return invalid;
}

void CUIEditASCII::OnLoad() {
    if (HasEditWindow())
        ShowText(Encode(static_cast<unsigned int>(ReadInteger())));
}

unsigned int CUIEditASCII::OnSave(int) {
    if (!HasEditWindow())
        return 0;
    unsigned int const code = Decode(GetEditText());
    unsigned int const committed = code == invalid ? 0 : CommitInteger(static_cast<int>(code));
    LoadUI();
    return committed;
}
