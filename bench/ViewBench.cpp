// Building a page of n elements in a view (schema record to element, binding, layout,
// control creation, loading, enable pass), laying it out again on resize, and tearing it
// down, on the headless device.

#include "CAutomation.hpp"
#include "CEntity.hpp"
#include "CRuntimeClass.hpp"
#include "CUIData.hpp"
#include "CUIItem.hpp"
#include "CUIViewWnd.hpp"
#include "VantorUIModule.hpp"
#include "WindowStyles.hpp"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

class CBenchItem : public CUIItem {
public:
    CString m_text = "value";

protected:
    void AddMetaData() override {
        CUIItem::AddMetaData();
        AddMeta("Text", metaString, &CBenchItem::m_text);
    }
};

// A view of n fixed texts in groups of ten, two groups to a row.
class CBenchView : public CUIViewWnd {
public:
    explicit CBenchView(int count) : m_count(count) {
        m_record.m_tag = "Text";
        m_record.m_label = m_record.m_labelAlt = "Property";
        m_record.m_class = CRuntimeClass::FindClass(CEntity(VantorUIModule(), "CUIStatic"));
        m_record.m_format = "XXXXXXXXXXXX";
    }

protected:
    void OnUICreate() override {
        StartPage(2);
        for (int i = 0; i < m_count; i += 10) {
            StartGroup("Group", 1);
            for (int j = i; j < i + 10 && j < m_count; ++j)
                AddUI(GetItem(), "root", &m_record);
            EndGroup(0);
        }
        EndPage(0);
    }

private:
    int m_count;
    CUIData m_record;
};

struct CPage {
    CWnd frame;
    CBenchView * view = nullptr;

    CPage(CBenchItem & item, int count) {
        frame.Create(nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 4000, 4000), nullptr, 0);
        view = new CBenchView(count);
        view->Attach(&item);
        view->Create(&frame, CRect(0, 0, 4000, 100000), 1);
        CAutomation::Pump();
    }
    ~CPage() { frame.DestroyWindow(); }
};

void BuildAndTearDown(benchmark::State & state) {
    CAutomation::Start();
    CBenchItem item;
    for (auto _ : state) {
        CPage page(item, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(page.view->GetElementCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    CAutomation::Stop();
}

void Relayout(benchmark::State & state) {
    CAutomation::Start();
    CBenchItem item;
    CPage page(item, static_cast<int>(state.range(0)));
    LONG grow = 0;
    for (auto _ : state) {
        grow = (grow + 7) % 50;
        page.view->MoveWindow(CRect(0, 0, 4000 + grow, 100000 + grow));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    CAutomation::Stop();
}

} // namespace

BENCHMARK(BuildAndTearDown)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(Relayout)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
