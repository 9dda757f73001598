#include "internal/CSDLClipboard.hpp"

#include <SDL2/SDL_clipboard.h>
#include <SDL2/SDL_stdinc.h>

void CSDLClipboard::SetText(char const * text) {
    SDL_SetClipboardText(text);
}

bool CSDLClipboard::GetText(CString & text) {
    if (!SDL_HasClipboardText()) {
        text.Empty();
        return false;
    }
    char * data = SDL_GetClipboardText();
    text = data ? data : "";
    SDL_free(data);
    return true;
}
