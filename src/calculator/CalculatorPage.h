#pragma once

#include <QLabel>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>
#include <QWidget>

#include "calculator/StatusStrip.h"
#include "calculator/StatusTimer.h"
#include "calculator/UnitLists.h"
#include "core/AppState.h"

namespace tavo {

class TDLGUnitHint;

// The calculator page: the status strip above the unit lists (TabCtrl, sGrid in pnlGridRaft,
// Label1 and QtyBar). The rules live in UnitLists and ComputeNetworkStatus; this class binds
// them to the controls and mirrors their state after every event.
class CalculatorPage : public QWidget, private UnitListEvents {
    Q_OBJECT
  public:
    CalculatorPage(AppState& state, TDLGUnitHint& hint, QWidget* parent = nullptr);

    UnitLists& Lists() { return lists_; }
    // The duties of the window's timer that concern the page: the start-up ticks and the
    // short-circuit warning.
    StatusTimer& Timer() { return timer_; }

    // Computes the status from the evaluation and paints the strip; stores the status texts.
    void RefreshNetworkStatus() override;
    // Opens the hint dialog on topic when a double click asked for it.
    void ShowHintTopic(int topic);
    // Chooses a list tab as a user would.
    void SelectTab(int tab);
    // Selects a row of the grid as a user would (runs the selection rules).
    void SelectRow(int row);
    // Writes the model's state into the controls.
    void Sync();
    void FocusGrid() override;

    const NetworkStatus& LastStatus() const { return status_; }
    bool HintRequested() const { return hintRequested_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void HideHint() override;
    void ShowUnitHint() override;
    void RunStripClick(StripControl control, bool doubleClick);
    void FocusHint();
    void ResizeColumns();
    // Grid row under a point of the grid's viewport, counted as the model does (row 0 is
    // the heading row); the row count below the rows.
    int ModelRowAt(const QPoint& point) const;
    bool GridKeyPress(QKeyEvent* event);

    AppState& state_;
    TDLGUnitHint& hint_;
    StatusTimer timer_;
    UnitLists lists_;
    NetworkStatus status_;
    bool hintRequested_ = false;
    bool syncing_ = false;
    bool pressInCell_ = false;

    StatusStrip* strip_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QWidget* raft_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLabel* label1_ = nullptr;
    QScrollBar* bar_ = nullptr;
    QLabel* totQty_ = nullptr;
};

}  // namespace tavo
