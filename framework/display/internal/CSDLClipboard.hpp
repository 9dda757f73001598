#pragma once

#include "CClipboard.hpp"

// The desktop's clipboard, as the edit controls cut, copy and paste text while the display
// runs.
class CSDLClipboard : public CClipboard::Provider {
public:
    void SetText(char const * text) override;
    bool GetText(CString & text) override;
};
