#include "calculator/StatusStrip.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <algorithm>

#include "components/QtText.h"

namespace tavo {
namespace {

constexpr int kPanelX = 9;
constexpr int kPanelWidth = 252;
constexpr int kPanelHeight = 17;
constexpr int kBarHeight = 13;
constexpr int kBarTop = 2;
constexpr int kBarLeft = 1;
constexpr int kValueX = 274;
constexpr int kStatusX = 415;  // where the messages start, unless the values need more room
constexpr int kValueGap = 8;
constexpr int kStripHeight = 86;

void Paint(QFrame* bar, Colour colour) {
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, QtColour(colour));
    bar->setPalette(palette);
}

QFrame* MakeBar(QWidget* parent, const char* name) {
    auto* bar = new QFrame(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setFrameShape(QFrame::NoFrame);
    bar->setAutoFillBackground(true);
    bar->setCursor(Qt::ArrowCursor);
    bar->setGeometry(kBarLeft, kBarTop, 0, kBarHeight);
    return bar;
}

// The control a name stands for in the click table; panels act as their main bar.
bool ControlOf(const QString& name, StripControl& control) {
    static const struct {
        const char* Name;
        StripControl Control;
    } kControls[] = {
        {"sinkBar", StripControl::sinkBar},
        {"pnlsinkBar", StripControl::sinkBar},
        {"exSinkBar", StripControl::exSinkBar},
        {"SinkL", StripControl::SinkL},
        {"SourceBar", StripControl::SourceBar},
        {"pnlSourceBar", StripControl::SourceBar},
        {"ExSourceBar", StripControl::ExSourceBar},
        {"SourceL", StripControl::SourceL},
        {"ACimpBar", StripControl::ACimpBar},
        {"pnlACImp", StripControl::ACimpBar},
        {"ACL", StripControl::ACL},
    };
    for (const auto& entry : kControls) {
        if (name == QLatin1String(entry.Name)) {
            control = entry.Control;
            return true;
        }
    }
    return false;
}

}  // namespace

QColor QtColour(Colour colour) {
    const std::uint32_t rgb = ColourRgb(colour);
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

StatusStrip::StatusStrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StatusStrip"));
    setFixedHeight(kStripHeight);
    consumption_ = MakeLine(23, "pnlsinkBar", "sinkBar", "exSinkBar", "SinkLabel", "SinkL");
    supply_ = MakeLine(43, "pnlSourceBar", "SourceBar", "ExSourceBar", "SourceLabel", "SourceL");
    impedance_ = MakeLine(63, "pnlACImp", "ACimpBar", nullptr, "AClabel", "ACL");

    // The texts before the first refresh, and the base hints.
    const StatusLine initial[] = {InitialConsumptionLine(), InitialSupplyLine(),
                                  InitialImpedanceLine()};
    Line* lines[] = {&consumption_, &supply_, &impedance_};
    for (int i = 0; i < 3; ++i) ApplyLine(*lines[i], initial[i]);
    for (QWidget* widget : findChildren<QWidget*>()) {
        const std::string hint = BaseHint(widget->objectName().toStdString());
        if (!hint.empty()) widget->setToolTip(ToQt(hint));
    }

    // The messages start right of the longest values the strip usually shows, and however
    // narrow the window is made, every message stays whole.
    const QFontMetrics valueMetrics(consumption_.Value->font());
    int widestValue = 0;
    for (const std::string& value :
         {std::string("Units consume 88888 mA"), std::string("Max supply 88888 mA"),
          ImpedanceValueText(0.88), ImpedanceValueText(88.8), ImpedanceValueText(188.0),
          ImpedanceValueText(300.0)})
        widestValue = std::max(widestValue, valueMetrics.horizontalAdvance(ToQt(value)));
    const int statusX = std::max(kStatusX, kValueX + widestValue + kValueGap);
    const QFontMetrics statusMetrics(consumption_.Status->font());
    int widest = 0;
    for (const std::string& message : StatusMessages())
        widest = std::max(widest, statusMetrics.horizontalAdvance(ToQt(message)));
    for (Line* line : lines) line->Status->move(statusX, line->Status->y());
    setMinimumWidth(statusX + widest + kPanelX);
}

StatusStrip::Line StatusStrip::MakeLine(int y, const char* panel, const char* bar,
                                        const char* excess, const char* value, const char* status) {
    Line line;
    line.Panel = new QFrame(this);
    line.Panel->setObjectName(QString::fromLatin1(panel));
    line.Panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    line.Panel->setLineWidth(1);
    line.Panel->setGeometry(kPanelX, y, kPanelWidth, kPanelHeight);
    line.Bar = MakeBar(line.Panel, bar);
    Paint(line.Bar, Colour::Teal);
    if (excess != nullptr) {
        line.Excess = MakeBar(line.Panel, excess);
        Paint(line.Excess, Colour::Red);
        line.Excess->hide();
    }
    line.Value = new QLabel(this);
    line.Value->setObjectName(QString::fromLatin1(value));
    line.Value->move(kValueX, y + 1);
    line.Value->resize(kStatusX - kValueX - 4, kPanelHeight - 2);
    line.Status = new QLabel(this);
    line.Status->setObjectName(QString::fromLatin1(status));
    QFont bold = line.Status->font();
    bold.setBold(true);
    line.Status->setFont(bold);
    line.Status->move(kStatusX, y + 1);
    line.Status->resize(200, kPanelHeight - 2);
    for (QWidget* widget :
         {static_cast<QWidget*>(line.Panel), static_cast<QWidget*>(line.Bar),
          static_cast<QWidget*>(line.Excess), static_cast<QWidget*>(line.Status)}) {
        if (widget != nullptr) widget->installEventFilter(this);
    }
    return line;
}

void StatusStrip::ApplyLine(Line& line, const StatusLine& status) {
    line.Bar->resize(status.BarWidth, kBarHeight);
    Paint(line.Bar, status.BarColour);
    if (line.Excess != nullptr) {
        line.Excess->setGeometry(kBarLeft + status.BarWidth, kBarTop, status.ExcessWidth,
                                 kBarHeight);
        line.Excess->setVisible(status.ExcessVisible);
    }
    // The texts take the width they need, whatever the font.
    line.Value->setText(ToQt(status.ValueText));
    line.Value->adjustSize();
    line.Status->setText(ToQt(status.StatusText));
    line.Status->adjustSize();
    QPalette palette = line.Status->palette();
    palette.setColor(QPalette::WindowText, QtColour(status.StatusColour));
    line.Status->setPalette(palette);
}

void StatusStrip::Apply(const NetworkStatus& status) {
    ApplyLine(consumption_, status.Consumption);
    ApplyLine(supply_, status.Supply);
    ApplyLine(impedance_, status.Impedance);
    for (const ControlHint& hint : status.Hints) {
        if (QWidget* widget = Control(QString::fromStdString(hint.Control)))
            widget->setToolTip(hint.ShowHint ? ToQt(hint.Hint) : QString());
    }
}

QWidget* StatusStrip::Control(const QString& name) const {
    return findChild<QWidget*>(name);
}

bool StatusStrip::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease && event->type() != QEvent::MouseButtonDblClick)
        return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    StripControl control;
    if (mouse->button() != Qt::LeftButton || !ControlOf(watched->objectName(), control))
        return QWidget::eventFilter(watched, event);
    const bool panel = watched->objectName().startsWith(QLatin1String("pnl"));
    if (event->type() == QEvent::MouseButtonDblClick) {
        // The release that ends a double click is not a click of its own.
        releaseEndsDoubleClick_ = true;
        emit ControlDoubleClicked(control);
        return true;
    }
    if (releaseEndsDoubleClick_) {
        releaseEndsDoubleClick_ = false;
        return true;
    }
    // A panel answers double clicks only; a single click on it does nothing.
    if (!panel) emit ControlClicked(control);
    return true;
}

}  // namespace tavo
