// The engine's own resources, compiled from the library's resources folder into a test
// library of their own.
#include "BitmapPicture.hpp"
#include "CBitmapBits.hpp"
#include "CDialogTemplate.hpp"
#include "CEntity.hpp"
#include "CModule.hpp"
#include "LocaleScope.hpp"
#include "TestModules.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

LCID const kLanguages[] = {1031, 1033, 1034, 1036, 1040};

// Picture rows (top first) with one black run per row: row r (from 1) is black from
// column start[r] (from 1) for length[r] pixels; rows without a run are white.
struct BlackRun {
    int row, column, length;
};

std::vector<std::string> Draw(int width, int height, std::vector<BlackRun> const & runs) {
    std::vector<std::string> rows(static_cast<std::size_t>(height),
                                  std::string(static_cast<std::size_t>(width), '.'));
    for (BlackRun const & run : runs)
        for (int k = 0; k < run.length; ++k)
            rows[static_cast<std::size_t>(run.row - 1)]
                [static_cast<std::size_t>(run.column - 1 + k)] = '#';
    return rows;
}

} // namespace

TEST(LibraryResources, StringTableInFiveLanguages) {
    // clang-format off
    struct Case {
        UINT id;
        char const * texts[5]; // 1031, 1033, 1034, 1036, 1040
    } const cases[] = {
        {0x4001, {"Bear...", "Edit...", "Edici\xC3\xB3n...", "Edition... ", "Modifica.."}},
        {0x4002, {"Wert &bearbeiten", "Edit Value", "Modificar valor", "Modifier la valeur", "Modifica valore"}},
        {0x4003, {"Der eingegebene Wert darf mindestens %1 betragen.", "The value entered must not be less than %1.", "El valor introducido no debe ser menor que %1.", "La valeur entr\xC3\xA9" "e ne doit pas \xC3\xAAtre inf\xC3\xA9rieure \xC3\xA0 %1.", "il valore inserito non deve essere inferiore a %1."}},
        {0x4004, {"Der eingegebene Wert darf maximal %1 betragen.", "The value entered must not be more than %1.", "El valor introducido no debe ser mayor que %1.", "La valeur entr\xC3\xA9" "e ne doit pas \xC3\xAAtre sup\xC3\xA9rieure \xC3\xA0 %1.", "Il valore inserito non deve essere superiore a %1."}},
        {0x4005, {"Das Fenster ist zu klein.", "The window is too small.", "La ventana es demasiado peque\xC3\xB1" "a.", "La fen\xC3\xAAtre est trop petite.", "La finestra \xC3\xA8 troppo piccola."}},
        {0x4006, {"Datei suchen", "Browse for File", "Buscar archivos", "Parcourir pour un fichier", "Sfoglia file"}},
        {0x4007, {"Durchsuchen...", "Browse...", "Examinar...", "Parcourir... ", "Sfoglia..."}},
        {0x4008, {"%s bearbeiten", "Edit %s", "Editar %s", "Modifier %s", "Modifica %s"}},
    };
    // clang-format on
    CModule * module = LibraryResourceModule();
    ASSERT_NE(module, nullptr);
    for (Case const & c : cases)
        for (std::size_t k = 0; k < std::size(kLanguages); ++k) {
            LocaleScope locale(kLanguages[k]);
            SCOPED_TRACE("string " + std::to_string(c.id) + " in " + std::to_string(kLanguages[k]));
            CResource const * res = CModule::LoadResource(CEntity(module, c.id), RT_STRING);
            ASSERT_NE(res, nullptr);
            EXPECT_EQ(res->GetLanguage(), kLanguages[k]);
            EXPECT_EQ(CString(CEntity(module, c.id)).Str(), c.texts[k]);
        }
}

TEST(LibraryResources, TheStringTableHoldsNothingElse) {
    // Only 0x4001 to 0x4008 in the five languages: 40 strings, none neutral.
    CModule * module = LibraryResourceModule();
    for (LCID language : kLanguages) {
        LocaleScope locale(language);
        for (UINT id : {0u, 1u, 0x4000u, 0x4009u, 0x400Au})
            EXPECT_EQ(CModule::LoadResource(CEntity(module, id), RT_STRING), nullptr) << id;
    }
}

TEST(LibraryResources, ArrowIsADownwardTriangle) {
    // Two white rows, then runs of 9, 7, 5, 3 and 1 centred on rows 3 to 7.
    std::vector<BlackRun> runs;
    for (int row = 3, length = 9; row <= 7; ++row, length -= 2)
        runs.push_back({row, (9 - length) / 2 + 1, length});
    std::vector<std::string> const expected = Draw(9, 9, runs);

    for (char const * name : {"ARROW", "arrow", "Arrow"}) {
        SCOPED_TRACE(name);
        CBitmapBits bits;
        ASSERT_TRUE(CBitmapBits::Load(CEntity(LibraryResourceModule(), name), bits));
        EXPECT_EQ(bits.GetWidth(), 9);
        EXPECT_EQ(bits.GetHeight(), 9);
        EXPECT_EQ(Picture(bits), expected);
    }
}

TEST(LibraryResources, CheckIsARightwardTriangle) {
    // Rows 3 to 11: runs from column 5 of 1, 2, 3, 4, 5, 4, 3, 2 and 1 pixels.
    std::vector<BlackRun> runs;
    int const lengths[] = {1, 2, 3, 4, 5, 4, 3, 2, 1};
    for (int k = 0; k < 9; ++k)
        runs.push_back({3 + k, 5, lengths[k]});
    std::vector<std::string> const expected = Draw(13, 13, runs);

    for (char const * name : {"CHECK", "check"}) {
        SCOPED_TRACE(name);
        CBitmapBits bits;
        ASSERT_TRUE(CBitmapBits::Load(CEntity(LibraryResourceModule(), name), bits));
        EXPECT_EQ(bits.GetWidth(), 13);
        EXPECT_EQ(bits.GetHeight(), 13);
        EXPECT_EQ(Picture(bits), expected);
    }
}

TEST(LibraryResources, BitmapsAreEnglishAndFoundUnderEveryLanguage) {
    for (LCID language : kLanguages)
        for (char const * name : {"ARROW", "CHECK"}) {
            LocaleScope locale(language);
            CResource const * res =
                CModule::LoadResource(CEntity(LibraryResourceModule(), name), RT_BITMAP);
            ASSERT_NE(res, nullptr) << name << " in " << language;
            EXPECT_EQ(res->GetLanguage(), 1033u);
        }
}

TEST(LibraryResources, PickListDialogInFiveLanguagesWithOneLayout) {
    struct Texts {
        LCID language;
        char const * group;
        char const * ok;
        char const * cancel;
    } const languages[] = {
        {1031, "&Optionen", "OK", "Abbrechen"},     {1033, "&Options", "OK", "Cancel"},
        {1034, "&Opciones", "Aceptar", "Cancelar"}, {1036, "&Options...", "OK", "Annuler"},
        {1040, "&Opzioni", "OK", "Annulla"},
    };
    DWORD const child = WS_CHILD | WS_VISIBLE;
    for (Texts const & t : languages) {
        LocaleScope locale(t.language);
        SCOPED_TRACE("language " + std::to_string(t.language));
        CResource const * res =
            CModule::LoadResource(CEntity(LibraryResourceModule(), "PickListDlg"), RT_DIALOG);
        ASSERT_NE(res, nullptr);
        EXPECT_EQ(res->GetLanguage(), t.language);

        CDialogTemplate dialog;
        ASSERT_TRUE(CDialogTemplate::Load(CEntity(LibraryResourceModule(), "PickListDlg"), dialog));
        EXPECT_EQ(dialog.GetCaption().Str(), "%s");
        EXPECT_EQ(dialog.GetStyle(), WS_POPUP | WS_CAPTION | WS_SYSMENU);
        EXPECT_EQ(dialog.GetExStyle(), 0u);
        EXPECT_EQ(dialog.GetX(), 0);
        EXPECT_EQ(dialog.GetY(), 0);
        EXPECT_EQ(dialog.GetCX(), 0);
        EXPECT_EQ(dialog.GetCY(), 0);
        EXPECT_EQ(dialog.GetFontSize(), 0u);
        EXPECT_TRUE(dialog.GetFontFace().IsEmpty());

        struct Expected {
            char const * className;
            UINT id;
            char const * text;
            int x, y, cx, cy;
            DWORD style;
        } const items[] = {
            {"button", 0, t.group, 4, 4, 150, 100, BS_GROUPBOX | child},
            {"listbox", 100, "", 10, 18, 138, 80,
             LBS_NOTIFY | LBS_DISABLENOSCROLL | WS_VSCROLL | WS_BORDER | WS_TABSTOP | child},
            {"button", 1, t.ok, 4, 108, 40, 14, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP | child},
            {"button", 2, t.cancel, 48, 108, 40, 14, BS_PUSHBUTTON | WS_TABSTOP | child},
        };
        ASSERT_EQ(dialog.GetItems().GetCount(), std::size(items));
        for (UINT i = 0; i < std::size(items); ++i) {
            SCOPED_TRACE("item " + std::to_string(i));
            CDialogTemplate::Item const & item = dialog.GetItems()[i];
            EXPECT_EQ(item.m_class.Str(), items[i].className);
            EXPECT_EQ(item.m_id, items[i].id);
            EXPECT_EQ(item.m_text.Str(), items[i].text);
            EXPECT_EQ(item.m_x, items[i].x);
            EXPECT_EQ(item.m_y, items[i].y);
            EXPECT_EQ(item.m_cx, items[i].cx);
            EXPECT_EQ(item.m_cy, items[i].cy);
            EXPECT_EQ(item.m_style, items[i].style);
            EXPECT_EQ(item.m_exStyle, 0u);
        }
    }
}

TEST(LibraryResources, WindowStyleValuesAreTheStandardOnes) {
    // The few whose values the templates above depend on most, and the composite ones.
    // clang-format off
    struct Case { char const * name; DWORD value, expected; } const cases[] = {
        {"WS_POPUP", WS_POPUP, 0x80000000},
        {"WS_CHILD", WS_CHILD, 0x40000000},
        {"WS_VISIBLE", WS_VISIBLE, 0x10000000},
        {"WS_CAPTION", WS_CAPTION, 0x00C00000},
        {"WS_BORDER", WS_BORDER, 0x00800000},
        {"WS_VSCROLL", WS_VSCROLL, 0x00200000},
        {"WS_SYSMENU", WS_SYSMENU, 0x00080000},
        {"WS_GROUP", WS_GROUP, 0x00020000},
        {"WS_TABSTOP", WS_TABSTOP, 0x00010000},
        {"LBS_NOTIFY", LBS_NOTIFY, 1},
        {"LBS_DISABLENOSCROLL", LBS_DISABLENOSCROLL, 0x1000},
        {"LBS_STANDARD", LBS_STANDARD, 0x00A00003},
        {"BS_GROUPBOX", BS_GROUPBOX, 7},
        {"BS_DEFPUSHBUTTON", BS_DEFPUSHBUTTON, 1},
        {"BS_OWNERDRAW", BS_OWNERDRAW, 0xB},
        {"WS_EX_CLIENTEDGE", WS_EX_CLIENTEDGE, 0x200},
        {"SS_WORDELLIPSIS", SS_WORDELLIPSIS, 0xC000},
    };
    // clang-format on
    for (Case const & c : cases)
        EXPECT_EQ(c.value, c.expected) << c.name;
}
