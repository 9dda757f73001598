#include "CEditModel.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// One row: a model set up with a text and a selection (anchor, caret), a script of actions,
// and what must come of it.
//
// Actions: "L", "R", "Home", "End", "WL", "WR" (word moves), each with a leading "+" to
// extend the selection; "BS", "Del", "CBS", "CDel" (word deletions), "t:<text>" types,
// "paste:<text>", "replace:<text>" (the program's), "cut", "copy", "clear", "undo", "all",
// "sel:<start>,<end>", "click:<pos>" and "+click:<pos>", "word:<pos>", and the settings
// "ro", "pw" and "limit:<n>".
struct Row {
    char const * name;
    char const * text;
    long long anchor;
    long long caret;
    std::vector<std::string> script;
    char const * expectText;
    UINT expectAnchor;
    UINT expectCaret;
    int expectChanges;
    int expectLimitHits = 0;
    char const * expectClip = "";
};

struct Outcome {
    int changes = 0;
    int limitHits = 0;
    std::string clip;
};

bool StartsWith(std::string const & s, char const * prefix, std::string & rest) {
    std::string const p(prefix);
    if (s.compare(0, p.size(), p) != 0)
        return false;
    rest = s.substr(p.size());
    return true;
}

void Count(Outcome & outcome, CEditModel::Change change) {
    outcome.changes += change.changed ? 1 : 0;
    outcome.limitHits += change.limitHit ? 1 : 0;
}

void RunAction(CEditModel & model, std::string const & action, Outcome & outcome) {
    std::string arg;
    bool const extend = !action.empty() && action[0] == '+';
    std::string const bare = extend ? action.substr(1) : action;
    if (bare == "L")
        model.MoveCaret(CEditModel::moveLeft, extend);
    else if (bare == "R")
        model.MoveCaret(CEditModel::moveRight, extend);
    else if (bare == "Home")
        model.MoveCaret(CEditModel::moveHome, extend);
    else if (bare == "End")
        model.MoveCaret(CEditModel::moveEnd, extend);
    else if (bare == "WL")
        model.MoveCaret(CEditModel::moveWordLeft, extend);
    else if (bare == "WR")
        model.MoveCaret(CEditModel::moveWordRight, extend);
    else if (StartsWith(bare, "click:", arg))
        model.PlaceCaret(static_cast<UINT>(std::stoul(arg)), extend);
    else if (action == "BS")
        Count(outcome, model.Backspace());
    else if (action == "Del")
        Count(outcome, model.Delete());
    else if (action == "CBS")
        Count(outcome, model.DeleteWordBefore());
    else if (action == "CDel")
        Count(outcome, model.DeleteWordAfter());
    else if (StartsWith(action, "t:", arg))
        Count(outcome, model.Type(arg));
    else if (StartsWith(action, "paste:", arg))
        Count(outcome, model.Paste(arg));
    else if (StartsWith(action, "replace:", arg))
        Count(outcome, model.ReplaceSelection(arg));
    else if (action == "cut")
        Count(outcome, model.Cut(outcome.clip));
    else if (action == "copy")
        model.Copy(outcome.clip);
    else if (action == "clear")
        Count(outcome, model.Clear());
    else if (action == "undo")
        Count(outcome, model.Undo());
    else if (action == "all")
        model.SelectAll();
    else if (StartsWith(action, "sel:", arg))
        model.Select(std::stoll(arg), std::stoll(arg.substr(arg.find(',') + 1)));
    else if (StartsWith(action, "word:", arg))
        model.SelectWordAt(static_cast<UINT>(std::stoul(arg)));
    else if (action == "ro")
        model.SetReadOnly(true);
    else if (action == "pw")
        model.SetPasswordChar(CEditModel::defaultPasswordChar);
    else if (StartsWith(action, "limit:", arg))
        model.SetLimit(static_cast<UINT>(std::stoul(arg)));
    else
        FAIL() << "unknown action " << action;
}

// "Größe é": G r ö(2 bytes) ß(2) e, blank, é(2): 10 bytes, 7 code points.
char const * const kGroesse = "Gr\xC3\xB6\xC3\x9F"
                              "e \xC3\xA9";

std::vector<Row> const & Rows() {
    // clang-format off
    static std::vector<Row> const rows = {
        // Caret moves.
        {"LeftMovesOneCharacter", "hello", 5, 5, {"L"}, "hello", 4, 4, 0},
        {"LeftStopsAtTheStart", "hello", 0, 0, {"L"}, "hello", 0, 0, 0},
        {"RightStopsAtTheEnd", "hello", 5, 5, {"R"}, "hello", 5, 5, 0},
        {"LeftCollapsesToTheSelectionStart", "hello", 1, 4, {"L"}, "hello", 1, 1, 0},
        {"RightCollapsesToTheSelectionEnd", "hello", 4, 1, {"R"}, "hello", 4, 4, 0},
        {"ShiftRightExtends", "hello", 2, 2, {"+R", "+R"}, "hello", 2, 4, 0},
        {"ShiftLeftExtendsUpToTheStart", "hello", 2, 2, {"+L", "+L", "+L"}, "hello", 2, 0, 0},
        {"ShiftEndExtendsToTheEnd", "hello", 2, 2, {"+End"}, "hello", 2, 5, 0},
        {"ShiftHomeExtendsToTheStart", "hello", 2, 2, {"+Home"}, "hello", 2, 0, 0},
        {"HomeCollapses", "hello", 1, 4, {"Home"}, "hello", 0, 0, 0},
        {"WordRightGoesToNextWordStart", "one two  three", 0, 0, {"WR"}, "one two  three", 4, 4, 0},
        {"WordRightSkipsSeveralBlanks", "one two  three", 0, 0, {"WR", "WR"}, "one two  three", 9, 9, 0},
        {"WordRightEndsAtTheEnd", "one two  three", 0, 0, {"WR", "WR", "WR"}, "one two  three", 14, 14, 0},
        {"WordLeftGoesToWordStart", "one two  three", 14, 14, {"WL"}, "one two  three", 9, 9, 0},
        {"WordLeftTwice", "one two  three", 14, 14, {"WL", "WL"}, "one two  three", 4, 4, 0},
        {"WordLeftFromInsideAWord", "one two  three", 5, 5, {"WL"}, "one two  three", 4, 4, 0},
        {"WordRightFromInsideAWord", "one two  three", 5, 5, {"WR"}, "one two  three", 9, 9, 0},
        {"PunctuationIsARunOfItsOwn", "a.b c", 0, 0, {"WR", "WR", "WR"}, "a.b c", 4, 4, 0},
        {"ShiftWordRightExtends", "one two", 0, 0, {"+WR"}, "one two", 0, 4, 0},
        {"PasswordWordMovesGoToTheEnds", "one two", 0, 0, {"pw", "WR"}, "one two", 7, 7, 0},
        // Deleting.
        {"BackspaceAtTheEnd", "hello", 5, 5, {"BS"}, "hell", 4, 4, 1},
        {"BackspaceAtTheStartDoesNothing", "hello", 0, 0, {"BS"}, "hello", 0, 0, 0},
        {"DeleteAtTheStart", "hello", 0, 0, {"Del"}, "ello", 0, 0, 1},
        {"DeleteAtTheEndDoesNothing", "hello", 5, 5, {"Del"}, "hello", 5, 5, 0},
        {"BackspaceDeletesTheSelection", "hello", 1, 3, {"BS"}, "hlo", 1, 1, 1},
        {"DeleteDeletesAReversedSelection", "hello", 3, 1, {"Del"}, "hlo", 1, 1, 1},
        {"CtrlBackspaceDeletesTheWordBefore", "one two three", 13, 13, {"CBS"}, "one two ", 8, 8, 1},
        {"CtrlBackspaceAfterAWord", "one two", 3, 3, {"CBS"}, " two", 0, 0, 1},
        {"CtrlDeleteDeletesToTheNextWord", "one two three", 4, 4, {"CDel"}, "one three", 4, 4, 1},
        {"ClearDeletesTheSelection", "hello", 0, 2, {"clear"}, "llo", 0, 0, 1},
        {"ClearWithoutSelectionDoesNothing", "hello", 2, 2, {"clear"}, "hello", 2, 2, 0},
        // Typing and the limit.
        {"TypingIntoEmpty", "", 0, 0, {"t:abc"}, "abc", 3, 3, 1},
        {"TypingReplacesTheSelection", "hello", 1, 4, {"t:X"}, "hXo", 2, 2, 1},
        {"TypingIsCutAtTheLimit", "ab", 2, 2, {"limit:3", "t:cde"}, "abc", 3, 3, 1, 1},
        {"TypingIntoAFullFieldIsRefused", "abc", 3, 3, {"limit:3", "t:d"}, "abc", 3, 3, 0, 1},
        {"ReplacingASelectionInAFullField", "abc", 0, 3, {"limit:3", "t:xyz"}, "xyz", 3, 3, 1},
        {"TheLimitCountsCodePoints", "", 0, 0, {"limit:2", "t:\xC3\xA9\xC3\xBCx"}, "\xC3\xA9\xC3\xBC", 4, 4, 1, 1},
        {"ALimitOfZeroIsNoLimit", "abc", 3, 3, {"limit:0", "t:def"}, "abcdef", 6, 6, 1},
        // Read-only: no user change, but moves, copying and the program's replacement.
        {"ReadOnlyRefusesEditing", "abc", 0, 3, {"ro", "t:x", "BS", "Del", "CBS", "cut", "paste:z"}, "abc", 0, 3, 0},
        {"ReadOnlyAllowsMoves", "abc", 3, 3, {"ro", "+Home"}, "abc", 3, 0, 0},
        {"ReadOnlyAllowsCopy", "abc", 0, 3, {"ro", "copy"}, "abc", 0, 3, 0, 0, "abc"},
        {"ReadOnlyRefusesUndo", "abc", 3, 3, {"t:d", "ro", "undo"}, "abcd", 4, 4, 1},
        {"ProgramReplacesWhileReadOnly", "abc", 0, 1, {"ro", "replace:Z"}, "Zbc", 1, 1, 1},
        // Clipboard helpers.
        {"CutGivesAndDeletesTheSelection", "hello", 1, 3, {"cut"}, "hlo", 1, 1, 1, 0, "el"},
        {"CopyGivesTheSelection", "hello", 1, 3, {"copy"}, "hello", 1, 3, 0, 0, "el"},
        {"CopyWithoutSelectionGivesNothing", "hello", 2, 2, {"copy"}, "hello", 2, 2, 0},
        {"PasswordRefusesCopy", "secret", 0, 6, {"pw", "copy"}, "secret", 0, 6, 0},
        {"PasswordRefusesCut", "secret", 0, 6, {"pw", "cut"}, "secret", 0, 6, 0},
        {"PasteTakesTheFirstLine", "ab", 2, 2, {"paste:cd\r\nef"}, "abcd", 4, 4, 1},
        {"PasteIsCutAtTheLimit", "ab", 2, 2, {"limit:3", "paste:xyz"}, "abx", 3, 3, 1, 1},
        // Undo.
        {"UndoTakesBackARunOfTyping", "", 0, 0, {"t:a", "t:b", "t:c", "undo"}, "", 0, 0, 4},
        {"AMoveEndsTheRun", "", 0, 0, {"t:a", "t:b", "L", "R", "t:c", "undo"}, "ab", 2, 2, 4},
        {"UndoAgainRedoes", "ab", 2, 2, {"BS", "undo", "undo"}, "a", 1, 1, 3},
        {"UndoRestoresTheSelection", "hello", 1, 4, {"t:X", "undo"}, "hello", 1, 4, 2},
        {"UndoTakesBackARunOfDeletions", "hello", 5, 5, {"BS", "BS", "undo"}, "hello", 5, 5, 3},
        {"PasteIsAStepOfItsOwn", "", 0, 0, {"t:a", "paste:b", "undo"}, "a", 1, 1, 3},
        {"NothingToUndo", "abc", 3, 3, {"undo"}, "abc", 3, 3, 0},
        // Code points.
        {"LeftSkipsATwoByteCharacter", kGroesse, 10, 10, {"L"}, kGroesse, 8, 8, 0},
        {"LeftOverBlank", kGroesse, 10, 10, {"L", "L"}, kGroesse, 7, 7, 0},
        {"BackspaceDeletesAWholeCharacter", kGroesse, 10, 10, {"BS"}, "Gr\xC3\xB6\xC3\x9F" "e ", 8, 8, 1},
        {"BackspaceAfterUmlaut", kGroesse, 4, 4, {"BS"}, "Gr\xC3\x9F" "e \xC3\xA9", 2, 2, 1},
        {"DeleteBeforeUmlaut", kGroesse, 2, 2, {"Del"}, "Gr\xC3\x9F" "e \xC3\xA9", 2, 2, 1},
        {"NonAsciiLettersMakeWords", kGroesse, 10, 10, {"WL", "WL"}, kGroesse, 0, 0, 0},
        {"ShiftLeftOverSharpS", kGroesse, 6, 6, {"+L"}, kGroesse, 6, 4, 0},
        // Selecting.
        {"SelectMovesInsideACodePointBack", kGroesse, 0, 0, {"sel:3,-1"}, kGroesse, 2, 10, 0},
        {"SelectMayRunBackwards", "hello", 0, 0, {"sel:4,1"}, "hello", 4, 1, 0},
        {"SelectWithoutStartKeepsTheCaret", "hello", 1, 3, {"sel:-1,0"}, "hello", 3, 3, 0},
        {"SelectBeyondTheEnd", "abc", 0, 0, {"sel:1,99"}, "abc", 1, 3, 0},
        {"SelectAll", "abc", 1, 1, {"all"}, "abc", 0, 3, 0},
        {"WordAtAPosition", "one two", 0, 0, {"word:5"}, "one two", 4, 7, 0},
        {"BlanksAtAPosition", "one two", 0, 0, {"word:3"}, "one two", 3, 4, 0},
        {"WordAtTheEnd", "one two", 0, 0, {"word:7"}, "one two", 4, 7, 0},
        {"PasswordWordIsEverything", "one two", 0, 0, {"pw", "word:1"}, "one two", 0, 7, 0},
        {"ClickPlacesTheCaret", "hello", 1, 1, {"click:4"}, "hello", 4, 4, 0},
        {"ShiftClickExtends", "hello", 1, 1, {"+click:4"}, "hello", 1, 4, 0},
        {"ClickBeyondTheEnd", "hello", 1, 1, {"click:9"}, "hello", 5, 5, 0},
    };
    // clang-format on
    return rows;
}

class EditModelRows : public ::testing::TestWithParam<Row> {};

} // namespace

TEST_P(EditModelRows, ScriptGivesTextSelectionAndChanges) {
    Row const & row = GetParam();
    CEditModel model;
    model.SetText(row.text);
    model.Select(row.anchor, row.caret);
    Outcome outcome;
    for (std::string const & action : row.script)
        RunAction(model, action, outcome);
    EXPECT_EQ(model.GetText(), row.expectText);
    EXPECT_EQ(model.GetAnchor(), row.expectAnchor);
    EXPECT_EQ(model.GetCaret(), row.expectCaret);
    EXPECT_EQ(outcome.changes, row.expectChanges);
    EXPECT_EQ(outcome.limitHits, row.expectLimitHits);
    EXPECT_EQ(outcome.clip, row.expectClip);
    EXPECT_EQ(model.IsModified(), row.expectChanges > 0) << "only changes mark the text modified";
}

INSTANTIATE_TEST_SUITE_P(Script, EditModelRows, ::testing::ValuesIn(Rows()),
                         [](auto const & info) { return std::string(info.param.name); });

TEST(EditModel, SetTextKeepsAllOfItPutsTheCaretAtTheStartAndKeepsTheFlags) {
    CEditModel model;
    model.SetLimit(3);
    model.Type("ab");
    ASSERT_TRUE(model.IsModified());
    model.SetText("longer than the limit");
    EXPECT_EQ(model.GetText(), "longer than the limit");
    EXPECT_EQ(model.GetAnchor(), 0u);
    EXPECT_EQ(model.GetCaret(), 0u);
    EXPECT_TRUE(model.IsModified());
    EXPECT_TRUE(model.CanUndo());
    // The user can only shorten such a text.
    model.MoveCaret(CEditModel::moveEnd, false);
    CEditModel::Change const typed = model.Type("x");
    EXPECT_FALSE(typed.changed);
    EXPECT_TRUE(typed.limitHit);
    EXPECT_TRUE(model.Backspace().changed);
}

TEST(EditModel, LimitsOfZeroAndBeyondTheDefaultMeanTheDefault) {
    // clang-format off
    struct Case { UINT set; UINT got; } const cases[] = {
        {0, CEditModel::defaultLimit},
        {1, 1},
        {CEditModel::defaultLimit, CEditModel::defaultLimit},
        {0xFFFFFFFFu, CEditModel::defaultLimit},
    };
    // clang-format on
    for (Case const & c : cases) {
        CEditModel model;
        model.SetLimit(c.set);
        EXPECT_EQ(model.GetLimit(), c.got) << c.set;
    }
}

TEST(EditModel, PasswordShowsOneCharacterPerCodePoint) {
    CEditModel model;
    model.SetText(kGroesse);
    EXPECT_EQ(model.GetDisplayText(), kGroesse);
    model.SetPasswordChar('*');
    EXPECT_EQ(model.GetDisplayText(), "*******");
    EXPECT_EQ(model.GetDisplayText(2, 6), "**");
    model.SetPasswordChar(CEditModel::defaultPasswordChar);
    EXPECT_EQ(model.GetDisplayText(0, 4), "\xE2\x80\xA2\xE2\x80\xA2\xE2\x80\xA2");
    EXPECT_EQ(model.GetText(), kGroesse) << "the text itself stays";
}

TEST(EditModel, EmptyUndoForgetsTheChange) {
    CEditModel model;
    model.Type("abc");
    model.EmptyUndo();
    EXPECT_FALSE(model.CanUndo());
    EXPECT_FALSE(model.Undo().changed);
    EXPECT_EQ(model.GetText(), "abc");
}
