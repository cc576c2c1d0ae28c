// SPDX-License-Identifier: GPL-3.0-or-later
// Engine figures: the value of one name, loading the catalogue and its sign
// lists, and the largest list a parent can ask for.
#include <benchmark/benchmark.h>

#include <memory>

#include "abjad.h"
#include "name_list.h"
#include "planets.h"
#include "read_data.h"

namespace {

using namespace delvarin;

void BM_GetAbjad(benchmark::State& state) {
    const std::u16string name = u"فاطمه زهرا";
    for (auto _ : state) benchmark::DoNotOptimize(GetAbjad(name, true));
}
BENCHMARK(BM_GetAbjad);

void BM_ReadData(benchmark::State& state) {
    for (auto _ : state) {
        auto data = std::make_unique<NameData>();
        ReadData(*data);
        benchmark::DoNotOptimize(data.get());
    }
}
BENCHMARK(BM_ReadData)->Unit(benchmark::kMicrosecond);

// A daughter under all six planets with mother "مريم": 1719 lines.
void BM_MakeNameList_AllSixPlanets(benchmark::State& state) {
    NameData data;
    ReadData(data);
    const NameListRequest request{.mother = u"مريم", .boy = false, .planets = GroupChoice(0)};
    int lines = 0;
    for (auto _ : state) {
        const NameList list = MakeNameList(data, request);
        lines = list.lines;
        benchmark::DoNotOptimize(list.text.data());
    }
    state.counters["lines"] = lines;
}
BENCHMARK(BM_MakeNameList_AllSixPlanets)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
