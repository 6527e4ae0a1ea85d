#include "components/StatusBarHint.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QStatusTipEvent>

#include "components/ApplicationInfo.h"
#include "components/QtText.h"

namespace tavo {
namespace {

// The hint of a widget: its tool tip (or, for a window, its status tip), or that of the
// nearest widget around it on the same window that has one, as Qt's own tool tips do.
QString HintOf(QWidget* widget) {
    for (QWidget* w = widget; w != nullptr; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (!w->toolTip().isEmpty()) return w->toolTip();
        if (w->isWindow() && !w->statusTip().isEmpty()) return w->statusTip();
    }
    return QString();
}

// The bar's widgets in layout order; `permanent` gets those right of the bar's stretch,
// which is where QStatusBar places the widgets of addPermanentWidget.
void CollectPermanent(QLayout* layout, QStatusBar* bar, bool& pastStretch,
                      QList<QLabel*>& permanent) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (QLayout* inner = item->layout()) {
            CollectPermanent(inner, bar, pastStretch, permanent);
        } else if (item->spacerItem() != nullptr) {
            if (item->expandingDirections() & Qt::Horizontal) pastStretch = true;
        } else if (auto* label = qobject_cast<QLabel*>(item->widget())) {
            if (pastStretch && label->parentWidget() == bar) permanent.append(label);
        }
    }
}

// The mouse (or the keyboard) is on an item of the open menu that has no hint of its own.
bool OnMenuItemWithoutHint() {
    const auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    const QAction* item = menu != nullptr ? menu->activeAction() : nullptr;
    return item != nullptr && !item->isSeparator() && item->statusTip().isEmpty();
}

QMainWindow* FirstMainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<QMainWindow*>(widget)) return main;
    }
    return nullptr;
}

}  // namespace

TZorStatusBarHint::TZorStatusBarHint(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("ZorStatusBarHint1"));
    if (qApp != nullptr) qApp->installEventFilter(this);
}

TZorStatusBarHint::~TZorStatusBarHint() {
    if (qApp != nullptr) qApp->removeEventFilter(this);
}

void TZorStatusBarHint::SetDisplayOnParentOnly(bool value) {
    displayOnParentOnly_ = value;
    if (value) displayOnAllForms_ = false;
}

QList<QLabel*> TZorStatusBarHint::Panels(QStatusBar* bar) {
    QList<QLabel*> panels;
    bool pastStretch = false;
    if (bar->layout() != nullptr) CollectPermanent(bar->layout(), bar, pastStretch, panels);
    return panels;
}

bool TZorStatusBarHint::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::StatusTip) {
        // Menu items (and controls) announce their hint as a status tip; an empty tip when
        // the mouse leaves them, which keeps the hint shown, or when the item the mouse is on
        // has no hint, which clears it.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (!tip.isEmpty() || OnMenuItemWithoutHint()) ShowHint(tip);
        return false;
    } else if (event->type() == QEvent::Enter) {
        // Enter reaches the outer widgets first, so the innermost one under the mouse wins.
        underMouse_ = widget;
        ShowHint(HintOf(widget));
    } else if (event->type() == QEvent::ToolTipChange && widget->underMouse()) {
        // A control that changes its hint while the mouse rests on it (the unit grid per
        // cell). The innermost control under the mouse still decides: a change on the window
        // around it shows only when the control has no hint of its own.
        QWidget* current = underMouse_.data();
        ShowHint(HintOf(current != nullptr && current->underMouse() ? current : widget));
    }
    return false;
}

void TZorStatusBarHint::ShowHint(const QString& hint) {
    if (displayOnParentOnly_) {
        if (QMainWindow* main = FirstMainWindow()) ShowOnWindow(main, hint);
        return;
    }
    if (displayOnAllForms_) {
        for (QWidget* window : QApplication::topLevelWidgets()) ShowOnWindow(window, hint);
        return;
    }
    if (QWidget* active = QApplication::activeWindow()) ShowOnWindow(active, hint);
}

void TZorStatusBarHint::ShowOnWindow(QWidget* window, const QString& hint) {
    const std::string text = FromQt(hint);
    for (QStatusBar* bar : window->findChildren<QStatusBar*>()) {
        if (bar->window() != window) continue;  // a bar of a dialog owned by this window
        const QList<QLabel*> panels = Panels(bar);
        if (panels.isEmpty()) {
            bar->showMessage(ToQt(LongHint(text)));
            continue;
        }
        QLabel* last = panels.last();
        last->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QPalette palette = bar->palette();
        palette.setColor(QPalette::WindowText, Qt::blue);
        bar->setPalette(palette);
        last->setText(ToQt(StatusBarHintText(text, bar->isSizeGripEnabled())));
    }
}

}  // namespace tavo
