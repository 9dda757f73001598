#include "CClipboard.hpp"

namespace {

// The process's own clipboard.
class CLocalClipboard : public CClipboard::Provider {
public:
    void SetText(char const * text) override {
        m_text = text;
        m_hasText = true;
    }
    bool GetText(CString & text) override {
        text = m_hasText ? m_text : CString();
        return m_hasText;
    }
    void Empty() override {
        m_text.Empty();
        m_hasText = false;
    }

private:
    CString m_text;
    bool m_hasText = false;
};

CLocalClipboard & Local() {
    static auto * local = new CLocalClipboard;
    return *local;
}

CClipboard::Provider *& Installed() {
    static CClipboard::Provider * provider = nullptr;
    return provider;
}

CClipboard::Provider & Current() {
    CClipboard::Provider * provider = Installed();
    return provider ? *provider : Local();
}

} // namespace

void CClipboard::SetText(char const * text) {
    Current().SetText(text ? text : "");
}

CString CClipboard::GetText() {
    CString text;
    if (!Current().GetText(text))
        text.Empty();
    return text;
}

BOOL CClipboard::HasText() {
    CString text;
    return Current().GetText(text) ? TRUE : FALSE;
}

void CClipboard::Empty() {
    Current().Empty();
}

CClipboard::Provider * CClipboard::SetProvider(Provider * provider) {
    Provider * const previous = Installed();
    Installed() = provider;
    return previous;
}

CClipboard::Provider * CClipboard::GetProvider() {
    return Installed();
}
