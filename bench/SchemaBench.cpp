// Schema lookups and loading: the first steps of building a page.

#include "CFilename.hpp"
#include "CMetaItem.hpp"
#include "CModule.hpp"
#include "CPrintf.hpp"
#include "CUISchema.hpp"
#include "VantorUIModule.hpp"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

// Writes a CSV schema of n properties beside the library and loads it into a schema.
class SchemaOfSize {
public:
    explicit SchemaOfSize(int n) : m_name("BenchSchema" + std::to_string(n)), m_schema(&m_blank) {
        std::ofstream file(Path());
        for (int i = 0; i < n; ++i)
            file << "Property" << i << ",Property " << i << ",,CUISchema,0|0|1000\n";
        file.close();
        m_schema.LoadFromFile(m_name.c_str());
    }
    ~SchemaOfSize() { std::filesystem::remove(Path()); }

    CUISchema const & Get() const { return m_schema; }
    std::string const & Name() const { return m_name; }

private:
    std::filesystem::path Path() const {
        std::filesystem::path folder =
            CFilename(VantorUIModule()->GetFilename()).GetDirectory().GetString();
        std::filesystem::create_directories(folder / "schema");
        return folder / "schema" / (m_name + ".csv");
    }

    std::string m_name;
    CMetaItem m_blank;
    CUISchema m_schema;
};

void LookupByTag(benchmark::State & state) {
    int const n = static_cast<int>(state.range(0));
    SchemaOfSize schema(n);
    CArray<CString> tags;
    for (int i = 0; i < n; ++i)
        tags.Append(CPrintf("Property%d", i));
    UINT next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(schema.Get().GetUIData(tags[next]));
        next = (next + 1) % tags.GetCount();
    }
}

void LoadFromFile(benchmark::State & state) {
    SchemaOfSize schema(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CMetaItem blank;
        CUISchema loaded(&blank);
        loaded.LoadFromFile(schema.Name().c_str());
        benchmark::DoNotOptimize(loaded.GetCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(LookupByTag)->Arg(100)->Arg(1000)->Arg(10000);
BENCHMARK(LoadFromFile)->Arg(100)->Arg(1000)->Arg(10000);
