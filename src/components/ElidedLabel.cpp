#include "components/ElidedLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <algorithm>

namespace tavo {

TElidedLabel::TElidedLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void TElidedLabel::SetFullText(const QString& text) {
    full_ = text;
    Elide();
    updateGeometry();
}

QSize TElidedLabel::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(full_) + 2 * margin(), QLabel::sizeHint().height()};
}

QSize TElidedLabel::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(QStringLiteral("\u2026")) + 2 * margin(),
            QLabel::minimumSizeHint().height()};
}

void TElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Elide();
}

void TElidedLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        Elide();
        updateGeometry();
    }
}

void TElidedLabel::Elide() {
    const QFontMetrics metrics(font());
    const QString shown =
        metrics.elidedText(full_, Qt::ElideRight, std::max(0, width() - 2 * margin()));
    if (shown != text()) setText(shown);
    setToolTip(shown == full_ ? QString() : full_);
}

}  // namespace tavo
