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

// A page of one picker on a visible frame of the headless device, in the English locale.
class PickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        CAutomation::Start();
        SetThreadLocale(1033);
        m_item.Init();
        MakeFrame();
    }
    void TearDown() override {
        m_frame.DestroyWindow();
        SetThreadLocale(1033);
        CAutomation::Stop();
    }

    // A new frame for the next page of a table-driven test; the old page goes with the old one.
    void MakeFrame() {
        if (m_frame.GetSafeHwnd())
            m_frame.DestroyWindow();
        ASSERT_TRUE(m_frame.Create(nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 800, 600),
                                   nullptr, 0));
    }

    // Builds a page of the records (in a table when `table`) and returns the first element;
    // the item has heard nothing yet.
    CUIElement & Show(std::vector<CUIData> records, bool table = false) {
        m_records = std::move(records);
        m_view = new CTestView;
        m_view->m_build = [this, table](CTestView & view) {
            view.StartPage(1);
            if (table)
                view.StartTable("", 1);
            else
                view.StartGroup(1);
            for (CUIData const & record : m_records)
                view.AddUI(&m_item, "root", &record);
            if (table)
                view.EndTable();
            else
                view.EndGroup(0);
            view.EndPage(0);
        };
        m_view->Attach(&m_item);
        EXPECT_TRUE(m_view->Create(&m_frame, CRect(0, 0, 800, 600), 10));
        CAutomation::Pump();
        m_item.m_heard.clear(); // the enable pass of the new page
        m_view->m_changes.clear();
        return *m_view->GetElementAt(0);
    }
    CUIElement & Show(CUIData record) { return Show(std::vector<CUIData>{record}); }

    // The view's child windows of an identifier.
    CWnd * Control(UINT id) { return m_view->GetDlgItem(id); }
    // Presses the button of the first picker (identifier 1001).
    void Press() { CAutomation::Click(Control(1001)); }

    CPickerTestItem m_item;
    CWnd m_frame;
    CTestView * m_view = nullptr;
    std::vector<CUIData> m_records;
};
