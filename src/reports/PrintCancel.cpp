#include "reports/PrintCancel.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <utility>

#include "components/QtText.h"

namespace tavo {
namespace {

constexpr int kClientWidth = 267;
constexpr int kClientHeight = 131;
constexpr int kTopStrip = 13;
constexpr int kMessageHeight = 76;

}  // namespace

TfrmPrintCancel::TfrmPrintCancel(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmPrintCancel"));
    setWindowTitle(QStringLiteral("Printing"));
    setModal(false);
    setFixedSize(kClientWidth, kClientHeight);
    QFont eightPoint = font();
    eightPoint.setPixelSize(11);  // 8 points on a 96 dpi screen
    setFont(eightPoint);

    lblMessage_ = new QLabel(this);
    lblMessage_->setObjectName(QStringLiteral("lblMessage"));
    lblMessage_->setGeometry(0, kTopStrip, kClientWidth, kMessageHeight);
    lblMessage_->setAlignment(Qt::AlignCenter);
    // A long network or printer name wraps inside the label rather than being cut off.
    lblMessage_->setWordWrap(true);

    btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    btnCancel_->setGeometry(96, 96, 75, 25);
    connect(btnCancel_, &QPushButton::clicked, this, [this] {
        if (cancelHandler_) cancelHandler_();
    });
}

void TfrmPrintCancel::SetCancelHandler(std::function<void()> handler) {
    cancelHandler_ = std::move(handler);
}

void TfrmPrintCancel::SetMessage(const std::string& text) {
    lblMessage_->setText(MessageText(text));
    btnCancel_->setFocus();
}

void TfrmPrintCancel::reject() {
    btnCancel_->click();
}

void TfrmPrintCancel::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TfrmPrintCancel::closeEvent(QCloseEvent* event) {
    // The window has no close box; a close asked of the window manager (Alt+F4) is a Cancel,
    // and the window stays until the run hides it.
    event->ignore();
    btnCancel_->click();
}

}  // namespace tavo
