#pragma once

#include <string>
#include <vector>

#include "calculator/MainWindowView.h"
#include "calculator/UnitLists.h"
#include "core/AppState.h"

namespace tavo {

// The main window without a window, for tavocalc-cli and the tests: it keeps what the command
// driver shows (caption, labels, selector) and the unit lists, and computes the status texts
// that a saved network file carries. There is nothing to wait for and nobody to focus.
class HeadlessView : public MainWindowView, private UnitListEvents {
  public:
    explicit HeadlessView(AppState& state) : state_(state), lists_(state, *this) {}

    void ShowCaption(const std::string& caption) override { Caption = caption; }
    void ShowProjectLabels(const std::string& installer, const std::string& project) override {
        Installer = installer;
        Project = project;
    }
    void ShowSelector(const std::vector<std::string>& items, int index) override {
        Items = items;
        Index = index;
    }
    void ShowSelectorCaption(const std::string&) override {}
    UnitLists& Lists() override { return lists_; }
    void SelectTab(int tab) override { lists_.TabCtrlChange(tab); }
    void ShowCalculatorPage() override {}
    void RefreshNetworkStatus() override;
    void FocusGrid() override {}
    void HideOtherWindows() override {}
    void ProjectDetailsChanged() override {}
    // Nobody is there to choose: the first entry, highlighted when the dialog opens, is taken.
    int SelectCatalogueEntry(const Catalogue& units, const std::string& code,
                             const std::string& network, const std::string& addressDec,
                             const std::string& addressHex) override;
    // Print requests answer from NextPrintRequest, once; the printer is Printer.
    std::optional<PrintRequest> ExecutePrintDialog(bool calculatorProject) override;
    std::string CurrentPrinterName() override { return Printer; }
    // Lays the report out (every character 2 mm wide per 10 points) and keeps its pages' texts.
    bool ProduceReport(ReportLayout& layout, ReportFeed& feed, const ReportDevice& device) override;
    void ShowPrintProgress(std::function<void()> cancel) override;
    void SetPrintMessage(const std::string& text) override { ProgressMessages.push_back(text); }
    void HidePrintProgress() override { ProgressShown = false; }
    void ProcessPendingEvents() override {}
    void WaitForStartupTicks() override {}
    void StartUpResize() override {}

    std::string Caption;
    std::string Installer;
    std::string Project;
    std::vector<std::string> Items;
    int Index = 0;

    // What the print commands asked and produced.
    struct ProducedReport {
        std::string Layout;
        ReportDevice Device;
        std::vector<std::vector<std::string>> Pages;  // the texts of each page, in order
    };
    std::optional<PrintRequest> NextPrintRequest;
    bool LastDialogForCalculator = true;
    std::string Printer;
    std::vector<ProducedReport> Produced;
    bool ProgressShown = false;
    std::vector<std::string> ProgressMessages;
    std::function<void()> ProgressCancel;
    // Runs after each report is produced (a test clicks Cancel there).
    std::function<void()> AfterProduce;

  private:
    void HideHint() override {}
    void ShowUnitHint() override {}

    AppState& state_;
    UnitLists lists_;
};

}  // namespace tavo
