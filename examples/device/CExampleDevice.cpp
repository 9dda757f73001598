#include "CExampleDevice.hpp"

#include "CEntity.hpp"
#include "CItemDialog.hpp"
#include "CUIDropDown.hpp"
#include "CUIEditInteger.hpp"
#include "CUIItemViewWnd.hpp"
#include "CUIMillivoltEdit.hpp"
#include "CUISchema.hpp"
#include "CUIViewWnd.hpp"
#include "ExampleModule.hpp"

#include <algorithm>

namespace {

// The library's own texts, in the thread's language.
enum : UINT {
    idsDetails = 1,
    idsDetailsTip,
    idsLock,
    idsLockTip,
    idsOutput,
    idsHidden,
    idsOutputGroup,
    idsOptions,
    idsSettings
};

CString Text(UINT id) {
    return CString(CEntity(ExampleModule(), id));
}

// Current limits in hundredths of an ampere, and the voltage (millivolts) above which the
// lower one applies.
constexpr LONG currentMax = 500;
constexpr LONG currentMaxHigh = 300;
constexpr LONG highVoltage = 15000;

// Profiles of the pick list and the regulation modes each offers (bits of positions).
enum : LONG { profileStandard = 0, profileBattery, profileLed, profileCustom };
constexpr unsigned int modeCount = 4;

// The flag records: check boxes in bit mode, all bound to the "Flags" property.
constexpr char const * flagRecords[] = {"FlagBeep", "FlagLock", "FlagRemote"};

} // namespace

AFX_IMPLEMENT_DYNCREATE(CExampleDevice, CUIItem)

void CExampleDevice::AddMetaData() {
    CUIItem::AddMetaData();
    AddMeta("Name", metaString, &CExampleDevice::m_name);
    AddMeta("Password", metaString, &CExampleDevice::m_password);
    AddMeta("Voltage", metaInteger, &CExampleDevice::m_voltage);
    AddMeta("Current", metaInteger, &CExampleDevice::m_current);
    AddMeta("Mode", metaInteger, &CExampleDevice::m_mode);
    AddMeta("Enabled", metaInteger, &CExampleDevice::m_enabled);
    AddMeta("Sense", metaInteger, &CExampleDevice::m_sense);
    AddMeta("Ramp", metaInteger, &CExampleDevice::m_ramp);
    AddMeta("Level", metaInteger, &CExampleDevice::m_brightness);
    AddMeta("Fan", metaInteger, &CExampleDevice::m_fan);
    AddMeta("Address", metaUnsigned, &CExampleDevice::m_address);
    AddMeta("Register", metaUnsigned, &CExampleDevice::m_register);
    AddMeta("Terminator", metaInteger, &CExampleDevice::m_terminator);
    AddMeta("Baud", metaInteger, &CExampleDevice::m_baud);
    AddMeta("Flags", metaInteger, &CExampleDevice::m_flags);
    AddMeta("Action", metaInteger, &CExampleDevice::m_action);
    AddMeta("TripTime", metaInteger, &CExampleDevice::m_tripTime);
    AddMeta("Profile", metaInteger, &CExampleDevice::m_profile);
    AddMeta("Alarms", metaInteger, &CExampleDevice::m_alarms);
    AddMeta("More", metaInteger, &CExampleDevice::m_more);
    AddMeta("FirmwareFile", metaString, &CExampleDevice::m_firmwareFile);
    AddMeta("LogFolder", metaString, &CExampleDevice::m_logFolder);
    AddMeta("Model", metaString, &CExampleDevice::m_model);
    AddMeta("Firmware", metaString, &CExampleDevice::m_firmware);
    AddMeta("Limits", metaString, &CExampleDevice::m_limits);
}

CViewWnd * CExampleDevice::CreateItemView() {
    return new CUIItemViewWnd(m_viewPage);
}

void CExampleDevice::LoadUI(CUIViewWnd * view, unsigned int page) {
    CUIItem::LoadUI(view, page);
    if (page == settingsPage) {
        AddFlagsGroup(view);
        return;
    }
    if (page != 0)
        return;
    AddOutputGroup(view);
    view->StartGroup(2);
    view->AddButton(Text(idsDetails), Text(idsDetailsTip), idDetails);
    view->AddButton(Text(idsLock), Text(idsLockTip), idLock);
    view->EndGroup(0);
}

// The voltage is stored in millivolts but shown in volts by an element class of this
// library, which a schema record cannot name: it is made and bound here, with the record the
// schema has for the voltage. The view follows an element it is handed with a blank cell, so
// the voltage ends the group, where that cell starts no row of its own.
void CExampleDevice::AddOutputGroup(CUIViewWnd * view) {
    CUISchema schema(this);
    view->StartGroup(Text(idsOutputGroup), 1);
    for (char const * tag : {"Mode", "Enabled", "Sense", "Level", "Current"})
        view->AddUI(this, "root", tag);
    if (CUIData const * record = schema.GetUIData("Voltage")) {
        auto * voltage = new CUIMillivoltEdit;
        voltage->Bind(this, record, CUIElement::modeNormal);
        view->AddElement(voltage);
    }
    view->EndGroup(1);
}

// Three check boxes edit one bit each of the flags; their records carry the texts and the
// bit numbers under tags of their own, and are added bound to the flags property.
void CExampleDevice::AddFlagsGroup(CUIViewWnd * view) {
    CUISchema schema(this);
    view->StartGroup(Text(idsOptions), 1);
    for (char const * tag : flagRecords) {
        CUIData const * record = schema.GetUIData(tag);
        if (!record)
            continue;
        CUIData flag = *record;
        flag.m_tag = "Flags";
        view->AddUI(this, "root", &flag);
    }
    view->EndGroup(1);
}

void CExampleDevice::LimitCurrent(CUIViewWnd * view) {
    auto * current = dynamic_cast<CUIEditInteger *>(view->FindUI(this, "Current"));
    if (!current)
        return;
    LONG const highest = m_voltage > highVoltage ? currentMaxHigh : currentMax;
    current->SetMax(highest);
    if (m_current > highest)
        m_current = highest;
    view->UpdateUI(this, "Current");
}

void CExampleDevice::NarrowModes(CUIViewWnd * view) {
    auto * mode = dynamic_cast<CUIDropDown *>(view->FindUI(this, "Mode"));
    if (!mode)
        return;
    unsigned long mask = 0;
    unsigned int last = modeCount;
    if (m_profile == profileBattery)
        last = 2;
    else if (m_profile == profileLed)
        mask = 0b1010;
    mode->SetMin(0);
    mode->SetMax(last);
    mode->SetMask(mask);
    bool const offered = m_mode >= 0 && static_cast<unsigned int>(m_mode) < last &&
                         (mask == 0 || ((mask >> m_mode) & 1) != 0);
    if (!offered) {
        m_mode = m_profile == profileLed ? 1 : 0;
        SetDirty();
        view->UpdateUI(this, "Mode");
    }
}

// The settings page is shown by the item's own view in an item dialog: while it runs, the
// item makes views of that page.
void CExampleDevice::ShowSettings(CUIViewWnd * view) {
    m_viewPage = settingsPage;
    CItemDialog dialog(this, Text(idsSettings));
    dialog.Execute(view);
    m_viewPage = 0;
    view->UpdateUI(this);
}

void CExampleDevice::OnUIChange(CUIViewWnd * view, CItem * item, CString tag) {
    if (item != this)
        return;
    if (tag == CString("Button7F01")) {
        m_detailsShown = !m_detailsShown;
        view->ShowUI(this, "Model", m_detailsShown);
        view->ShowUI(this, "Firmware", m_detailsShown);
        view->RenameUI("RowLabel0", Text(m_detailsShown ? idsOutput : idsHidden));
    } else if (tag == CString("Button7F02")) {
        m_locked = !m_locked;
        view->EnableUI(this, "Model", !m_locked);
        view->EnableUI(this, "Firmware", !m_locked);
    } else if (tag == CString("Voltage")) {
        LimitCurrent(view);
    } else if (tag == CString("Profile")) {
        NarrowModes(view);
    } else if (tag == CString("Action")) {
        if (m_action == 0)
            m_alarms = 0;
        else
            m_voltage = 0;
        SetDirty();
        view->UpdateUI(this);
        LimitCurrent(view);
    } else if (tag == CString("More")) {
        ShowSettings(view);
    } else if (tag.IsEmpty()) {
        // An enable pass applies the rules and the lock again.
        LimitCurrent(view);
        NarrowModes(view);
        if (m_locked) {
            view->EnableUI(this, "Model", FALSE);
            view->EnableUI(this, "Firmware", FALSE);
        }
    }
}
