#pragma once

#include "CString.hpp"
#include "haldenwin_export.h"

// The clipboard's text, as the edit controls cut, copy and paste it. Without a provider the
// clipboard lives in the process; a display connects it to the desktop's clipboard by
// installing a provider, which then holds the text instead.
class HALDENWIN_EXPORT CClipboard {
public:
    // Where the text is kept. The installer keeps the provider alive while it is installed.
    class Provider {
    public:
        virtual ~Provider() = default;
        virtual void SetText(char const * text) = 0;
        // The text, or false when the clipboard holds no text.
        virtual bool GetText(CString & text) = 0;
        // Leaves the clipboard without text.
        virtual void Empty() { SetText(""); }
    };

    // Replaces the clipboard's content with a UTF-8 text.
    static void SetText(char const * text);
    // The clipboard's text; empty when it holds none.
    static CString GetText();
    static BOOL HasText();
    // Leaves the clipboard without text.
    static void Empty();

    // Installs a provider; null returns to the process's own clipboard (which keeps what it
    // held before). Returns the provider installed before.
    static Provider * SetProvider(Provider * provider);
    static Provider * GetProvider();
};
