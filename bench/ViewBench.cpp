// Building a page of n elements in a view (schema record to element, binding, layout,
// control creation, loading, enable pass), laying it out again on resize, and tearing it
// down, on the headless device; pages of editors, and typing into one editor of a page.

#include "CAutomation.hpp"
#include "CEntity.hpp"
#include "CRuntimeClass.hpp"
#include "CUIData.hpp"
#include "CUIEditBase.hpp"
#include "CUIEditCtrl.hpp"
#include "CUIItem.hpp"
#include "CUIViewWnd.hpp"
#include "VantorUIModule.hpp"
#include "VirtualKeys.hpp"
#include "WindowStyles.hpp"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

class CBenchItem : public CUIItem {
public:
    CString m_text = "value";
    LONG m_value = 1234;

protected:
    void AddMetaData() override {
        CUIItem::AddMetaData();
        AddMeta("Text", metaString, &CBenchItem::m_text);
        AddMeta("Value", metaInteger, &CBenchItem::m_value);
    }
};

// The element classes of the pages.
enum Kind { kindStatic, kindInteger, kindString };

// A view of n elements of a kind in groups of ten, two groups to a row: fixed texts,
// integer editors with two places and a range, or string editors.
class CBenchView : public CUIViewWnd {
public:
    CBenchView(int count, Kind kind) : m_count(count) {
        static char const * const classes[] = {"CUIStatic", "CUIEditInteger", "CUIEditString"};
        static char const * const formats[] = {"XXXXXXXXXXXX", "8|2|V|-1000|1000", "20"};
        m_record.m_tag = kind == kindInteger ? "Value" : "Text";
        m_record.m_label = m_record.m_labelAlt = "Property";
        m_record.m_class = CRuntimeClass::FindClass(CEntity(VantorUIModule(), classes[kind]));
        m_record.m_format = formats[kind];
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

    CPage(CBenchItem & item, int count, Kind kind = kindStatic) {
        frame.Create(nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 4000, 4000), nullptr, 0);
        view = new CBenchView(count, kind);
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

// Pages of editors: state.range(1) is the kind.
void BuildEditors(benchmark::State & state) {
    CAutomation::Start();
    CBenchItem item;
    for (auto _ : state) {
        CPage page(item, static_cast<int>(state.range(0)), static_cast<Kind>(state.range(1)));
        benchmark::DoNotOptimize(page.view->GetElementCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    CAutomation::Stop();
}

// The first integer editor of a page, entered.
CUIEditCtrl & EnterFirst(CPage & page) {
    CUIEditCtrl & edit = static_cast<CUIEditBase *>(page.view->GetElementAt(0))->GetEditCtrl();
    CAutomation::Click(&edit);
    return edit;
}

// Keystrokes that commit nothing: a digit typed and taken back.
void TypeWithoutCommit(benchmark::State & state) {
    CAutomation::Start();
    CBenchItem item;
    CPage page(item, static_cast<int>(state.range(0)), kindInteger);
    EnterFirst(page);
    for (auto _ : state) {
        CAutomation::TypeText("5");
        CAutomation::PressKey(VK_BACK);
    }
    state.SetItemsProcessed(state.iterations() * 2);
    CAutomation::Stop();
}

// A new value typed and committed with Return: the keystroke, the save, the change sent to
// the item and the view.
void TypeAndCommit(benchmark::State & state) {
    CAutomation::Start();
    CBenchItem item;
    CPage page(item, static_cast<int>(state.range(0)), kindInteger);
    EnterFirst(page);
    bool one = false;
    for (auto _ : state) {
        // The reload after each commit selects the whole text, so the next digit replaces it.
        one = !one;
        CAutomation::TypeText(one ? "1" : "2");
        CAutomation::PressKey(VK_RETURN);
    }
    state.SetItemsProcessed(state.iterations());
    CAutomation::Stop();
}

} // namespace

BENCHMARK(BuildEditors)
    ->Args({1000, kindInteger})
    ->Args({10000, kindInteger})
    ->Args({1000, kindString})
    ->Args({10000, kindString})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(TypeWithoutCommit)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(TypeAndCommit)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BuildAndTearDown)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(Relayout)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
