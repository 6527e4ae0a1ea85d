#include "components/MessageBoxPrompts.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLocale>
#include <QMessageBox>
#include <QTreeView>
#include <algorithm>

#include "components/QtText.h"
#include "core/Catalogue.h"

namespace tavo {
namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information:
            return QMessageBox::Information;
        case MessageKind::Warning:
            return QMessageBox::Warning;
        case MessageKind::Error:
            return QMessageBox::Critical;
        case MessageKind::Confirmation:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

void SetUp(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setWindowTitle(ToQt(request.Title));
    dialog.setNameFilters(NameFilters(request.Filter));
    dialog.setDefaultSuffix(ToQt(request.DefaultExtension));
    if (!request.Directory.empty()) dialog.setDirectory(QString::fromStdString(request.Directory));
    if (!request.FileName.empty()) dialog.selectFile(QString::fromStdString(request.FileName));
}

}  // namespace

void ShapeFileDialog(QFileDialog& dialog) {
    const QFontMetrics metrics(dialog.font());
    const int margin = 2 * metrics.averageCharWidth();
    dialog.resize(std::max(dialog.width(), metrics.averageCharWidth() * 120),
                  std::max(dialog.height(), metrics.lineSpacing() * 32));
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (view == nullptr || model == nullptr) return;

    // The widest size and date the columns usually show, so that they are wide enough before
    // the folder is read; once it is read, wide enough for what it holds.
    const QLocale locale = QLocale::system();
    const QString sizes[] = {locale.formattedDataSize(888), locale.formattedDataSize(888888),
                             locale.formattedDataSize(888888888)};
    const QString date =
        locale.toString(QDateTime(QDate(2028, 12, 28), QTime(20, 58, 58)), QLocale::ShortFormat);
    int sizeWidth = 0;
    for (const QString& size : sizes)
        sizeWidth = std::max(sizeWidth, metrics.horizontalAdvance(size));
    const int least[] = {0, sizeWidth + margin, 0, metrics.horizontalAdvance(date) + margin};
    QHeaderView* header = view->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    const auto fit = [view, header, least] {
        for (int column = 1; column < 4; ++column) {
            const int wanted = std::max(
                {least[column], static_cast<QAbstractItemView*>(view)->sizeHintForColumn(column),
                 header->sectionSizeHint(column)});
            if (header->sectionSize(column) < wanted) header->resizeSection(column, wanted);
        }
    };
    fit();
    QObject::connect(model, &QFileSystemModel::directoryLoaded, &dialog, fit);
}

QStringList NameFilters(const std::string& filter) {
    const QStringList parts = ToQt(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString& description = parts[i];
        // Qt reads the patterns from the parentheses; a description that shows them already
        // ("Tavo Calculator Project (*.tav)") keeps its own text with the real patterns.
        const int open = description.lastIndexOf(QLatin1Char('('));
        const QString shown = open > 0 && description.endsWith(QLatin1Char(')'))
                                  ? description.left(open).trimmed()
                                  : description;
        filters << shown + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

bool MessageBoxPrompts::ChooseOpenFile(const FileDialogRequest& request, std::string& path) {
    QFileDialog dialog(parent_);
    SetUp(dialog, request);
    ShapeFileDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.MustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    path = dialog.selectedFiles().first().toStdString();
    return true;
}

bool MessageBoxPrompts::ChooseSaveFile(const FileDialogRequest& request, std::string& path) {
    QFileDialog dialog(parent_);
    SetUp(dialog, request);
    ShapeFileDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.ConfirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    path = dialog.selectedFiles().first().toStdString();
    return true;
}

void MessageBoxPrompts::Beep() {
    QApplication::beep();
}

void MessageBoxPrompts::ShowMessage(MessageKind kind, const std::string& text) {
    QMessageBox box(IconOf(kind), QString::fromLatin1(kApplicationTitle), MessageText(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

Answer MessageBoxPrompts::AskYesNoCancel(MessageKind kind, const std::string& text) {
    QMessageBox box(IconOf(kind), QString::fromLatin1(kApplicationTitle), MessageText(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

}  // namespace tavo
