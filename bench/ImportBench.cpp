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
#include <optional>
#include <random>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
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
// discarding blocks) as part of the next import.
//
// They are made in a folder marked as the top of a directory hierarchy (chattr +T), so that
// ext4 spreads them over its block groups as it spreads the folders made at its root. An ext4
// without a journal (such as this build machine's) passes over every inode of a group freed in
// the last minute each time it creates a file there, and the benchmark's earlier runs and the
// test suite free thousands in the temporary directory's group: the import's 46 new files
// would then cost what the bookkeeping of those runs costs, not what they cost an installer.
// Where the mark is not known, the folders stay where they are made.
class ImportDirs {
  public:
    ImportDirs() {
        const int folder = ::open(root_.Path().c_str(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (folder >= 0 && ::ioctl(folder, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_TOPDIR_FL;
            ::ioctl(folder, FS_IOC_SETFLAGS, &flags);
        }
        if (folder >= 0) ::close(folder);
    }

    const testing::TempDir& Fresh(const std::string& source) {
        CopyInstallation(source, dirs_.emplace_back(root_.Path()));
        return dirs_.back();
    }

  private:
    testing::TempDir root_;
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

// The literal procedures' whole import of a fresh copy of the installation: they read the
// same table, sort it with the selection sort, collect the networks and count each one with a
// full pass over the table, and save each network's file as soon as it is counted.
struct LiteralRun {
    testing::ImportOutcome Outcome;
    double Read = 0;  // seconds of each phase
    double Count = 0;
    double Write = 0;
};

// What an import reads besides the table: the tag file, the catalogue and the alias list.
struct SiteInputs {
    explicit SiteInputs(const testing::TempDir& dir)
        : Alias(TTavoAlias::Load(dir.File("TavoAlias.als"))) {
        Tags.ClearTags();
        ReadTagFile(Tags, dir.File("site"));
        ResetUnitTable(Units);
        LoadUnitCatalogue(Units, dir.File("TAVOUNIT.DAT"), [](const std::string&) {});
    }
    TTagStore Tags;
    Catalogue Units;
    TTavoAlias Alias;
};

LiteralRun RunLiteral(const testing::TempDir& source, ImportDirs& dirs) {
    LiteralRun run;
    const testing::TempDir& dir = dirs.Fresh(source.Path());
    const Clock::time_point start = Clock::now();
    const SiteInputs site(dir);
    testing::ScriptedPrompts prompts;
    AppState world(prompts);
    world.Units = site.Units;
    TTavoData table =
        testing::LiteralReadInstallationTable(dir.File("site.dbf"), site.Tags, world.Units, {});
    run.Read = SecondsSince(start);
    run.Outcome = testing::LiteralImport(table, site.Tags, world.Units, site.Alias.Lines());
    run.Count = SecondsSince(start) - run.Read;
    testing::LiteralWriteImport(world, site.Tags, run.Outcome, dir.File("site"));
    run.Write = SecondsSince(start) - run.Read - run.Count;
    return run;
}

// The whole import, from the files to the files, against the literal procedures, which run
// once, halfway through the imports: a period in which the machine is slower then weighs on
// both sides. Every import is of a fresh copy of the installation. The counters give the
// literal times by phase, and the ratio of the counting alone (sort, networks, counts) to that
// of the import on the same table.
void CompareWithLiteral(benchmark::State& state, const testing::TempDir& source) {
    std::optional<LiteralRun> literal;
    std::optional<testing::ImportOutcome> first;
    double seconds = 0;
    double counting = 0;
    std::int64_t imports = 0;
    ImportDirs dirs;
    const SiteInputs site(source);
    for (auto _ : state) {
        if (imports == state.max_iterations / 2) literal = RunLiteral(source, dirs);
        const testing::TempDir& dir = dirs.Fresh(source.Path());
        testing::DriverImport driver(dir.File("TAVOUNIT.DAT"), dir.File("TavoAlias.als"));
        const double once = TimedOpen(driver, dir.File("site.tag"));
        state.SetIterationTime(once);
        seconds += once;
        ++imports;
        if (!first) first = driver.Outcome();

        // The counting alone, on the table as the literal procedures read it.
        Catalogue units = site.Units;
        TTavoData read =
            testing::LiteralReadInstallationTable(dir.File("site.dbf"), site.Tags, units, {});
        const Clock::time_point begin = Clock::now();
        CountFast(read, site.Tags, units, site.Alias);
        counting += SecondsSince(begin);
    }
    if (!literal) literal = RunLiteral(source, dirs);
    if (!(*first == literal->Outcome)) Fail("the import and the literal procedures differ");
    const double literalSeconds = literal->Read + literal->Count + literal->Write;
    const auto count = static_cast<double>(imports);
    state.counters["rows"] = static_cast<double>(literal->Outcome.Rows.size() - 1);
    state.counters["networks"] = static_cast<double>(literal->Outcome.Networks.size());
    state.counters["literal_s"] = literalSeconds;
    state.counters["literal_read_s"] = literal->Read;
    state.counters["literal_count_s"] = literal->Count;
    state.counters["literal_write_s"] = literal->Write;
    state.counters["speedup"] = literalSeconds * count / seconds;
    state.counters["count_speedup"] = literal->Count * count / counting;
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
    ->Iterations(6)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportAgainstLiteralShaped)
    ->Iterations(6)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportAlone)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportLargeInstallation)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLargeTable)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
