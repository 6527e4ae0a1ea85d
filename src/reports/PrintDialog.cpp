#include "reports/PrintDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>

namespace tavo {
namespace {

constexpr int kClientWidth = 434;
constexpr int kClientHeight = 199;
constexpr int kMargin = 8;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonLeft = kClientWidth - kMargin - kButtonWidth;
constexpr int kButtonTop = 6;
constexpr int kButtonPitch = 28;
constexpr int kStatusBarHeight = 19;
constexpr int kStatusPanelWidth = 50;
constexpr int kBoxWidth = kButtonLeft - 2 * kMargin;
constexpr int kChoiceHeight = 20;
constexpr int kChoicePitch = 21;
constexpr int kFirstChoice = 18;

void SetHint(QWidget* control, const QString& hint) {
    control->setToolTip(hint);
    control->setStatusTip(hint);
}

// A choice as wide as its caption: a click beside the caption chooses nothing.
template <class Control>
Control* Choice(QWidget* parent, const char* name, const char* caption, const QString& hint,
                int left, int row) {
    auto* choice = new Control(QString::fromLatin1(caption), parent);
    choice->setObjectName(QString::fromLatin1(name));
    choice->setGeometry(left, kFirstChoice + row * kChoicePitch, choice->sizeHint().width(),
                        kChoiceHeight);
    SetHint(choice, hint);
    return choice;
}

QPushButton* ColumnButton(QWidget* parent, const char* name, const char* caption, int row) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(kButtonLeft, kButtonTop + row * kButtonPitch, kButtonWidth, kButtonHeight);
    return button;
}

}  // namespace

TDLGPrint::TDLGPrint(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("DLGPrint"));
    setWindowTitle(QStringLiteral("Print"));
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    QFont eightPoint = font();
    eightPoint.setPixelSize(11);  // 8 points on a 96 dpi screen
    setFont(eightPoint);

    auto* printOut = new QGroupBox(QStringLiteral("Print Out"), this);
    printOut->setObjectName(QStringLiteral("gbxPrintOut"));
    printOut->setGeometry(kMargin, 4, kBoxWidth, 84);
    QRadioButton* project = Choice<QRadioButton>(
        printOut, "RBproject", "Project Details",
        QStringLiteral("Print out of the top level project details"), kMargin, 0);
    QRadioButton* network = Choice<QRadioButton>(
        printOut, "RBcalculator", "Network Information",
        QStringLiteral("Print out of the current network details (Select \"print all networks\" "
                       "to print all)"),
        kMargin, 1);
    RBinstallation_ = Choice<QRadioButton>(
        printOut, "RBinstallation", "Installation Report (Original Data Only)",
        QStringLiteral("Print out of ORGINAL Installation data (Does not include calculator "
                       "changes)"),
        kMargin, 2);
    printOut_ = new QButtonGroup(this);
    printOut_->addButton(project, kProjectDetailsReport);
    printOut_->addButton(network, kNetworkReport);
    printOut_->addButton(RBinstallation_, kInstallationReport);
    connect(printOut_, &QButtonGroup::idClicked, this, [this](int report) {
        choices_.ChooseReport(report);
        ShowChoices();
    });

    // The number format on the left, the print-all tick on the right.
    auto* options = new QGroupBox(QStringLiteral("Options"), this);
    options->setObjectName(QStringLiteral("gbxOptions"));
    options->setGeometry(kMargin, 92, kBoxWidth, 84);
    rbnNumbersAsHex_ = Choice<QRadioButton>(
        options, "rbnNumbersAsHex", "Numbers in Hexadecimal",
        QStringLiteral("Print all numbers in a hexadecimal (Base 16)  format"), kMargin, 0);
    btnNumbersAsDec_ = Choice<QRadioButton>(
        options, "btnNumbersAsDec", "Numbers as Decimal",
        QStringLiteral("Print all numbers in a decimal (base 10) format"), kMargin, 1);
    auto* numberFormat = new QButtonGroup(this);
    numberFormat->addButton(rbnNumbersAsHex_);
    numberFormat->addButton(btnNumbersAsDec_);
    connect(numberFormat, &QButtonGroup::buttonClicked, this, [this](QAbstractButton* button) {
        choices_.SetNumbersAsDecimal(button == btnNumbersAsDec_);
        ShowChoices();
    });
    cbxPrintAllNetworks_ = Choice<QCheckBox>(
        options, "cbxPrintAllNetworks", "Print All Networks",
        QStringLiteral("Select to print all networks (preview unavailable when selected)"),
        kBoxWidth / 2 + kMargin, 0);
    connect(cbxPrintAllNetworks_, &QCheckBox::clicked, this, [this](bool ticked) {
        choices_.SetPrintAllNetworks(ticked);
        ShowChoices();
    });

    QPushButton* help = ColumnButton(this, "btnHelp", "Help", 0);
    connect(help, &QPushButton::clicked, this, [this] {
        if (HelpTopic) HelpTopic(kPrintingHelpTopic);
    });
    QPushButton* setup = ColumnButton(this, "btnSetup", "Setup", 1);
    connect(setup, &QPushButton::clicked, this, [this] {
        if (PrinterSetup) PrinterSetup();
    });
    BUTTexport_ = ColumnButton(this, "BUTTexport", "Export", 2);
    connect(BUTTexport_, &QPushButton::clicked, this, [this] { BUTTexportClick(); });
    BUTTpreview_ = ColumnButton(this, "BUTTpreview", "Preview", 3);
    connect(BUTTpreview_, &QPushButton::clicked, this, [this] {
        choices_.SetDevice(kDeviceScreen);
        accept();
    });
    QPushButton* print = ColumnButton(this, "BUTTprint", "Print", 4);
    print->setDefault(true);
    connect(print, &QPushButton::clicked, this, [this] {
        choices_.SetDevice(kDevicePrinter);
        accept();
    });
    QPushButton* cancel = ColumnButton(this, "BUTTcancel", "Cancel", 5);
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });

    // Two panels; the status-bar hint shows the hint of the control under the mouse in the
    // last one.
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->setGeometry(0, kClientHeight - kStatusBarHeight, kClientWidth, kStatusBarHeight);
    for (int stretch : {0, 1}) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(stretch));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMinimumWidth(kStatusPanelWidth);
        bar->addPermanentWidget(panel, stretch);
    }

    ShowChoices();
}

bool TDLGPrint::Execute(bool calculatorProject) {
    choices_.PrepareChoices(calculatorProject);
    ShowChoices();
    printOut_->button(choices_.ReportChoice())->setFocus();
    return exec() == QDialog::Accepted;
}

void TDLGPrint::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TDLGPrint::ShowChoices() {
    printOut_->button(choices_.ReportChoice())->setChecked(true);
    (choices_.NumbersAsDecimal() ? btnNumbersAsDec_ : rbnNumbersAsHex_)->setChecked(true);
    cbxPrintAllNetworks_->setChecked(choices_.AllNetworksChosen());
    const PrintControlsEnabled& enabled = choices_.Enabled();
    RBinstallation_->setEnabled(enabled.RBinstallation);
    BUTTexport_->setEnabled(enabled.BUTTexport);
    cbxPrintAllNetworks_->setEnabled(enabled.cbxPrintAllNetworks);
    rbnNumbersAsHex_->setEnabled(enabled.NumberFormat);
    btnNumbersAsDec_->setEnabled(enabled.NumberFormat);
    BUTTpreview_->setEnabled(enabled.BUTTpreview);
}

void TDLGPrint::BUTTexportClick() {
    const PrintExport target = choices_.ExportTarget();
    if (Export && target != PrintExport::None) Export(target);
    reject();
}

}  // namespace tavo
