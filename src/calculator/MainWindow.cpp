#include "calculator/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "calculator/CalculatorPage.h"
#include "calculator/HintDialog.h"
#include "calculator/StartupArguments.h"
#include "components/ElidedLabel.h"
#include "components/QtText.h"
#include "components/ToolIcons.h"

namespace tavo {
namespace {

constexpr int kWindowWidth = 616;
constexpr int kWindowHeight = 531;
constexpr int kLoadedHeight = 470;
constexpr int kTimerInterval = 100;

// The installer and project names: cut to the room the window has, never widening it.
TElidedLabel* BoldBlue(QWidget* parent, const char* name) {
    auto* label = new TElidedLabel(parent);
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

TVCALC::TVCALC(AppState& state, QStringList arguments, std::string catalogue, std::string alias,
               QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("TVCALC"));
    resize(kWindowWidth, kWindowHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    hint_ = new TDLGUnitHint(state, this);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildMenus();
    BuildToolBar();
    BuildPanel2();
    layout->addWidget(findChild<QWidget*>(QStringLiteral("Panel2")));
    page_ = new CalculatorPage(state, *hint_, central);
    layout->addWidget(page_, 1);
    setCentralWidget(central);
    BuildStatusBar();
    std::vector<std::string> words;
    for (const QString& argument : arguments)
        words.push_back(QFile::encodeName(argument).toStdString());
    const StartupArguments startup = ParseStartupArguments(words);
    driver_ = std::make_unique<CommandDriver>(state, static_cast<MainWindowView&>(*this),
                                              std::move(catalogue), startup.AddressLimit, alias);
    // The file named on the command line opens once the window is up, as File > Open opens
    // the file chosen in its dialog.
    driver_->OpenAfterStartUp(startup.File);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kTimerInterval);
    connect(timer1_, &QTimer::timeout, this, [this] { page_->Timer().Timer1Timer(); });
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
              QKeySequence(Qt::CTRL | Qt::Key_N), "New1", [this] { driver_->New1Click(); });
    AddAction(file, "&Open Project", "Load a  project  from disk",
              QKeySequence(Qt::CTRL | Qt::Key_O), "Open1", [this] { driver_->Open1Click(); });
    AddAction(file, "&Save Project", "Save the current project", QKeySequence(Qt::CTRL | Qt::Key_S),
              "Save1", [this] { driver_->Save1Click(); });
    AddAction(file, "Save Project &As", "Save the current project under a different file name",
              QKeySequence(Qt::CTRL | Qt::Key_A), "SaveAs1", [this] { driver_->SaveAs1Click(); });
    AddAction(file, "Save Network", "Save only the current network", {}, "Savelocalnetwork1",
              [this] { driver_->Savelocalnetwork1Click(); })
        ->setVisible(false);
    file->addSeparator();
    QMenu* exportMenu = file->addMenu(QStringLiteral("Export"));
    exportMenu->setObjectName(QStringLiteral("mnuExport"));
    exportMenu->menuAction()->setObjectName(QStringLiteral("mnuExportAction"));
    exportMenu->menuAction()->setStatusTip(
        QStringLiteral("Export the current data to a CSV (Comma Seperated Values) file"));
    QAction* current = AddAction(
        exportMenu, "Current Network Data to CSV",
        "Export the current data to a CSV (Comma Seperated Values) file in the same format as "
        "the network report",
        {}, "mnuCurrentNetworkDatatoCSV", [this] { driver_->mnuCurrentNetworkDatatoCSVClick(); });
    AddAction(exportMenu, "All Network Data to CSV", nullptr, {}, "mnuAllNetworkDatatoCSV",
              [this] { driver_->mnuAllNetworkDatatoCSVClick(); });
    exportMenu->addSeparator();
    QAction* installation = AddAction(
        exportMenu, "Installation Data To CSV",
        "Export the current data to a CSV (Comma Seperated Values) file in the same format as "
        "the installation report",
        {}, "mnuInstallationDataToCSV", [this] { driver_->mnuInstallationDataToCSVClick(); });
    // Rebuilt on each opening from what is open now.
    connect(exportMenu, &QMenu::aboutToShow, this, [this, current, installation] {
        const CommandDriver::ExportMenu menu = driver_->mnuExportClick();
        installation->setEnabled(menu.InstallationEnabled);
        current->setText(ToQt(menu.CurrentNetworkCaption));
        current->setStatusTip(ToQt(menu.CurrentNetworkHint));
        current->setToolTip(ToQt(menu.CurrentNetworkHint));
    });
    file->addSeparator();
    AddAction(file, "Print", "Open the print dialog box", QKeySequence(Qt::CTRL | Qt::Key_P),
              "Print1", [this] { driver_->btnPrintClick(); });
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
    const auto button = [this, bar](const char* name, const char* hint, const QIcon& icon,
                                    std::function<void()> action) {
        auto* tool = new QToolButton(bar);
        tool->setObjectName(QString::fromLatin1(name));
        tool->setToolTip(QString::fromLatin1(hint));
        tool->setStatusTip(QString::fromLatin1(hint));
        tool->setIcon(icon);
        tool->setAutoRaise(true);
        connect(tool, &QToolButton::clicked, this, [action = std::move(action)] { action(); });
        bar->addWidget(tool);
        return tool;
    };
    button("ToolButton1", "New Project", NewPageIcon(), [this] { driver_->New1Click(); });
    button("ToolButton2", "Open Project", OpenFolderIcon(), [this] { driver_->Open1Click(); });
    button("ToolButton3", "Save Project", SaveDiskIcon(), [this] { driver_->Save1Click(); });
    bar->addSeparator();
    button("btnPrint", "Print", PrinterIcon(), [this] { driver_->btnPrintClick(); });
    bar->addSeparator();
    button("ToolButton5", "Project Details", DetailsIcon(), [this] {
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
    connect(cbxNetworks_, &QComboBox::activated, this,
            [this](int index) { driver_->cbxNetworksChange(index); });
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

void TVCALC::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (driver_->FirstActivation()) {
        QTimer::singleShot(0, this, [this] {
            if (driver_->FirstActivation() && !driver_->FormActivate()) emit CatalogueMissing();
        });
    }
}

void TVCALC::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || driver_->FirstActivation()) return;
    if (!isActiveWindow()) {
        // Left for another window of the program, or for another program.
        leftForOwnWindow_ = QApplication::activeWindow() != nullptr;
        return;
    }
    // Coming back from a window of the program (the details dialog, say) takes over its
    // values; coming back from another program changes nothing.
    if (leftForOwnWindow_) driver_->FormActivate();
    leftForOwnWindow_ = false;
}

bool TVCALC::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cbxNetworks_ && event->type() == QEvent::Wheel) return true;
    return QMainWindow::eventFilter(watched, event);
}

void TVCALC::ShowCaption(const std::string& caption) {
    // The name in the caption is a file path, in the file system's own encoding.
    const QString text = QString::fromStdString(caption);
    setWindowTitle(text);
    // The window's own hint, shown in the status bar where no control has one.
    setStatusTip(text);
}

void TVCALC::ShowProjectLabels(const std::string& installer, const std::string& project) {
    lblInstaller_->SetFullText(ToQt(installer));
    lblProject_->SetFullText(ToQt(project));
}

void TVCALC::ShowSelector(const std::vector<std::string>& items, int index) {
    const QSignalBlocker blocker(cbxNetworks_);
    cbxNetworks_->clear();
    for (const std::string& item : items) cbxNetworks_->addItem(ToQt(item));
    cbxNetworks_->setCurrentIndex(index);
}

void TVCALC::ShowSelectorCaption(const std::string& caption) {
    lblNetworkSelector_->setText(QString::fromStdString(caption));
}

UnitLists& TVCALC::Lists() {
    return page_->Lists();
}

void TVCALC::SelectTab(int tab) {
    page_->SelectTab(tab);
}

void TVCALC::ShowCalculatorPage() {
    page_->Sync();
}

void TVCALC::RefreshNetworkStatus() {
    page_->RefreshNetworkStatus();
}

void TVCALC::FocusGrid() {
    page_->FocusGrid();
}

void TVCALC::HideOtherWindows() {
    hint_->hide();
    if (services_.HideProjectDetails) services_.HideProjectDetails();
}

void TVCALC::ProjectDetailsChanged() {
    if (services_.ProjectDetailsChanged) services_.ProjectDetailsChanged();
}

int TVCALC::SelectCatalogueEntry(const Catalogue& units, const std::string& code,
                                 const std::string& network, const std::string& addressDec,
                                 const std::string& addressHex) {
    if (!services_.SelectCatalogueEntry) return 0;
    return services_.SelectCatalogueEntry(units, code, network, addressDec, addressHex);
}

std::optional<PrintRequest> TVCALC::ExecutePrintDialog(bool calculatorProject) {
    if (!services_.ExecutePrintDialog) return std::nullopt;
    return services_.ExecutePrintDialog(calculatorProject);
}

std::string TVCALC::CurrentPrinterName() {
    return services_.CurrentPrinterName ? services_.CurrentPrinterName() : std::string();
}

bool TVCALC::ProduceReport(ReportLayout& layout, ReportFeed& feed, const ReportDevice& device) {
    return services_.ProduceReport && services_.ProduceReport(layout, feed, device);
}

void TVCALC::ShowPrintProgress(std::function<void()> cancel) {
    if (services_.ShowPrintProgress) services_.ShowPrintProgress(std::move(cancel));
}

void TVCALC::SetPrintMessage(const std::string& text) {
    if (services_.SetPrintMessage) services_.SetPrintMessage(text);
}

void TVCALC::HidePrintProgress() {
    if (services_.HidePrintProgress) services_.HidePrintProgress();
}

void TVCALC::ProcessPendingEvents() {
    QCoreApplication::processEvents();
}

void TVCALC::WaitForStartupTicks() {
    StatusTimer& timer = page_->Timer();
    timer.ResetStartupTicks();
    while (timer.StartupTicks < kStartupTicks)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, kTimerInterval);
}

void TVCALC::StartUpResize() {
    resize(width(), kLoadedHeight);
}

void TVCALC::closeEvent(QCloseEvent* event) {
    if (driver_->FormCloseQuery()) {
        timer1_->stop();
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace tavo
