#include "calculator/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "calculator/CalculatorPage.h"
#include "calculator/HintDialog.h"
#include "calculator/NetworkSelector.h"
#include "calculator/ProjectCommandsText.h"
#include "components/QtText.h"
#include "core/Evaluation.h"
#include "core/NetworkFile.h"
#include "platform/Directories.h"
#include "platform/FileError.h"
#include "project/ProjectFile.h"

namespace tavo {
namespace {

constexpr int kWindowWidth = 616;
constexpr int kWindowHeight = 531;
constexpr int kLoadedHeight = 470;
constexpr int kTimerInterval = 100;

QLabel* BoldBlue(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    return label;
}

}  // namespace

TVCALC::TVCALC(AppState& state, QStringList arguments, std::string catalogue, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      arguments_(std::move(arguments)),
      catalogue_(std::move(catalogue)),
      timer_(state.Evaluation, state.UserPrompts) {
    setObjectName(QStringLiteral("TVCALC"));
    resize(kWindowWidth, kWindowHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    state_.Window.CalculatorProject = true;

    hint_ = new TDLGUnitHint(state_, this);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildMenus();
    BuildToolBar();
    BuildPanel2();
    layout->addWidget(findChild<QWidget*>(QStringLiteral("Panel2")));
    page_ = new CalculatorPage(state_, *hint_, timer_, central);
    layout->addWidget(page_, 1);
    setCentralWidget(central);
    BuildStatusBar();
    SetWindowTitle("Untitled");
    lblInstaller_->clear();
    lblProject_->clear();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kTimerInterval);
    connect(timer1_, &QTimer::timeout, this, [this] { timer_.Timer1Timer(); });
    timer1_->start();
}

TVCALC::~TVCALC() {
    timer1_->stop();
}

QAction* TVCALC::AddAction(QMenu* menu, const char* caption, const char* hint,
                           const QKeySequence& key, const char* name,
                           std::function<void()> action) {
    auto* item = new QAction(QString::fromLatin1(caption), this);
    item->setObjectName(QString::fromLatin1(name));
    if (hint != nullptr) {
        item->setToolTip(QString::fromLatin1(hint));
        item->setStatusTip(QString::fromLatin1(hint));
    }
    if (!key.isEmpty()) {
        item->setShortcut(key);
        item->setShortcutContext(Qt::WindowShortcut);
    }
    connect(item, &QAction::triggered, this, [action = std::move(action)] { action(); });
    menu->addAction(item);
    return item;
}

void TVCALC::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    file->menuAction()->setStatusTip(QStringLiteral("File Processes"));
    AddAction(file, "&New Project",
              "Create a new empty project (you will be prompted to save any changes)",
              QKeySequence(Qt::CTRL | Qt::Key_N), "New1", [this] { New1Click(); });
    AddAction(file, "&Open Project", "Load a  project  from disk",
              QKeySequence(Qt::CTRL | Qt::Key_O), "Open1", [this] { Open1Click(); });
    AddAction(file, "&Save Project", "Save the current project", QKeySequence(Qt::CTRL | Qt::Key_S),
              "Save1", [this] { Save1Click(); });
    AddAction(file, "Save Project &As", "Save the current project under a different file name",
              QKeySequence(Qt::CTRL | Qt::Key_A), "SaveAs1", [this] { SaveAs1Click(); });
    AddAction(file, "Save Network", "Save only the current network", {}, "Savelocalnetwork1",
              [this] { Savelocalnetwork1Click(); })
        ->setVisible(false);
    file->addSeparator();
    QMenu* exportMenu = file->addMenu(QStringLiteral("Export"));
    exportMenu->setObjectName(QStringLiteral("Export1"));
    exportMenu->menuAction()->setEnabled(false);
    file->addSeparator();
    AddAction(file, "Print", "Open the print dialog box", QKeySequence(Qt::CTRL | Qt::Key_P),
              "Print1", [] {})
        ->setEnabled(false);
    AddAction(file, "Printer Setup", nullptr, {}, "PrinterSetup1", [this] {
        if (services_.PrinterSetup) services_.PrinterSetup();
    });
    file->addSeparator();
    AddAction(file, "E&xit", "Exit this Application", QKeySequence(Qt::ALT | Qt::Key_F4), "Quit1",
              [this] { close(); });

    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("Options1"));
    options->menuAction()->setStatusTip(QStringLiteral("Tavo Calculator options"));
    AddAction(options, "&Edit Project Details", nullptr, {}, "EditProjectDetails2", [this] {
        if (services_.ShowProjectDetails) services_.ShowProjectDetails();
    });

    QMenu* help = bar->addMenu(QStringLiteral("&Help "));
    help->setObjectName(QStringLiteral("Help1"));
    help->menuAction()->setStatusTip(QStringLiteral("Help on Tavo Calculator"));
    AddAction(help, "&Contents", "Open Help on the contents page", QKeySequence(Qt::Key_F1),
              "HelpContents", [this] {
                  if (services_.HelpContents) services_.HelpContents();
              });
    AddAction(help, "&Search For Help On...", "Open Help on the index page", {}, "SearchForHelpOn1",
              [this] {
                  if (services_.HelpIndex) services_.HelpIndex("");
              });
    AddAction(help, "&How to use Help", "get help on how to use the help files", {},
              "HowtouseHelp1", [this] {
                  if (services_.HelpOnHelp) services_.HelpOnHelp();
              });
    help->addSeparator();
    AddAction(help, "Tutorial", "Run the Tavo Calculator Tutorial", {}, "mnuTutorial", [this] {
        if (services_.HelpTopic) services_.HelpTopic("Tutorial");
    });
    help->addSeparator();
    AddAction(help, "&About...", "View the about box", {}, "About1", [this] {
        if (services_.About) services_.About();
    });
}

void TVCALC::BuildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("ToolBar1"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    const auto button = [this, bar](const char* name, const char* hint, QStyle::StandardPixmap icon,
                                    std::function<void()> action) {
        auto* tool = new QToolButton(bar);
        tool->setObjectName(QString::fromLatin1(name));
        tool->setToolTip(QString::fromLatin1(hint));
        tool->setStatusTip(QString::fromLatin1(hint));
        tool->setIcon(style()->standardIcon(icon));
        tool->setAutoRaise(true);
        connect(tool, &QToolButton::clicked, this, [action = std::move(action)] { action(); });
        bar->addWidget(tool);
        return tool;
    };
    button("ToolButton1", "New Project", QStyle::SP_FileIcon, [this] { New1Click(); });
    button("ToolButton2", "Open Project", QStyle::SP_DialogOpenButton, [this] { Open1Click(); });
    button("ToolButton3", "Save Project", QStyle::SP_DialogSaveButton, [this] { Save1Click(); });
    bar->addSeparator();
    button("btnPrint", "Print", QStyle::SP_FileDialogDetailedView, [] {})->setEnabled(false);
    bar->addSeparator();
    button("ToolButton5", "Project Details", QStyle::SP_FileDialogInfoView, [this] {
        if (services_.ShowProjectDetails) services_.ShowProjectDetails();
    });
}

void TVCALC::BuildPanel2() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 2, 8, 2);
    grid->setVerticalSpacing(0);
    grid->addWidget(new QLabel(QStringLiteral("Installer:"), panel), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Project:"), panel), 1, 0);
    lblInstaller_ = BoldBlue(panel, "lblInstaller");
    lblProject_ = BoldBlue(panel, "lblProject");
    grid->addWidget(lblInstaller_, 0, 1);
    grid->addWidget(lblProject_, 1, 1);
    grid->setColumnStretch(1, 1);
    lblNetworkSelector_ = new QLabel(QStringLiteral("Network Selector"), panel);
    lblNetworkSelector_->setObjectName(QStringLiteral("lblNetworkSelector"));
    cbxNetworks_ = new QComboBox(panel);
    cbxNetworks_->setObjectName(QStringLiteral("cbxNetworks"));
    cbxNetworks_->setEditable(false);
    cbxNetworks_->setMinimumWidth(170);
    cbxNetworks_->setToolTip(QStringLiteral("Select a network to edit or view"));
    cbxNetworks_->setStatusTip(QStringLiteral("Select a network to edit or view"));
    grid->addWidget(lblNetworkSelector_, 0, 2);
    grid->addWidget(cbxNetworks_, 1, 2);
    connect(cbxNetworks_, &QComboBox::activated, this, [this](int index) {
        // Picking the network already shown is no change.
        if (!selectorFilling_ && index != state_.Window.CurrentNetwork - 1)
            cbxNetworksChange(index);
    });
    // The wheel would switch networks (and ask to save) while merely scrolling past.
    cbxNetworks_->installEventFilter(this);
}

void TVCALC::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    for (int width : {50, 75, 50}) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(
            QStringLiteral("StatusPanel%1").arg(bar->findChildren<QLabel*>().size()));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMinimumWidth(width);
        bar->addPermanentWidget(panel,
                                width == 50 && bar->findChildren<QLabel*>().size() == 3 ? 1 : 0);
    }
}

void TVCALC::SetWindowTitle(const std::string& name) {
    // The name is a file path, in the file system's own encoding.
    const QString caption = QString::fromStdString(WindowTitle(name));
    setWindowTitle(caption);
    // The window's own hint, shown in the status bar where no control has one.
    setStatusTip(caption);
}

void TVCALC::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (firstActivation_) {
        QTimer::singleShot(0, this, [this] {
            if (firstActivation_ && !FormActivate()) emit CatalogueMissing();
        });
    }
}

void TVCALC::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || firstActivation_) return;
    if (!isActiveWindow()) {
        // Left for another window of the program, or for another program.
        leftForOwnWindow_ = QApplication::activeWindow() != nullptr;
        return;
    }
    // Coming back from a window of the program (the details dialog, say) takes over its
    // values; coming back from another program changes nothing.
    if (leftForOwnWindow_) FormActivate();
    leftForOwnWindow_ = false;
}

bool TVCALC::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cbxNetworks_ && event->type() == QEvent::Wheel) return true;
    return QMainWindow::eventFilter(watched, event);
}

bool TVCALC::FormActivate() {
    if (activating_) return true;
    activating_ = true;
    const bool first = firstActivation_;
    if (!calculatorReady_) {
        if (first && !StartUpLoad()) {
            activating_ = false;
            return false;
        }
        WaitForStartupTicks();
        InitCalculatorPage();
    } else {
        hint_->hide();
        page_->Lists().PositionBarAtQuantity();
        page_->FocusGrid();
        if (services_.HideProjectDetails) services_.HideProjectDetails();
    }
    page_->Lists().FillGridCells();
    page_->Lists().UpdateTotalText();
    page_->Sync();
    calculatorReady_ = true;
    if (!first) lblInstaller_->setText(ToQt(state_.Project.InstallerName));
    lblProject_->setText(first ? QString() : ToQt(state_.Project.ProjectName));
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
        page_->SelectTab(page_->Lists().TabIndex());
        RefreshAfterRead();
        page_->FocusGrid();
    } else {
        FillNetworkSelector(window.NetworkCount, window.CurrentNetwork);
        page_->FocusGrid();
    }
    firstActivation_ = false;
    activating_ = false;
    return true;
}

bool TVCALC::StartUpLoad() {
    resize(width(), kLoadedHeight);
    state_.Evaluation.MaxAddressable =
        ParseAddressLimit(arguments_.isEmpty() ? std::string() : arguments_.first().toStdString());
    ResetUnitTable(state_.Units);
    QCoreApplication::processEvents();
    try {
        if (!LoadUnitCatalogue(state_.Units, catalogue_, state_.UserPrompts)) return false;
    } catch (const FileError& error) {
        state_.UserPrompts.Error(error.what());
        return false;
    }
    QCoreApplication::processEvents();
    return true;
}

void TVCALC::WaitForStartupTicks() {
    timer_.ResetStartupTicks();
    while (timer_.StartupTicks < kStartupTicks)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, kTimerInterval);
}

void TVCALC::InitCalculatorPage() {
    MainWindowState& window = state_.Window;
    window.CurrentNetwork = 1;
    window.NetworkCount = 1;
    window.ProjectSaved = true;
    window.NetworkSaved = true;
    window.ProjectFileName.clear();
    window.ProjectBaseName.clear();
    window.NetworkSavedDate.clear();
    page_->Lists().InitCalculatorPage();
    QCoreApplication::processEvents();
    ResetEvaluation(state_.Evaluation);
    page_->RefreshNetworkStatus();
    page_->Sync();
}

std::string TVCALC::SelectorItem(int index) const {
    return index >= 0 && index < cbxNetworks_->count() ? FromQt(cbxNetworks_->itemText(index))
                                                       : std::string();
}

std::string TVCALC::SelectorText() const {
    return SelectorItem(cbxNetworks_->currentIndex());
}

void TVCALC::FillNetworkSelector(int count, int selected) {
    selectorFilling_ = true;
    cbxNetworks_->clear();
    const int entries = services_.TagNetworkEntries ? services_.TagNetworkEntries() : 0;
    for (const std::string& item :
         NetworkSelectorItems(count, state_.Window, entries, services_.TagNetworkName))
        cbxNetworks_->addItem(ToQt(item));
    cbxNetworks_->setCurrentIndex(count < selected ? 0 : selected - 1);
    selectorFilling_ = false;
    UpdateSelectorCaption();
}

void TVCALC::UpdateSelectorCaption() {
    lblNetworkSelector_->setText(QString::fromStdString(
        SelectorCaption(cbxNetworks_->currentIndex() + 1, cbxNetworks_->count())));
}

bool TVCALC::SaveNetwork(const std::string& name, int number) {
    try {
        return SaveNetworkFile(state_, name, number);
    } catch (const FileError& error) {
        state_.UserPrompts.Error(error.what());
        return false;
    }
}

bool TVCALC::SaveProjectFiles() {
    try {
        if (!SaveProject(state_)) return false;
    } catch (const FileError& error) {
        state_.UserPrompts.Error(error.what());
        return false;
    }
    SetWindowTitle(state_.Window.ProjectFileName);
    state_.Window.ProjectSaved = true;
    state_.Window.NetworkSaved = true;
    return true;
}

bool TVCALC::Save1Click() {
    if (state_.Window.ProjectFileName.empty()) return SaveAs1Click();
    return SaveProjectFiles();
}

bool TVCALC::SaveAs1Click() {
    MainWindowState& window = state_.Window;
    const std::string oldName = window.ProjectFileName;
    const std::string oldBase = window.ProjectBaseName;
    FileDialogRequest request;
    request.Title = "Save As";
    request.Filter = kSaveFilter;
    request.DefaultExtension = kSaveDefaultExtension;
    request.FileName = lblProject_->text().toStdString();  // proposed as a file name
    request.ConfirmOverwrite = true;
    std::string chosen;
    if (!state_.UserPrompts.ChooseSaveFile(request, chosen)) return false;
    window.ProjectFileName = chosen;
    if (!SaveProjectFiles()) {
        // Nothing is under the new name; the project stays where it was.
        window.ProjectFileName = oldName;
        window.ProjectBaseName = oldBase;
        return false;
    }
    try {
        CopyNetworkFiles(state_, oldName, window.ProjectFileName);
    } catch (const FileError& error) {
        // The other networks are not all under the new name yet.
        window.ProjectSaved = false;
        state_.UserPrompts.Error(error.what());
        return false;
    }
    return true;
}

bool TVCALC::Savelocalnetwork1Click() {
    if (!state_.Window.ProjectFileName.empty())
        return SaveNetwork(SelectorText(), state_.Window.CurrentNetwork);
    return Save1Click();
}

bool TVCALC::ReadNetwork(int number) {
    if (state_.Window.ProjectFileName.empty()) {
        // An untitled project has no network files: a network not in memory is empty.
        ClearQuantities(state_.Units);
        state_.Window.NetworkSaved = true;
        return true;
    }
    // A file that exists but cannot be read must not turn into an empty network that the
    // next save would write over it: the network in memory stays as it was.
    std::vector<std::int32_t> quantities;
    for (const UnitType& unit : state_.Units.UnitTable) quantities.push_back(unit.Quantity);
    const bool saved = state_.Window.NetworkSaved;
    try {
        ReadNetworkFile(state_, state_.Window.ProjectFileName, number);
        return true;
    } catch (const FileError& error) {
        for (std::size_t slot = 0; slot < quantities.size(); ++slot)
            state_.Units.UnitTable[slot].Quantity = quantities[slot];
        state_.Window.NetworkSaved = saved;
        state_.UserPrompts.Error(error.what());
        return false;
    }
}

void TVCALC::RefreshAfterRead() {
    Evaluate(state_.Units, state_.Evaluation);
    page_->RefreshNetworkStatus();
    page_->Sync();
}

bool TVCALC::SaveBeforeDropping() {
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

bool TVCALC::New1Click() {
    MainWindowState& window = state_.Window;
    if (!SaveBeforeDropping()) return false;
    window.CalculatorProject = true;
    SetWindowTitle("Untitled");
    window.ProjectFileName.clear();
    window.ProjectBaseName.clear();
    lblInstaller_->clear();
    lblProject_->clear();
    calculatorReady_ = false;
    page_->SelectTab(0);
    for (UnitType& unit : state_.Units.UnitTable) unit.Quantity = 0;
    ClearProjectDetails(state_.Project);
    if (services_.ProjectDetailsChanged) services_.ProjectDetailsChanged();
    FormActivate();
    window.CurrentNetwork = 1;
    FillNetworkSelector(1, 1);
    window.NetworkSaved = true;
    window.LoadedNetworkNumber = 1;
    window.LoadedNetworkName = SelectorText();
    return true;
}

bool TVCALC::Open1Click() {
    MainWindowState& window = state_.Window;
    if (!SaveBeforeDropping()) {
        state_.UserPrompts.Warning(kOperationCancelled);
        return false;
    }
    FileDialogRequest request;
    request.Title = "Open";
    request.Filter = kOpenFilter;
    request.DefaultExtension = kOpenDefaultExtension;
    request.Directory = ReadInstallationProjectsDir(IniDirectory());
    request.MustExist = true;
    std::string chosen;
    bool opened = false;
    if (state_.UserPrompts.ChooseOpenFile(request, chosen)) {
        if (IsInstallationFile(chosen)) {
            state_.UserPrompts.ShowMessage(MessageKind::Information, kInstallationNotAvailable);
        } else {
            window.ProjectSaved = true;
            window.NetworkSaved = true;
            New1Click();
            window.ProjectFileName = chosen;
            window.CalculatorProject = true;
            window.ProjectBaseName = PathWithoutExtension(chosen);
            bool read = false;
            try {
                read = ReadProjectFile(state_, chosen);
            } catch (const FileError& error) {
                state_.UserPrompts.Error(error.what());
            }
            if (read) read = ReadNetwork(1);
            if (read) {
                SetWindowTitle(chosen);
            } else {
                New1Click();
                window.ProjectFileName.clear();
                window.ProjectBaseName.clear();
            }
            if (services_.ProjectDetailsChanged) services_.ProjectDetailsChanged();
            FormActivate();
            window.NetworkSaved = true;
            window.ProjectSaved = true;
            page_->SelectTab(kSelectedUnitsTab);
            window.LoadedNetworkNumber = window.CurrentNetwork;
            window.LoadedNetworkName = SelectorItem(window.CurrentNetwork - 1);
            opened = read;
        }
    }
    RefreshAfterRead();
    return opened;
}

void TVCALC::SwitchTo(int number) {
    if (ReadNetwork(number)) state_.Window.CurrentNetwork = number;
}

void TVCALC::cbxNetworksChange(int index) {
    MainWindowState& window = state_.Window;
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
    const int tab = page_->Lists().TabIndex();
    page_->SelectTab(kSelectedUnitsTab);
    page_->SelectTab(tab);
    RefreshAfterRead();
    FormActivate();
    window.CurrentNetwork = cbxNetworks_->currentIndex() + 1;
    page_->FocusGrid();
    UpdateSelectorCaption();
    window.LoadedNetworkNumber = window.CurrentNetwork;
    window.LoadedNetworkName = SelectorText();
}

bool TVCALC::FormCloseQuery() {
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

void TVCALC::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery()) {
        timer1_->stop();
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace tavo
