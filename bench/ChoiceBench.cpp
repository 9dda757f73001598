// Choice elements on the headless device: a drop-down of n entries built, opened and
// narrowed by a mask (each linear in its entries), and a page of n mixed choice elements
// built and torn down.

#include "CAutomation.hpp"
#include "CComboBox.hpp"
#include "CEntity.hpp"
#include "CRuntimeClass.hpp"
#include "CUIData.hpp"
#include "CUIDropBase.hpp"
#include "CUIItem.hpp"
#include "CUIViewWnd.hpp"
#include "VantorUIModule.hpp"
#include "WindowStyles.hpp"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

class CChoiceBenchItem : public CUIItem {
public:
    LONG m_value = 1;

protected:
    void AddMetaData() override {
        CUIItem::AddMetaData();
        AddMeta("Value", metaInteger, &CChoiceBenchItem::m_value);
    }
};

CUIData Record(char const * cls, std::string const & format) {
    CUIData record;
    record.m_tag = "Value";
    record.m_label = record.m_labelAlt = "Property";
    record.m_class = CRuntimeClass::FindClass(CEntity(VantorUIModule(), cls));
    record.m_format = format.c_str();
    return record;
}

// A view of the given records in groups of ten, two groups to a row.
class CChoiceBenchView : public CUIViewWnd {
public:
    explicit CChoiceBenchView(std::vector<CUIData> records) : m_records(std::move(records)) {}

protected:
    void OnUICreate() override {
        StartPage(2);
        for (std::size_t i = 0; i < m_records.size(); i += 10) {
            StartGroup("Group", 1);
            for (std::size_t j = i; j < i + 10 && j < m_records.size(); ++j)
                AddUI(GetItem(), "root", &m_records[j]);
            EndGroup(0);
        }
        EndPage(0);
    }

private:
    std::vector<CUIData> m_records;
};

struct CPage {
    CWnd frame;
    CChoiceBenchView * view = nullptr;

    CPage(CChoiceBenchItem & item, std::vector<CUIData> records) {
        frame.Create(nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 4000, 4000), nullptr, 0);
        view = new CChoiceBenchView(std::move(records));
        view->Attach(&item);
        view->Create(&frame, CRect(0, 0, 4000, 100000), 1);
        CAutomation::Pump();
    }
    ~CPage() { frame.DestroyWindow(); }
};

std::string Entries(int count) {
    std::string format;
    for (int i = 0; i < count; ++i)
        format += (i ? "|Entry " : "Entry ") + std::to_string(i);
    return format;
}

void DropDownBuiltOpenedAndNarrowed(benchmark::State & state) {
    CAutomation::Start();
    CChoiceBenchItem item;
    std::string const format = Entries(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CPage page(item, {Record("CUIDropDown", format)});
        auto * combo = static_cast<CComboBox *>(page.view->GetDlgItem(1000));
        combo->ShowDropDown(TRUE);
        CAutomation::Pump();
        combo->ShowDropDown(FALSE);
        auto * drop = static_cast<CUIDropBase *>(page.view->FindUI("Value"));
        drop->SetMask(0x55555555);
        drop->SetMask(0);
        benchmark::DoNotOptimize(combo->GetCount());
    }
    state.SetComplexityN(state.range(0));
    CAutomation::Stop();
}

void MixedChoicePage(benchmark::State & state) {
    CAutomation::Start();
    CChoiceBenchItem item;
    std::vector<CUIData> const kinds = {
        Record("CUIDropDown", "Off|Low|High"),
        Record("CUIDropEdit", "0|100|10|20"),
        Record("CUICheck", ""),
        Record("CUICheck", "B3"),
        Record("CUIRadioRow", "A|B|C"),
        Record("CUIPushRow", "Read|Write"),
        Record("CUIScrollHorz", "|4|0|100"),
        Record("CUIScrollVert", ""),
    };
    std::vector<CUIData> records;
    for (int i = 0; i < state.range(0); ++i)
        records.push_back(kinds[static_cast<std::size_t>(i) % kinds.size()]);
    for (auto _ : state) {
        CPage page(item, records);
        benchmark::DoNotOptimize(page.view->GetElementCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    CAutomation::Stop();
}

} // namespace

BENCHMARK(DropDownBuiltOpenedAndNarrowed)->Arg(100)->Arg(1000)->Arg(10000)->Complexity();
BENCHMARK(MixedChoicePage)->Arg(100)->Arg(1000);
