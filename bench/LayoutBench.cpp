// Laying out a page of labelled editors: measuring, then placing in a window that is
// resized, as the view does on every size change.

#include "CDC.hpp"
#include "CHeadlessDevice.hpp"
#include "CLayFormGrid.hpp"
#include "CLayFormPad.hpp"
#include "CLayFormRow.hpp"
#include "CLayItemText.hpp"
#include "CPrintf.hpp"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A group of n properties: a label cell and an edit-plus-units cell each.
std::unique_ptr<CLayFormGrid> MakePage(int n) {
    auto page = std::make_unique<CLayFormGrid>(2);
    for (int i = 0; i < n; ++i) {
        page->AddItem(new CLayFormPad(new CLayItemText(CPrintf("Property %d:", i), 1, 1), 0x21));
        auto * row = new CLayFormRow;
        row->AddItem(new CLayFormPad(new CLayItemText("XXXXXXXXXXXXXXXX", 3, 1), 0x21));
        row->AddItem(new CLayFormPad(new CLayItemText("mV ", 0, 0), 0x20));
        page->AddItem(row);
    }
    return page;
}

void BuildAndPrepare(benchmark::State & state) {
    CHeadlessDevice device;
    CDC dc(device);
    for (auto _ : state) {
        auto page = MakePage(static_cast<int>(state.range(0)));
        page->Prepare(dc);
        benchmark::DoNotOptimize(page->GetMinSize());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void Relayout(benchmark::State & state) {
    CHeadlessDevice device;
    CDC dc(device);
    auto page = MakePage(static_cast<int>(state.range(0)));
    page->Prepare(dc);
    CSize const min = page->GetMinSize();
    LONG grow = 0;
    for (auto _ : state) {
        page->Prepare(dc);
        page->SetRect(CRect(0, 0, min.cx + grow, min.cy + grow));
        grow = (grow + 37) % 400;
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BuildAndPrepare)->Arg(100)->Arg(1000)->Arg(10000);
BENCHMARK(Relayout)->Arg(100)->Arg(1000)->Arg(10000);
