#pragma once

#include "AfxLocale.hpp"
#include "CAutomation.hpp"
#include "CEntity.hpp"
#include "CPickerTestItem.hpp"
#include "CRuntimeClass.hpp"
#include "CTestView.hpp"
#include "CUIData.hpp"
#include "CUIElement.hpp"
#include "VantorUIModule.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

// A record of the test item's property `tag` shown by the element class `cls`.
inline CUIData PickerRecord(char const * cls, char const * tag, char const * format,
                            char const * label = "Level") {
    CUIData data;
    data.m_tag = tag;
    data.m_label = label;
    data.m_labelAlt = label;
    data.m_class = CRuntimeClass::FindClass(CEntity(VantorUIModule(), cls));
    data.m_format = format;
    return data;
}

using Texts = std::vector<std::string>;

// A page of pickers on a visible frame of the headless device, in the English locale.
class PickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        CAutomation::Start();
        SetThreadLocale(1033);
        m_item.Init();
    }
    void TearDown() override {
        m_frame.DestroyWindow();
        SetThreadLocale(1033);
        CAutomation::Stop();
    }

    // Builds a page of the records on a new frame (the last page goes with the old one). The
    // item has heard nothing yet, and no message box has been shown.
    void Show(std::vector<CUIData> records) {
        if (m_frame.GetSafeHwnd())
            m_frame.DestroyWindow();
        ASSERT_TRUE(m_frame.Create(nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 800, 600),
                                   nullptr, 0));
        m_records = std::move(records);
        m_view = new CTestView;
        m_view->m_build = [this](CTestView & view) {
            view.StartPage(1);
            view.StartGroup(1);
            for (CUIData const & record : m_records)
                view.AddUI(&m_item, "root", &record);
            view.EndGroup(0);
            view.EndPage(0);
        };
        m_view->Attach(&m_item);
        EXPECT_TRUE(m_view->Create(&m_frame, CRect(0, 0, 800, 600), 10));
        CAutomation::Pump();
        m_item.m_heard.clear(); // the enable pass of the new page
        m_view->m_changes.clear();
        CAutomation::ClearMessageBoxTexts();
    }
    void Show(CUIData record) { Show(std::vector<CUIData>{record}); }

    // The view's child window of an identifier; the first picker's field is 1000, its
    // button 1001.
    CWnd * Control(UINT id) { return m_view->GetDlgItem(id); }
    void Press() { CAutomation::Click(Control(1001)); }
    static Texts MessageBoxTexts() {
        Texts texts;
        for (CString const & text : CAutomation::GetMessageBoxTexts())
            texts.push_back(text.Str());
        return texts;
    }

    CPickerTestItem m_item;
    CWnd m_frame;
    CTestView * m_view = nullptr;
    std::vector<CUIData> m_records;
};
