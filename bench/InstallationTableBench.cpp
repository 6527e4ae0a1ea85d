// The installation table of a large installation: filling it unit by unit, and its sort
// against the literal selection sort on the same rows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "reporter/InstallationTable.h"
#include "reporter/TagConversions.h"
#include "reporter/TagNames.h"
#include "reporter/TagStore.h"
#include "reporter/UnitRows.h"
#include "support/LiteralInstallation.h"

using namespace tavo;

namespace {

constexpr int kRowsPerUnit = 8;

// networks x 100 units of 8 rows; the tag file names the networks in a shuffled order, and
// the units come in random order as a table that grew over the years would hold them.
struct Installation {
    explicit Installation(int networks) {
        std::mt19937 random(42);
        tags.ClearTags();
        std::vector<int> numbers(static_cast<std::size_t>(networks));
        for (int n = 0; n < networks; ++n) numbers[static_cast<std::size_t>(n)] = n + 1;
        std::shuffle(numbers.begin(), numbers.end(), random);
        for (const int number : numbers)
            tags.AddNetwork("Network " + std::to_string(number), "01", "", std::to_string(number),
                            "0");
        for (int group = 0; group < 256; ++group)
            tags.AddGroup("Group " + std::to_string(group), "1", ByteToHex(group), "38");
        tags.AddApplication("Lighting", "38");
        for (int network = 1; network <= networks; ++network)
            for (int address = 1; address <= 100; ++address) units.push_back({network, address});
        std::shuffle(units.begin(), units.end(), random);
        block.assign(2 * 247, '0');
        block.replace(66, 4, "3839");
        for (int group = 80; group < 96; ++group) block.replace(2 * group, 2, ByteToHex(group));
    }

    void Fill(TTavoData& table) const {
        const TTagNames names(tags);
        table.ClearRows();
        for (const auto& [network, address] : units)
            AddUnitRows(table, names, kRowsPerUnit, "Site", std::to_string(network),
                        ByteToHex(address), "RELAY8", block);
    }

    TTagStore tags;
    std::vector<std::pair<int, int>> units;
    std::string block;
};

void BM_FillTable(benchmark::State& state) {
    const Installation installation(static_cast<int>(state.range(0)));
    TTavoData table(InstallationFieldNames());
    for (auto _ : state) installation.Fill(table);
    state.counters["rows"] = table.RowCount() - 1;
}

template <bool Literal>
void BM_SortRows(benchmark::State& state) {
    const Installation installation(static_cast<int>(state.range(0)));
    TTavoData table(InstallationFieldNames());
    for (auto _ : state) {
        state.PauseTiming();
        installation.Fill(table);
        state.ResumeTiming();
        Literal ? testing::LiteralSortRows(table, installation.tags)
                : table.SortRows(installation.tags);
    }
    state.counters["rows"] = table.RowCount() - 1;
}

}  // namespace

BENCHMARK(BM_FillTable)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortRows<false>)->Arg(2)->Arg(5)->Arg(12)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortRows<true>)->Arg(2)->Arg(5)->Arg(12)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
