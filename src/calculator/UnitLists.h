#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/AppState.h"

namespace tavo {

// What the unit lists need from the rest of the calculator window.
class UnitListEvents {
  public:
    virtual ~UnitListEvents() = default;
    // Recompute the status strip from the evaluation (after Evaluate).
    virtual void RefreshNetworkStatus() = 0;
    virtual void HideHint() = 0;
    // A double click asked for the data of the selected unit type (hint topic 9).
    virtual void ShowUnitHint() = 0;
    virtual void FocusGrid() = 0;
};

enum class GridKey { Left, Right, Delete, Other };
enum class MouseButton { Left, Right, Middle };

inline constexpr int kSelectedUnitsTab = 7;
inline constexpr int kQtyColumn = 2;
inline constexpr int kInitialBarMaximum = 100;

// The lower half of the calculator page as plain state and rules: the list tabs, the unit
// grid's cells and current row, the quantity bar and its label. The window mirrors this state
// into its controls after every call and forwards its events here.
class UnitLists {
  public:
    UnitLists(AppState& state, UnitListEvents& events);

    // The set-up of the page for a fresh network: headings, selection, list 0.
    void InitCalculatorPage();

    void TabCtrlChange(int tab);
    void FillGridCells();
    void SetupQuantityBar();
    void ApplyQuantityBar(int position);
    // The grid's current row changed by keyboard navigation or by the program.
    void SetCurrentRow(int row);
    void SelectGridRow();

    void QtyBarKeyPress(char key);
    void sGridKeyDown(GridKey key);
    // A press on cell (row, column); row beyond the last row means below the rows.
    void sGridMouseDown(MouseButton button, int row, int column);
    void sGridClick();
    void sGridDblClick();
    std::string sGridMouseMoveHint(int row, int column) const;

    // The total text after a fresh count, written into the total row on "Selected Units".
    void UpdateTotalText();
    // The bar shows the selected unit type's quantity.
    void PositionBarAtQuantity();

    // State shown by the window.
    int TabIndex() const { return tab_; }
    int RowCount() const { return static_cast<int>(cells_.size()); }
    const std::array<std::string, 3>& Cells(int row) const {
        return cells_[static_cast<std::size_t>(row)];
    }
    int CurrentRow() const { return currentRow_; }
    int BarMaximum() const { return barMaximum_; }
    int BarPosition() const { return barPosition_; }
    int PageStep() const { return pageStep_; }
    bool BarVisible() const { return barVisible_; }
    bool LabelVisible() const { return labelVisible_; }
    std::string Label1() const { return "Max " + std::to_string(barMaximum_); }
    const std::string& TotalText() const { return totalText_; }
    int MouseCellRow() const { return mouseCellRow_; }
    int MouseCellColumn() const { return mouseCellColumn_; }
    bool NameColumnsClicked() const { return nameColumnsClicked_; }

    // The quantity the grid row shows: "  " + quantity, blank below 1.
    static std::string QuantityCell(std::int32_t quantity);

  private:
    UnitType& TableEntry();
    UnitType& ListEntry();
    // The row holds a unit type of the list shown.
    bool RowHoldsUnit(int row) const;
    int UnitListEnd() const { return state_.Units.UnitListEnd; }
    void SetRowCount(int rows);
    void WriteRow(int row);
    void WriteTotalRow();
    // Quantity of the selected unit type and of its list entry, and its cell.
    void Store(std::int32_t quantity);
    void EvaluateAndRefresh();
    void SelectRow(bool fromPress);
    void AddressLimitError();

    AppState& state_;
    UnitListEvents& events_;
    int tab_ = 0;
    std::vector<std::array<std::string, 3>> cells_;
    int currentRow_ = 1;
    int barMaximum_ = kInitialBarMaximum;
    int barPosition_ = kInitialBarMaximum;
    int pageStep_ = 5;
    bool barVisible_ = true;
    bool labelVisible_ = true;
    std::string totalText_;
    int mouseCellRow_ = 1;
    int mouseCellColumn_ = 1;
    bool nameColumnsClicked_ = true;
};

}  // namespace tavo
