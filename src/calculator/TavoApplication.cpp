#include "calculator/TavoApplication.h"

#include <QPrintDialog>
#include <QPrinterInfo>
#include <QScreen>
#include <QStringList>

#include "calculator/MainWindow.h"
#include "components/AboutBox.h"
#include "components/HelpViewer.h"
#include "components/QtText.h"
#include "components/StatusBarHint.h"
#include "components/WindowPlacement.h"
#include "platform/FileError.h"
#include "project/ProjectDetailsDialog.h"
#include "reporter/TagSelectDialog.h"
#include "reports/PdfReport.h"
#include "reports/PrintCancel.h"
#include "reports/PrintChoices.h"
#include "reports/PrintDialog.h"
#include "reports/QtTextMetrics.h"
#include "reports/ReportPainter.h"
#include "reports/ReportPreview.h"
#include "reports/ReportPrinting.h"

namespace tavo {

TavoApplication::TavoApplication(Prompts& prompts, const QStringList& arguments,
                                 const std::string& catalogue, const std::string& helpFile,
                                 const std::string& alias, const std::string& logo)
    : state_(std::make_unique<AppState>(prompts)),
      catalogue_(catalogue),
      logo_(LoadReportLogo(logo)) {
    // The windows in start-up order: the main window (with its hint dialog), then the project
    // details dialog; only the main window is shown.
    window_ = std::make_unique<TVCALC>(*state_, arguments, catalogue_, alias);
    projForm_ = new TProjForm(*state_, window_.get());
    help_ = new THelpViewer(window_.get());
    help_->SetHelpFile(QString::fromStdString(helpFile));
    printDialog_ = new TDLGPrint(window_.get());
    selectTag_ = new TfrmSelectTag(window_.get());
    selectTag_->HelpTopic = [this](const std::string& topic) {
        PrepareHelp(Qt::ApplicationModal);
        help_->ShowTopic(ToQt(topic));
    };
    printCancel_ = new TfrmPrintCancel(window_.get());
    statusHint_ = new TZorStatusBarHint(window_.get());

    MainWindowServices& services = window_->Services();
    services.ShowProjectDetails = [this] {
        PlaceBesideMainWindow(*projForm_);
        projForm_->show();
        projForm_->raise();
        projForm_->activateWindow();
    };
    services.HideProjectDetails = [this] { projForm_->hide(); };
    services.ProjectDetailsChanged = [this] { projForm_->RefreshFromDetails(); };
    services.HelpContents = [this] {
        PrepareHelp(Qt::NonModal);
        help_->ShowContents();
    };
    services.HelpIndex = [this](const std::string& keyword) {
        PrepareHelp(Qt::NonModal);
        help_->ShowIndex(ToQt(keyword));
    };
    services.HelpOnHelp = [this] {
        PrepareHelp(Qt::NonModal);
        help_->ShowHelpOnHelp();
    };
    services.HelpTopic = [this](const std::string& topic) {
        PrepareHelp(Qt::NonModal);
        help_->ShowTopic(ToQt(topic));
    };
    services.PrinterSetup = [this] {
        QPrintDialog dialog(&printer_, window_.get());
        if (dialog.exec() == QDialog::Accepted) printerChosen_ = true;
    };
    services.CurrentPrinterName = [this] { return CurrentPrinterName(); };
    printDialog_->HelpTopic = [this](const std::string& topic) {
        PrepareHelp(Qt::ApplicationModal);
        help_->ShowTopic(ToQt(topic));
    };
    printDialog_->PrinterSetup = [this] { window_->Services().PrinterSetup(); };
    printDialog_->Export = [this](PrintExport target) {
        CommandDriver& driver = window_->Driver();
        switch (target) {
            case PrintExport::CurrentNetwork:
                driver.mnuCurrentNetworkDatatoCSVClick();
                break;
            case PrintExport::AllNetworks:
                driver.mnuAllNetworkDatatoCSVClick();
                break;
            case PrintExport::Installation:
                driver.mnuInstallationDataToCSVClick();
                break;
            case PrintExport::None:
                break;
        }
    };
    services.ExecutePrintDialog = [this](bool calculatorProject) -> std::optional<PrintRequest> {
        if (!printDialog_->Execute(calculatorProject)) return std::nullopt;
        PrintRequest request;
        request.Report = printDialog_->ReportChoice();
        request.ToPrinter = printDialog_->Device() == kDevicePrinter;
        request.NumbersAsDecimal = printDialog_->NumbersAsDecimal();
        request.AllNetworks = printDialog_->AllNetworksChosen();
        return request;
    };
    services.ShowPrintProgress = [this](std::function<void()> cancel) {
        printCancel_->SetCancelHandler(std::move(cancel));
        printCancel_->show();
    };
    services.SetPrintMessage = [this](const std::string& text) { printCancel_->SetMessage(text); };
    services.HidePrintProgress = [this] { printCancel_->hide(); };
    services.ProduceReport = [this](ReportLayout& layout, ReportFeed& feed,
                                    const ReportDevice& device) {
        return ProduceReport(layout, feed, device);
    };
    services.SelectCatalogueEntry = [this](const Catalogue& units, const std::string& code,
                                           const std::string& network, const std::string& dec,
                                           const std::string& hex) {
        return selectTag_->SelectCatalogueEntry(units, code, network, dec, hex);
    };
    services.About = [this] {
        TAboutBox box(catalogue_, window_.get());
        box.exec();
    };
}

TavoApplication::~TavoApplication() = default;

// Help asked for from a modal dialog is shown modal itself, on top of the dialog, which would
// otherwise block it; from the main window it is an ordinary window beside it.
void TavoApplication::PrepareHelp(Qt::WindowModality modality) {
    if (help_->windowModality() != modality) {
        help_->hide();
        help_->setWindowModality(modality);
    }
    PlaceBesideMainWindow(*help_);
}

// A window that explains the main window opens beside it rather than over the status strip
// and the grid; one already open stays where the user has it.
void TavoApplication::PlaceBesideMainWindow(QWidget& window) {
    if (window.isVisible()) return;
    const QRect main = window_->frameGeometry();
    const QRect screen = window_->screen()->availableGeometry();
    // A window that was never shown has no frame yet; it will get one like the main window's.
    const QSize frame = window.size() + (main.size() - window_->size());
    const ScreenRect placed =
        PlaceBeside({main.x(), main.y(), main.width(), main.height()}, frame.width(),
                    frame.height(), {screen.x(), screen.y(), screen.width(), screen.height()});
    window.move(placed.X, placed.Y);
}

std::string TavoApplication::CurrentPrinterName() {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) return {};
    if (printerChosen_ && !printer_.printerName().isEmpty())
        return printer_.printerName().toStdString();
    return QPrinterInfo::defaultPrinterName().toStdString();
}

bool TavoApplication::ProduceReport(ReportLayout& layout, ReportFeed& feed,
                                    const ReportDevice& device) {
    const QtTextMetrics metrics;
    ReportRun run(layout, feed, metrics, device.PrintDateTime);
    ReportPainter painter(logo_);
    if (device.ToPrinter)
        return PrintReportRun(run, layout, painter, device.PrinterName, device.CancelDialog,
                              window_.get());
    TReportPreview preview(run, layout, painter, window_.get());
    Prompts& prompts = state_->UserPrompts;
    preview.PrintRequested = [&] {
        const std::string printer = CurrentPrinterName();
        if (printer.empty()) {
            prompts.Error(kNoPrinterMessage);
            return;
        }
        try {
            PrintReportRun(run, layout, painter, printer, true, &preview);
        } catch (const FileError& error) {
            prompts.Error(error.what());
        }
    };
    preview.SaveRequested = [&] {
        FileDialogRequest request;
        request.Title = "Save as PDF";
        request.Filter = "PDF file|*.pdf";
        request.DefaultExtension = "pdf";
        request.FileName = layout.JobName;
        std::string path;
        if (!prompts.ChooseSaveFile(request, path)) return;
        try {
            PdfReport pdf(path, layout.JobName);
            pdf.Add(run, layout, painter);
            pdf.Finish();
        } catch (const FileError& error) {
            prompts.Error(error.what());
        }
    };
    preview.exec();
    return true;
}

}  // namespace tavo
