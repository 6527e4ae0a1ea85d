#include "calculator/MainWindow.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

#include "calculator/CalculatorPage.h"
#include "calculator/HintDialog.h"
#include "components/QtText.h"
#include "core/Evaluation.h"

namespace tavo {
namespace {

constexpr int kWindowWidth = 616;
constexpr int kWindowHeight = 531;
constexpr int kLoadedHeight = 470;
constexpr int kTimerInterval = 100;

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
    SetWindowTitle("Untitled");

    hint_ = new TDLGUnitHint(state_, this);
    page_ = new CalculatorPage(state_, *hint_, timer_, this);
    setCentralWidget(page_);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kTimerInterval);
    connect(timer1_, &QTimer::timeout, this, [this] { timer_.Timer1Timer(); });
    timer1_->start();
}

TVCALC::~TVCALC() { timer1_->stop(); }

void TVCALC::SetWindowTitle(const std::string& name) {
    const QString caption = ToQt("Tavo Calculator/Installation Reporter [" + name + "]");
    setWindowTitle(caption);
    setToolTip(caption);
}

void TVCALC::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (firstActivation_) {
        QTimer::singleShot(0, this, [this] {
            if (!FormActivate()) emit CatalogueMissing();
        });
    }
}

bool TVCALC::FormActivate() {
    if (!calculatorReady_) {
        if (firstActivation_ && !StartUpLoad()) return false;
        WaitForStartupTicks();
        InitCalculatorPage();
    }
    page_->Lists().FillGridCells();
    page_->Lists().UpdateTotalText();
    page_->Sync();
    calculatorReady_ = true;
    firstActivation_ = false;
    return true;
}

bool TVCALC::StartUpLoad() {
    resize(width(), kLoadedHeight);
    state_.Evaluation.MaxAddressable =
        ParseAddressLimit(arguments_.isEmpty() ? std::string() : arguments_.first().toStdString());
    ResetUnitTable(state_.Units);
    QCoreApplication::processEvents();
    if (!LoadUnitCatalogue(state_.Units, catalogue_, state_.UserPrompts)) return false;
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

}  // namespace tavo
