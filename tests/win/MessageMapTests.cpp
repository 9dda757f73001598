#include "CDC.hpp"
#include "CHeadlessDevice.hpp"
#include "CPrintf.hpp"
#include "CWnd.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string g_heard;

// One handler per signature code that the engine's message maps use; each writes what it
// received.
class CSignatureWnd : public CWnd {
    AFX_DECLARE_CLASS(CSignatureWnd)
    AFX_DECLARE_MESSAGE_MAP()
public:
    BOOL m_handleNotify = TRUE;

    void OnNone() { g_heard = "V-"; }
    void OnFlag(BOOL on) { g_heard = CPrintf("V-1L %d", on).Str(); }
    LRESULT OnErase(CDC & dc) {
        g_heard = CPrintf("L-1d %s", dc.GetTextExtent("ab") == CSize(14, 13) ? "dc" : "?").Str();
        return 7;
    }
    void OnSize(UINT type, CSize size) {
        g_heard = CPrintf("V-1L2P %u %dx%d", type, size.cx, size.cy).Str();
    }
    void OnMinMax(MINMAXINFO & info) {
        info.ptMinTrackSize = CPoint(11, 12);
        g_heard = "V-2V";
    }
    BOOL OnCommand(UINT id, UINT code, CWnd & control) {
        g_heard = CPrintf("C-5W6W2w %u %u %s", id, code,
                          control.GetSafeHwnd() ? control.GetWindowText().GetString() : "none")
                      .Str();
        return id != 99;
    }
    BOOL OnNotify(UINT id, NMHDR & header) {
        g_heard = CPrintf("C-5L2V %u %d", id, static_cast<int>(header.code)).Str();
        return m_handleNotify;
    }
    LRESULT OnToolShow(UINT id, NMHDR &) {
        g_heard += CPrintf(" L-5L2V %u", id).Str();
        return 5;
    }
    void OnChildFocus(UINT, CWnd & control) {
        g_heard = CPrintf("V-1L2w %s", control.GetWindowText().GetString()).Str();
    }
    void OnSetFocus(CWnd & old) {
        g_heard = CPrintf("V-1w %s", old.GetSafeHwnd() ? "window" : "none").Str();
    }
    void OnShow(BOOL show, UINT status) { g_heard = CPrintf("V-1L2L %d %u", show, status).Str(); }
    void OnScroll(UINT code, int pos, CWnd &) {
        g_heard = CPrintf("V-5W6W2w %u %d", code, pos).Str();
    }
    BOOL OnOK(UINT id) {
        g_heard = CPrintf("C-1L %u", id).Str();
        return TRUE;
    }
    LRESULT OnInit(CWnd & focus, unsigned long data) {
        g_heard = CPrintf("L-1w2L %s %lu", focus.GetSafeHwnd() ? "window" : "none", data).Str();
        return 1;
    }
    LRESULT OnDlgCode(MSG * msg) {
        g_heard = CPrintf("L-2L %u", msg ? msg->message : 0u).Str();
        return 0x89;
    }
    void OnDrawItem(UINT id, DRAWITEMSTRUCT & item) {
        g_heard = CPrintf("T-1L2V %u %u", id, item.itemState).Str();
    }
    void OnDblClk(UINT id, CWnd &) { g_heard = CPrintf("T-5L3w %u", id).Str(); }
    void OnAnyCommand(UINT id) { g_heard = CPrintf("anything %u", id).Str(); }
};

AFX_IMPLEMENT_CLASS(CSignatureWnd, CWnd, &CWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CSignatureWnd, CWnd)
AFX_ON_MESSAGE("V-", WM_AFX_POSTCREATE, &CSignatureWnd::OnNone)
AFX_ON_MESSAGE("V-1L", WM_AFX_SETCURRENT, &CSignatureWnd::OnFlag)
AFX_ON_MESSAGE("L-1d", WM_ERASEBKGND, &CSignatureWnd::OnErase)
AFX_ON_MESSAGE("V-1L2P", WM_SIZE, &CSignatureWnd::OnSize)
AFX_ON_MESSAGE("V-2V", WM_GETMINMAXINFO, &CSignatureWnd::OnMinMax)
AFX_ON_ENTRY("T-5L3w", WM_COMMAND, 100, 100, 2, &CSignatureWnd::OnDblClk)
AFX_ON_MESSAGE("C-5W6W2w", WM_COMMAND, &CSignatureWnd::OnCommand)
AFX_ON_CODE("C-5L2V", WM_NOTIFY, CMessageItem::anyCode, &CSignatureWnd::OnNotify)
AFX_ON_CODE("L-5L2V", WM_NOTIFY, TTN_SHOW, &CSignatureWnd::OnToolShow)
AFX_ON_MESSAGE("V-1L2w", WM_AFX_CHILDFOCUS, &CSignatureWnd::OnChildFocus)
AFX_ON_MESSAGE("V-1w", WM_SETFOCUS, &CSignatureWnd::OnSetFocus)
AFX_ON_MESSAGE("V-1L2L", WM_SHOWWINDOW, &CSignatureWnd::OnShow)
AFX_ON_MESSAGE("V-5W6W2w", WM_HSCROLL, &CSignatureWnd::OnScroll)
AFX_ON_RANGE("C-1L", WM_AFX_COMMAND, IDOK, IDOK, &CSignatureWnd::OnOK)
AFX_ON_RANGE("V-1L", WM_AFX_COMMAND, 0x8600, 0x86FF, &CSignatureWnd::OnAnyCommand)
AFX_ON_MESSAGE("L-1w2L", WM_INITDIALOG, &CSignatureWnd::OnInit)
AFX_ON_MESSAGE("L-2L", WM_GETDLGCODE, &CSignatureWnd::OnDlgCode)
AFX_ON_MESSAGE("T-1L2V", WM_DRAWITEM, &CSignatureWnd::OnDrawItem)
AFX_END_MESSAGE_MAP()

// A derived class whose own entry comes before its base's.
class CDerivedWnd : public CSignatureWnd {
    AFX_DECLARE_CLASS(CDerivedWnd)
    AFX_DECLARE_MESSAGE_MAP()
public:
    void OnOwnSize(UINT, CSize) { g_heard = "derived size"; }
    BOOL OnDeclinedOK(UINT) {
        g_heard = "derived declined";
        return FALSE;
    }
};

AFX_IMPLEMENT_CLASS(CDerivedWnd, CSignatureWnd, &CWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CDerivedWnd, CSignatureWnd)
AFX_ON_MESSAGE("V-1L2P", WM_SIZE, &CDerivedWnd::OnOwnSize)
AFX_ON_RANGE("C-1L", WM_AFX_COMMAND, IDOK, IDCANCEL, &CDerivedWnd::OnDeclinedOK)
AFX_END_MESSAGE_MAP()

struct Row {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    char const * heard;
    LRESULT result;
};

void Check(CWnd & wnd, Row const & row) {
    g_heard.clear();
    EXPECT_EQ(wnd.SendMessage(row.message, row.wParam, row.lParam), row.result) << row.heard;
    EXPECT_EQ(g_heard, row.heard);
}

} // namespace

TEST(MessageMap, EverySignatureCodeDecodesItsArguments) {
    CSignatureWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, "main", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, "child", WS_CHILD, CRect(0, 0, 5, 5), &wnd, 100));
    auto const childHandle = reinterpret_cast<LPARAM>(child.GetSafeHwnd());
    CHeadlessDevice device;
    CDC dc(device);
    MINMAXINFO info;
    NMHDR header{child.GetSafeHwnd(), 100, 42};
    MSG msg;
    msg.message = WM_KEYDOWN;
    DRAWITEMSTRUCT item;
    item.itemState = ODS_FOCUS;

    Row const rows[] = {
        {WM_AFX_POSTCREATE, 0, 0, "V-", 0},
        {WM_AFX_SETCURRENT, 1, 0, "V-1L 1", 0},
        {WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc), 0, "L-1d dc", 7},
        {WM_SIZE, SIZE_RESTORED, MAKELPARAM(640, 480), "V-1L2P 0 640x480", 0},
        {WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info), "V-2V", 0},
        {WM_COMMAND, MAKEWPARAM(5, EN_KILLFOCUS), childHandle, "C-5W6W2w 5 512 child", 0},
        {WM_COMMAND, MAKEWPARAM(7, 0), 0, "C-5W6W2w 7 0 none", 0},
        {WM_COMMAND, MAKEWPARAM(100, 2), childHandle, "T-5L3w 100", 1},
        {WM_COMMAND, MAKEWPARAM(100, 1), childHandle, "C-5W6W2w 100 1 child", 0},
        {WM_NOTIFY, 100, reinterpret_cast<LPARAM>(&header), "C-5L2V 100 42", 0},
        {WM_AFX_CHILDFOCUS, 0, childHandle, "V-1L2w child", 0},
        {WM_SETFOCUS, 0, 0, "V-1w none", 0},
        {WM_SHOWWINDOW, 1, 3, "V-1L2L 1 3", 0},
        {WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 300), childHandle, "V-5W6W2w 5 300", 0},
        {WM_AFX_COMMAND, IDOK, 0, "C-1L 1", 0},
        {WM_AFX_COMMAND, 0x860A, 0, "anything 34314", 0},
        {WM_INITDIALOG, reinterpret_cast<WPARAM>(child.GetSafeHwnd()), 9, "L-1w2L window 9", 1},
        {WM_GETDLGCODE, 9, reinterpret_cast<LPARAM>(&msg), "L-2L 256", 0x89},
        {WM_DRAWITEM, 3, reinterpret_cast<LPARAM>(&item), "T-1L2V 3 16", 1},
    };
    for (Row const & row : rows)
        Check(wnd, row);
    EXPECT_EQ(info.ptMinTrackSize, CPoint(11, 12));
}

TEST(MessageMap, DeclinedHandlersPassTheMessageOn) {
    CSignatureWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, "main", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    NMHDR show{nullptr, 7, TTN_SHOW};
    // The general notification handler declines, so the tooltip entry after it answers.
    wnd.m_handleNotify = FALSE;
    Check(wnd, {WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&show), "C-5L2V 7 -521 L-5L2V 7", 5});
    // A declined command ends in the default procedure, which answers 0.
    Check(wnd, {WM_COMMAND, MAKEWPARAM(99, 0), 0, "C-5W6W2w 99 0 none", 0});
    Check(wnd, {WM_AFX_COMMAND, 3, 0, "", 0});
}

TEST(MessageMap, DerivedEntriesComeFirstAndBasesStillAnswer) {
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, "main", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    Check(wnd, {WM_SIZE, 0, MAKELPARAM(1, 2), "derived size", 0});
    Check(wnd, {WM_AFX_COMMAND, IDOK, 0, "C-1L 1", 0});
    Check(wnd, {WM_AFX_COMMAND, IDCANCEL, 0, "derived declined", 0});
    Check(wnd, {WM_AFX_SETCURRENT, 0, 0, "V-1L 0", 0});
    // Text messages have no entry: the window class's procedure keeps the text.
    wnd.SetWindowText("renamed");
    EXPECT_EQ(wnd.GetWindowText(), "renamed");
}
