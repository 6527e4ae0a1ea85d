#include "calculator/UnitLists.h"

#include <algorithm>

#include "core/Evaluation.h"
#include "platform/Text.h"

namespace tavo {
namespace {

constexpr std::size_t kCatNoCellLength = 21;
constexpr std::int32_t kHighestBarQuantity = 100;

}  // namespace

UnitLists::UnitLists(AppState& state, UnitListEvents& events) : state_(state), events_(events) {
    SetRowCount(2);
}

std::string UnitLists::QuantityCell(std::int32_t quantity) {
    return quantity > 0 ? "  " + std::to_string(quantity) : std::string();
}

UnitType& UnitLists::TableEntry() {
    const int slot = std::clamp(state_.Evaluation.SelectedUnit, 0, kTableSlots - 1);
    return state_.Units.UnitTable[static_cast<std::size_t>(slot)];
}

UnitType& UnitLists::ListEntry() {
    const int row = std::clamp(state_.Evaluation.SelectedRow, 0, kTableSlots - 1);
    return state_.Units.UnitList[static_cast<std::size_t>(row)];
}

bool UnitLists::RowHoldsUnit(int row) const {
    return row >= 1 && row < UnitListEnd() && row < kTableSlots &&
           !state_.Units.UnitList[static_cast<std::size_t>(row)].CatNo.empty();
}

void UnitLists::SetRowCount(int rows) {
    cells_.assign(static_cast<std::size_t>(std::max(rows, 1)), {});
    cells_[0] = {"Description", "Cat No", "Qty"};
}

void UnitLists::WriteRow(int row) {
    if (row < 1 || row >= RowCount()) return;
    auto& cells = cells_[static_cast<std::size_t>(row)];
    if (row >= UnitListEnd() || row >= kTableSlots) {
        cells = {};
        return;
    }
    const UnitType& entry = state_.Units.UnitList[static_cast<std::size_t>(row)];
    cells = {entry.Description, Cut(" " + entry.CatNo, kCatNoCellLength),
             QuantityCell(entry.Quantity)};
}

// On "Selected Units" the total follows the entries; with no quantities at all it stands in
// row 1, the only row.
void UnitLists::WriteTotalRow() {
    if (tab_ != kSelectedUnitsTab) return;
    if (UnitListEnd() > 1) {
        if (UnitListEnd() < RowCount())
            cells_[static_cast<std::size_t>(UnitListEnd())] = {"", "", totalText_};
    } else if (RowCount() > 1) {
        cells_[1] = {"", "", totalText_};
    }
}

void UnitLists::UpdateTotalText() {
    totalText_ = " Total " + std::to_string(CountUnits(state_.Units, state_.Evaluation));
    WriteTotalRow();
}

void UnitLists::InitCalculatorPage() {
    NetworkEvaluation& evaluation = state_.Evaluation;
    evaluation.SelectedUnit = 1;
    evaluation.SelectedRow = 1;
    evaluation.UnitSelected = true;
    mouseCellRow_ = 1;
    mouseCellColumn_ = 1;
    tab_ = 0;
    BuildUnitList(state_.Units, 0);
    currentRow_ = 1;
    barPosition_ = barMaximum_;
    totalText_.clear();
    SetRowCount(std::max(UnitListEnd(), 2));
    FillGridCells();
    // Row 1 is selected from the start, so the bar offers that unit type's own limit.
    evaluation.UnitSelected = RowHoldsUnit(1);
    evaluation.SelectedUnit = evaluation.UnitSelected ? state_.Units.UnitList[1].MasterIndex : 1;
    SetupQuantityBar();
    PositionBarAtQuantity();
}

void UnitLists::TabCtrlChange(int tab) {
    tab_ = std::clamp(tab, 0, kListCount - 1);
    CountUnits(state_.Units, state_.Evaluation);
    BuildUnitList(state_.Units, tab_);
    if (tab_ == kSelectedUnitsTab)
        totalText_ = " Total " + std::to_string(state_.Evaluation.TotalUnits);
    const bool totalRow = tab_ == kSelectedUnitsTab && state_.Evaluation.TotalUnits > 0;
    SetRowCount(std::max(UnitListEnd(), 2) + (totalRow ? 1 : 0));
    FillGridCells();

    mouseCellColumn_ = 1;
    mouseCellRow_ = 1;
    currentRow_ = 1;
    NetworkEvaluation& evaluation = state_.Evaluation;
    evaluation.SelectedRow = 1;
    evaluation.SelectedUnit = state_.Units.UnitList[1].MasterIndex;
    // An empty list (or one whose only row is the total) has no unit type to select.
    evaluation.UnitSelected = RowHoldsUnit(1);
    SetupQuantityBar();
    PositionBarAtQuantity();
}

void UnitLists::FillGridCells() {
    for (int row = 1; row < RowCount(); ++row) WriteRow(row);
    WriteTotalRow();
}

void UnitLists::SetupQuantityBar() {
    barVisible_ = true;
    barMaximum_ = MaxQuantity(state_.Units, state_.Evaluation);
    const bool totalRow = tab_ == kSelectedUnitsTab && currentRow_ == UnitListEnd();
    barVisible_ = !totalRow;
    labelVisible_ = !totalRow;
    pageStep_ = barMaximum_ < 11 ? 1 : (barMaximum_ < 36 ? 2 : 5);
    if (TableEntry().Kind == 's') pageStep_ = 1;
    barPosition_ = std::clamp(barPosition_, 0, barMaximum_);
}

void UnitLists::PositionBarAtQuantity() {
    const std::int32_t quantity = state_.Evaluation.UnitSelected ? TableEntry().Quantity : 0;
    barPosition_ =
        std::clamp<std::int64_t>(static_cast<std::int64_t>(barMaximum_) - quantity, 0, barMaximum_);
}

void UnitLists::Store(std::int32_t quantity) {
    quantity = std::max<std::int32_t>(quantity, 0);
    TableEntry().Quantity = quantity;
    ListEntry().Quantity = quantity;
    state_.Window.NetworkSaved = false;
    const int row = state_.Evaluation.SelectedRow;
    if (row >= 1 && row < RowCount())
        cells_[static_cast<std::size_t>(row)][kQtyColumn] = QuantityCell(quantity);
}

void UnitLists::EvaluateAndRefresh() {
    Evaluate(state_.Units, state_.Evaluation);
    events_.RefreshNetworkStatus();
}

void UnitLists::AddressLimitError() {
    state_.UserPrompts.Error("A Tavo network cannot have more than " +
                             std::to_string(state_.Evaluation.MaxAddressable) +
                             " addressable units");
}

void UnitLists::ApplyQuantityBar(int position) {
    position = std::clamp(position, 0, barMaximum_);
    barPosition_ = position;
    if (!state_.Evaluation.UnitSelected || !RowHoldsUnit(state_.Evaluation.SelectedRow)) {
        // The total row or an empty list: nothing to set.
        barPosition_ = barMaximum_;
    } else {
        state_.Window.NetworkSaved = false;
        const std::int32_t quantity = TableEntry().Quantity;
        std::int64_t increase = static_cast<std::int64_t>(barMaximum_ - position) - quantity;
        // Only a raise is held to the address limit; lowering is always allowed, also on a
        // network that already holds more addressable units than the limit.
        if (increase > 0 && ClampToAddressLimit(state_.Units, state_.Evaluation, increase)) {
            increase = std::max<std::int64_t>(increase, 0);
            Store(static_cast<std::int32_t>(
                std::min<std::int64_t>(quantity + increase, kHighestBarQuantity)));
            PositionBarAtQuantity();
            EvaluateAndRefresh();
            AddressLimitError();
        } else {
            Store(barMaximum_ - position);
            EvaluateAndRefresh();
        }
    }
    UpdateTotalText();
    events_.FocusGrid();
}

void UnitLists::SetCurrentRow(int row) {
    row = std::clamp(row, 1, std::max(RowCount() - 1, 1));
    if (row == currentRow_) return;
    currentRow_ = row;
    SelectRow(false);
}

void UnitLists::SelectGridRow() {
    SelectRow(true);
}

void UnitLists::SelectRow(bool fromPress) {
    events_.HideHint();
    barVisible_ = true;
    NetworkEvaluation& evaluation = state_.Evaluation;
    if (currentRow_ == evaluation.SelectedRow) {
        // One more only for a press on this very row, not on the heading or below the rows.
        if (RowHoldsUnit(currentRow_) && !nameColumnsClicked_ && fromPress &&
            mouseCellRow_ == currentRow_) {
            ApplyQuantityBar(std::max(barPosition_ - 1, 0));
            Evaluate(state_.Units, evaluation);
        }
        return;
    }
    evaluation.SelectedRow = currentRow_;
    evaluation.UnitSelected = RowHoldsUnit(currentRow_);
    if (fromPress && mouseCellRow_ >= UnitListEnd()) {
        // A press below the last entry selects the last entry.
        if (UnitListEnd() < 2) {
            currentRow_ = 1;
            evaluation.UnitSelected = false;
        } else {
            mouseCellRow_ = UnitListEnd() - 1;
            if (currentRow_ != UnitListEnd() - 1) {
                currentRow_ = UnitListEnd() - 1;
                SelectRow(true);
                return;
            }
        }
    }
    evaluation.SelectedUnit = state_.Units
                                  .UnitList[static_cast<std::size_t>(
                                      std::clamp(evaluation.SelectedRow, 0, kTableSlots - 1))]
                                  .MasterIndex;
    SetupQuantityBar();
    barPosition_ = barMaximum_;
    if (evaluation.UnitSelected) PositionBarAtQuantity();
}

void UnitLists::QtyBarKeyPress(char key) {
    NetworkEvaluation& evaluation = state_.Evaluation;
    if (evaluation.UnitSelected && RowHoldsUnit(evaluation.SelectedRow)) {
        state_.Window.NetworkSaved = false;
        const std::int32_t q = TableEntry().Quantity;
        const int m = MaxQuantity(state_.Units, evaluation);
        if (key == '\b') {
            if (q <= m) Store(q / 10);
        } else if (key == ' ') {
            Store(0);
        } else if (key >= '0' && key <= '9') {
            const int d = key - '0';
            std::int32_t next = q;
            bool tooBig = false;
            if (q <= m) {
                const std::int64_t candidate =
                    q <= 10 ? static_cast<std::int64_t>(q) * 10 + d : (q / 10) * 10 + d;
                if (candidate > m)
                    tooBig = true;
                else
                    next = static_cast<std::int32_t>(candidate);
            }
            std::int64_t increase = std::max<std::int64_t>(static_cast<std::int64_t>(next) - q, 0);
            if (ClampToAddressLimit(state_.Units, evaluation, increase)) {
                if (std::min<std::int32_t>(q, 100) < m) {
                    AddressLimitError();
                    Store(q);
                } else {
                    state_.UserPrompts.Warning("Maximum number of units is limited");
                    Store(m);
                }
            } else {
                if (tooBig) state_.UserPrompts.Warning("Max number of units is limited");
                Store(next);
            }
        }
    }
    EvaluateAndRefresh();
    UpdateTotalText();
    PositionBarAtQuantity();
    const int row = evaluation.SelectedRow;
    if (RowHoldsUnit(row))
        cells_[static_cast<std::size_t>(row)][kQtyColumn] = QuantityCell(TableEntry().Quantity);
    events_.FocusGrid();
}

void UnitLists::sGridKeyDown(GridKey key) {
    switch (key) {
        case GridKey::Left:
            TabCtrlChange((tab_ + kListCount - 1) % kListCount);
            break;
        case GridKey::Right:
            TabCtrlChange((tab_ + 1) % kListCount);
            break;
        case GridKey::Delete:
            if (state_.Evaluation.UnitSelected && RowHoldsUnit(state_.Evaluation.SelectedRow)) {
                Store(0);
                barPosition_ = barMaximum_;
                ApplyQuantityBar(barMaximum_);
            }
            break;
        case GridKey::Other:
            break;
    }
    UpdateTotalText();
    if (tab_ == kSelectedUnitsTab && currentRow_ >= UnitListEnd()) barVisible_ = false;
}

void UnitLists::sGridMouseDown(MouseButton button, int row, int column) {
    mouseCellColumn_ = column;
    mouseCellRow_ = row;
    nameColumnsClicked_ = column < 2;
    if (button == MouseButton::Left) {
        // The grid makes the pressed row current; the selection follows on release. A press
        // below the rows counts as one on the last row.
        if (row >= RowCount())
            currentRow_ = RowCount() - 1;
        else if (row >= 1)
            currentRow_ = row;
        if (currentRow_ >= UnitListEnd()) barVisible_ = false;
        return;
    }
    bool changed = currentRow_ != mouseCellRow_;
    if (currentRow_ >= UnitListEnd()) {
        changed = false;
        barVisible_ = false;
    }
    if (button != MouseButton::Right || row <= 0 || row >= RowCount()) return;
    events_.FocusGrid();
    if (row != currentRow_) {
        currentRow_ = row;
        SelectRow(true);
    }
    NetworkEvaluation& evaluation = state_.Evaluation;
    evaluation.SelectedRow = currentRow_;
    evaluation.SelectedUnit =
        state_.Units.UnitList[static_cast<std::size_t>(std::min(currentRow_, kTableSlots - 1))]
            .MasterIndex;
    evaluation.UnitSelected = RowHoldsUnit(currentRow_);
    SetupQuantityBar();
    if (!changed && !nameColumnsClicked_ && evaluation.UnitSelected) {
        if (TableEntry().Quantity > 0) Store(TableEntry().Quantity - 1);
        ApplyQuantityBar(std::min(barPosition_ + 1, barMaximum_));
    }
}

void UnitLists::sGridClick() {
    if (tab_ == kSelectedUnitsTab && RowCount() <= 2) return;
    SelectGridRow();
}

void UnitLists::sGridDblClick() {
    const bool totalRow = tab_ == kSelectedUnitsTab && currentRow_ == RowCount() - 1;
    if (currentRow_ != state_.Evaluation.SelectedRow) {
        // The second press made another row current and no click follows it: select that
        // row whole, as a click does, so that the selected row and unit type stay one (on
        // the total row this selects the last entry again).
        SelectRow(true);
    } else if (!totalRow) {
        sGridClick();
    }
    if (totalRow) return;
    const int selected = state_.Evaluation.SelectedRow;
    if (nameColumnsClicked_ && mouseCellRow_ == selected && RowHoldsUnit(selected))
        events_.ShowUnitHint();
}

std::string UnitLists::sGridMouseMoveHint(int row, int column) const {
    if (row == mouseCellRow_)
        return column == kQtyColumn ? "Left click to increase, right click to decrease"
                                    : "Double click for unit specs";
    return "Click or use up/down arrows to select unit";
}

}  // namespace tavo
