#include "cli/Report.h"

#include <QGuiApplication>
#include <memory>
#include <optional>

#include "components/HelpFiles.h"
#include "platform/Directories.h"
#include "platform/FileError.h"
#include "reports/PdfReport.h"
#include "reports/PrintChoices.h"
#include "reports/QtTextMetrics.h"

namespace tavo {
namespace {

// The printer of tavocalc-cli is a PDF file: each report produced adds its pages to it.
class PdfView final : public CliView {
  public:
    PdfView(AppState& state, Prompts& prompts, std::string path, QImage logo)
        : CliView(state, prompts), path_(std::move(path)), painter_(std::move(logo)) {}

    std::string CurrentPrinterName() override { return path_; }
    bool ProduceReport(ReportLayout& layout, ReportFeed& feed,
                       const ReportDevice& device) override {
        if (!pdf_) pdf_.emplace(path_, layout.JobName);
        ReportRun run(layout, feed, metrics_, device.PrintDateTime);
        pdf_->Add(run, layout, painter_);
        return true;
    }
    void SetPrintMessage(const std::string&) override {}
    // Puts the file in place; false when no report was produced.
    bool Finish() {
        if (!pdf_) return false;
        pdf_->Finish();
        return true;
    }

  private:
    std::string path_;
    QtTextMetrics metrics_;
    ReportPainter painter_;
    std::optional<PdfReport> pdf_;
};

void DropQtMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

int RunReport(const SessionOptions& options, const ReportOptions& report,
              const std::string& programDirectory, std::ostream& err) {
    // Fonts need a GUI application; no window is ever shown, and Qt's own notes stay out of the
    // program's messages.
    qInstallMessageHandler(DropQtMessages);
    static char name[] = "tavocalc-cli";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* arguments[] = {name, platformOption, platform, nullptr};
    static int count = 3;
    QGuiApplication application(count, arguments);

    CliSession session(options, programDirectory, err);
    const std::string logo = FindSupportFile(kLogoFileName, WorkingDirectory(), programDirectory);
    PdfView view(session.State(), session.Prompts(), report.Output, LoadReportLogo(logo));
    if (!session.Open(&view)) return 1;
    PrintRequest request;
    request.Report = report.What == "project"   ? kProjectDetailsReport
                     : report.What == "network" ? kNetworkReport
                                                : kInstallationReport;
    if (request.Report == kInstallationReport && session.State().Window.CalculatorProject) {
        session.Prompts().Error(
            "The installation report can only be printed from an installation project (a tag "
            "file)");
        return 1;
    }
    request.ToPrinter = true;
    request.NumbersAsDecimal = report.Decimal;
    request.AllNetworks = report.AllNetworks;
    if (!session.Driver().PrintReport(request)) return 1;
    try {
        if (!view.Finish()) return 1;
    } catch (const FileError& error) {
        session.Prompts().Error(error.what());
        return 1;
    }
    return 0;
}

}  // namespace tavo
