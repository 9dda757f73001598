#include "AfxTrace.hpp"
#include "CAutomation.hpp"
#include "CMenu.hpp"
#include "CRecorderWnd.hpp"
#include "SystemMetrics.hpp"
#include "VirtualKeys.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

enum : UINT { idOpen = 101, idSave, idSaveAs, idClose, idExit };

// A visible owner with a focused child, and a menu of every kind of item:
//   0 "&Open"   1 "Save" (greyed)   2 separator   3 "Save &as"   4 "Close" (disabled)
//   5 "E&xit" (checked)
class Menus : public ::testing::Test {
protected:
    void SetUp() override {
        CAutomation::Start();
        ASSERT_TRUE(m_owner.Create(nullptr, "owner", WS_POPUP | WS_VISIBLE,
                                   CRect(100, 100, 500, 400), nullptr, 0));
        ASSERT_TRUE(m_focus.CreateChild(m_owner, 7, WS_TABSTOP, 10, 10));
        m_focus.SetFocus();
        ASSERT_TRUE(m_menu.CreatePopupMenu());
        ASSERT_TRUE(m_menu.AppendMenu(MF_STRING, idOpen, "&Open"));
        ASSERT_TRUE(m_menu.AppendMenu(MF_STRING | MF_GRAYED, idSave, "Save"));
        ASSERT_TRUE(m_menu.AppendSeparator());
        ASSERT_TRUE(m_menu.AppendMenu(MF_STRING, idSaveAs, "Save &as"));
        ASSERT_TRUE(m_menu.AppendMenu(MF_STRING | MF_DISABLED, idClose, "Close"));
        ASSERT_TRUE(m_menu.AppendMenu(MF_STRING | MF_CHECKED, idExit, "E&xit"));
        CAutomation::Pump();
        Heard().clear();
    }
    void TearDown() override {
        m_owner.DestroyWindow();
        CInput::ReleaseAll();
        AfxSetScreenSize(CSize(1920, 1080));
        CAutomation::Stop();
    }

    // Runs the menu at (150, 150) with what the user does in it.
    UINT Track(CAutomation::ModalAction action, UINT flags = TPM_RETURNCMD,
               CMenu * menu = nullptr) {
        CAutomation::OnNextModal(std::move(action));
        return (menu ? *menu : m_menu).TrackPopupMenu(flags, 150, 150, &m_owner);
    }

    // The centre of an item on the screen while the menu runs.
    CPoint ItemPoint(UINT position) {
        CRect item;
        EXPECT_TRUE(m_menu.GetMenuItemRect(position, item));
        return CPoint((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    }

    CRecorderWnd m_owner{"owner"};
    CRecorderWnd m_focus{"focus"};
    CMenu m_menu;
};

void Press(std::vector<UINT> const & keys) {
    for (UINT key : keys)
        CAutomation::PressKey(key);
}

} // namespace

TEST_F(Menus, KeysMoveTheHighlightPastItemsThatCannotBeChosenAndChoose) {
    // clang-format off
    struct Case { char const * name; std::vector<UINT> keys; char const * typed; UINT chosen; };
    std::vector<Case> const cases = {
        {"down chooses the first", {VK_DOWN, VK_RETURN}, "", idOpen},
        {"greyed and separator skipped", {VK_DOWN, VK_DOWN, VK_RETURN}, "", idSaveAs},
        {"disabled skipped", {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, "", idExit},
        {"down wraps", {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, "", idOpen},
        {"up starts at the last", {VK_UP, VK_RETURN}, "", idExit},
        {"up skips back", {VK_UP, VK_UP, VK_RETURN}, "", idSaveAs},
        {"up wraps", {VK_DOWN, VK_UP, VK_RETURN}, "", idExit},
        {"end and home", {VK_END, VK_HOME, VK_RETURN}, "", idOpen},
        {"return without a highlight closes", {VK_RETURN}, "", 0},
        {"escape", {VK_ESCAPE}, "", 0},
        {"escape after moving", {VK_DOWN, VK_DOWN, VK_ESCAPE}, "", 0},
        {"letter after &", {}, "a", idSaveAs},
        {"letter in either case", {}, "X", idExit},
        {"first letter of a text without &", {}, "o", idOpen},
        // "Save" is greyed and "Save &as" is named by "a": "s" names nothing.
        {"letter of no item that can be chosen", {VK_DOWN, VK_RETURN}, "s", idOpen},
        {"letter that names nothing", {VK_ESCAPE}, "q", 0},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        CTraceCapture trace;
        Heard().clear();
        UINT const chosen = Track([&](CWnd &) {
            CAutomation::TypeText(test.typed);
            Press(test.keys);
        });
        EXPECT_EQ(chosen, test.chosen);
        // The script ended the menu itself, and no key reached the focused window.
        EXPECT_FALSE(trace.Contains("ERROR: A modal loop"));
        CAutomation::Pump();
        EXPECT_EQ(Heard(), Lines{});
        EXPECT_EQ(CWnd::GetFocus(), &m_focus);
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
    }
}

TEST_F(Menus, ALetterSharedByItemsMovesBetweenThemAndOneOfItsOwnChooses) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 1, "Apple");
    menu.AppendMenu(MF_STRING, 2, "&Avocado");
    menu.AppendMenu(MF_STRING | MF_GRAYED, 3, "Apricot");
    menu.AppendMenu(MF_STRING, 4, "\xC3\x84nderung"); // "Änderung"
    menu.AppendMenu(MF_STRING, 5, "&&Co");
    // clang-format off
    struct Case { char const * typed; std::vector<UINT> keys; UINT chosen; } const cases[] = {
        {"a", {VK_RETURN}, 1},
        {"aa", {VK_RETURN}, 2},
        {"aaa", {VK_RETURN}, 1}, // the greyed one is passed over
        {"\xC3\xA4", {}, 4},     // "ä" names "Änderung"
        {"&", {}, 5},            // "&&" shows "&", its first character
    };
    // clang-format on
    for (auto const & test : cases) {
        SCOPED_TRACE(test.typed);
        UINT const chosen = Track(
            [&](CWnd &) {
                CAutomation::TypeText(test.typed);
                Press(test.keys);
            },
            TPM_RETURNCMD, &menu);
        EXPECT_EQ(chosen, test.chosen);
    }
}

TEST_F(Menus, TheChoiceIsReturnedOrPostedToTheOwner) {
    // clang-format off
    struct Case {
        char const * name;
        UINT flags;
        CAutomation::ModalAction action;
        UINT result;
        Lines heard;
    } const cases[] = {
        {"returned", TPM_RETURNCMD, CAutomation::ChooseMenuItem(idSaveAs), idSaveAs, {}},
        {"returned, cancelled", TPM_RETURNCMD, CAutomation::Cancel(), 0, {}},
        {"posted", 0, CAutomation::ChooseMenuItem(idSaveAs), TRUE, {"owner:command 103 0 from none"}},
        {"posted, cancelled", 0, CAutomation::Cancel(), FALSE, {}},
        {"posted, confirmed without a highlight", 0, CAutomation::Confirm(), FALSE, {}},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        Heard().clear();
        EXPECT_EQ(Track(test.action, test.flags), test.result);
        // Posted: the owner hears of it only once messages are handled again.
        EXPECT_EQ(Heard(), Lines{});
        CAutomation::Pump();
        EXPECT_EQ(Heard(), test.heard);
    }
}

TEST_F(Menus, TheMouseHighlightsAndChoosesItemsAndAPressOutsideCancels) {
    enum class Step { move, down, up, rightDown, rightUp, key };
    struct Action {
        Step step;
        int position; // an item, or -1: a point outside the menu; the key for Step::key
    };
    // clang-format off
    struct Case { char const * name; UINT flags; std::vector<Action> actions; UINT chosen; };
    std::vector<Case> const cases = {
        {"click", TPM_RETURNCMD, {{Step::down, 3}, {Step::up, 3}}, idSaveAs},
        {"pressed on one item, released on another", TPM_RETURNCMD, {{Step::down, 0}, {Step::move, 5}, {Step::up, 5}}, idExit},
        {"hover highlights", TPM_RETURNCMD, {{Step::move, 3}, {Step::key, VK_RETURN}}, idSaveAs},
        {"hovering a greyed item highlights nothing", TPM_RETURNCMD, {{Step::move, 3}, {Step::move, 1}, {Step::key, VK_RETURN}}, 0},
        {"keys go on from the hovered item", TPM_RETURNCMD, {{Step::move, 3}, {Step::key, VK_DOWN}, {Step::key, VK_RETURN}}, idExit},
        {"click on a greyed item does nothing", TPM_RETURNCMD, {{Step::down, 1}, {Step::up, 1}, {Step::key, VK_DOWN}, {Step::key, VK_RETURN}}, idOpen},
        {"click on a separator does nothing", TPM_RETURNCMD, {{Step::down, 2}, {Step::up, 2}, {Step::key, VK_UP}, {Step::key, VK_RETURN}}, idExit},
        {"the release of the opening click does not choose", TPM_RETURNCMD, {{Step::move, 0}, {Step::up, 0}, {Step::key, VK_ESCAPE}}, 0},
        {"press outside cancels", TPM_RETURNCMD, {{Step::move, 3}, {Step::down, -1}}, 0},
        {"right press outside cancels", TPM_RETURNCMD, {{Step::rightDown, -1}}, 0},
        {"right click chooses only with TPM_RIGHTBUTTON", TPM_RETURNCMD, {{Step::rightDown, 3}, {Step::rightUp, 3}, {Step::key, VK_ESCAPE}}, 0},
        {"right click with TPM_RIGHTBUTTON", TPM_RETURNCMD | TPM_RIGHTBUTTON, {{Step::rightDown, 3}, {Step::rightUp, 3}}, idSaveAs},
    };
    // clang-format on
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        CTraceCapture trace;
        UINT const chosen = Track(
            [&](CWnd & modal) {
                for (Action const & action : test.actions) {
                    CPoint at;
                    if (action.step != Step::key)
                        at = action.position >= 0
                                 ? ItemPoint(static_cast<UINT>(action.position))
                                 : modal.GetWindowRect().BottomRight() + CSize(5, 5);
                    switch (action.step) {
                    case Step::move:
                        CInput::MouseMove(at);
                        break;
                    case Step::down:
                        CInput::MouseDown(at, CInput::buttonLeft);
                        break;
                    case Step::up:
                        CInput::MouseUp(at, CInput::buttonLeft);
                        break;
                    case Step::rightDown:
                        CInput::MouseDown(at, CInput::buttonRight);
                        break;
                    case Step::rightUp:
                        CInput::MouseUp(at, CInput::buttonRight);
                        break;
                    case Step::key:
                        CAutomation::PressKey(static_cast<UINT>(action.position));
                        break;
                    }
                    CAutomation::Pump();
                }
            },
            test.flags);
        EXPECT_EQ(chosen, test.chosen);
        EXPECT_FALSE(trace.Contains("ERROR: A modal loop"));
        // A press outside the menu is the menu's: the window under it hears nothing.
        EXPECT_EQ(Heard(), Lines{});
        CInput::ReleaseAll();
    }
}

TEST_F(Menus, ChoosingAnItemThatCannotBeChosenLeavesTheMenuToBeCancelled) {
    for (UINT id : {UINT(idSave), UINT(idClose), 999u}) {
        SCOPED_TRACE(id);
        CTraceCapture trace;
        EXPECT_EQ(Track(CAutomation::ChooseMenuItem(id)), 0u);
        EXPECT_TRUE(trace.Contains("ERROR: A modal loop"));
    }
}

TEST_F(Menus, TheMenuStaysOnTheScreen) {
    AfxSetScreenSize(CSize(800, 600));
    struct Case {
        char const * name;
        CPoint point;
        UINT align;
        // Which corner of the menu lies on the point, or -1 to check only that it fits.
        enum Corner { topLeft, topRight, bottomLeft, bottomRight, none } corner;
    } const cases[] = {
        {"room below and right", {10, 20}, TPM_LEFTALIGN, Case::topLeft},
        {"at the right edge", {795, 20}, TPM_LEFTALIGN, Case::topRight},
        {"at the bottom edge", {10, 595}, TPM_LEFTALIGN, Case::bottomLeft},
        {"in the bottom right corner", {795, 595}, TPM_LEFTALIGN, Case::bottomRight},
        {"right-aligned", {400, 20}, TPM_RIGHTALIGN, Case::topRight},
        {"right-aligned at the left edge", {5, 20}, TPM_RIGHTALIGN, Case::topLeft},
        {"bottom-aligned at the top edge", {10, 5}, TPM_BOTTOMALIGN, Case::topLeft},
        {"centred at the left edge", {0, 20}, TPM_CENTERALIGN, Case::none},
        {"off the screen", {-50, -50}, TPM_LEFTALIGN, Case::none},
    };
    for (auto const & test : cases) {
        SCOPED_TRACE(test.name);
        CRect place;
        CAutomation::OnNextModal([&](CWnd & modal) {
            place = modal.GetWindowRect();
            CAutomation::PressKey(VK_ESCAPE);
        });
        m_menu.TrackPopupMenu(TPM_RETURNCMD | test.align, test.point.x, test.point.y, &m_owner);
        EXPECT_GE(place.left, 0);
        EXPECT_GE(place.top, 0);
        EXPECT_LE(place.right, 800);
        EXPECT_LE(place.bottom, 600);
        EXPECT_FALSE(place.IsEmpty());
        CPoint const corners[] = {place.TopLeft(), place.TopRight(), place.BottomLeft(),
                                  place.BottomRight()};
        if (test.corner != Case::none) {
            EXPECT_EQ(corners[test.corner], test.point);
        }
    }
}

TEST_F(Menus, ItemsAreChangedByCommandOrPosition) {
    // Check states before, by command and by position.
    EXPECT_EQ(m_menu.CheckMenuItem(idOpen, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(m_menu.CheckMenuItem(0, MF_BYPOSITION | MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(m_menu.CheckMenuItem(idExit, MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(m_menu.GetMenuState(idExit, MF_BYCOMMAND), MF_STRING);
    EXPECT_EQ(m_menu.CheckMenuItem(999, MF_CHECKED), 0xFFFFFFFFu);
    EXPECT_EQ(m_menu.CheckMenuItem(6, MF_BYPOSITION | MF_CHECKED), 0xFFFFFFFFu);

    EXPECT_EQ(m_menu.EnableMenuItem(idSave, MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(m_menu.EnableMenuItem(4, MF_BYPOSITION | MF_GRAYED), MF_DISABLED);
    EXPECT_EQ(m_menu.GetMenuState(idClose, MF_BYCOMMAND), MF_GRAYED);
    EXPECT_EQ(m_menu.EnableMenuItem(999, MF_GRAYED), 0xFFFFFFFFu);

    EXPECT_EQ(m_menu.GetMenuItemCount(), 6);
    EXPECT_EQ(m_menu.GetMenuItemID(0), UINT(idOpen));
    EXPECT_EQ(m_menu.GetMenuItemID(2), 0u);
    EXPECT_EQ(m_menu.GetMenuItemID(6), 0xFFFFFFFFu);
    EXPECT_EQ(m_menu.GetMenuItemID(-1), 0xFFFFFFFFu);
    EXPECT_EQ(m_menu.GetMenuState(2, MF_BYPOSITION), MF_SEPARATOR);

    CString text;
    EXPECT_EQ(m_menu.GetMenuString(idSaveAs, text, MF_BYCOMMAND), 8);
    EXPECT_EQ(text, "Save &as");
    EXPECT_EQ(m_menu.GetMenuString(5, text, MF_BYPOSITION), 5);
    EXPECT_EQ(text, "E&xit");
    EXPECT_EQ(m_menu.GetMenuString(999, text, MF_BYCOMMAND), 0);
    EXPECT_EQ(text, "");

    // Now enabled, "Save" is chosen by Down, Down.
    EXPECT_EQ(Track([](CWnd &) { Press({VK_DOWN, VK_DOWN, VK_RETURN}); }), UINT(idSave));
}

TEST_F(Menus, AMenuIsMadeBeforeItHoldsItemsAndUnknownFlagsAreRefused) {
    CMenu menu;
    EXPECT_EQ(menu.GetMenuItemCount(), -1);
    EXPECT_FALSE(menu.AppendMenu(MF_STRING, 1, "early"));
    EXPECT_FALSE(menu.DestroyMenu());
    ASSERT_TRUE(menu.CreatePopupMenu());
    EXPECT_FALSE(menu.CreatePopupMenu());
    EXPECT_EQ(menu.GetMenuItemCount(), 0);
    EXPECT_FALSE(menu.AppendMenu(0x0010 /* a submenu */, 1, "sub"));
    EXPECT_FALSE(menu.AppendMenu(MF_SEPARATOR | MF_GRAYED));
    EXPECT_TRUE(menu.AppendMenu(MF_STRING, 1, nullptr));
    EXPECT_EQ(menu.GetMenuItemCount(), 1);
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_EQ(menu.GetMenuItemCount(), -1);
}

TEST_F(Menus, AMenuThatCannotRunReturnsAtOnce) {
    CMenu empty;
    ASSERT_TRUE(empty.CreatePopupMenu());
    CAutomation::OnNextModal(CAutomation::Confirm());
    EXPECT_EQ(empty.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &m_owner), 0u);
    EXPECT_EQ(m_menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 0u);
    CWnd gone;
    EXPECT_EQ(m_menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &gone), 0u);
    // No loop ran, so the action is still waiting for the next one.
    EXPECT_EQ(CAutomation::GetPendingModalActions(), 1u);
    EXPECT_EQ(m_menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &m_owner), 0u);
    EXPECT_EQ(CAutomation::GetPendingModalActions(), 0u);
    CRect item;
    EXPECT_FALSE(m_menu.GetMenuItemRect(0, item));
    // One menu at a time.
    UINT inner = 1;
    EXPECT_EQ(Track([&](CWnd &) {
                  inner = empty.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &m_owner);
                  CMenu other;
                  other.CreatePopupMenu();
                  other.AppendMenu(MF_STRING, 1, "other");
                  inner += other.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &m_owner);
                  CAutomation::PressKey(VK_DOWN);
                  CAutomation::PressKey(VK_RETURN);
              }),
              UINT(idOpen));
    EXPECT_EQ(inner, 0u);
}

TEST_F(Menus, LosingTheCaptureOrTheOwnerCancels) {
    struct Case {
        char const * name;
        CWnd * owner;
        std::function<void(CWnd & modal)> act;
    };
    // A control that owns the menu and is destroyed while it runs; released with its window.
    auto * child = new CRecorderWnd("child");
    ASSERT_TRUE(child->CreateChild(m_owner, 9, 0, 50, 50));
    child->SetAutoDelete(TRUE);
    HWND const childHandle = child->GetSafeHwnd();
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 1, "one");
    std::vector<Case> const cases = {
        {"capture taken", &m_owner, [&](CWnd &) { m_owner.SetCapture(); }},
        {"cancel mode", &m_owner, [](CWnd & modal) { modal.SendMessage(WM_CANCELMODE); }},
        {"owner destroyed", child, [&](CWnd &) { CWnd::FromHandle(childHandle)->DestroyWindow(); }},
    };
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        CTraceCapture trace;
        CAutomation::OnNextModal([&](CWnd & modal) {
            CAutomation::PressKey(VK_DOWN);
            test.act(modal);
            CAutomation::Pump();
        });
        EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, test.owner), 0u);
        EXPECT_FALSE(trace.Contains("ERROR: A modal loop"));
        CWnd::ReleaseCapture();
    }
    EXPECT_EQ(CWnd::GetFocus(), &m_focus);
}
