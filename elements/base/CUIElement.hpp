#pragma once

#include "CObject.hpp"
#include "CRect.hpp"
#include "CString.hpp"
#include "CUIData.hpp"
#include "WinConstants.hpp"
#include "vantorui_export.h"

#include <cstdint>

class CItem;
class CLayFormation;
class CLayItem;
class CWnd;
class IDataAccess;

// Shows and edits one property of one item. The element is bound to the item's accessor
// for its tag, keeps its own copy of the property's schema record, and is driven by its
// view through a fixed lifecycle: Bind, LayoutUI, CreateUI (controls made, then loaded),
// ShowUI, MoveUI after each layout pass, then any number of LoadUI, SaveUI (through
// NotifyUI), EnableUI, ShowUI and RenameUI, RebindUI when the view moves to another item of
// the same class, and deletion. Each public step calls a protected hook; the hooks of this
// base do nothing, so a bare element is valid and invisible.
//
// Hook contract: OnSave writes through the accessor only when the value shown differs from
// the stored one, then calls the accessor's NotifyWrite and returns 1 (else 0). OnNotify
// answers nonzero when the notification was one of the element's controls and a changed
// value was saved (or the code is codeForceUpdate); the view then reports a change of the
// element's item and tag. OnLoad reads and shows, never saves.
//
// An element whose item lacks its property keeps a null accessor; the elements of this
// library then show nothing and never call through it.
class VANTORUI_EXPORT CUIElement : public CObject {
    AFX_DECLARE_CLASS(CUIElement)
public:
    enum : unsigned int { modeNormal = 0, modeAltName = 1, modeTable = 2 };
    // A notification code that makes an element report a change without saving.
    static constexpr unsigned int codeForceUpdate = 0x1234;

    CUIElement() = default;
    CUIElement(CUIElement const &) = delete;
    CUIElement & operator=(CUIElement const &) = delete;
    ~CUIElement() override = default;

    // Text form of the value: UseTextMode is 1 for elements that have one.
    virtual int UseTextMode();
    virtual int SetAsText(CString text);
    virtual CString GetAsText();

    // Binds to the item's property for the record's tag. 0 when already bound (nothing
    // changes) or when the item has no such property (the item, record copy and mode stay
    // set, OnBind does not run); else OnBind runs and the answer is 1.
    int Bind(CItem * item, CUIData const * data, unsigned int mode);
    // Rebinds to another item: looks the accessor up again and reloads (OnRebind). A null
    // item lets go of the old one: the element then has no accessor, shows what an element
    // without its property shows and writes nothing.
    void RebindUI(CItem * item);
    // The same without touching the controls, for the text interface.
    void RebindUIForText(CItem * item);

    CItem * GetItem() const { return m_item; }
    IDataAccess * GetDataAccess() const { return m_data; }
    CUIData const & GetUIData() const { return m_ui; }
    CString GetTag() { return m_ui.m_tag; }
    // The label by mode, and the name a label is made of.
    CString GetName();
    CString GetLabel();
    CString GetFormat() { return m_ui.m_format; }
    unsigned int GetMode() const { return m_mode; }
    // The rectangle of the element's layout item; requires a layout (after LayoutUI).
    CRect GetRect();
    int IsVisible() const { return m_visible; }
    // Replaces the format; Bind copies the record over it, so force it after Bind.
    void ForceFormat(char const * format);

    void LayoutUI(CLayFormation * form);
    void CreateUI(CWnd & parent, unsigned int & id);
    void ShowUI(int show);
    void EnableUI(int enable);
    void MoveUI();
    void LoadUI();
    void UpdateUI();
    // Null renames to GetName().
    void RenameUI(char const * name);
    unsigned int SaveUI(int flag);
    int NotifyUI(unsigned int id, unsigned int code);
    int NotifyUI(unsigned int id, NMHDR & hdr);

protected:
    virtual void OnBind();
    virtual void OnRebind();
    virtual void OnLayout(CLayFormation * form);
    // Control identifiers: `id` is the view's counter, which starts at 1000 on each page. A
    // control whose notifications the element claims takes the current value and advances
    // it (id++), one per control, in creation order; the view routes to its elements only
    // identifiers from its first one to below the counter. Texts that notify nobody take a
    // fixed identifier instead (0 for labels, noId for heads) and leave the counter alone.
    virtual void OnCreate(CWnd & parent, unsigned int & id);
    virtual void OnShow(int show);
    virtual void OnEnable(int enable);
    virtual void OnMove();
    virtual void OnRename(char const * name);
    virtual void OnLoad();
    virtual unsigned int OnSave(int flag);
    virtual int OnNotify(unsigned int id, NMHDR & hdr);
    // `code` is the notification code of a WM_COMMAND; for a scroll bar's WM_HSCROLL or
    // WM_VSCROLL it is the scroll code in the high word and the thumb position's low 16 bits
    // in the low word. While it runs the element may load itself and write its property, and
    // its item's OnUIChange (which runs after the element answers nonzero) may update,
    // enable, show or rename any element of the view; neither may add or delete elements.
    virtual int OnNotify(unsigned int id, unsigned int code);

    void DoRename(CWnd *, char const *, int) {}

    // The accessor round trips of the load and save hooks. Without an accessor (the item
    // lacks the property) nothing is read or written: reads give 0 or an empty text.
    int ReadInteger();
    CString ReadString();
    // Writes the value and calls the accessor's NotifyWrite, as a save does after deciding
    // that the value changed.
    void WriteInteger(int value);
    void WriteString(CString const & text);
    // The whole save of most editors: writes (with NotifyWrite) only when the value differs
    // from the stored one (texts compared with CStrPtr::CompareC); 1 when written, else 0.
    unsigned int CommitInteger(int value);
    unsigned int CommitString(CString const & text);

    CItem * m_item = nullptr;
    IDataAccess * m_data = nullptr;
    CLayItem * m_layout = nullptr; // owned by the layout tree it was added to
    CUIData m_ui;
    std::uint32_t m_mode = modeNormal;
    int m_visible = 0;
    // SaveUI calls in progress: hooks ignore notifications their own saving raises.
    std::uint32_t m_saving = 0;
};
