// The installation report of an 80,000-row installation table: counting its pages (with the
// whole first pass of a two-pass report) and laying out single pages early and late in the
// report, so that the time per page can be compared; and the whole report, page after page.
// The text metric is the fixed-pitch one: what measuring with real fonts costs is the
// painter's part.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <memory>
#include <string>

#include "reporter/InstallationTable.h"
#include "reports/ReportLayouts.h"
#include "reports/ReportRun.h"

using namespace tavo;

namespace {

constexpr int kRows = 80000;

// The installation report's feed as the program has it: the table's current row is the
// feed's position, and fields are looked up by column name without regard to case.
class TableFeed final : public ReportFeed {
  public:
    explicit TableFeed(TTavoData& table) : table_(table) {}
    void OpenDataSet() override { table_.SetCurrentRow(0); }
    void CloseDataSet() override { table_.SetCurrentRow(0); }
    void GotoFirstRecord() override { table_.SetCurrentRow(0); }
    void GotoLastRecord() override { table_.SetCurrentRow(table_.RowCount() - 1); }
    void TraverseBy(int n) override { table_.SetCurrentRow(table_.CurrentRow() + n); }
    bool CheckBOF() override { return table_.CurrentRow() <= 0; }
    bool CheckEOF() override { return table_.CurrentRow() >= table_.RowCount(); }
    int GetBookmark() override { return table_.CurrentRow(); }
    void GotoBookmark(int bookmark) override { table_.SetCurrentRow(bookmark); }
    std::string GetDataSetName() override { return "Tavo Installation Report"; }
    std::string GetFieldAsString(std::string_view name) override {
        return std::string(table_.GetValue(name));
    }
    bool LastRow() const { return table_.CurrentRow() >= table_.RowCount() - 1; }

  private:
    TTavoData& table_;
};

TTavoData& Table() {
    static TTavoData table = [] {
        TTavoData filled(InstallationFieldNames());
        for (int row = 0; row < kRows; ++row) {
            const int network = 1 + row / 800, unit = row % 256;
            filled.SetValue("Project", "Harbour");
            filled.SetValue("Network", std::to_string(network));
            filled.SetValue("UnitAddressHex", std::to_string(unit));
            filled.SetValue("PartName", "RELAY8 channel " + std::to_string(row % 8));
            filled.SetValue("UnitType", "RELAY8");
            filled.SetValue("ApplicationHex", "38");
            filled.SetValue("ApplicationTag", "Lighting");
            filled.SetValue("AreaHex", "0" + std::to_string(row % 10));
            filled.SetValue("AreaTag", "Area " + std::to_string(row % 10));
            filled.SetValue("GroupsHex", std::to_string(10 + row % 90));
            filled.SetValue("GroupsTag", "Group " + std::to_string(row % 90));
            filled.SetValue("Burden", row % 50 == 0 ? "Yes" : "");
            filled.SetValue("Clock", row % 100 == 0 ? "Enabled" : "");
            filled.SetValue("Delays", "0");
            if (row + 1 < kRows) filled.AppendRow();
        }
        return filled;
    }();
    return table;
}

// The layout with the program's handlers, hexadecimal numbers chosen.
struct Report {
    Report() : feed(Table()), layout(REPinstallation()) {
        for (ReportItem* item : layout.FindByTag(8)) item->Visible = false;
        layout.FindByName("lblValueFormat")->Caption = "Hexadecimal (Base 16)";
        layout.FindByName("lblppProject")->Caption = "Harbour";
        layout.FindByName("pptNetWork")->OnGetText = [](ReportItem&, std::string& text) {
            text = "Network " + text;
        };
        for (ReportItem& item : layout.Footer.Items)
            if (item.Kind == ItemKind::Line)
                item.OnPrint = [this](ReportItem& line) { line.Visible = !feed.LastRow(); };
        for (ReportItem& item : layout.Detail.Items)
            if (item.Kind == ItemKind::Line)
                item.OnPrint = [this](ReportItem& line) {
                    (line.Name == "ppLine45" ? line.Visible : line.ParentHeight) = feed.LastRow();
                };
    }
    TableFeed feed;
    ReportLayout layout;
    FixedPitchMetrics metrics;
};

void BM_PageCount(benchmark::State& state) {
    Report report;
    int pages = 0;
    for (auto _ : state) {
        ReportRun run(report.layout, report.feed, report.metrics, "09/12/2026 14:05");
        pages = run.PageCount();
    }
    state.counters["pages"] = pages;
}

void BM_LayOutPage(benchmark::State& state) {
    Report report;
    ReportRun run(report.layout, report.feed, report.metrics, "09/12/2026 14:05");
    std::size_t items = 0;
    for (auto _ : state) items = run.LayOut(static_cast<int>(state.range(0))).Items.size();
    state.counters["items"] = static_cast<double>(items);
}

void BM_WholeReport(benchmark::State& state) {
    Report report;
    std::size_t items = 0;
    int pages = 0;
    for (auto _ : state) {
        ReportRun run(report.layout, report.feed, report.metrics, "09/12/2026 14:05");
        pages = run.PageCount();
        for (int page = 1; page <= pages; ++page) items += run.LayOut(page).Items.size();
    }
    benchmark::DoNotOptimize(items);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["pages"] = pages;
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}

}  // namespace

BENCHMARK(BM_PageCount)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayOutPage)->Arg(100)->Arg(2700)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeReport)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
