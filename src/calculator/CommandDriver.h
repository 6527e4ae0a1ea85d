#pragma once

#include <memory>
#include <string>
#include <vector>

#include "calculator/MainWindowView.h"
#include "core/AppState.h"
#include "platform/FileError.h"
#include "platform/Warnings.h"
#include "reporter/TavoAlias.h"
#include "reports/CsvExport.h"
#include "reports/ProgramReports.h"

namespace tavo {

// The main window's commands and the state they change: which question is asked, what Yes
// saves, when ProjectSaved and NetworkSaved change, which network is in memory. It reaches
// the window through the view and the user through the prompts, so the desktop program,
// tavocalc-cli and the tests run the same flows.
class CommandDriver : public CalculatorWindow {
  public:
    // catalogue: the path of TAVOUNIT.DAT; addressLimit: the program's first argument (empty
    // without one); alias: the alias list TavoAlias.als (empty for none). Runs the window's
    // creation steps: the alias list is read, the caption reads "Untitled", the labels are empty.
    CommandDriver(AppState& state, MainWindowView& view, std::string catalogue,
                  std::string addressLimit, const std::string& alias = {});

    // An activation of the main window: on the first, the start-up load (address limit,
    // catalogue); whenever the page is not ready, the five-tick wait and the page set-up; then
    // the labels, the network count and the selector follow the project. False when the
    // catalogue could not be loaded: the message has been shown and the program ends.
    bool FormActivate();

    // The commands. Each returns whether it went through: New and Open went on, the saves
    // have their files on disk.
    bool New1Click();
    bool Open1Click();
    bool Save1Click();
    bool SaveAs1Click();
    bool Savelocalnetwork1Click();
    // The user picked item index (0-based) of the network selector.
    void cbxNetworksChange(int index);
    // Whether the window may close now; asks the exit prompts.
    bool FormCloseQuery();

    // Open after the file dialog: path is the file the user chose (in the file system's
    // encoding). True when a project was read, or an installation imported.
    bool OpenFile(const std::string& path);

    // Open for the file named on the program's command line: as OpenFile, once the file is
    // known to be there (the open dialog offers only files that are); otherwise the reason is
    // shown and the new project stays.
    bool OpenFromCommandLine(const std::string& path);
    // The file to open that way as soon as the first activation has finished the start-up.
    void OpenAfterStartUp(std::string path) { startupFile_ = std::move(path); }

    // The installation import, run by Open for a tag file once the window has been reset to a
    // new project named after it: builds the networks from the installation, then shows
    // network 1 and the warning that power supply units may be missing. False, with the
    // reason shown and nothing written, when a file of the installation cannot be read.
    bool OpenInstallationProject();
    bool ImportInstallation(const std::string& base);

    // The Export submenu, rebuilt each time it opens.
    struct ExportMenu {
        bool InstallationEnabled = false;
        std::string CurrentNetworkCaption;
        std::string CurrentNetworkHint;
    };
    ExportMenu mnuExportClick() const;
    // The exports: each asks for the file in the save dialog, then writes it whole (or leaves
    // the old file as it was) and says "Export Complete!". False when cancelled or failed.
    bool mnuCurrentNetworkDatatoCSVClick();
    bool mnuAllNetworkDatatoCSVClick();
    bool mnuInstallationDataToCSVClick();
    // The same after the save dialog, for the file at path.
    bool ExportCurrentNetwork(const std::string& path);
    bool ExportAllNetworks(const std::string& path);
    bool ExportInstallationData(const std::string& path);

    // Makes the network at selector position index current, as the user's pick in the selector
    // does ("Save network?" included); true when it is current afterwards.
    bool MakeCurrent(int index);
    // Switches the unit list to "Selected Units", as reports and exports read it.
    void ShowSelectedUnits();

    // The Print command: the print dialog, then the chosen report on the screen or the
    // printer; the network information report of every network one after another under the
    // progress window, whose Cancel stops the run between networks.
    bool btnPrintClick();
    // The same after the print dialog closed with Preview or Print.
    bool PrintReport(const PrintRequest& request);
    // The progress window's Cancel.
    void PrintCancel() { printCancelled_ = true; }
    bool PrintCancelled() const { return printCancelled_; }
    ProgramReports& Reports() { return *reports_; }

    void FillNetworkSelector(int count, int selected);
    void UpdateSelectorCaption();
    // name: a file path in the file system's encoding, or "Untitled".
    void SetWindowTitle(const std::string& name);

    // What the window shows, as the driver last wrote it.
    const std::string& Caption() const { return caption_; }
    const std::vector<std::string>& SelectorItems() const { return items_; }
    int SelectorIndex() const override { return index_; }
    int SelectorCount() const override { return static_cast<int>(items_.size()); }
    std::string SelectorText() const override { return SelectorItem(index_); }
    const UnitLists& Grid() const override;
    bool FirstActivation() const { return firstActivation_; }

  private:
    bool StartUpLoad();
    void InitCalculatorPage();
    std::string SelectorItem(int index) const;
    // The prompt before New or Open drops what is in memory: true to go on (No, or Yes and the
    // save succeeded), false to stop.
    bool SaveBeforeDropping();
    // The file work of a save with the flags set only on success; copyFrom: Save As brings the
    // other networks' files of that project along.
    bool SaveProjectFiles(const std::string& copyFrom = {});
    bool SaveNetwork(const std::string& name, int number);
    // Reads network number into the UnitTable; an untitled project has no files. False, with
    // the error shown and the network in memory kept, when its file cannot be read.
    bool ReadNetwork(int number);
    // Makes network number the one in memory, when it can be read.
    void SwitchTo(int number);
    void RefreshAfterRead();
    void ShowLabels(std::string installer, std::string project);
    static std::string DirectoryOfPath(const std::string& path);
    // The save dialog of the exports, proposing fileName; false when cancelled.
    bool ChooseExportFile(const std::string& fileName, std::string& path);
    NetworkExport CurrentNetworkExport();
    // Prepares the three reports for a run on the printer or the screen: the number format and
    // the printer.
    void PrepareReports(bool toPrinter, bool numbersAsDecimal);
    bool Produce(ReportKind kind, bool cancelDialog = true);
    bool PrintNetworkReport(bool allNetworks);
    bool PrintAllNetworks();

    // The one place where a failure of the file system becomes the system's error box: runs
    // work and returns its result, or shows the error and returns false.
    template <class Work>
    bool Reported(Work work) {
        try {
            return work();
        } catch (const FileError& error) {
            state_.UserPrompts.Error(error.what());
            return false;
        }
    }

    AppState& state_;
    MainWindowView& view_;
    std::string catalogue_;
    std::string addressLimit_;
    WarningSink warn_;
    TTavoAlias alias_;
    // The names the import gave to the networks of the open installation, network 1 first.
    std::vector<std::string> importedNames_;
    // The folder a project was opened from last.
    std::string openDirectory_;
    // The file the installation export's save dialog last returned.
    std::string installationExportName_;
    std::unique_ptr<ProgramReports> reports_;
    ReportDevice device_;
    bool printCancelled_ = false;
    // The network read last had rows that were skipped.
    bool readIncomplete_ = false;
    bool printing_ = false;

    std::string caption_;
    std::string installerLabel_;
    std::string projectLabel_;
    std::vector<std::string> items_;
    int index_ = 0;
    bool firstActivation_ = true;
    std::string startupFile_;
    bool calculatorReady_ = false;
    bool activating_ = false;
};

}  // namespace tavo
