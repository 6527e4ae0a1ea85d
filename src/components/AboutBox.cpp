#include "components/AboutBox.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "components/QtText.h"
#include "components/UrlLabel.h"
#include "core/Catalogue.h"

namespace tavo {
namespace {

const QColor kTavoBlue(0, 70, 140);
const QColor kWireCopper(190, 110, 40);

const char kNoticePlanning[] =
    "The calculator is a planning aid. Check every network against the installation "
    "instructions of the units on it before it is switched on.";
const char kNoticeRights[] = "Copyright (C) 2026 Brenlow. All rights reserved.";
const char kLatestVersion[] = "For the latest version of this software, see the Brenlow web site";

// A two-wire network: the cable with a supply at its left end and units hanging off it.
QPixmap NetworkPicture() {
    constexpr int kWidth = 240;
    constexpr int kHeight = 64;
    QPixmap picture(kWidth, kHeight);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(QPen(kWireCopper, 2));
    painter.drawLine(34, 18, kWidth - 8, 18);
    painter.drawLine(34, 26, kWidth - 8, 26);

    // The power supply.
    painter.setPen(QPen(kTavoBlue.darker(), 1));
    painter.setBrush(kTavoBlue);
    painter.drawRoundedRect(QRectF(4, 8, 30, 28), 4, 4);
    painter.setPen(Qt::white);
    QFont small = painter.font();
    small.setPixelSize(10);
    small.setBold(true);
    painter.setFont(small);
    painter.drawText(QRectF(4, 8, 30, 28), Qt::AlignCenter, QStringLiteral("PSU"));

    // Units on drops from the cable.
    const QColor unitColours[] = {QColor(0, 128, 128), QColor(0, 100, 180), QColor(0, 128, 128),
                                  QColor(120, 120, 120), QColor(0, 100, 180)};
    int x = 52;
    for (const QColor& colour : unitColours) {
        painter.setPen(QPen(kWireCopper, 1.5));
        painter.drawLine(x + 6, 26, x + 6, 40);
        painter.drawLine(x + 12, 18, x + 12, 40);
        painter.setPen(QPen(colour.darker(), 1));
        painter.setBrush(colour);
        painter.drawRect(QRectF(x, 40, 18, 16));
        painter.setBrush(Qt::green);
        painter.drawEllipse(QRectF(x + 3, 44, 4, 4));
        x += 36;
    }
    return picture;
}

// The product name's font: the label's own, bold and larger.
QFont TitleFont(QFont font) {
    font.setBold(true);
    // A font given in pixels (as a desktop or the program may set it) has no point size.
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 1.4);
    else
        font.setPixelSize(qRound(font.pixelSize() * 1.4));
    return font;
}

}  // namespace

QPixmap ProgramIconPixmap(int size) {
    QPixmap icon(size, size);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTavoBlue);
    painter.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);

    // The two wires of the network, with a bar of the power balance above them.
    painter.setPen(QPen(kWireCopper, qMax<qreal>(1.0, s / 16)));
    painter.drawLine(QPointF(s * 0.15, s * 0.72), QPointF(s * 0.85, s * 0.72));
    painter.drawLine(QPointF(s * 0.15, s * 0.84), QPointF(s * 0.85, s * 0.84));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 160, 160));
    painter.drawRect(QRectF(s * 0.15, s * 0.18, s * 0.45, s * 0.14));
    painter.setBrush(QColor(230, 230, 80));
    painter.drawRect(QRectF(s * 0.6, s * 0.18, s * 0.25, s * 0.14));
    painter.setPen(Qt::white);
    QFont letter = painter.font();
    letter.setPixelSize(qMax(6, size * 3 / 8));
    letter.setBold(true);
    painter.setFont(letter);
    painter.drawText(QRectF(0, s * 0.3, s, s * 0.4), Qt::AlignCenter, QStringLiteral("T"));
    return icon;
}

TAboutBox::TAboutBox(const std::string& cataloguePath, QWidget* parent)
    : QDialog(parent), cataloguePath_(cataloguePath) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About the Tavo Calculator"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    setWindowIcon(QIcon(ProgramIconPixmap(32)));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(16, 12, 16, 12);
    column->setSpacing(6);

    auto addLabel = [&](const char* name, const QString& text) {
        auto* label = new QLabel(text, panel);
        label->setObjectName(QString::fromLatin1(name));
        label->setAlignment(Qt::AlignHCenter);
        label->setTextFormat(Qt::PlainText);
        column->addWidget(label);
        return label;
    };

    QLabel* icon = addLabel("ProgramIcon", QString());
    icon->setPixmap(ProgramIconPixmap(32));
    QLabel* product = addLabel("ProductName", QString::fromLatin1(kApplicationTitle));
    product->setFont(TitleFont(product->font()));

    lblVersion_ = addLabel("lblVersion", QString());
    lblDataVersion_ = addLabel("lblDataVersion", QString());
    column->addSpacing(6);
    QLabel* planning = addLabel("Notice1", QString::fromLatin1(kNoticePlanning));
    planning->setWordWrap(true);
    addLabel("Notice2", QString::fromLatin1(kNoticeRights));
    QLabel* picture = addLabel("Picture", QString());
    picture->setPixmap(NetworkPicture());
    QLabel* latest = addLabel("lblLatestVersion", QString::fromLatin1(kLatestVersion));
    latest->setWordWrap(true);

    url_ = new TZorUrlLabel(panel);
    url_->SetAddress(QString::fromLatin1(kMakerWebSite));
    url_->setAlignment(Qt::AlignHCenter);
    column->addWidget(url_);

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addStretch();

    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->addWidget(panel);
    outer->addLayout(buttons);
    panel->setFixedWidth(320);

    const VersionResource resource = BuiltInVersionResource();
    info_.ReadVersionInfo(&resource);
    FormCreate();
    okButton_->setFocus();
}

void TAboutBox::FormCreate() {
    lblVersion_->setText(ToQt(info_.GetVersionText()));
    lblDataVersion_->setText(ToQt("Data Version " + ReadDataVersion(cataloguePath_)));
}

void TAboutBox::OKButtonClick() {
    accept();
}

}  // namespace tavo
