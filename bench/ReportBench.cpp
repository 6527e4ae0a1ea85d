// The installation report of the large installation (100 networks x 100 units x 8 rows, 80,000
// rows, about 2,760 pages): laid out and written as PDF, with the time per page at the start
// and at the end of the report, the peak memory of the process, and the preview's first page.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "LargeInstallation.h"
#include "calculator/CommandDriver.h"
#include "calculator/HeadlessView.h"
#include "reports/PdfReport.h"
#include "reports/QtTextMetrics.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

using namespace tavo;

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double PeakMegabytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The large installation imported once, as Open imports it.
struct Imported {
    testing::TempDir Dir;
    testing::ScriptedPrompts Prompts;
    AppState State{Prompts};
    HeadlessView View{State};
    std::unique_ptr<CommandDriver> Driver;

    Imported() {
        bench::LargeInstallation().Write(Dir.File("large"));
        Driver = std::make_unique<CommandDriver>(State, View, TAVO_SOURCE_DIR "/data/TAVOUNIT.DAT",
                                                 "", TAVO_SOURCE_DIR "/data/TavoAlias.als");
        if (!Driver->FormActivate() || !Driver->OpenFile(Dir.File("large.tag"))) {
            std::fprintf(stderr, "report benchmark: the import failed\n");
            std::abort();
        }
        Driver->Reports().ApplyNumberFormat(false);
    }
    ReportLayout& Layout() { return Driver->Reports().Layout(ReportKind::Installation); }
    ReportFeed& Feed() { return Driver->Reports().Feed(ReportKind::Installation); }
};

Imported& Installation() {
    static Imported imported;
    return imported;
}

const QImage& Logo() {
    static const QImage logo = LoadReportLogo(TAVO_SOURCE_DIR "/data/TavoLogo.jpg");
    return logo;
}

void BM_InstallationReportAsPdf(benchmark::State& state) {
    Imported& installation = Installation();
    const QtTextMetrics metrics;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        ReportRun run(installation.Layout(), installation.Feed(), metrics, "09/12/2026 14:05");
        ReportPainter painter(Logo());
        PdfReport pdf(installation.Dir.File("large.pdf"), "Report2");
        const int pages = run.PageCount();
        Clock::time_point mark = Clock::now();
        double first100 = 0;
        double last100 = 0;
        pdf.Add(run, installation.Layout(), painter, [&](int page) {
            if (page == 100) first100 = SecondsSince(mark);
            if (page == pages - 100) mark = Clock::now();
            if (page == pages) last100 = SecondsSince(mark);
            if (page == 100 && pages > 200) mark = Clock::now();
        });
        pdf.Finish();
        state.counters["seconds"] = SecondsSince(start);
        state.counters["pages"] = pages;
        state.counters["ms_per_page_first_100"] = first100 * 10.0;
        state.counters["ms_per_page_last_100"] = last100 * 10.0;
    }
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_InstallationReportAsPdf)->Unit(benchmark::kSecond)->Iterations(1);

// What the preview does before the user sees anything: the run (pages counted, a two-pass
// report laid out once) and the first page painted at screen resolution.
void BM_PreviewFirstPage(benchmark::State& state) {
    Imported& installation = Installation();
    const QtTextMetrics metrics;
    for (auto _ : state) {
        ReportRun run(installation.Layout(), installation.Feed(), metrics, "09/12/2026 14:05");
        ReportPainter painter(Logo());
        QImage screen(1123, 794, QImage::Format_RGB32);
        screen.fill(Qt::white);
        QPainter device(&screen);
        painter.Paint(device, run.LayOut(1), 96.0);
        benchmark::DoNotOptimize(screen.bits());
    }
}
BENCHMARK(BM_PreviewFirstPage)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    static char name[] = "report_bench";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* arguments[] = {name, platformOption, platform, nullptr};
    static int count = 3;
    QGuiApplication application(count, arguments);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
