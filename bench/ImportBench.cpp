// Whole imports of large installations, as the program's Open runs them through the command
// driver (tag file, table and memo file read, table sorted, networks counted, evaluated and
// written, project file written): a random installation of 10,000 rows against the literal
// procedures in the same run, the 80,000 rows of 100 networks, and the reading of that table.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <list>
#include <random>

#include <fcntl.h>
#include <unistd.h>

#include "LargeInstallation.h"
#include "reporter/InstallationImport.h"
#include "reporter/TagStore.h"
#include "reporter/TavoAlias.h"
#include "support/LiteralInstallation.h"
#include "support/RandomInstallation.h"
#include "support/TempDir.h"

using namespace tavo;

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "import benchmark: %s\n", what);
    std::abort();
}

const std::string kCatalogue = TAVO_SOURCE_DIR "/data/TAVOUNIT.DAT";
const std::string kAlias = TAVO_SOURCE_DIR "/data/TavoAlias.als";

// Timed: the Open of the tag file alone; the driver is set up (catalogue loaded) beforehand.
double TimedOpen(testing::DriverImport& driver, const std::string& tag) {
    const Clock::time_point start = Clock::now();
    if (!driver.Open(tag)) Fail("the import failed");
    return SecondsSince(start);
}

// A fresh copy of the installation's files in dir, so that every import is a first one. The
// copy is put on the disk before any import is timed: an installer's files have long been
// there, and the import's one sync of the file system would otherwise write the 3 MB of table
// and memo file that the benchmark has just copied (or whatever a build before it left).
void CopyInstallation(const std::string& from, const testing::TempDir& to) {
    for (const char* name : {"site.tag", "site.dbf", "site.DBT", "TAVOUNIT.DAT", "TavoAlias.als"})
        std::filesystem::copy_file(from + "/" + name, to.File(name));
    const int folder = ::open(to.Path().c_str(), O_RDONLY | O_DIRECTORY);
    if (folder < 0 || ::syncfs(folder) != 0) Fail("the copy could not be put on the disk");
    ::close(folder);
}

// The directories of a benchmark's imports, removed together once its loop is over. Removing
// one between two imports would time the file system's clean-up after it (freeing and
// discarding blocks, skipping recently freed inodes) as part of the next import.
class ImportDirs {
  public:
    const testing::TempDir& Fresh(const std::string& source) {
        CopyInstallation(source, dirs_.emplace_back());
        return dirs_.back();
    }

  private:
    std::list<testing::TempDir> dirs_;
};

// The counting alone on a table as read: sort, networks, units counted into the catalogue.
void CountFast(TTavoData& table, const TTagStore& tags, Catalogue& units, const TTavoAlias& alias) {
    table.SortRows(tags);
    std::vector<InstallationNetwork> networks = CollectNetworks(table);
    if (networks.size() > static_cast<std::size_t>(kMaxImportedNetworks))
        networks.resize(kMaxImportedNetworks);
    UnitCountingEvents events;
    events.Choose = [](std::size_t, int slot, int) { return slot; };
    events.Beep = [] {};
    events.Counted = [](std::size_t) { return true; };
    std::vector<std::string> unmatched;
    CountInstalledUnits(table, networks, alias, units, unmatched, events);
}

// The whole import, from the files to the files, against the literal procedures, which run
// once: they read the same table, sort it with the selection sort, collect the networks and
// count each one with a full pass over the table, and save each network's file as soon as it
// is counted. Both import a fresh copy of the installation. The counters give the literal
// times by phase, and the ratio of the counting alone (sort, networks, counts) to that of the
// import on the same table.
void CompareWithLiteral(benchmark::State& state, const testing::TempDir& source) {
    const testing::TempDir literalDir;
    CopyInstallation(source.Path(), literalDir);
    const Clock::time_point start = Clock::now();
    TTagStore tags;
    tags.ClearTags();
    ReadTagFile(tags, literalDir.File("site"));
    testing::ScriptedPrompts prompts;
    AppState world(prompts);
    ResetUnitTable(world.Units);
    LoadUnitCatalogue(world.Units, literalDir.File("TAVOUNIT.DAT"), [](const std::string&) {});
    const TTavoAlias alias = TTavoAlias::Load(literalDir.File("TavoAlias.als"));
    TTavoData table =
        testing::LiteralReadInstallationTable(literalDir.File("site.dbf"), tags, world.Units, {});
    const double literalRead = SecondsSince(start);
    const testing::ImportOutcome literal =
        testing::LiteralImport(table, tags, world.Units, alias.Lines());
    const double literalCount = SecondsSince(start) - literalRead;
    testing::LiteralWriteImport(world, tags, literal, literalDir.File("site"));
    const double literalSeconds = SecondsSince(start);

    double seconds = 0;
    double counting = 0;
    bool compared = false;
    ImportDirs dirs;
    for (auto _ : state) {
        const testing::TempDir& dir = dirs.Fresh(source.Path());
        testing::DriverImport driver(dir.File("TAVOUNIT.DAT"), dir.File("TavoAlias.als"));
        const double once = TimedOpen(driver, dir.File("site.tag"));
        state.SetIterationTime(once);
        seconds += once;
        if (!compared && !(driver.Outcome() == literal))
            Fail("the import and the literal procedures differ");
        compared = true;

        Catalogue units = world.Units;
        TTavoData read =
            testing::LiteralReadInstallationTable(dir.File("site.dbf"), tags, units, {});
        const Clock::time_point begin = Clock::now();
        CountFast(read, tags, units, alias);
        counting += SecondsSince(begin);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["rows"] = static_cast<double>(literal.Rows.size() - 1);
    state.counters["networks"] = static_cast<double>(literal.Networks.size());
    state.counters["literal_s"] = literalSeconds;
    state.counters["literal_read_s"] = literalRead;
    state.counters["literal_count_s"] = literalCount;
    state.counters["literal_write_s"] = literalSeconds - literalRead - literalCount;
    state.counters["speedup"] = literalSeconds * iterations / seconds;
    state.counters["count_speedup"] = literalCount * iterations / counting;
}

// A random installation of 10,000 rows (about 40 networks, random tags and types).
void BM_ImportAgainstLiteral(benchmark::State& state) {
    std::mt19937 random(42);
    const testing::RandomInstallation site =
        testing::MakeRandomInstallation(random, 0, 20, static_cast<int>(state.range(0)));
    const testing::TempDir source;
    site.Write(source.Path(), "site");
    CompareWithLiteral(state, source);
}

// An installation of 10,000 rows shaped as the large one: 50 networks x 25 units x 8 rows,
// the sample catalogue and alias list.
void BM_ImportAgainstLiteralShaped(benchmark::State& state) {
    const testing::TempDir source;
    bench::LargeInstallation(50, 25).Write(source.File("site"));
    std::filesystem::copy_file(kCatalogue, source.File("TAVOUNIT.DAT"));
    std::filesystem::copy_file(kAlias, source.File("TavoAlias.als"));
    CompareWithLiteral(state, source);
}

// The import alone, each from a fresh copy, of the shaped installation (argument 0) or the
// random one (argument 1): the ones to profile.
void BM_ImportAlone(benchmark::State& state) {
    const testing::TempDir source;
    if (state.range(0) == 0) {
        bench::LargeInstallation(50, 25).Write(source.File("site"));
        std::filesystem::copy_file(kCatalogue, source.File("TAVOUNIT.DAT"));
        std::filesystem::copy_file(kAlias, source.File("TavoAlias.als"));
    } else {
        std::mt19937 random(42);
        testing::MakeRandomInstallation(random, 0, 20, 10000).Write(source.Path(), "site");
    }
    ImportDirs dirs;
    for (auto _ : state) {
        const testing::TempDir& dir = dirs.Fresh(source.Path());
        testing::DriverImport driver(dir.File("TAVOUNIT.DAT"), dir.File("TavoAlias.als"));
        state.SetIterationTime(TimedOpen(driver, dir.File("site.tag")));
    }
}

// The installation of 80,000 rows, written once.
const testing::TempDir& LargeSite() {
    static const testing::TempDir dir;
    static const bool written = [] {
        bench::LargeInstallation().Write(dir.File("large"));
        return true;
    }();
    (void)written;
    return dir;
}

// 100 networks x 100 units x 8 rows, with the sample catalogue and alias list. The first
// import writes the network files and the project file anew, the others replace them.
void BM_ImportLargeInstallation(benchmark::State& state) {
    const testing::TempDir& dir = LargeSite();
    std::size_t networks = 0;
    std::size_t rows = 0;
    for (auto _ : state) {
        testing::DriverImport driver(kCatalogue, kAlias);
        state.SetIterationTime(TimedOpen(driver, dir.File("large.tag")));
        state.PauseTiming();
        const testing::ImportOutcome outcome = driver.Outcome();
        networks = outcome.Networks.size();
        rows = outcome.Rows.size() - 1;
        state.ResumeTiming();
    }
    if (networks != 100 || rows != 80000) Fail("the large installation imported wrongly");
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["networks"] = static_cast<double>(networks);
}

// The reading of that installation's table alone: every record, every field as text, the
// memos of BLOCK1 and BLOCK2 included.
void BM_ReadLargeTable(benchmark::State& state) {
    const std::string path = LargeSite().File("large.dbf");
    bench::TableReading reading;
    for (auto _ : state) {
        reading = bench::ReadEveryField(path);
        benchmark::DoNotOptimize(reading);
    }
    if (reading.Records != 10000) Fail("the large table read wrongly");
    state.counters["records"] = static_cast<double>(reading.Records);
    state.counters["characters"] = static_cast<double>(reading.Characters);
}

}  // namespace

BENCHMARK(BM_ImportAgainstLiteral)
    ->Arg(10000)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportAgainstLiteralShaped)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportAlone)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportLargeInstallation)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLargeTable)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
