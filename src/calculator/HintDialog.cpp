#include "calculator/HintDialog.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

#include "calculator/HintTopics.h"
#include "components/QtText.h"
#include "core/Evaluation.h"

namespace tavo {
namespace {

const QColor kLightYellow(255, 255, 128);
constexpr int kMemoMargin = 3;
constexpr int kTableMargin = 5;
constexpr int kTableWidth = 412;
constexpr int kTableHeight = 132;
constexpr int kRowHeight = 15;
constexpr int kLineHeight = 12;  // 1 + the memo font's 11 pixels
constexpr int kInitialTableRows = 5;

}  // namespace

TDLGUnitHint::TDLGUnitHint(AppState& state, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint), state_(state) {
    setObjectName(QStringLiteral("DLGUnitHint"));
    setWindowTitle(QStringLiteral("Tavo hint"));
    setToolTip(QStringLiteral("Extended Information"));
    setAutoFillBackground(true);
    QPalette yellow = palette();
    yellow.setColor(QPalette::Window, kLightYellow);
    yellow.setColor(QPalette::Base, kLightYellow);
    setPalette(yellow);

    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(11);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setReadOnly(true);
    memo_->setFrameShape(QFrame::NoFrame);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setFocusPolicy(Qt::ClickFocus);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo_->setFont(bold);
    memo_->setPalette(yellow);
    memo_->setToolTip(QStringLiteral("Extended Information"));
    memo_->move(kMemoMargin, kMemoMargin);

    table_ = new QTableWidget(kInitialTableRows, 3, this);
    table_->setObjectName(QStringLiteral("grdDisplay"));
    table_->setGeometry(kTableMargin, kTableMargin, kTableWidth, kTableHeight);
    table_->setFrameShape(QFrame::NoFrame);
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setMinimumSectionSize(1);
    table_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table_->setShowGrid(false);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->setFont(bold);
    table_->setPalette(yellow);
    table_->hide();

    for (QWidget* widget : {static_cast<QWidget*>(memo_), memo_->viewport(),
                            static_cast<QWidget*>(table_), table_->viewport()})
        widget->installEventFilter(this);
}

QStringList TDLGUnitHint::MemoLines() const {
    return memo_->toPlainText().split(QLatin1Char('\n'));
}

void TDLGUnitHint::ShowTopic(int topic) {
    setWindowTitle(ToQt(HintTopicCaption(topic)));
    if (topic == kUnitDataTopic) {
        ShowUnitData();
    } else {
        if (topic >= 0 && topic <= kHighestHintTopic) {
            HintContext context;
            context.MaxAddressable = state_.Evaluation.MaxAddressable;
            context.MaxQuantity = MaxQuantity(state_.Units, state_.Evaluation);
            context.LimitReason = state_.Evaluation.LimitReason;
            context.CalculatorProject = state_.Window.CalculatorProject;
            ShowLines(HintTopicLines(topic, context));
        }
        table_->hide();
        memo_->show();
        memo_->moveCursor(QTextCursor::Start);
        SizeForMemo();
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
}

void TDLGUnitHint::ShowTopicAsMessage(int topic) {
    ShowTopic(topic);
    hide();
    state_.UserPrompts.Warning(FromQt(MemoLines().join(QLatin1Char('\r'))));
}

void TDLGUnitHint::ShowLines(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines) text << ToQt(line);
    memo_->setPlainText(text.join(QLatin1Char('\n')));
}

void TDLGUnitHint::SetTableRow(int row, const QString& label, const QString& value) {
    if (row >= table_->rowCount()) {
        table_->setRowCount(row + 1);
        table_->resize(table_->width(), (row + 2) * kRowHeight);
    }
    table_->setItem(row, 1, new QTableWidgetItem(label));
    table_->setItem(row, 2, new QTableWidgetItem(value));
}

void TDLGUnitHint::ShowUnitData() {
    memo_->clear();
    memo_->hide();
    const int row = std::clamp(state_.Evaluation.SelectedRow, 0, kTableSlots - 1);
    const UnitType& unit = state_.Units.UnitList[static_cast<std::size_t>(row)];
    table_->clearContents();
    for (const HintTableRow& entry : UnitDataRows(unit))
        SetTableRow(entry.Row, ToQt(entry.Label), ToQt(entry.Value));
    for (int r = 0; r < table_->rowCount(); ++r) table_->setRowHeight(r, kRowHeight);
    table_->setColumnWidth(0, 0);
    table_->setColumnWidth(1, 80);
    table_->setColumnWidth(2, table_->width() - 80 - 1);
    table_->show();
    SizeForTable();
}

void TDLGUnitHint::SizeForMemo() {
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const QString& line : MemoLines())
        widest = std::max(widest, metrics.horizontalAdvance(line + QLatin1Char(' ')));
    const int lines = memo_->document()->blockCount();
    const int height = (lines + 2) * kLineHeight + 4 * kMemoMargin;
    const int width = static_cast<int>(1.2 * widest) + 2 * kMemoMargin;
    resize(width, height);
    memo_->setGeometry(kMemoMargin, kMemoMargin, width - 2 * kMemoMargin, height - 2 * kMemoMargin);
}

void TDLGUnitHint::SizeForTable() {
    resize(table_->width() + 2 * kTableMargin, table_->height() + 2 * kTableMargin);
}

bool TDLGUnitHint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        hide();
        return true;
    }
    if (event->type() == QEvent::KeyPress && (watched == memo_ || watched == memo_->viewport())) {
        hide();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TDLGUnitHint::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

void TDLGUnitHint::mousePressEvent(QMouseEvent* event) {
    event->accept();
    hide();
}

void TDLGUnitHint::keyPressEvent(QKeyEvent* event) {
    event->accept();
    hide();
}

}  // namespace tavo
