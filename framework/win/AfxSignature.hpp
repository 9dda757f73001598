#pragma once

#include "CMessageMap.hpp"
#include "CSize.hpp"

#include <bit>
#include <cstddef>
#include <type_traits>

class CDC;

// Signature codes describe how a handler takes a message. The letter before the hyphen names
// the result: V none, C a handled flag (FALSE passes the message on), L a result value, T no
// result of its own (the message is answered TRUE). Each pair after it names one argument by
// its source (1 the first message parameter, 2 the second, 5 the low word of the first, 6
// its high word, 3 the control window of a WM_COMMAND notification) and its kind (L an
// integer or pointer, W a 16-bit word, w the window of a handle as CWnd &, P a size packed
// in one parameter as CSize, V a reference to the structure the parameter points at, d the
// device context of a handle as CDC &).
//
// AfxMessageItem<"V-1L2P">(WM_SIZE, ..., &CMyWnd::OnSize) checks at compile time that the
// handler's type fits its code, so no handler is ever called through a mismatched pointer.

template <std::size_t N>
struct AfxSignatureText {
    char text[N];
    consteval AfxSignatureText(char const (&value)[N]) {
        for (std::size_t i = 0; i < N; ++i)
            text[i] = value[i];
    }
    consteval std::size_t Arguments() const { return (N - 3) / 2; }
    consteval char Result() const { return text[0]; }
    consteval char Source(std::size_t i) const { return text[2 + 2 * i]; }
    consteval char Kind(std::size_t i) const { return text[3 + 2 * i]; }
    consteval bool WellFormed() const {
        if (N < 3 || text[1] != '-' || (N - 3) % 2 != 0)
            return false;
        if (text[0] != 'V' && text[0] != 'C' && text[0] != 'L' && text[0] != 'T')
            return false;
        for (std::size_t i = 0; i < Arguments(); ++i) {
            char s = Source(i);
            char k = Kind(i);
            if (s != '1' && s != '2' && s != '3' && s != '5' && s != '6')
                return false;
            if (k != 'L' && k != 'W' && k != 'w' && k != 'P' && k != 'V' && k != 'd')
                return false;
        }
        return true;
    }
};

namespace afx_detail {

// The window of a handle, or a window object that stands for "no window".
HALDENWIN_EXPORT CWnd & WindowOf(HWND hwnd);

template <class R>
consteval bool ResultFits(char kind) {
    switch (kind) {
    case 'V':
    case 'T':
        return std::is_void_v<R>;
    case 'C':
        return std::is_integral_v<R> || std::is_same_v<R, bool>;
    case 'L':
        return std::is_integral_v<R>;
    default:
        return false;
    }
}

template <class A>
consteval bool ArgumentFits(char kind) {
    using Bare = std::remove_cvref_t<A>;
    switch (kind) {
    case 'L':
    case 'W':
        return std::is_integral_v<A> || (kind == 'L' && std::is_pointer_v<A>);
    case 'w':
        return std::is_lvalue_reference_v<A> && std::is_same_v<Bare, CWnd>;
    case 'P':
        return std::is_same_v<Bare, CSize> && !std::is_lvalue_reference_v<A>;
    case 'V':
        return std::is_lvalue_reference_v<A> && std::is_class_v<Bare> &&
               !std::is_same_v<Bare, CWnd> && !std::is_same_v<Bare, CDC>;
    case 'd':
        return std::is_lvalue_reference_v<A> && std::is_same_v<Bare, CDC>;
    default:
        return false;
    }
}

template <AfxSignatureText Sig, class R, class... A, std::size_t... I>
consteval bool Fits(std::index_sequence<I...>) {
    return Sig.WellFormed() && Sig.Arguments() == sizeof...(A) && ResultFits<R>(Sig.Result()) &&
           (ArgumentFits<A>(Sig.Kind(I)) && ...);
}

inline std::uintptr_t Raw(char source, WPARAM wParam, LPARAM lParam) {
    switch (source) {
    case '1':
        return wParam;
    case '5':
        return LOWORD(wParam);
    case '6':
        return HIWORD(wParam);
    default: // '2' and '3'
        return static_cast<std::uintptr_t>(lParam);
    }
}

template <class A>
A Decode(char source, char kind, WPARAM wParam, LPARAM lParam) {
    std::uintptr_t const raw = Raw(source, wParam, lParam);
    using Bare = std::remove_cvref_t<A>;
    if constexpr (std::is_pointer_v<A>)
        return reinterpret_cast<A>(raw);
    else if constexpr (std::is_integral_v<A>)
        return kind == 'W' ? static_cast<A>(static_cast<WORD>(raw)) : static_cast<A>(raw);
    else if constexpr (std::is_same_v<Bare, CSize>)
        return CSize(LOWORD(raw), HIWORD(raw));
    else if constexpr (std::is_same_v<Bare, CWnd>)
        return WindowOf(reinterpret_cast<HWND>(raw));
    else
        return *reinterpret_cast<Bare *>(raw);
}

template <AfxSignatureText Sig, class R, class... A, std::size_t... I>
LRESULT Call(CWnd & wnd, AfxGenericHandler handler, WPARAM wParam, LPARAM lParam, bool & handled,
             std::index_sequence<I...>) {
    auto const typed = std::bit_cast<R (CWnd::*)(A...)>(handler);
    if constexpr (std::is_void_v<R>) {
        (wnd.*typed)(Decode<A>(Sig.Source(I), Sig.Kind(I), wParam, lParam)...);
        handled = true;
        return Sig.Result() == 'T' ? 1 : 0;
    } else {
        R const result = (wnd.*typed)(Decode<A>(Sig.Source(I), Sig.Kind(I), wParam, lParam)...);
        if (Sig.Result() == 'C') {
            handled = result != 0;
            return 0;
        }
        handled = true;
        return static_cast<LRESULT>(result);
    }
}

template <AfxSignatureText Sig, class R, class... A>
LRESULT Thunk(CWnd & wnd, AfxGenericHandler handler, WPARAM wParam, LPARAM lParam, bool & handled) {
    return Call<Sig, R, A...>(wnd, handler, wParam, lParam, handled,
                              std::index_sequence_for<A...>());
}

} // namespace afx_detail

// An entry of a message map. The handler must be a member of a window class and fit the
// signature code; the identifiers and code default to "any".
template <AfxSignatureText Sig, class C, class R, class... A>
CMessageItem AfxMessageItem(UINT message, UINT idFirst, UINT idLast, UINT code,
                            R (C::*handler)(A...)) {
    static_assert(std::is_base_of_v<CWnd, C>, "message handlers belong to window classes");
    static_assert(afx_detail::Fits<Sig, R, A...>(std::index_sequence_for<A...>()),
                  "the handler does not fit its signature code");
    auto const asWindow = static_cast<R (CWnd::*)(A...)>(handler);
    return CMessageItem{message,
                        idFirst,
                        idLast,
                        code,
                        std::bit_cast<AfxGenericHandler>(asWindow),
                        &afx_detail::Thunk<Sig, R, A...>,
                        Sig.text};
}

// Message map declaration, in the class body of a window class:
//     AFX_DECLARE_MESSAGE_MAP()
// and definition, in its source file:
//     AFX_BEGIN_MESSAGE_MAP(CMyWnd, CWnd)
//         AFX_ON_MESSAGE("V-1L2P", WM_SIZE, &CMyWnd::OnSize)
//         AFX_ON_RANGE("C-1L", WM_AFX_COMMAND, IDOK, IDOK, &CMyWnd::OnCommandOK)
//         AFX_ON_CODE("L-5L2V", WM_NOTIFY, TTN_SHOW, &CMyWnd::OnToolShow)
//         AFX_ON_ENTRY("T-5L3w", WM_COMMAND, 100, 100, LBN_DBLCLK, &CMyWnd::OnDblClk)
//     AFX_END_MESSAGE_MAP()
#define AFX_DECLARE_MESSAGE_MAP()                                                                  \
public:                                                                                            \
    static CMessageItem const m_afxMessageItem[];                                                  \
    static CMessageMap const m_afxMessageMap;                                                      \
    static CMessageMap const * AfxStaticMessageMap() {                                             \
        return &m_afxMessageMap;                                                                   \
    }                                                                                              \
    CMessageMap const * AfxObjectMessageMap() const override {                                     \
        return &m_afxMessageMap;                                                                   \
    }

#define AFX_BEGIN_MESSAGE_MAP(cls, base)                                                           \
    CMessageMap const cls::m_afxMessageMap(&base::AfxStaticMessageMap, cls::m_afxMessageItem);     \
    CMessageItem const cls::m_afxMessageItem[] = {
#define AFX_ON_ENTRY(sig, message, idFirst, idLast, code, handler)                                 \
    AfxMessageItem<sig>(message, idFirst, idLast, code, handler),
#define AFX_ON_MESSAGE(sig, message, handler)                                                      \
    AFX_ON_ENTRY(sig, message, CMessageItem::anyId, CMessageItem::anyId, CMessageItem::anyCode,    \
                 handler)
#define AFX_ON_RANGE(sig, message, idFirst, idLast, handler)                                       \
    AFX_ON_ENTRY(sig, message, idFirst, idLast, CMessageItem::anyCode, handler)
#define AFX_ON_CODE(sig, message, code, handler)                                                   \
    AFX_ON_ENTRY(sig, message, CMessageItem::anyId, CMessageItem::anyId, code, handler)
#define AFX_END_MESSAGE_MAP()                                                                      \
    CMessageItem {}                                                                                \
    }                                                                                              \
    ;
