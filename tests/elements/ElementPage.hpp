#pragma once

#include "AfxLocale.hpp"
#include "CAutomation.hpp"
#include "CEntity.hpp"
#include "CInput.hpp"
#include "CRuntimeClass.hpp"
#include "CTestView.hpp"
#include "CUIData.hpp"
#include "CUIElement.hpp"
#include "VantorUIModule.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// A schema record of the test item's property `tag` shown by the library's element class
// `cls`, labelled `label` (the tag when none is given).
inline CUIData ElementRecord(char const * cls, char const * tag, char const * format,
                             char const * label = nullptr) {
    CUIData data;
    data.m_tag = tag;
    data.m_label = label ? label : tag;
    data.m_labelAlt = data.m_label;
    data.m_class = CRuntimeClass::FindClass(CEntity(VantorUIModule(), cls));
    data.m_format = format;
    return data;
}

// A page of elements of an `Item` on a visible frame of the headless device, in the English
// locale: one group of one column pair holding the records a test gives.
template <class Item>
class ElementPage : public ::testing::Test {
protected:
    void SetUp() override {
        CAutomation::Start();
        SetThreadLocale(1033);
        m_item.Init();
    }
    void TearDown() override {
        if (m_frame.GetSafeHwnd())
            m_frame.DestroyWindow();
        CAutomation::Pump();
        CInput::ReleaseAll();
        SetThreadLocale(1033);
        CAutomation::Stop();
    }

    // Builds the page on a new frame (the last page goes with the old one); `before` runs
    // after the elements were added, before their controls exist. The item has heard
    // nothing yet, is clean, and no message box has been shown.
    CTestView & Show(std::vector<CUIData> records,
                     std::function<void(CTestView &)> before = nullptr) {
        if (m_frame.GetSafeHwnd())
            m_frame.DestroyWindow();
        EXPECT_TRUE(m_frame.Create(nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 800, 600),
                                   nullptr, 0));
        m_records = std::move(records);
        m_view = new CTestView;
        m_view->m_build = [this, before](CTestView & view) {
            view.StartPage(1);
            view.StartGroup(1);
            for (CUIData const & record : m_records)
                view.AddUI(&m_item, "root", &record);
            view.EndGroup(0);
            view.EndPage(0);
            if (before)
                before(view);
        };
        m_view->Attach(&m_item);
        EXPECT_TRUE(m_view->Create(&m_frame, CRect(0, 0, 800, 600), 10));
        CAutomation::Pump();
        m_item.m_heard.clear(); // the enable pass of the new page
        m_item.SetDirty(FALSE);
        m_view->m_changes.clear();
        CAutomation::ClearMessageBoxTexts();
        return *m_view;
    }
    CTestView & Show(CUIData record) { return Show(std::vector<CUIData>{record}); }
    // The view's child window of an identifier; the first element's control is 1000.
    CWnd * Control(UINT id) { return m_view->GetDlgItem(id); }

    Item m_item;
    CWnd m_frame;
    CTestView * m_view = nullptr;
    std::vector<CUIData> m_records;
};
