#pragma once

#include "CAutomation.hpp"
#include "CChoiceItem.hpp"
#include "CComboBox.hpp"
#include "CEntity.hpp"
#include "CInput.hpp"
#include "CRuntimeClass.hpp"
#include "CTestView.hpp"
#include "CUIData.hpp"
#include "CUIElement.hpp"
#include "VantorUIModule.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A record of an element class of the library, labelled with its tag.
inline CUIData ChoiceRecord(char const * tag, char const * cls, char const * format) {
    CUIData data;
    data.m_tag = tag;
    data.m_label = tag;
    data.m_labelAlt = tag;
    data.m_class = CRuntimeClass::FindClass(CEntity(VantorUIModule(), cls));
    data.m_format = format;
    return data;
}

// A visible frame on the headless device holding one view of a CChoiceItem whose page holds
// the records a test gives, one group of one column pair.
class ChoiceFixture : public ::testing::Test {
protected:
    void SetUp() override {
        CAutomation::Start();
        ASSERT_TRUE(m_frame.Create(nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 800, 600),
                                   nullptr, 0));
    }
    void TearDown() override {
        m_frame.DestroyWindow();
        CAutomation::Pump();
        CInput::ReleaseAll();
        CAutomation::Stop();
    }

    // Builds the page; `before` runs after the elements were added, before their controls
    // exist. The heard changes start empty.
    CTestView & Show(std::vector<CUIData> records,
                     std::function<void(CTestView &)> before = nullptr) {
        m_records = std::move(records);
        m_view = new CTestView;
        m_view->m_build = [this, before](CTestView & v) {
            v.StartPage(1);
            v.StartGroup(1);
            for (CUIData const & record : m_records)
                v.AddUI(v.GetItem(), "root", &record);
            v.EndGroup(0);
            v.EndPage(0);
            if (before)
                before(v);
        };
        m_view->Attach(&m_item);
        EXPECT_TRUE(m_view->Create(&m_frame, CRect(0, 0, 800, 600), 10));
        CAutomation::Pump();
        m_item.m_heard.clear();
        m_item.SetDirty(FALSE);
        return *m_view;
    }
    CWnd * Control(UINT id) { return m_view->GetDlgItem(id); }
    CComboBox * Combo(UINT id = 1000) { return static_cast<CComboBox *>(Control(id)); }
    // The texts a combo box lists, joined by ",".
    std::string Listed(UINT id = 1000) {
        std::string texts;
        for (int i = 0; i < Combo(id)->GetCount(); ++i)
            texts += (i ? "," : "") + std::string(Combo(id)->GetLBText(i).Str());
        return texts;
    }
    std::string Selected(UINT id = 1000) {
        int const sel = Combo(id)->GetCurSel();
        return sel == CB_ERR ? "-" : Combo(id)->GetLBText(sel).Str();
    }

    CWnd m_frame;
    CChoiceItem m_item;
    CTestView * m_view = nullptr;
    std::vector<CUIData> m_records;
};
