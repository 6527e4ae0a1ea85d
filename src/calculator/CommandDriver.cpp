#include "calculator/CommandDriver.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <utility>
#include "calculator/NetworkSelector.h"
#include "calculator/ProjectCommandsText.h"

#include "calculator/HintTopics.h"
#include "calculator/UnitLists.h"
#include "core/Evaluation.h"
#include "core/NetworkFile.h"
#include "core/NetworkStatus.h"
#include "platform/Directories.h"
#include "platform/SiblingFile.h"
#include "platform/Text.h"
#include "project/ProjectFile.h"
#include "reporter/InstallationImport.h"
#include "reporter/TagConversions.h"
#include "reporter/TagNames.h"
#include "reports/CsvExport.h"
#include "reports/PrintChoices.h"

namespace tavo {

CommandDriver::CommandDriver(AppState& state, MainWindowView& view, std::string catalogue,
                             std::string addressLimit, const std::string& alias)
    : state_(state),
      view_(view),
      catalogue_(std::move(catalogue)),
      addressLimit_(std::move(addressLimit)),
      warn_([&prompts = state.UserPrompts](const std::string& text) { prompts.Warning(text); }) {
    if (!alias.empty())
        Reported([&] {
            alias_ = TTavoAlias::Load(alias);
            return true;
        });
    state_.Window.CalculatorProject = true;
    SetWindowTitle("Untitled");
    ShowLabels({}, {});
    reports_ = std::make_unique<ProgramReports>(state_, *this);
}

const UnitLists& CommandDriver::Grid() const {
    return view_.Lists();
}

void CommandDriver::ShowLabels(std::string installer, std::string project) {
    installerLabel_ = std::move(installer);
    projectLabel_ = std::move(project);
    view_.ShowProjectLabels(installerLabel_, projectLabel_);
}

void CommandDriver::SetWindowTitle(const std::string& name) {
    caption_ = WindowTitle(name);
    view_.ShowCaption(caption_);
}

std::string CommandDriver::SelectorItem(int index) const {
    return index >= 0 && index < static_cast<int>(items_.size())
               ? items_[static_cast<std::size_t>(index)]
               : std::string();
}

void CommandDriver::FillNetworkSelector(int count, int selected) {
    items_ = NetworkSelectorItems(count, state_.Window, importedNames_);
    index_ = count < selected ? 0 : selected - 1;
    view_.ShowSelector(items_, index_);
    UpdateSelectorCaption();
}

void CommandDriver::UpdateSelectorCaption() {
    view_.ShowSelectorCaption(SelectorCaption(index_ + 1, static_cast<int>(items_.size())));
}

bool CommandDriver::FormActivate() {
    // A message box inside the activation would activate the window once more.
    if (activating_) return true;
    activating_ = true;
    const bool first = firstActivation_;
    UnitLists& lists = view_.Lists();
    if (!calculatorReady_) {
        if (first && !StartUpLoad()) {
            activating_ = false;
            return false;
        }
        view_.WaitForStartupTicks();
        InitCalculatorPage();
    } else {
        view_.HideOtherWindows();
        lists.PositionBarAtQuantity();
        view_.FocusGrid();
    }
    lists.FillGridCells();
    lists.UpdateTotalText();
    view_.ShowCalculatorPage();
    calculatorReady_ = true;
    ShowLabels(first ? installerLabel_ : state_.Project.InstallerName,
               first ? std::string() : state_.Project.ProjectName);
    MainWindowState& window = state_.Window;
    window.NetworkCount = state_.Project.NetworkCount;
    if (first) {
        window.CurrentNetwork = 1;
        window.LoadedNetworkNumber = 1;
        FillNetworkSelector(1, 1);
        window.LoadedNetworkName = SelectorText();
    } else if (window.CurrentNetwork > window.NetworkCount) {
        // The network in memory was dropped with the lowered count: edits to it would go to a
        // file the next save deletes, under another network's name. Network 1 is shown.
        FillNetworkSelector(window.NetworkCount, 1);
        ReadNetwork(1);
        window.CurrentNetwork = 1;
        window.LoadedNetworkNumber = 1;
        window.LoadedNetworkName = SelectorText();
        view_.SelectTab(lists.TabIndex());
        RefreshAfterRead();
        view_.FocusGrid();
    } else {
        FillNetworkSelector(window.NetworkCount, window.CurrentNetwork);
        view_.FocusGrid();
    }
    firstActivation_ = false;
    activating_ = false;
    if (first && !startupFile_.empty()) OpenFromCommandLine(std::exchange(startupFile_, {}));
    return true;
}

bool CommandDriver::StartUpLoad() {
    view_.StartUpResize();
    state_.Evaluation.MaxAddressable = ParseAddressLimit(addressLimit_);
    ResetUnitTable(state_.Units);
    view_.ProcessPendingEvents();
    bool found = false;
    if (!Reported([&] {
            found = LoadUnitCatalogue(state_.Units, catalogue_, warn_);
            return true;
        }))
        return false;
    if (!found) {
        state_.UserPrompts.Error(MissingDataFileMessage(catalogue_));
        return false;
    }
    if (state_.Units.UnitCount == 0) {
        state_.UserPrompts.Error(EmptyDataFileMessage(catalogue_));
        return false;
    }
    view_.ProcessPendingEvents();
    return true;
}

void CommandDriver::InitCalculatorPage() {
    MainWindowState& window = state_.Window;
    window.CurrentNetwork = 1;
    window.NetworkCount = 1;
    window.ProjectSaved = true;
    window.NetworkSaved = true;
    window.ProjectFileName.clear();
    window.ProjectBaseName.clear();
    window.NetworkSavedDate.clear();
    view_.Lists().InitCalculatorPage();
    view_.ProcessPendingEvents();
    ResetEvaluation(state_.Evaluation);
    view_.RefreshNetworkStatus();
    view_.ShowCalculatorPage();
}

bool CommandDriver::SaveNetwork(const std::string& name, int number) {
    bool written = false;
    if (!Reported([&] {
            written = SaveNetworkFile(state_, name, number);
            return true;
        }))
        return false;
    if (!written) {
        state_.UserPrompts.Error("Incorrect file name");
        return false;
    }
    state_.Window.NetworkSaved = true;
    return true;
}

bool CommandDriver::SaveProjectFiles(const std::string& copyFrom) {
    // Every file of the save is written to its temporary file before the first is put in
    // place: a failure leaves every old file as it was and no new one.
    bool written = false;
    if (!Reported([&] {
            AtomicBatch files;
            written = SaveProject(state_, files);
            if (!written) return true;
            CopyNetworkFiles(state_, copyFrom, state_.Window.ProjectFileName, files);
            files.Commit();
            RemoveSurplusNetworkFiles(state_);
            return true;
        }))
        return false;
    if (!written) {
        state_.UserPrompts.Error("Incorrect file name");
        return false;
    }
    SetWindowTitle(state_.Window.ProjectFileName);
    state_.Window.ProjectSaved = true;
    state_.Window.NetworkSaved = true;
    return true;
}

bool CommandDriver::Save1Click() {
    if (state_.Window.ProjectFileName.empty()) return SaveAs1Click();
    return SaveProjectFiles();
}

bool CommandDriver::SaveAs1Click() {
    MainWindowState& window = state_.Window;
    const std::string oldName = window.ProjectFileName;
    const std::string oldBase = window.ProjectBaseName;
    FileDialogRequest request;
    request.Title = "Save As";
    request.Filter = kSaveFilter;
    request.DefaultExtension = kSaveDefaultExtension;
    request.FileName = projectLabel_;  // the project name shown is proposed as a file name
    // Beside the open project; an untitled one where projects were opened last.
    request.Directory =
        window.ProjectFileName.empty() ? openDirectory_ : DirectoryOfPath(window.ProjectFileName);
    request.ConfirmOverwrite = true;
    std::string chosen;
    if (!state_.UserPrompts.ChooseSaveFile(request, chosen)) return false;
    window.ProjectFileName = chosen;
    // The other networks' files come along in the same save.
    if (!SaveProjectFiles(oldName)) {
        // Nothing is under the new name; the project stays where it was.
        window.ProjectFileName = oldName;
        window.ProjectBaseName = oldBase;
        return false;
    }
    return true;
}

bool CommandDriver::Savelocalnetwork1Click() {
    if (!state_.Window.ProjectFileName.empty())
        return SaveNetwork(SelectorText(), state_.Window.CurrentNetwork);
    return Save1Click();
}

bool CommandDriver::ReadNetwork(int number) {
    MainWindowState& window = state_.Window;
    readIncomplete_ = false;
    if (window.ProjectFileName.empty()) {
        // An untitled project has no network files: a network not in memory is empty.
        ClearQuantities(state_.Units);
        window.NetworkSaved = true;
        return true;
    }
    // A file that exists but cannot be read must not turn into an empty network that the
    // next save would write over it: the network in memory stays as it was.
    std::vector<std::int32_t> quantities;
    for (const UnitType& unit : state_.Units.UnitTable) quantities.push_back(unit.Quantity);
    NetworkFileRead read;
    if (!Reported([&] {
            read = ReadNetworkFile(state_.Units, NetworkFilePath(window.ProjectFileName, number),
                                   warn_);
            return true;
        })) {
        for (std::size_t slot = 0; slot < quantities.size(); ++slot)
            state_.Units.UnitTable[slot].Quantity = quantities[slot];
        return false;
    }
    if (read.SavedDate) window.NetworkSavedDate = *read.SavedDate;
    // Rows that were skipped are not written over the file without the user's Yes.
    readIncomplete_ = read.Found && !read.Complete;
    window.NetworkSaved = !readIncomplete_;
    return true;
}

void CommandDriver::RefreshAfterRead() {
    Evaluate(state_.Units, state_.Evaluation);
    view_.RefreshNetworkStatus();
    view_.ShowCalculatorPage();
}

bool CommandDriver::SaveBeforeDropping() {
    MainWindowState& window = state_.Window;
    // An untitled project with edited quantities counts as a changed project.
    if (!window.NetworkSaved && window.ProjectFileName.empty()) window.ProjectSaved = false;
    const char* question = !window.ProjectSaved   ? kProjectChangedPrompt
                           : !window.NetworkSaved ? kSaveNetworkPrompt
                                                  : nullptr;
    if (question == nullptr) return true;
    switch (state_.UserPrompts.AskYesNoCancel(MessageKind::Warning, question)) {
        case Answer::Yes:
            // Work is only thrown away once it is on disk.
            return !window.ProjectSaved ? Save1Click()
                                        : SaveNetwork(SelectorText(), window.CurrentNetwork);
        case Answer::No:
            return true;
        default:
            return false;
    }
}

bool CommandDriver::New1Click() {
    MainWindowState& window = state_.Window;
    if (!SaveBeforeDropping()) return false;
    window.CalculatorProject = true;
    SetWindowTitle("Untitled");
    window.ProjectFileName.clear();
    window.ProjectBaseName.clear();
    ShowLabels({}, {});
    calculatorReady_ = false;
    view_.SelectTab(0);
    ClearQuantities(state_.Units);
    ClearProjectDetails(state_.Project);
    importedNames_.clear();
    view_.ProjectDetailsChanged();
    FormActivate();
    window.CurrentNetwork = 1;
    FillNetworkSelector(1, 1);
    window.NetworkSaved = true;
    window.LoadedNetworkNumber = 1;
    window.LoadedNetworkName = SelectorText();
    return true;
}

bool CommandDriver::Open1Click() {
    if (!SaveBeforeDropping()) {
        state_.UserPrompts.Warning(kOperationCancelled);
        return false;
    }
    FileDialogRequest request;
    request.Title = "Open";
    request.Filter = kOpenFilter;
    request.DefaultExtension = kOpenDefaultExtension;
    // Where a project was opened last; at first where the installation software keeps its
    // projects.
    request.Directory =
        openDirectory_.empty() ? ReadInstallationProjectsDir(IniDirectory()) : openDirectory_;
    request.MustExist = true;
    std::string chosen;
    if (state_.UserPrompts.ChooseOpenFile(request, chosen)) {
        openDirectory_ = DirectoryOfPath(chosen);
        return OpenFile(chosen);
    }
    RefreshAfterRead();
    return false;
}

bool CommandDriver::OpenFile(const std::string& path) {
    MainWindowState& window = state_.Window;
    window.ProjectSaved = true;
    window.NetworkSaved = true;
    New1Click();
    window.ProjectFileName = path;
    window.CalculatorProject = !IsInstallationFile(path);
    window.ProjectBaseName = PathWithoutExtension(path);
    bool read = false;
    if (window.CalculatorProject) {
        Reported([&] {
            read = ReadProjectFile(state_.Project, path);
            if (!read) state_.UserPrompts.Error(kCorruptProjectMessage);
            return read;
        });
        if (read) read = ReadNetwork(1);
        if (read) SetWindowTitle(path);
    } else {
        read = OpenInstallationProject();
    }
    if (!read) {
        // What could not be read leaves a new untitled project.
        New1Click();
        window.ProjectFileName.clear();
        window.ProjectBaseName.clear();
    }
    view_.ProjectDetailsChanged();
    if (window.CalculatorProject) FormActivate();
    window.NetworkSaved = !(read && readIncomplete_);
    window.ProjectSaved = true;
    view_.SelectTab(kSelectedUnitsTab);
    window.LoadedNetworkNumber = window.CurrentNetwork;
    window.LoadedNetworkName = SelectorItem(window.CurrentNetwork - 1);
    RefreshAfterRead();
    return read;
}

bool CommandDriver::OpenFromCommandLine(const std::string& path) {
    struct stat info {};
    const int error = ::stat(path.c_str(), &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
    if (error != 0) {
        state_.UserPrompts.Error(FileError::FromErrno("Cannot open file", path, error).what());
        return false;
    }
    return OpenFile(path);
}

bool CommandDriver::OpenInstallationProject() {
    MainWindowState& window = state_.Window;
    if (!ImportInstallation(window.ProjectBaseName)) return false;
    window.CalculatorProject = false;
    SetWindowTitle(window.ProjectFileName);
    ReadNetwork(1);
    std::string warning;
    for (const std::string& line : HintTopicLines(kInstallationWarningTopic, {}))
        warning += (warning.empty() ? "" : "\r") + line;
    state_.UserPrompts.Warning(warning);
    return true;
}

bool CommandDriver::ImportInstallation(const std::string& base) {
    MainWindowState& window = state_.Window;
    TTagStore& tags = state_.Tags;
    TTavoData& table = state_.Installation;
    Catalogue& units = state_.Units;
    tags.ClearTags();
    table.ClearRows();
    ClearProjectDetails(state_.Project);
    importedNames_.clear();

    // Everything is read before anything is written, so a file that cannot be read stops the
    // import with nothing written.
    std::string projectPath = FindPathIgnoringCase(base + ".tav");
    if (projectPath.empty()) projectPath = base + ".tav";
    const std::string tablePath = base + ".dbf";
    InstallationTableRead tableRead;
    std::optional<ProjectDetails> details;
    bool detailsCorrupt = false;
    if (!Reported([&] {
            ReadTagFile(tags, base);
            tableRead = ReadInstallationTable(table, tags, TTagNames(tags), units, tablePath,
                                              state_.Locale);
            if (!tableRead.Refusal.empty()) return true;
            if (FileExists(projectPath)) {
                ProjectDetails read;
                if (ReadProjectFile(read, projectPath))
                    details = read;
                else
                    detailsCorrupt = true;
            }
            return true;
        }))
        return false;
    if (!tableRead.Refusal.empty()) {
        state_.UserPrompts.Error(DamagedTableMessage(tablePath, tableRead.Refusal));
        return false;
    }
    if (tableRead.Missing > 0)
        state_.UserPrompts.Warning(MissingRecordsMessage(tablePath, tableRead.Missing));

    std::vector<InstallationNetwork> networks = CollectNetworks(table);
    if (networks.size() > static_cast<std::size_t>(kMaxImportedNetworks)) {
        state_.UserPrompts.Warning(SurplusNetworksMessage(networks.size()));
        networks.resize(kMaxImportedNetworks);
    }
    const int count = std::max(1, static_cast<int>(networks.size()));
    window.NetworkCount = count;
    state_.Project.NetworkCount = count;
    for (std::size_t k = 0; k < networks.size(); ++k)
        importedNames_.push_back(
            ImportedNetworkName(tags, networks[k].Value, static_cast<int>(k) + 1));
    FillNetworkSelector(count, 1);

    // Each network's units are counted into the UnitTable and saved as its network file, with
    // the network's own verdicts. The files, and the project file, are committed together at
    // the end: one flush of the disk for all of them, and none is replaced unless all could be
    // written.
    const TTagNames names(tags);
    const int decColumn = table.FindColumn("UnitAddressDec");
    const int hexColumn = table.FindColumn("UnitAddressHex");
    UnitCountingEvents events;
    events.Choose = [&](std::size_t k, int slot, int row) {
        return view_.SelectCatalogueEntry(
            units, units.UnitTable[static_cast<std::size_t>(slot)].InstallCode,
            names.Network(DecimalOrZero(networks[k].Value)),
            std::string(table.GetCell(decColumn, row)), std::string(table.GetCell(hexColumn, row)));
    };
    events.Beep = [&] { state_.UserPrompts.Beep(); };
    AtomicBatch files;
    events.Counted = [&](std::size_t k) {
        Evaluate(units, state_.Evaluation);
        window.CurrentNetwork = static_cast<int>(k) + 1;
        view_.RefreshNetworkStatus();
        bool added = false;
        if (!Reported([&] {
                added = SaveNetworkFile(state_, importedNames_[k], window.CurrentNetwork, files);
                return true;
            }))
            return false;
        if (!added) state_.UserPrompts.Error("Incorrect file name");
        return added;
    };
    std::vector<std::string> unmatched;
    if (!CountInstalledUnits(table, networks, alias_, units, unmatched, events)) return false;
    table.SetCurrentRow(0);

    if (details) state_.Project = *details;
    if (detailsCorrupt) state_.UserPrompts.Error(kCorruptProjectMessage);
    window.NetworkCount = count;
    state_.Project.NetworkCount = count;
    state_.Project.ProjectName = std::string(table.GetValue("Project"));
    window.CurrentNetwork = 1;
    if (!Reported([&] {
            WriteProjectFile(state_.Project, projectPath, files);
            files.Commit();
            return true;
        }))
        return false;
    if (!networks.empty()) window.NetworkSaved = true;
    ShowLabels(state_.Project.InstallerName, state_.Project.ProjectName);
    if (!unmatched.empty()) state_.UserPrompts.Warning(UnknownTypesMessage(unmatched));
    return true;
}

std::string CommandDriver::DirectoryOfPath(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? "/" : path.substr(0, slash);
}

CommandDriver::ExportMenu CommandDriver::mnuExportClick() const {
    ExportMenu menu;
    menu.InstallationEnabled = !state_.Window.CalculatorProject;
    const std::string network = SelectorText();
    menu.CurrentNetworkCaption = "Current Network Data (" + network + ") to CSV";
    menu.CurrentNetworkHint =
        "Export the data for the current Network (" + network + ") to CSV format";
    return menu;
}

bool CommandDriver::ChooseExportFile(const std::string& fileName, std::string& path) {
    FileDialogRequest request;
    request.Title = "Save Export";
    request.Filter = "Comma Separated Value (CSV)|*.csv";
    request.DefaultExtension = "csv";
    request.FileName = fileName;
    request.ConfirmOverwrite = true;
    return state_.UserPrompts.ChooseSaveFile(request, path);
}

void CommandDriver::ShowSelectedUnits() {
    view_.SelectTab(kSelectedUnitsTab);
}

bool CommandDriver::MakeCurrent(int index) {
    cbxNetworksChange(index);
    return state_.Window.CurrentNetwork == index + 1;
}

NetworkExport CommandDriver::CurrentNetworkExport() {
    NetworkExport network;
    network.ProjectName = state_.Project.ProjectName;
    network.NetworkName = SelectorText();
    const UnitLists& lists = view_.Lists();
    for (int row = 0; row < lists.RowCount(); ++row) network.Grid.push_back(lists.Cells(row));
    const NetworkStatus status = ComputeNetworkStatus(state_.Units, state_.Evaluation);
    network.Status = {status.Consumption.ValueText, status.Consumption.StatusText,
                      status.Supply.ValueText,      status.Supply.StatusText,
                      status.Impedance.ValueText,   status.Impedance.StatusText};
    return network;
}

bool CommandDriver::mnuCurrentNetworkDatatoCSVClick() {
    std::string path;
    if (!ChooseExportFile(SelectorText(), path)) return false;
    return ExportCurrentNetwork(path);
}

bool CommandDriver::ExportCurrentNetwork(const std::string& path) {
    ShowSelectedUnits();
    const std::vector<NetworkExport> networks = {CurrentNetworkExport()};
    if (!Reported([&] {
            ExportNetworkToCSV(path, networks);
            return true;
        }))
        return false;
    state_.UserPrompts.ShowMessage(MessageKind::Information, kExportComplete);
    return true;
}

bool CommandDriver::mnuAllNetworkDatatoCSVClick() {
    std::string path;
    if (!ChooseExportFile("Networks", path)) return false;
    return ExportAllNetworks(path);
}

bool CommandDriver::ExportAllNetworks(const std::string& path) {
    const int start = index_;
    std::vector<NetworkExport> networks;
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        view_.ProcessPendingEvents();
        // Cancel at "Save network?" stops the export: nothing is written.
        if (!MakeCurrent(i)) break;
        ShowSelectedUnits();
        networks.push_back(CurrentNetworkExport());
    }
    // The file is complete only once the last network is in it.
    const bool written = networks.size() == items_.size() && Reported([&] {
                             ExportNetworkToCSV(path, networks);
                             return true;
                         });
    if (written) state_.UserPrompts.ShowMessage(MessageKind::Information, kExportComplete);
    MakeCurrent(start);
    return written;
}

bool CommandDriver::btnPrintClick() {
    if (printing_) return false;
    const std::optional<PrintRequest> request =
        view_.ExecutePrintDialog(state_.Window.CalculatorProject);
    if (!request) return false;
    return PrintReport(*request);
}

void CommandDriver::PrepareReports(bool toPrinter, bool numbersAsDecimal) {
    reports_->ApplyNumberFormat(numbersAsDecimal);
    device_.ToPrinter = toPrinter;
    device_.PrinterName = view_.CurrentPrinterName();
    device_.CancelDialog = true;
    device_.PrintDateTime = PrintDateTime(state_.Locale, state_.Today(), state_.MinuteOfDay());
}

bool CommandDriver::Produce(ReportKind kind, bool cancelDialog) {
    // The preview needs no printer; printing does.
    if (device_.ToPrinter && device_.PrinterName.empty()) {
        state_.UserPrompts.Error(kNoPrinterMessage);
        return false;
    }
    ReportDevice device = device_;
    device.CancelDialog = cancelDialog;
    bool produced = false;
    Reported([&] {
        produced = view_.ProduceReport(reports_->Layout(kind), reports_->Feed(kind), device);
        return produced;
    });
    return produced;
}

bool CommandDriver::PrintReport(const PrintRequest& request) {
    if (printing_) return false;
    printing_ = true;
    PrepareReports(request.ToPrinter, request.NumbersAsDecimal);
    ShowSelectedUnits();
    bool printed = false;
    switch (request.Report) {
        case 0:
            printed = Produce(ReportKind::ProjectDetail);
            break;
        case 1:
            printed = PrintNetworkReport(request.AllNetworks);
            break;
        default:
            printed = Produce(ReportKind::Installation);
            break;
    }
    printing_ = false;
    return printed;
}

bool CommandDriver::PrintNetworkReport(bool allNetworks) {
    view_.ShowPrintProgress([this] { PrintCancel(); });
    reports_->ShowReportNumber(true);
    // Whatever happens, the progress window goes and the footer shows the page alone again.
    struct Restore {
        CommandDriver& Driver;
        ~Restore() {
            Driver.view_.HidePrintProgress();
            Driver.reports_->ShowReportNumber(false);
        }
    } restore{*this};
    if (!allNetworks || !device_.ToPrinter) {
        view_.SetPrintMessage(PrintNetworkProgressMessage(SelectorText()));
        return Produce(ReportKind::Calculator);
    }
    return PrintAllNetworks();
}

bool CommandDriver::PrintAllNetworks() {
    printCancelled_ = false;
    const int count = SelectorCount();
    int printed = 0;
    for (int i = 0; i < count; ++i) {
        if (printCancelled_) break;
        // Cancel at "Save network?" stops the run as the progress window's Cancel does.
        if (!MakeCurrent(i)) break;
        view_.SetPrintMessage(
            PrintAllProgressMessage(SelectorText(), i + 1, count, device_.PrinterName));
        view_.ProcessPendingEvents();
        if (!Produce(ReportKind::Calculator, false))
            printCancelled_ = true;
        else
            ++printed;
        view_.ProcessPendingEvents();
    }
    return printed == count;
}

bool CommandDriver::mnuInstallationDataToCSVClick() {
    std::string path;
    if (!ChooseExportFile(installationExportName_, path)) return false;
    installationExportName_ = path;
    return ExportInstallationData(path);
}

bool CommandDriver::ExportInstallationData(const std::string& path) {
    if (!Reported([&] {
            ExportInstallationToCSV(path, state_.Installation);
            return true;
        }))
        return false;
    state_.UserPrompts.ShowMessage(MessageKind::Information, kExportComplete);
    return true;
}

void CommandDriver::SwitchTo(int number) {
    if (ReadNetwork(number)) state_.Window.CurrentNetwork = number;
}

void CommandDriver::cbxNetworksChange(int index) {
    MainWindowState& window = state_.Window;
    // Picking the network already shown is no change.
    if (index == window.CurrentNetwork - 1) return;
    index_ = index;
    if (index >= 0 && index < window.NetworkCount) {
        const int target = index + 1;
        if (window.NetworkSaved) {
            SwitchTo(target);
        } else {
            switch (state_.UserPrompts.AskYesNoCancel(MessageKind::Warning, kSaveNetworkPrompt)) {
                case Answer::No:
                    SwitchTo(target);
                    break;
                case Answer::Yes:
                    if (!window.ProjectBaseName.empty()) {
                        // The network is read only once the one in memory is on disk.
                        if (SaveNetwork(window.LoadedNetworkName, window.LoadedNetworkNumber))
                            SwitchTo(target);
                    } else {
                        SaveAs1Click();
                        if (!window.ProjectBaseName.empty()) {
                            SwitchTo(target);
                        } else {
                            state_.UserPrompts.Error(kCannotSaveNetwork);
                        }
                    }
                    break;
                default:
                    break;
            }
        }
    }
    const int tab = view_.Lists().TabIndex();
    view_.SelectTab(kSelectedUnitsTab);
    view_.SelectTab(tab);
    RefreshAfterRead();
    FormActivate();
    window.CurrentNetwork = index_ + 1;
    view_.FocusGrid();
    UpdateSelectorCaption();
    window.LoadedNetworkNumber = window.CurrentNetwork;
    window.LoadedNetworkName = SelectorText();
}

bool CommandDriver::FormCloseQuery() {
    const MainWindowState& window = state_.Window;
    if (window.ProjectSaved) {
        if (window.NetworkSaved) return true;
        switch (state_.UserPrompts.AskYesNoCancel(MessageKind::Warning, kSaveNetworkBeforeExit)) {
            case Answer::Yes:
                return Savelocalnetwork1Click();
            case Answer::No:
                return true;
            default:
                return false;
        }
    }
    switch (state_.UserPrompts.AskYesNoCancel(MessageKind::Warning, kSaveProjectBeforeExit)) {
        case Answer::Yes:
            return Save1Click();
        case Answer::No:
            return true;
        default:
            return false;
    }
}

}  // namespace tavo
