#include "components/MessageBoxPrompts.h"

#include <QMessageBox>

#include "components/QtText.h"
#include "core/Catalogue.h"

namespace tavo {
namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information: return QMessageBox::Information;
        case MessageKind::Warning: return QMessageBox::Warning;
        case MessageKind::Error: return QMessageBox::Critical;
        case MessageKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void MessageBoxPrompts::ShowMessage(MessageKind kind, const std::string& text) {
    QMessageBox box(IconOf(kind), QString::fromLatin1(kApplicationTitle), MessageText(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

Answer MessageBoxPrompts::AskYesNoCancel(MessageKind kind, const std::string& text) {
    QMessageBox box(IconOf(kind), QString::fromLatin1(kApplicationTitle), MessageText(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: return Answer::Cancel;
    }
}

}  // namespace tavo
