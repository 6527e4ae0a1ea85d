#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "calculator/UnitLists.h"
#include "core/AppState.h"
#include "core/Catalogue.h"
#include "core/Evaluation.h"
#include "platform/TextFile.h"
#include "support/ScriptedPrompts.h"

namespace tavo {
namespace {

using tavo::testing::ScriptedPrompts;
using Cells = std::array<std::string, 3>;

const std::string kAddressLimitError = "A Tavo network cannot have more than 100 addressable units";
const std::string kMaxNumberWarning = "Max number of units is limited";
const std::string kMaximumNumberWarning = "Maximum number of units is limited";

// Slots and MaxQuantity of the test catalogue:
//  1 IN1   input, 20 mA, addressable              -> 100
//  2 OUT1  output, 75 mA, addressable             -> 30
//  3 PS1   power supply, 350 mA supplied, 0 kOhm  -> 5
//  4 SYS1  system unit with clock, 20 mA, addr.   -> 100
//  5 OUT8  output, 250 mA, addressable            -> 8
//  6 LMP1  combined, 150 mA, not addressable      -> 13
//  7 TRM1  input, 18 mA, not addressable          -> 100
// No unit type has a burden, so the "with Burden" list is empty.
const char* const kCatalogueText =
    "Input unit\r\nIN1, i, 20, 0, 36, NO, NO, NO, YES, IN, 1\r\n"
    "Output unit\r\nOUT1, o, 75, 0, 36, NO, NO, NO, YES, OUT, 1\r\n"
    "Power supply\r\nPS1, p, 0, 350, 0, NO, NO, NO, NO, PS, 0\r\n"
    "System clock\r\nSYS1, s, 20, 0, 36, YES, NO, NO, YES, SYS, 0\r\n"
    "Relay bank\r\nOUT8, o, 250, 0, 36, NO, NO, NO, YES, RB, 8\r\n"
    "Lamp driver\r\nLMP1, u, 150, 0, 36, NO, NO, NO, NO, LMP, 1\r\n"
    "Line terminator\r\nTRM1, i, 18, 0, 0, NO, NO, NO, NO, TRM, 0\r\n";

constexpr int kIN1 = 1, kOUT1 = 2, kPS1 = 3, kSYS1 = 4, kOUT8 = 5, kLMP1 = 6, kTRM1 = 7;

// The calculator window as far as the unit lists see it.
class RecordingEvents : public UnitListEvents {
  public:
    explicit RecordingEvents(const AppState& state) : state_(state) {}

    void RefreshNetworkStatus() override {
        refreshedConsumption.push_back(state_.Evaluation.TotalConsumption);
    }
    void HideHint() override { ++hintsHidden; }
    void ShowUnitHint() override { unitHintRows.push_back(state_.Evaluation.SelectedRow); }
    void FocusGrid() override { ++gridFocused; }

    // TotalConsumption at each refresh: shows that Evaluate ran before it.
    std::vector<std::int32_t> refreshedConsumption;
    std::vector<int> unitHintRows;  // SelectedRow at each request for the unit data
    int hintsHidden = 0;
    int gridFocused = 0;

  private:
    const AppState& state_;
};

class UnitListsTest : public ::testing::Test {
  protected:
    UnitListsTest()
        : state_(std::make_unique<AppState>(prompts)), events(*state_), lists(*state_, events) {
        ResetUnitTable(Units());
        LineReader reader = LineReader::FromBytes(kCatalogueText);
        LoadUnitCatalogue(Units(), reader, prompts.Sink());
        lists.InitCalculatorPage();
        lists.TabCtrlChange(0);
    }

    void SetUp() override { ASSERT_TRUE(prompts.shown.empty()); }

    AppState& State() { return *state_; }
    Catalogue& Units() { return state_->Units; }
    NetworkEvaluation& Evaluation() { return state_->Evaluation; }
    std::int32_t& Quantity(int slot) {
        return Units().UnitTable[static_cast<std::size_t>(slot)].Quantity;
    }
    std::int32_t ListQuantity(int row) {
        return Units().UnitList[static_cast<std::size_t>(row)].Quantity;
    }

    // Quantities as placed before the list is shown (as after reading a network).
    void Place(int slot, std::int32_t quantity) { Quantity(slot) = quantity; }

    // The GUI's gestures on the grid.
    void Click(int row, int column) {
        lists.sGridMouseDown(MouseButton::Left, row, column);
        lists.sGridClick();
    }
    void DoubleClick(int row, int column) {
        Click(row, column);
        lists.sGridMouseDown(MouseButton::Left, row, column);
        lists.sGridDblClick();
    }
    void RightClick(int row, int column) { lists.sGridMouseDown(MouseButton::Right, row, column); }
    void Type(const std::string& keys) {
        for (const char key : keys) lists.QtyBarKeyPress(key);
    }
    // Drags the bar to show the given quantity.
    void BarTo(int quantity) { lists.ApplyQuantityBar(lists.BarMaximum() - quantity); }

    // Selects a row of the list shown, as a click on its name does.
    void Select(int row) {
        Click(row, 0);
        ASSERT_EQ(Evaluation().SelectedRow, row);
    }

    // The quantity of the selected unit type, checked to agree in the table, the list entry,
    // the grid cell and the bar.
    std::int32_t Selected() {
        const int row = Evaluation().SelectedRow;
        const std::int32_t quantity = Quantity(Evaluation().SelectedUnit);
        EXPECT_EQ(ListQuantity(row), quantity) << "row " << row;
        EXPECT_EQ(lists.Cells(row)[2], UnitLists::QuantityCell(quantity)) << "row " << row;
        if (quantity <= lists.BarMaximum()) {
            EXPECT_EQ(lists.BarPosition(), lists.BarMaximum() - quantity);
        }
        return quantity;
    }

    // TotalConsumption at the last refresh of the status strip; -1 when there was none.
    std::int32_t LastRefresh() {
        if (events.refreshedConsumption.empty()) {
            ADD_FAILURE() << "the status strip was not refreshed";
            return -1;
        }
        return events.refreshedConsumption.back();
    }

    std::vector<std::int32_t> AllQuantities() {
        std::vector<std::int32_t> quantities;
        for (int slot = 1; slot <= Units().UnitCount; ++slot) quantities.push_back(Quantity(slot));
        return quantities;
    }

    ScriptedPrompts prompts;
    std::unique_ptr<AppState> state_;
    RecordingEvents events;
    UnitLists lists;
};

using UnitListsTyping = UnitListsTest;
using UnitListsAddressLimit = UnitListsTest;
using UnitListsBar = UnitListsTest;
using UnitListsGrid = UnitListsTest;
using UnitListsClicks = UnitListsTest;
using UnitListsSelectedUnits = UnitListsTest;
using UnitListsKeys = UnitListsTest;
using UnitListsChanges = UnitListsTest;

// --- Typed entry -------------------------------------------------------------------------

TEST_F(UnitListsTyping, DigitsBuildTheQuantityWithinTheLimit) {
    Select(kTRM1);  // m = 100, not addressable
    ASSERT_EQ(lists.BarMaximum(), 100);

    Type("4");
    EXPECT_EQ(Selected(), 4);
    Type("2");
    EXPECT_EQ(Selected(), 42);
    EXPECT_EQ(lists.Cells(kTRM1)[2], "  42");
    Type("7");  // the last digit is replaced
    EXPECT_EQ(Selected(), 47);

    Type(" ");
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(lists.Cells(kTRM1)[2], "");
    Type("10");
    EXPECT_EQ(Selected(), 10);
    Type("0");
    EXPECT_EQ(Selected(), 100);
    Type("\b");
    EXPECT_EQ(Selected(), 10);
    EXPECT_TRUE(prompts.shown.empty());

    Type("5");  // 105 is above 100
    EXPECT_EQ(Selected(), 10);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0],
              (ScriptedPrompts::Shown{MessageKind::Warning, kMaxNumberWarning, false}));

    Type(" 42\b");
    EXPECT_EQ(Selected(), 4);
    Type("\b\b");
    EXPECT_EQ(Selected(), 0);
    Type("x+-");  // other keys store nothing
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_GT(events.gridFocused, 0);
}

TEST_F(UnitListsTyping, SmallLimitRefusesTheSecondDigit) {
    Select(kLMP1);  // 150 mA: m = 13
    ASSERT_EQ(lists.BarMaximum(), 13);
    Type("1");
    EXPECT_EQ(Selected(), 1);
    Type("5");
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{kMaxNumberWarning});
    Type("3");
    EXPECT_EQ(Selected(), 13);
    Type("9");  // 19: above 13, the last digit is not replaced either
    EXPECT_EQ(Selected(), 13);
    EXPECT_EQ(prompts.shown.size(), 2u);
}

TEST_F(UnitListsTyping, QuantityAboveTheLimitAfterLoading) {
    Place(kOUT8, 12);  // more than the 8 the bar offers, as after reading a network file
    lists.TabCtrlChange(0);
    Select(kOUT8);
    EXPECT_EQ(lists.BarPosition(), 0);  // the bar stands at its top
    Type("\b");
    EXPECT_EQ(Quantity(kOUT8), 12);
    Type("3");
    EXPECT_EQ(Quantity(kOUT8), 12);
    EXPECT_EQ(ListQuantity(kOUT8), 12);
    EXPECT_EQ(lists.Cells(kOUT8)[2], "  12");
    EXPECT_TRUE(prompts.shown.empty());
    Type(" ");
    EXPECT_EQ(Selected(), 0);
}

// --- Address limit -----------------------------------------------------------------------

TEST_F(UnitListsAddressLimit, BarAndDigitsStopAtTheLimit) {
    Place(kSYS1, 95);
    Place(kIN1, 3);  // 98 of 100 addressable units
    lists.TabCtrlChange(0);
    Select(kIN1);
    ASSERT_EQ(Selected(), 3);

    BarTo(10);
    EXPECT_EQ(Selected(), 5);
    EXPECT_EQ(lists.BarPosition(), 95);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0],
              (ScriptedPrompts::Shown{MessageKind::Error, kAddressLimitError, false}));
    EXPECT_EQ(LastRefresh(), 100 * 20);  // evaluated with the 5

    // Typing a digit that would raise it shows the same error and leaves the quantity.
    Type("\b");  // 5 -> 0
    EXPECT_EQ(Selected(), 0);
    BarTo(3);
    EXPECT_EQ(Selected(), 3);
    prompts.shown.clear();
    Type("4");  // 34 would need 31 more
    EXPECT_EQ(Selected(), 3);
    EXPECT_EQ(
        prompts.shown,
        (std::vector<ScriptedPrompts::Shown>{{MessageKind::Error, kAddressLimitError, false}}));

    // Units that take no address are not held to the limit.
    Select(kTRM1);
    Type("50");
    EXPECT_EQ(Selected(), 50);
    EXPECT_EQ(prompts.shown.size(), 1u);
}

TEST_F(UnitListsAddressLimit, LimitFromTheCommandLineIsNamed) {
    Evaluation().MaxAddressable = 150;
    Place(kSYS1, 100);
    Place(kIN1, 48);
    lists.TabCtrlChange(0);
    Select(kIN1);
    BarTo(60);
    EXPECT_EQ(Selected(), 50);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{
                                   "A Tavo network cannot have more than 150 addressable units"});
}

TEST_F(UnitListsAddressLimit, NetworkOverTheLimitCanOnlyShrink) {
    // 120 addressable units on a network limited to 100, as after an installation import.
    Place(kIN1, 100);
    Place(kSYS1, 20);
    Place(kOUT8, 10);  // above its maximum of 8 as well
    lists.TabCtrlChange(0);
    Select(kIN1);
    ASSERT_EQ(Selected(), 100);

    BarTo(90);  // lowering works and goes exactly to the bar's value
    EXPECT_EQ(Selected(), 90);
    EXPECT_TRUE(prompts.shown.empty());

    BarTo(95);  // raising is refused
    EXPECT_EQ(Selected(), 90);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{kAddressLimitError});

    Type("5");  // 95: refused, the quantity stays
    EXPECT_EQ(Selected(), 90);
    Click(kIN1, 2);  // +1: refused
    EXPECT_EQ(Selected(), 90);
    RightClick(kIN1, 2);  // -1: allowed
    EXPECT_EQ(Selected(), 89);
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{kAddressLimitError, kAddressLimitError,
                                                         kAddressLimitError}));

    // A type above its own maximum: a digit brings it down to the maximum, never below 0.
    prompts.shown.clear();
    Select(kOUT8);
    Type("3");
    EXPECT_EQ(Quantity(kOUT8), 8);
    EXPECT_EQ(ListQuantity(kOUT8), 8);
    EXPECT_EQ(prompts.shown, (std::vector<ScriptedPrompts::Shown>{
                                 {MessageKind::Warning, kMaximumNumberWarning, false}}));

    for (const std::int32_t quantity : AllQuantities()) EXPECT_GE(quantity, 0);
    EXPECT_EQ(Quantity(kSYS1), 20);
}

TEST_F(UnitListsAddressLimit, NothingGoesNegativeWhileFarOverTheLimit) {
    Place(kIN1, 100);
    Place(kSYS1, 100);  // 200 of 100
    lists.TabCtrlChange(0);
    Select(kOUT8);  // 0 units of an addressable type
    BarTo(1);
    EXPECT_EQ(Selected(), 0);
    Type("4");
    EXPECT_EQ(Selected(), 0);
    Click(kOUT8, 2);
    DoubleClick(kOUT8, 2);
    EXPECT_EQ(Selected(), 0);
    RightClick(kOUT8, 2);
    EXPECT_EQ(Selected(), 0);
    for (const std::int32_t quantity : AllQuantities()) EXPECT_GE(quantity, 0);
    EXPECT_EQ(Quantity(kIN1), 100);
    EXPECT_EQ(Quantity(kSYS1), 100);
}

// --- Quantity bar ------------------------------------------------------------------------

TEST_F(UnitListsBar, RangeLabelAndPageStepFollowTheSelectedType) {
    struct Case {
        int slot;
        int maximum;
        int pageStep;
    };
    for (const Case& c :
         {Case{kIN1, 100, 5}, Case{kOUT1, 30, 2}, Case{kOUT8, 8, 1}, Case{kLMP1, 13, 2},
          Case{kPS1, 5, 1}, Case{kSYS1, 100, 1}, Case{kTRM1, 100, 5}}) {
        Select(c.slot);
        EXPECT_EQ(lists.BarMaximum(), c.maximum) << c.slot;
        EXPECT_EQ(lists.PageStep(), c.pageStep) << c.slot;
        EXPECT_EQ(lists.Label1(), "Max " + std::to_string(c.maximum)) << c.slot;
        EXPECT_TRUE(lists.BarVisible());
        EXPECT_TRUE(lists.LabelVisible());
        EXPECT_EQ(lists.BarPosition(), c.maximum);  // position 0 is the top: quantity 0
    }
    // Page steps at the edges of the rule.
    UnitType& unit = Units().UnitTable[kOUT1];
    lists.TabCtrlChange(0);
    unit.Consumption = 200;  // 10
    Select(kOUT1);
    EXPECT_EQ(lists.BarMaximum(), 10);
    EXPECT_EQ(lists.PageStep(), 1);
    unit.Consumption = 181;  // 11
    Select(kIN1);
    Select(kOUT1);
    EXPECT_EQ(lists.BarMaximum(), 11);
    EXPECT_EQ(lists.PageStep(), 2);
    unit.Consumption = 57;  // 35
    Select(kIN1);
    Select(kOUT1);
    EXPECT_EQ(lists.BarMaximum(), 40);  // 35 is rounded to 40
    EXPECT_EQ(lists.PageStep(), 5);
}

TEST_F(UnitListsBar, BarSetsTheQuantityUpsideDown) {
    Select(kOUT1);  // maximum 30
    lists.ApplyQuantityBar(0);
    EXPECT_EQ(Selected(), 30);
    lists.ApplyQuantityBar(30);
    EXPECT_EQ(Selected(), 0);
    lists.ApplyQuantityBar(18);
    EXPECT_EQ(Selected(), 12);
    EXPECT_EQ(lists.Cells(kOUT1)[2], "  12");
    EXPECT_TRUE(prompts.shown.empty());

    // Another type keeps its own quantity and the bar follows the selection.
    Select(kIN1);
    EXPECT_EQ(lists.BarPosition(), 100);
    Select(kOUT1);
    EXPECT_EQ(lists.BarPosition(), 18);
}

// --- Grid contents and tabs --------------------------------------------------------------

TEST_F(UnitListsGrid, CellsShowDescriptionCatalogueNumberAndQuantity) {
    ASSERT_EQ(lists.RowCount(), 8);  // heading row and seven unit types
    EXPECT_EQ(lists.Cells(0), (Cells{"Description", "Cat No", "Qty"}));
    EXPECT_EQ(lists.Cells(1), (Cells{"Input unit", " IN1", ""}));
    EXPECT_EQ(lists.Cells(7), (Cells{"Line terminator", " TRM1", ""}));

    Place(kOUT1, 7);
    Place(kPS1, 2);
    Units().UnitTable[kSYS1].CatNo = "ABCDEFGHIJKLMNOPQRSTUVWXY";  // longer than a cell holds
    lists.TabCtrlChange(0);
    EXPECT_EQ(lists.Cells(2), (Cells{"Output unit", " OUT1", "  7"}));
    EXPECT_EQ(lists.Cells(3), (Cells{"Power supply", " PS1", "  2"}));
    EXPECT_EQ(lists.Cells(kSYS1)[1], " ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(UnitLists::QuantityCell(0), "");
    EXPECT_EQ(UnitLists::QuantityCell(100), "  100");

    // A tab change selects row 1 and puts the bar at its quantity.
    EXPECT_EQ(lists.CurrentRow(), 1);
    EXPECT_EQ(Evaluation().SelectedRow, 1);
    EXPECT_EQ(Evaluation().SelectedUnit, kIN1);
    EXPECT_TRUE(Evaluation().UnitSelected);

    lists.TabCtrlChange(6);  // "with Power Supply": PS1 alone
    ASSERT_EQ(Units().UnitListEnd, 2);
    EXPECT_EQ(lists.RowCount(), 2);
    EXPECT_EQ(lists.Cells(1), (Cells{"Power supply", " PS1", "  2"}));
    EXPECT_EQ(Evaluation().SelectedUnit, kPS1);
    EXPECT_EQ(lists.BarMaximum(), 5);
    EXPECT_EQ(lists.BarPosition(), 3);

    lists.TabCtrlChange(2);  // "Output": OUT1, OUT8, LMP1
    EXPECT_EQ(lists.RowCount(), 4);
    EXPECT_EQ(lists.Cells(3), (Cells{"Lamp driver", " LMP1", ""}));
    Select(1);
    Type(" 3");
    EXPECT_EQ(Quantity(kOUT1), 3);  // written to the unit type's own slot
    EXPECT_EQ(ListQuantity(1), 3);
}

TEST_F(UnitListsKeys, LeftAndRightCycleAllTabsAndWrap) {
    const int entries[kListCount] = {7, 3, 3, 1, 1, 0, 1, 0};
    for (int step = 1; step <= kListCount; ++step) {
        lists.sGridKeyDown(GridKey::Right);
        const int tab = step % kListCount;
        EXPECT_EQ(lists.TabIndex(), tab);
        EXPECT_EQ(Units().UnitListEnd, entries[tab] + 1) << tab;
        EXPECT_EQ(Evaluation().SelectedRow, 1);
    }
    EXPECT_EQ(lists.TabIndex(), 0);
    lists.sGridKeyDown(GridKey::Left);
    EXPECT_EQ(lists.TabIndex(), 7);
    for (int tab = 6; tab >= 0; --tab) {
        lists.sGridKeyDown(GridKey::Left);
        EXPECT_EQ(lists.TabIndex(), tab);
        EXPECT_EQ(Units().UnitListEnd, entries[tab] + 1) << tab;
    }
    lists.sGridKeyDown(GridKey::Left);
    EXPECT_EQ(lists.TabIndex(), 7);
    EXPECT_EQ(AllQuantities(), std::vector<std::int32_t>(7, 0));
}

TEST_F(UnitListsKeys, KeyboardRowChangesSelectWithoutAdding) {
    Click(kOUT1, 2);  // the last press was in the Qty column
    EXPECT_EQ(Evaluation().SelectedRow, kOUT1);
    lists.SetCurrentRow(kPS1);
    EXPECT_EQ(Evaluation().SelectedRow, kPS1);
    EXPECT_EQ(Evaluation().SelectedUnit, kPS1);
    EXPECT_EQ(lists.BarMaximum(), 5);
    lists.SetCurrentRow(kPS1);
    lists.SetCurrentRow(kOUT1);
    EXPECT_EQ(Evaluation().SelectedRow, kOUT1);
    // A press on the Qty column of another row that is not released there, then the
    // keyboard back onto the selected row: still nothing added.
    lists.sGridMouseDown(MouseButton::Left, kSYS1, 2);
    lists.SetCurrentRow(kOUT1);
    EXPECT_EQ(Evaluation().SelectedRow, kOUT1);
    EXPECT_EQ(AllQuantities(), std::vector<std::int32_t>(7, 0));
    EXPECT_GT(events.hintsHidden, 0);
}

TEST_F(UnitListsKeys, DeleteClearsTheSelectedType) {
    Select(kOUT1);
    BarTo(20);
    Select(kIN1);
    Type("42");
    State().Window.NetworkSaved = true;
    lists.sGridKeyDown(GridKey::Delete);
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(lists.BarPosition(), lists.BarMaximum());
    EXPECT_FALSE(State().Window.NetworkSaved);
    EXPECT_EQ(LastRefresh(), 20 * 75);
    EXPECT_EQ(Quantity(kOUT1), 20);

    lists.sGridKeyDown(GridKey::Other);
    EXPECT_EQ(Quantity(kOUT1), 20);
    EXPECT_EQ(lists.TotalText(), " Total 20");
}

// --- Clicks ------------------------------------------------------------------------------

TEST_F(UnitListsClicks, LeftClickSelectsThenAddsOne) {
    Click(kOUT1, 2);  // another row: only selected
    EXPECT_EQ(Evaluation().SelectedRow, kOUT1);
    EXPECT_EQ(Evaluation().SelectedUnit, kOUT1);
    EXPECT_EQ(Selected(), 0);
    EXPECT_GT(events.hintsHidden, 0);

    Click(kOUT1, 2);  // the selected row's Qty: one more
    EXPECT_EQ(Selected(), 1);
    Click(kOUT1, 2);
    EXPECT_EQ(Selected(), 2);
    Click(kOUT1, 1);  // its name: nothing
    Click(kOUT1, 0);
    EXPECT_EQ(Selected(), 2);

    Click(0, 2);  // the heading row: nothing
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(Evaluation().SelectedRow, kOUT1);

    lists.ApplyQuantityBar(0);  // at the top of the bar a click adds nothing more
    Click(kOUT1, 2);
    EXPECT_EQ(Selected(), 30);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(UnitListsClicks, RightClickTakesOneAway) {
    Place(kOUT1, 4);
    lists.TabCtrlChange(0);
    Select(kIN1);
    Type("3");
    RightClick(kIN1, 2);
    EXPECT_EQ(Selected(), 2);
    RightClick(kIN1, 2);
    RightClick(kIN1, 2);
    EXPECT_EQ(Selected(), 0);
    RightClick(kIN1, 2);  // at 0 it stays 0
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(lists.BarPosition(), 100);

    Type("3");
    RightClick(kIN1, 0);  // on the name: nothing
    EXPECT_EQ(Selected(), 3);

    RightClick(kOUT1, 2);  // another row: only selected
    EXPECT_EQ(Evaluation().SelectedRow, kOUT1);
    EXPECT_EQ(Evaluation().SelectedUnit, kOUT1);
    EXPECT_EQ(lists.BarMaximum(), 30);
    EXPECT_EQ(Quantity(kOUT1), 4);
    EXPECT_EQ(Quantity(kIN1), 3);
    RightClick(kOUT1, 2);
    EXPECT_EQ(Quantity(kOUT1), 3);

    RightClick(0, 2);  // the heading row: nothing
    EXPECT_EQ(Evaluation().SelectedRow, kOUT1);
    EXPECT_EQ(Quantity(kOUT1), 3);
}

TEST_F(UnitListsClicks, DoubleClicks) {
    Select(kOUT1);
    DoubleClick(kOUT1, 2);  // the selected row's Qty: two in all
    EXPECT_EQ(Selected(), 2);
    EXPECT_TRUE(events.unitHintRows.empty());

    DoubleClick(kIN1, 2);  // another row: the first click selects, the second adds one
    EXPECT_EQ(Evaluation().SelectedRow, kIN1);
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(Quantity(kOUT1), 2);

    DoubleClick(kPS1, 1);  // a name column: the unit's data, no quantity change
    EXPECT_EQ(events.unitHintRows, std::vector<int>{kPS1});
    EXPECT_EQ(Evaluation().SelectedUnit, kPS1);
    EXPECT_EQ(Selected(), 0);
    DoubleClick(kPS1, 0);
    EXPECT_EQ(events.unitHintRows, (std::vector<int>{kPS1, kPS1}));
    EXPECT_EQ(Selected(), 0);

    DoubleClick(0, 0);  // the heading row: neither the data nor a quantity
    DoubleClick(0, 2);
    EXPECT_EQ(events.unitHintRows, (std::vector<int>{kPS1, kPS1}));
    EXPECT_EQ(Evaluation().SelectedRow, kPS1);
    EXPECT_EQ(AllQuantities(), (std::vector<std::int32_t>{1, 2, 0, 0, 0, 0, 0}));
}

TEST_F(UnitListsClicks, DoubleClickEndingOnAnotherRowSelectsThatRowWhole) {
    Select(kIN1);
    Click(kIN1, 0);
    // The second press of the double click lands on the next row.
    lists.sGridMouseDown(MouseButton::Left, kOUT1, 0);
    lists.sGridDblClick();
    EXPECT_EQ(Evaluation().SelectedRow, kOUT1);
    EXPECT_EQ(Evaluation().SelectedUnit, kOUT1);
    EXPECT_EQ(events.unitHintRows, std::vector<int>{kOUT1});
    Type("4");
    EXPECT_EQ(Selected(), 4);
    EXPECT_EQ(Quantity(kIN1), 0);
    EXPECT_EQ(lists.Cells(kIN1)[2], "");
}

TEST_F(UnitListsClicks, ClickBelowTheLastEntrySelectsTheLastEntry) {
    Select(kIN1);
    Type("2");
    Click(lists.RowCount(), 2);  // below the rows, under the Qty column
    EXPECT_EQ(Evaluation().SelectedRow, kTRM1);
    EXPECT_EQ(Evaluation().SelectedUnit, kTRM1);
    EXPECT_EQ(lists.CurrentRow(), kTRM1);
    EXPECT_EQ(Quantity(kIN1), 2);
    EXPECT_EQ(Selected(), 0);

    Click(lists.RowCount() + 3, 0);  // the last entry again: nothing more happens
    EXPECT_EQ(Evaluation().SelectedRow, kTRM1);
    EXPECT_EQ(AllQuantities(), (std::vector<std::int32_t>{2, 0, 0, 0, 0, 0, 0}));
    Click(kTRM1, 2);
    EXPECT_EQ(Selected(), 1);
}

TEST_F(UnitListsClicks, MouseMoveHints) {
    lists.sGridMouseDown(MouseButton::Left, 3, 1);
    EXPECT_EQ(lists.sGridMouseMoveHint(3, 2), "Left click to increase, right click to decrease");
    EXPECT_EQ(lists.sGridMouseMoveHint(3, 1), "Double click for unit specs");
    EXPECT_EQ(lists.sGridMouseMoveHint(3, 0), "Double click for unit specs");
    EXPECT_EQ(lists.sGridMouseMoveHint(4, 2), "Click or use up/down arrows to select unit");
    EXPECT_EQ(lists.sGridMouseMoveHint(0, 0), "Click or use up/down arrows to select unit");
    lists.sGridMouseDown(MouseButton::Right, 5, 2);
    EXPECT_EQ(lists.sGridMouseMoveHint(5, 2), "Left click to increase, right click to decrease");
    EXPECT_EQ(lists.sGridMouseMoveHint(3, 2), "Click or use up/down arrows to select unit");
}

// --- "Selected Units" --------------------------------------------------------------------

TEST_F(UnitListsSelectedUnits, ListsThePlacedTypesWithATotalRow) {
    Place(kOUT1, 2);
    Place(kSYS1, 5);
    Place(kTRM1, 1);
    lists.TabCtrlChange(kSelectedUnitsTab);
    ASSERT_EQ(Units().UnitListEnd, 4);
    ASSERT_EQ(lists.RowCount(), 5);
    EXPECT_EQ(lists.Cells(1), (Cells{"Output unit", " OUT1", "  2"}));
    EXPECT_EQ(lists.Cells(2), (Cells{"System clock", " SYS1", "  5"}));
    EXPECT_EQ(lists.Cells(3), (Cells{"Line terminator", " TRM1", "  1"}));
    EXPECT_EQ(lists.Cells(4), (Cells{"", "", " Total 8"}));
    EXPECT_EQ(lists.TotalText(), " Total 8");
    EXPECT_EQ(lists.CurrentRow(), 1);
    EXPECT_EQ(Evaluation().SelectedUnit, kOUT1);
    EXPECT_TRUE(lists.BarVisible());
    EXPECT_EQ(lists.BarPosition(), 30 - 2);

    // Changes keep the total row up to date.
    Click(1, 2);
    EXPECT_EQ(Selected(), 3);
    EXPECT_EQ(lists.Cells(4), (Cells{"", "", " Total 9"}));
    Select(2);
    Type("\b");
    EXPECT_EQ(Quantity(kSYS1), 0);
    EXPECT_EQ(lists.Cells(2)[2], "");
    EXPECT_EQ(lists.Cells(4), (Cells{"", "", " Total 4"}));
    RightClick(3, 2);
    RightClick(3, 2);
    EXPECT_EQ(Quantity(kTRM1), 0);
    EXPECT_EQ(lists.Cells(4), (Cells{"", "", " Total 3"}));

    // Each activation of the window rewrites the cells and the total row.
    lists.FillGridCells();
    EXPECT_EQ(lists.Cells(1), (Cells{"Output unit", " OUT1", "  3"}));
    EXPECT_EQ(lists.Cells(4), (Cells{"", "", " Total 3"}));
}

TEST_F(UnitListsSelectedUnits, TotalRowSelectsTheLastEntryAndChangesNothing) {
    Place(kOUT1, 2);
    Place(kSYS1, 5);
    Place(kTRM1, 1);
    lists.TabCtrlChange(kSelectedUnitsTab);
    const std::vector<std::int32_t> placed = AllQuantities();

    Click(4, 2);  // the total row: the last entry is selected, nothing added
    EXPECT_EQ(Evaluation().SelectedRow, 3);
    EXPECT_EQ(Evaluation().SelectedUnit, kTRM1);
    EXPECT_EQ(lists.CurrentRow(), 3);
    EXPECT_TRUE(lists.BarVisible());
    EXPECT_EQ(AllQuantities(), placed);

    DoubleClick(4, 0);  // nothing, and no unit data
    EXPECT_TRUE(events.unitHintRows.empty());
    EXPECT_EQ(AllQuantities(), placed);

    // Moved onto the total row by the keyboard: no bar, no label, no key changes anything.
    lists.SetCurrentRow(4);
    EXPECT_EQ(Evaluation().SelectedRow, 4);
    EXPECT_FALSE(Evaluation().UnitSelected);
    EXPECT_FALSE(lists.BarVisible());
    EXPECT_FALSE(lists.LabelVisible());
    Type("5 \b");
    lists.sGridKeyDown(GridKey::Delete);
    lists.ApplyQuantityBar(0);
    EXPECT_EQ(AllQuantities(), placed);
    EXPECT_EQ(lists.Cells(4), (Cells{"", "", " Total 8"}));
    EXPECT_FALSE(lists.BarVisible());
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(UnitListsSelectedUnits, EmptyListShowsOnlyTheTotal) {
    lists.TabCtrlChange(kSelectedUnitsTab);
    ASSERT_EQ(lists.RowCount(), 2);
    EXPECT_EQ(lists.Cells(1), (Cells{"", "", " Total 0"}));
    EXPECT_EQ(lists.TotalText(), " Total 0");
    EXPECT_FALSE(lists.BarVisible());
    EXPECT_FALSE(lists.LabelVisible());

    Click(1, 2);
    Click(1, 0);
    DoubleClick(1, 2);
    DoubleClick(1, 0);
    RightClick(1, 2);
    Type("7 \b");
    lists.sGridKeyDown(GridKey::Delete);
    lists.ApplyQuantityBar(0);
    EXPECT_EQ(AllQuantities(), std::vector<std::int32_t>(7, 0));
    EXPECT_EQ(lists.Cells(1), (Cells{"", "", " Total 0"}));
    EXPECT_FALSE(lists.BarVisible());
    EXPECT_TRUE(events.unitHintRows.empty());
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(UnitListsSelectedUnits, OtherEmptyListChangesNothing) {
    lists.TabCtrlChange(5);  // "with Burden": no unit type has one
    ASSERT_EQ(Units().UnitListEnd, 1);
    ASSERT_EQ(lists.RowCount(), 2);
    EXPECT_EQ(lists.Cells(1), (Cells{"", "", ""}));
    Type("4");
    Click(1, 2);
    DoubleClick(1, 2);
    Click(1, 0);
    RightClick(1, 2);
    lists.ApplyQuantityBar(0);
    lists.sGridKeyDown(GridKey::Delete);
    Click(3, 2);  // below the rows
    EXPECT_EQ(AllQuantities(), std::vector<std::int32_t>(7, 0));
    EXPECT_EQ(lists.Cells(1), (Cells{"", "", ""}));
    EXPECT_TRUE(events.unitHintRows.empty());
    EXPECT_TRUE(prompts.shown.empty());
}

// --- Every change ------------------------------------------------------------------------

TEST_F(UnitListsChanges, EveryGestureWritesTableAndListMarksUnsavedAndRefreshes) {
    lists.TabCtrlChange(1);  // "Input": IN1, LMP1, TRM1
    Select(2);               // LMP1, 150 mA, maximum 13
    ASSERT_EQ(Evaluation().SelectedUnit, kLMP1);

    struct Gesture {
        const char* name;
        std::function<void()> run;
        std::int32_t expected;
    };
    const std::vector<Gesture> gestures = {
        {"bar", [&] { BarTo(6); }, 6},
        {"space", [&] { Type(" "); }, 0},
        {"digit", [&] { Type("1"); }, 1},
        {"second digit", [&] { Type("2"); }, 12},
        {"backspace", [&] { Type("\b"); }, 1},
        {"left click on Qty", [&] { Click(2, 2); }, 2},
        {"double click on Qty", [&] { DoubleClick(2, 2); }, 4},
        {"right click on Qty", [&] { RightClick(2, 2); }, 3},
        {"bar to the top", [&] { BarTo(13); }, 13},
        {"delete", [&] { lists.sGridKeyDown(GridKey::Delete); }, 0},
    };
    for (const Gesture& gesture : gestures) {
        SCOPED_TRACE(gesture.name);
        State().Window.NetworkSaved = true;
        events.refreshedConsumption.clear();
        gesture.run();
        EXPECT_EQ(Quantity(kLMP1), gesture.expected);
        EXPECT_EQ(ListQuantity(2), gesture.expected);
        EXPECT_EQ(lists.Cells(2)[2], UnitLists::QuantityCell(gesture.expected));
        EXPECT_FALSE(State().Window.NetworkSaved);
        EXPECT_EQ(LastRefresh(), gesture.expected * 150);
        EXPECT_EQ(Evaluation().TotalConsumption, gesture.expected * 150);
        EXPECT_EQ(lists.TotalText(), " Total " + std::to_string(gesture.expected));
    }
    EXPECT_TRUE(prompts.shown.empty());
    // Nothing else was touched.
    EXPECT_EQ(AllQuantities(), std::vector<std::int32_t>(7, 0));
}

}  // namespace
}  // namespace tavo
