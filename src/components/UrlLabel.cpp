#include "components/UrlLabel.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tavo {

TZorUrlLabel::TZorUrlLabel(QWidget* parent)
    : QLabel(QString::fromLatin1(kUrlLabelDefaultAddress), parent),
      opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("ZorUrlLabel1"));
    setTextFormat(Qt::PlainText);  // an address is shown as written, never as markup
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);  // reachable from the keyboard; Enter or Space opens it
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    setPalette(blue);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}

bool TZorUrlLabel::Open() {
    const QString address = text().trimmed();
    if (address.isEmpty() || !opener_) return false;
    // fromUserInput also takes an address written without its scheme ("www.x.example").
    return opener_(QUrl::fromUserInput(address));
}

void TZorUrlLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TZorUrlLabel::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release of the left button both on the label.
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (!click) return;
    emit clicked();
    Open();
}

void TZorUrlLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        emit clicked();
        Open();
        return;
    }
    QLabel::keyPressEvent(event);
}

}  // namespace tavo
