#pragma once

#include "AfxTrace.hpp"
#include "CAutomation.hpp"
#include "CResourceException.hpp"
#include "CTestView.hpp"
#include "CUIElement.hpp"
#include "ViewTestItems.hpp"
#include "WindowStyles.hpp"

#include <gtest/gtest.h>

// A visible frame on the headless device holding one view of a device with a channel.
class ViewFixture : public ::testing::Test {
protected:
    void SetUp() override {
        CAutomation::Start();
        m_device.m_channel = &m_channel;
        ASSERT_TRUE(m_frame.Create(nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 800, 600),
                                   nullptr, 0));
    }
    void TearDown() override {
        m_frame.DestroyWindow();
        CAutomation::Stop();
    }

    // Makes a view that builds its page with `build`, attaches it to the device and creates
    // it in m_parent. The view belongs to its window.
    CTestView & MakeView(std::function<void(CTestView &)> build,
                         CRect rect = CRect(0, 0, 800, 600)) {
        m_view = new CTestView;
        m_view->m_build = std::move(build);
        m_view->Attach(&m_device);
        EXPECT_TRUE(m_view->Create(m_parent, rect, 10));
        CAutomation::Pump();
        return *m_view;
    }
    // The tags of the view's elements in order.
    std::vector<std::string> Tags() const {
        std::vector<std::string> tags;
        for (UINT i = 0; i < m_view->GetElementCount(); ++i)
            tags.push_back(m_view->GetElementAt(i)->GetTag().Str());
        return tags;
    }

    CViewDevice m_device;
    CViewChannel m_channel;
    CWnd m_frame;
    CTestView * m_view = nullptr;
    // Where MakeView puts its views.
    CWnd * m_parent = &m_frame;
};
