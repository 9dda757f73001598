#pragma once

#include "AfxTypes.hpp"
#include "WinTypes.hpp"
#include "haldenwin_export.h"

#include <memory>
#include <span>

class CWnd;

// A handler of any signature, as a message map stores it: the bits of a pointer to a member
// function of CWnd. Only the thunk made for its exact type turns it back into a pointer and
// calls it (see AfxSignature.hpp).
struct AfxGenericHandler {
    alignas(void (CWnd::*)()) unsigned char bits[sizeof(void(CWnd::*)())];
};
// Calls a stored handler with the arguments its signature takes from the message. Sets
// `handled`; the result is the message's result.
using AfxHandlerThunk = LRESULT (*)(CWnd & wnd, AfxGenericHandler handler, WPARAM wParam,
                                    LPARAM lParam, bool & handled);

// One entry of a message map: the message, the range of identifiers and the notification
// code it answers (for WM_COMMAND, WM_NOTIFY and the framework's command message), the
// handler and the signature code that describes how the handler takes the message.
struct CMessageItem {
    static constexpr UINT anyId = 0xFFFFFFFF;
    static constexpr UINT anyCode = 0xFFFFFFFF;

    UINT m_message;
    UINT m_idFirst;
    UINT m_idLast;
    UINT m_code;
    AfxGenericHandler m_handler;
    AfxHandlerThunk m_thunk;
    char const * m_signature;

    // True when the entry answers this message with these parameters.
    bool Matches(UINT message, WPARAM wParam, LPARAM lParam) const;
};

// A class's message map: its entries, linked to the map of its base class. Dispatch offers a
// message to the matching entries of the class, then of its bases, in table order; a
// handler that answers "not handled" (signature result C and FALSE) passes it on to the next.
class HALDENWIN_EXPORT CMessageMap {
public:
    using BaseFunction = CMessageMap const * (*)();

    // `items` ends with an empty entry (message 0 and no handler).
    CMessageMap(BaseFunction base, CMessageItem const * items);
    ~CMessageMap();
    CMessageMap(CMessageMap const &) = delete;
    CMessageMap & operator=(CMessageMap const &) = delete;

    CMessageMap const * GetBase() const { return m_base ? m_base() : nullptr; }
    std::span<CMessageItem const> GetItems() const;

    // Offers a message to the map's handlers; true when one handled it, with its result.
    bool Dispatch(CWnd & wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT & result) const;

private:
    struct Cache;
    Cache const & GetCache() const;

    BaseFunction m_base;
    CMessageItem const * m_items;
    mutable std::unique_ptr<Cache> m_cache;
};
