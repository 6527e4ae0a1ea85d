#include "calculator/CalculatorPage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "calculator/HintDialog.h"
#include "calculator/HintTopics.h"
#include "components/QtText.h"
#include "core/Evaluation.h"

namespace tavo {
namespace {

constexpr int kRowHeight = 15;
constexpr int kCatNoWidth = 80;
constexpr int kQtyWidth = 60;
constexpr int kBarWidth = 35;

MouseButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        default:
            return MouseButton::Middle;
    }
}

// The character a key types, in upper case (Backspace as '\b'); false for keys that type
// nothing (arrows, function keys).
bool TypedKey(const QKeyEvent* event, char& typed) {
    if (event->key() == Qt::Key_Backspace) {
        typed = '\b';
        return true;
    }
    const std::string text = FromQt(event->text().toUpper());
    if (text.empty()) return false;
    typed = text[0];
    return true;
}

}  // namespace

CalculatorPage::CalculatorPage(AppState& state, TDLGUnitHint& hint, QWidget* parent)
    : QWidget(parent),
      state_(state),
      hint_(hint),
      timer_(state.Evaluation, state.UserPrompts),
      lists_(state, *this) {
    setObjectName(QStringLiteral("CalculatorPage"));
    strip_ = new StatusStrip(this);

    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("TabCtrl"));
    for (int i = 0; i < kListCount; ++i) tabs_->addTab(QString::fromLatin1(ListCaption(i)));
    tabs_->setToolTip(
        QStringLiteral("Click or use left/right arrows to select list of Tavo units"));
    tabs_->setExpanding(false);
    tabs_->setFocusPolicy(Qt::NoFocus);
    tabs_->installEventFilter(this);

    raft_ = new QWidget(this);
    raft_->setObjectName(QStringLiteral("pnlGridRaft"));
    raft_->installEventFilter(this);
    grid_ = new QTableWidget(2 - 1, 3, raft_);
    grid_->setObjectName(QStringLiteral("sGrid"));
    grid_->setHorizontalHeaderLabels(
        {QStringLiteral("Description"), QStringLiteral("Cat No"), QStringLiteral("Qty")});
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setMinimumSectionSize(1);
    grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid_->setWordWrap(false);
    grid_->setTabKeyNavigation(false);
    grid_->setColumnWidth(1, kCatNoWidth);
    grid_->setColumnWidth(2, kQtyWidth);
    grid_->installEventFilter(this);
    grid_->viewport()->installEventFilter(this);
    grid_->viewport()->setMouseTracking(true);
    auto* raftLayout = new QVBoxLayout(raft_);
    raftLayout->setContentsMargins(0, 0, 0, 0);
    raftLayout->addWidget(grid_);

    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setMinimumWidth(48);
    // The bar column keeps its place while the bar is hidden, so the grid does not jump.
    QSizePolicy keepPlace = label1_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    label1_->setSizePolicy(keepPlace);
    bar_ = new QScrollBar(Qt::Vertical, this);
    bar_->setObjectName(QStringLiteral("QtyBar"));
    bar_->setFixedWidth(kBarWidth);
    bar_->setSingleStep(1);
    bar_->setToolTip(QStringLiteral("Scroll to change number of selected units"));
    bar_->setFocusPolicy(Qt::StrongFocus);
    bar_->installEventFilter(this);
    QSizePolicy barPlace = bar_->sizePolicy();
    barPlace.setRetainSizeWhenHidden(true);
    bar_->setSizePolicy(barPlace);
    totQty_ = new QLabel(this);
    totQty_->setObjectName(QStringLiteral("TotQty"));
    totQty_->hide();

    auto* barColumn = new QVBoxLayout;
    barColumn->setContentsMargins(0, 0, 0, 0);
    barColumn->addWidget(label1_);
    barColumn->addWidget(bar_, 1, Qt::AlignHCenter);
    auto* lower = new QHBoxLayout;
    lower->setContentsMargins(0, 0, 0, 0);
    lower->addWidget(raft_, 1);
    lower->addLayout(barColumn);
    auto* layout = new QVBoxLayout(this);
    // The strip starts at the page's left edge: its panels stand at x = 9.
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(strip_);
    auto* lists = new QVBoxLayout;
    lists->setContentsMargins(4, 0, 4, 4);
    lists->setSpacing(2);
    lists->addWidget(tabs_);
    lists->addLayout(lower, 1);
    layout->addLayout(lists, 1);

    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (syncing_ || index < 0) return;
        lists_.TabCtrlChange(index);
        Sync();
    });
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previousRow, int) {
                if (syncing_ || row < 0 || row == previousRow) return;
                lists_.SetCurrentRow(row + 1);
                Sync();
            });
    connect(bar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (syncing_) return;
        lists_.ApplyQuantityBar(value);
        Sync();
    });
    connect(strip_, &StatusStrip::ControlClicked, this,
            [this](StripControl control) { RunStripClick(control, false); });
    connect(strip_, &StatusStrip::ControlDoubleClicked, this,
            [this](StripControl control) { RunStripClick(control, true); });
    Sync();
}

void CalculatorPage::RefreshNetworkStatus() {
    status_ = ComputeNetworkStatus(state_.Units, state_.Evaluation);
    strip_->Apply(status_);
    state_.Status = TextsOf(status_);
    timer_.SupplyRefreshed(status_.Supply.ExcessVisible);
}

void CalculatorPage::ShowHintTopic(int topic) {
    if (hintRequested_) hint_.ShowTopic(topic);
    hintRequested_ = false;
}

void CalculatorPage::SelectTab(int tab) {
    lists_.TabCtrlChange(tab);
    Sync();
}

void CalculatorPage::SelectRow(int row) {
    lists_.SetCurrentRow(row);
    Sync();
}

void CalculatorPage::HideHint() {
    hint_.hide();
}

void CalculatorPage::ShowUnitHint() {
    hintRequested_ = true;
    ShowHintTopic(kUnitDataTopic);
    if (hint_.isVisible()) FocusHint();
}

void CalculatorPage::FocusGrid() {
    grid_->setFocus();
}

void CalculatorPage::RunStripClick(StripControl control, bool doubleClick) {
    if (doubleClick) hintRequested_ = true;
    const StripClickAction action =
        DecideStripClick(control, status_, state_.Evaluation, state_.Units);
    if (action.Tab) SelectTab(*action.Tab);
    if (action.Row && *action.Row >= 1) SelectRow(*action.Row);
    if (action.Topic) ShowHintTopic(*action.Topic);
    hintRequested_ = false;
    if (action.FocusGrid) grid_->setFocus();
    if (doubleClick && hint_.isVisible()) FocusHint();
}

void CalculatorPage::FocusHint() {
    hint_.activateWindow();
    hint_.setFocus();
}

void CalculatorPage::Sync() {
    syncing_ = true;
    {
        const QSignalBlocker blockTabs(tabs_);
        tabs_->setCurrentIndex(lists_.TabIndex());
    }
    {
        const QSignalBlocker blockGrid(grid_);
        const int rows = lists_.RowCount() - 1;
        grid_->setRowCount(rows);
        for (int row = 0; row < rows; ++row) {
            const auto& cells = lists_.Cells(row + 1);
            for (int column = 0; column < 3; ++column) {
                const QString text = ToQt(cells[static_cast<std::size_t>(column)]);
                QTableWidgetItem* item = grid_->item(row, column);
                if (item == nullptr)
                    grid_->setItem(row, column, new QTableWidgetItem(text));
                else if (item->text() != text)
                    item->setText(text);
            }
            grid_->setRowHeight(row, kRowHeight);
        }
        const int current = lists_.CurrentRow() - 1;
        if (current >= 0 && current < rows) {
            const int column = grid_->currentColumn() < 0 ? 0 : grid_->currentColumn();
            if (grid_->currentRow() != current) grid_->setCurrentCell(current, column);
            grid_->selectRow(current);
        }
    }
    {
        const QSignalBlocker blockBar(bar_);
        bar_->setRange(0, lists_.BarMaximum());
        bar_->setPageStep(lists_.PageStep());
        bar_->setValue(lists_.BarPosition());
        bar_->setVisible(lists_.BarVisible());
    }
    label1_->setText(QString::fromStdString(lists_.Label1()));
    label1_->setVisible(lists_.LabelVisible());
    totQty_->setText(ToQt(lists_.TotalText()));
    syncing_ = false;
}

void CalculatorPage::ResizeColumns() {
    grid_->setUpdatesEnabled(false);
    grid_->setColumnWidth(0, std::max(grid_->viewport()->width() - kCatNoWidth - kQtyWidth, 0));
    grid_->setUpdatesEnabled(true);
}

int CalculatorPage::ModelRowAt(const QPoint& point) const {
    const int row = grid_->rowAt(point.y());
    // Below the last row counts as beyond it, which the lists take for the last entry.
    return row < 0 ? lists_.RowCount() : row + 1;
}

bool CalculatorPage::GridKeyPress(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            lists_.sGridKeyDown(GridKey::Left);
            break;
        case Qt::Key_Right:
            lists_.sGridKeyDown(GridKey::Right);
            break;
        case Qt::Key_Delete:
            lists_.sGridKeyDown(GridKey::Delete);
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            // The grid moves its current row (which selects the row), then the key's own duty.
            static_cast<QObject*>(grid_)->event(event);
            lists_.sGridKeyDown(GridKey::Other);
            break;
        case Qt::Key_Home:
        case Qt::Key_End: {
            // With whole rows selected, Home and End go to the first and the last row.
            QKeyEvent rows(event->type(), event->key(), event->modifiers() | Qt::ControlModifier);
            static_cast<QObject*>(grid_)->event(&rows);
            lists_.sGridKeyDown(GridKey::Other);
            break;
        }
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;  // the keyboard moves on to the next control
        default: {
            char typed = '\0';
            if (!TypedKey(event, typed)) return false;
            lists_.sGridKeyDown(GridKey::Other);
            lists_.QtyBarKeyPress(typed);
            break;
        }
    }
    Sync();
    return true;
}

bool CalculatorPage::eventFilter(QObject* watched, QEvent* event) {
    if (grid_ == nullptr || bar_ == nullptr) return QWidget::eventFilter(watched, event);
    if (watched == raft_ && event->type() == QEvent::Resize) {
        ResizeColumns();
        return false;
    }
    if ((watched == grid_ || watched == grid_->viewport()) && event->type() == QEvent::Resize) {
        // Also when the vertical scroll bar comes or goes and only the viewport changes.
        ResizeColumns();
        return false;
    }
    if (watched == tabs_ && event->type() == QEvent::MouseButtonPress) {
        // The tab strip hands the keyboard to the grid; the tab change itself follows.
        grid_->setFocus();
        return false;
    }
    if (watched == grid_ && event->type() == QEvent::KeyPress)
        return GridKeyPress(static_cast<QKeyEvent*>(event));
    if (watched == bar_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            grid_->setFocus();
            return true;
        }
        char typed = '\0';
        if (!TypedKey(key, typed)) return false;
        lists_.QtyBarKeyPress(typed);
        Sync();
        return true;
    }
    if (watched == grid_->viewport()) {
        switch (event->type()) {
            case QEvent::MouseButtonPress: {
                auto* mouse = static_cast<QMouseEvent*>(event);
                const QPoint at = mouse->position().toPoint();
                const int row = ModelRowAt(at);
                pressInCell_ = row >= 1;
                grid_->setFocus();
                if (pressInCell_) {
                    lists_.sGridMouseDown(ButtonOf(mouse->button()), row, grid_->columnAt(at.x()));
                    Sync();
                }
                return true;
            }
            case QEvent::MouseButtonRelease: {
                auto* mouse = static_cast<QMouseEvent*>(event);
                if (mouse->button() == Qt::LeftButton && pressInCell_) {
                    lists_.sGridClick();
                    Sync();
                }
                pressInCell_ = false;
                return true;
            }
            case QEvent::MouseButtonDblClick: {
                auto* mouse = static_cast<QMouseEvent*>(event);
                const QPoint at = mouse->position().toPoint();
                const int row = ModelRowAt(at);
                pressInCell_ = false;
                if (row >= 1) {
                    lists_.sGridMouseDown(ButtonOf(mouse->button()), row, grid_->columnAt(at.x()));
                    if (mouse->button() == Qt::LeftButton) lists_.sGridDblClick();
                    Sync();
                }
                return true;
            }
            case QEvent::MouseMove: {
                const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
                const int row = ModelRowAt(at);
                grid_->setToolTip(QString::fromStdString(
                    lists_.sGridMouseMoveHint(row, grid_->columnAt(at.x()))));
                return false;
            }
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tavo
