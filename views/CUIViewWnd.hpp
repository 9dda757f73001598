#pragma once

#include "CArray.hpp"
#include "CDialogViewWnd.hpp"
#include "CMap.hpp"
#include "CRect.hpp"
#include "CString.hpp"
#include "CUIElement.hpp"
#include "WinConstants.hpp"
#include "vantorui_export.h"

class CDC;
class CEntity;
class CItem;
class CLayFormation;
class CUIToolTip;
struct CUIData;
class CUIElement;
class CUISchema;

// The window in which elements live. An item (or a page script) fills it with pages of
// groups, tables and overlays of elements; the view lays them out inside its border, creates
// their controls, routes every control notification to the element that owns the control,
// and tells the items of each change so that they can update, enable, show and rename other
// elements through it.
//
// Building: StartPage, then groups (StartGroup ... EndGroup), tables (StartTable, AddColHead,
// AddRowHead, AddUI ... EndTable) and overlays (StartOverlay ... EndOverlay), then EndPage.
// Building out of order (no page started, no group open where one is needed, a page or group
// of no columns or of more than maxColumns, EndOverlay without StartOverlay) is refused: an "ERROR:
// " trace line says what was wrong and the resource exception is thrown; what was built stays
// usable. A tag missing from the schema or an element class that cannot be created throws the same
// way. A page whose building throws while the window is being created shows what was built.
//
// Changes: an element that saved a new value makes the view call SendChange(item, tag): the
// item's CUIItem::OnUIChange, then the view's own OnUIChange. An enable pass sends the empty
// tag; a button with a command from 0x7F00 to 0x7FFF sends "Button%4.4X".
//
// Notifications: controls take identifiers from m_firstId (1000) upward as elements create
// them (see CUIElement::OnCreate); WM_COMMAND, WM_NOTIFY and scroll messages from identifiers
// from m_firstId to below m_nextId are offered to the elements in page order. A command or
// notification goes to the element that took its identifier (to every element in order only
// when none took it) and stops at the first that answers nonzero; a scroll message, packed as
// (scroll code << 16) | (thumb position & 0xFFFF), is offered to every element. Commands from
// 0x8000 up go to the main window, 0x7F00 to 0x7FFF are view buttons, IDOK commits the edit
// of the focused control. Inside these handlers and the item's OnUIChange an element may be
// loaded, saved, enabled, shown, renamed or moved; pages are not built or torn down there.
//
// When the client area is too small for the page, every element is hidden and the view shows
// "The window is too small." (in the thread's language) until it grows back.
class VANTORUI_EXPORT CUIViewWnd : public CDialogViewWnd {
    AFX_DECLARE_CLASS(CUIViewWnd)
    AFX_DECLARE_CONSTRUCT(CUIViewWnd)
    AFX_DECLARE_MESSAGE_MAP()
public:
    // The most columns a page, group or table may have: far above any real page, low enough
    // that completing a row cell by cell and every size computed from a count stay small.
    static constexpr unsigned int maxColumns = 256;

    CUIViewWnd();
    ~CUIViewWnd() override;

    // Geometry: the margins between the client area and the page, and the page's limits
    // (after a layout pass; a page must have been started).
    CRect GetBorder() { return m_border; }
    void SetBorder(CRect const & border) { m_border = border; }
    CRect GetUIRect();
    CSize GetMinSize();
    CSize GetMaxSize();

    // Page building.
    void StartPage(unsigned int cols);
    void StartOverlay();
    void EndOverlay();
    void StartGroup(char const * name, unsigned int cols, int equal);
    void StartGroup(unsigned int cols);
    void StartGroup(char const * name, unsigned int cols);
    void StartTable(char const * name, unsigned int cols);
    void AddColHead(char const * text);
    void AddColHeadExtraRow();
    void AddRowHead(char const * text);
    // Adds the element of a tag of the item a path leads to ("root": the item itself, else
    // the tag of an item-valued property). An empty tag adds an empty cell. 0 when the path
    // leads nowhere (nothing is added), else 1.
    int AddUI(CItem * item, CString path, CString tag);
    int AddUI(CItem * item, CString path, CUIData const * data);
    // An empty text adds an empty cell.
    void AddButton(char const * text, char const * tip, unsigned int id);
    void AddButton(char const * text, unsigned int id);
    // Adds an element the caller made and bound; the view owns it from then on (also when it
    // refuses it). It is not entered in the dictionary.
    void AddElement(CUIElement * element);
    void EndGroup(int pad);
    void EndTable();
    void EndPage(int pad);
    // Runs a page script against an item, inside a page the caller started and ends
    // (embedded nonzero) or as the whole page. 0 when the script resource is missing.
    int LoadPage(CItem * item, CEntity const & page, int embedded);

    // Lookup by tag (the first element entered under it) or by item and tag.
    CUIElement * FindUI(char const * tag) const;
    CUIElement * FindUI(CItem * item, char const * tag) const;
    UINT GetElementCount() const { return m_elements.GetCount(); }
    CUIElement * GetElementAt(UINT index) const { return m_elements[index]; }

    // Creates every element's controls, loads and shows them.
    void CreateUI();
    // Lays the page out in the client area; hides or shows the elements when that changes
    // whether it fits. Moves no control: MoveUI does.
    void LayoutUI();
    void MoveUI();

    // What items call from OnUIChange.
    void UpdateUI();
    void UpdateUI(CItem * item);
    BOOL UpdateUI(CItem * item, char const * tag);
    BOOL UpdateUI(char const * tag);
    void EnableUI(BOOL enable);
    void EnableUI(CItem * item, BOOL enable);
    BOOL EnableUI(CItem * item, char const * tag, BOOL enable);
    BOOL EnableUI(char const * tag, BOOL enable);
    void ShowUI(BOOL show);
    void ShowUI(CItem * item, BOOL show);
    BOOL ShowUI(CItem * item, char const * tag, BOOL show);
    BOOL ShowUI(char const * tag, BOOL show);
    BOOL RenameUI(char const * tag, char const * name);

protected:
    virtual void OnUICreate() {}
    virtual void OnUIChange(CItem *, CString) {}
    void OnAttach() override;

    void AddToDict(CUIElement * element);
    CItem * GetObjectA(CItem * item, CString path);
    CString GetLongName(CUIElement * element);
    CString GetLongName(CItem * item, CString tag);
    void LoadSchema(CItem * item);
    void FreeSchema();

    void SendChange(CItem * item, CString tag);
    void SendEnable(CItem * item);
    void SendEnable();

    // Message handlers.
    void OnPostCreate();
    void OnCancelMode();
    void OnSetCurrent(BOOL current);
    void OnDestroy();
    void OnPaint();
    void OnPaint(CDC & dc);
    BOOL OnEraseBkGnd(CDC & dc);
    void OnSize(UINT type, CSize size);
    void OnGetMinMaxInfo(MINMAXINFO & info);
    BOOL OnCommand(UINT id, UINT code, CWnd & ctrl);
    BOOL OnNotify(UINT id, NMHDR & header);
    void OnFocusNotify(UINT, CWnd & ctrl);
    void OnSetFocus(CWnd & old);
    void OnShowWindow(BOOL show, UINT status);
    void OnHScroll(UINT code, int pos, CWnd & bar);
    void OnVScroll(UINT code, int pos, CWnd & bar);
    void OnScroll(UINT code, int pos, CWnd & bar);
    BOOL OnBalloonMod(UINT id);
    LRESULT OnToolShow(UINT id, NMHDR & header);

    // Balloon help (the main window's balloon mode): one tool per element with a tip.
    void CreateToolTip();
    void AddToolTips(BOOL tracking);
    void MoveToolTips();
    // In tracking mode, shows the balloon of the element that holds `ctrl` (null hides).
    void TrackToolTip(CWnd * ctrl);
    void HideToolTip();
    void DestroyToolTip();
    // Moves a balloon beside an element (client coordinates) and into screen coordinates.
    void PlaceToolRect(CRect & tip, CRect const & element, BOOL right, BOOL below);

    CRect m_border;
    int m_fits = 0;
    CLayFormation * m_root = nullptr;
    CLayFormation * m_group = nullptr;
    CLayFormation * m_outer = nullptr;
    CUISchema * m_schema = nullptr;
    CUIToolTip * m_toolTip = nullptr;
    int m_tracking = 0;
    // The control that last reported the focus, by handle so that a destroyed one is seen.
    HWND m_focus = nullptr;
    unsigned int m_toolId = 0;
    int m_inTable = 0;
    unsigned int m_pageCols = 0;
    unsigned int m_pageCells = 0;
    unsigned int m_groupCols = 0;
    unsigned int m_groupCells = 0;
    CString m_groupName;
    CArray<CUIElement *> m_elements{16};
    CArray<CString> m_paths{16};
    CMap<CString, CUIElement *> m_dict;
    unsigned int m_firstId = 1000;
    unsigned int m_nextId = 1000;
    CString m_footText;

private:
    // Refusals of building out of order: a trace line, then the resource exception.
    [[noreturn]] static void Refuse(char const * what);
    void RequirePage(char const * operation) const;
    void RequireGroup(char const * operation) const;
    static void RequireColumns(unsigned int cols, char const * what);
    // Formations that building replaced before they joined the page: the elements laid out
    // in them keep pointers into them, so they live as long as the view.
    void Discard(CLayFormation * formation);
    void AddHeading(CString const & tag, char const * text);
    void AddBlanks(CLayFormation * form, unsigned int count, int size);
    void SetPageGrid(unsigned int cols);
    void RunScriptLine(CItem * item, CString const & line, int embedded, char const * name);
    // The cells of a group or row line, from fields[first] on, for the item `path` leads to.
    void AddScriptCells(CItem * item, CString const & path, CArray<CString> const & fields,
                        UINT first, char const * name);

    CArray<CLayFormation *> m_discarded{4};
    // The element that took each control identifier, by identifier less m_firstId, so that
    // a notification reaches its element without a walk over the page.
    CArray<CUIElement *> m_idOwners{16};
    CUIElement * IdOwner(UINT id) const;
    // Offers a WM_COMMAND code or a WM_NOTIFY header to the element that took the identifier,
    // or, for an identifier no element took, to every element in order until one answers;
    // the answering element's change is sent. 1 when an element answered.
    template <class Notification>
    int Offer(UINT id, Notification & notification) {
        if (CUIElement * owner = IdOwner(id))
            return Answered(owner, owner->NotifyUI(id, notification));
        for (UINT i = 0; i < m_elements.GetCount(); ++i)
            if (Answered(m_elements[i], m_elements[i]->NotifyUI(id, notification)))
                return 1;
        return 0;
    }
    // Sends the change of an element that answered a notification; 1 when it did.
    int Answered(CUIElement * element, int answer);
    // The tooltip's window, to notice that it went with the main window that owns it.
    HWND m_toolTipWnd = nullptr;
    CUIToolTip * ToolTip();
};
