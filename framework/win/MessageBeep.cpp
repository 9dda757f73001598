#include "MessageBeep.hpp"

#include "internal/CWindowManager.hpp"

BOOL MessageBeep(UINT) {
    CWindowManager::Get().Beep();
    return TRUE;
}
