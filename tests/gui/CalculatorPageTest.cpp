// The calculator page through its real controls: the unit grid, the list tabs, the quantity
// bar, the status strip and the hint dialog, with every message box scripted.
#include <QLabel>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>
#include <memory>
#include <tuple>

#include "calculator/CalculatorPage.h"
#include "calculator/HintDialog.h"
#include "calculator/MainWindow.h"
#include "calculator/StatusStrip.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

using tavo::testing::ScriptedPrompts;

namespace {

// Slots: 1 PSU (350 mA supply), 2 CLOCK (system), 3 BURDEN (system), 4 IN18 (addressable,
// 18 mA), 5 FREE (not addressable, 18 mA), 6 BIG150 (150 mA), 7 OUT75 (75 mA), 8 HEAVY
// (250 mA), 9 PS1000 (1000 mA supply with clock).
const char kCatalogue[] =
    "; VERSION : 2,0\r\n"
    "Power supply 350 mA\r\nPSU, p, 0, 350, 0, NO, NO, NO, NO, PSU, 1\r\n"
    "Clock unit\r\nCLOCK, s, 20, 0, 50, YES, NO, NO, NO, CLK, 1\r\n"
    "Burden unit\r\nBURDEN, s, 5, 0, 0, NO, YES, NO, NO, BUR, 1\r\n"
    "Input 18 mA\r\nIN18, i, 18, 0, 36, NO, NO, NO, YES, IN, 4\r\n"
    "Output without address\r\nFREE, o, 18, 0, 45, NO, NO, NO, NO, FREE, 1\r\n"
    "Output 150 mA\r\nBIG150, o, 150, 0, 30, NO, NO, NO, YES, B, 1\r\n"
    "Output 75 mA\r\nOUT75, o, 75, 0, 40, NO, NO, NO, YES, O75, 1\r\n"
    "Panel 250 mA\r\nHEAVY, u, 250, 0, 20, NO, NO, NO, YES, H, 1\r\n"
    "Power supply 1000 mA\r\nPS1000, p, 0, 1000, 0, YES, NO, NO, NO, P2, 1\r\n";

const QString kAddressLimit100 =
    QStringLiteral("A Tavo network cannot have more than 100 addressable units");

}  // namespace

class CalculatorPageTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<tavo::testing::TempDir> dir_;
    std::unique_ptr<ScriptedPrompts> prompts_;
    std::unique_ptr<tavo::AppState> state_;
    std::unique_ptr<tavo::TVCALC> window_;

    void Start(QStringList arguments = {}) {
        window_ = std::make_unique<tavo::TVCALC>(*state_, arguments, dir_->File("TAVOUNIT.DAT"));
        window_->show();
        QVERIFY(window_->FormActivate());
    }
    QTableWidget* Grid() { return window_->findChild<QTableWidget*>(QStringLiteral("sGrid")); }
    QScrollBar* Bar() { return window_->findChild<QScrollBar*>(QStringLiteral("QtyBar")); }
    QTabBar* Tabs() { return window_->findChild<QTabBar*>(QStringLiteral("TabCtrl")); }
    QWidget* Control(const char* name) {
        return window_->findChild<QWidget*>(QString::fromLatin1(name));
    }
    tavo::UnitType& Unit(int slot) {
        return state_->Units.UnitTable[static_cast<std::size_t>(slot)];
    }
    QString Cell(int row, int column) {
        QTableWidgetItem* item = Grid()->item(row - 1, column);
        return item == nullptr ? QString() : item->text();
    }
    QPoint CellCentre(int row, int column) {
        return Grid()->visualRect(Grid()->model()->index(row - 1, column)).center();
    }
    void ClickCell(int row, int column, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(Grid()->viewport(), button, {}, CellCentre(row, column));
    }
    void DoubleClickCell(int row, int column) {
        // A double click arrives as press, release, double-click press, release.
        ClickCell(row, column);
        QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, CellCentre(row, column));
        QTest::mouseRelease(Grid()->viewport(), Qt::LeftButton, {}, CellCentre(row, column));
    }
    // A double click on a status control, with the hint closed as a user would find it.
    void DoubleClick(const char* name) {
        window_->Hint().hide();
        QWidget* control = Control(name);
        QTest::mouseClick(control, Qt::LeftButton);
        QTest::mouseDClick(control, Qt::LeftButton);
        QTest::mouseRelease(control, Qt::LeftButton);
    }
    void ClickTab(int index) {
        QTest::mouseClick(Tabs(), Qt::LeftButton, {}, Tabs()->tabRect(index).center());
    }
    // Selects a unit type on "All Units" by a click on its description.
    void SelectUnit(int slot) {
        ClickTab(0);
        ClickCell(slot, 0);
        QCOMPARE(state_->Evaluation.SelectedUnit, slot);
    }
    void Type(const char* keys) { QTest::keyClicks(Grid(), QString::fromLatin1(keys)); }
    void SetQuantity(int slot, const char* digits) {
        SelectUnit(slot);
        QTest::keyClick(Grid(), Qt::Key_Space);
        Type(digits);
    }
    QStringList Column(int column) {
        QStringList texts;
        for (int row = 1; row <= Grid()->rowCount(); ++row) texts << Cell(row, column);
        return texts;
    }
    QStringList Messages() {
        QStringList texts;
        for (const auto& shown : prompts_->shown) texts << QString::fromStdString(shown.Text);
        return texts;
    }
    QStringList Memo() { return window_->Hint().MemoLines(); }
    QLabel* Label(const char* name) {
        return window_->findChild<QLabel*>(QString::fromLatin1(name));
    }
    QString Text(const char* name) { return Label(name)->text(); }

  private slots:
    void init() {
        dir_ = std::make_unique<tavo::testing::TempDir>();
        tavo::testing::WriteBytes(dir_->File("TAVOUNIT.DAT"), kCatalogue);
        prompts_ = std::make_unique<ScriptedPrompts>();
        state_ = std::make_unique<tavo::AppState>(*prompts_);
    }
    void cleanup() {
        window_.reset();
        state_.reset();
        prompts_.reset();
        dir_.reset();
    }

    void startsOnAllUnitsWithAFreshNetworkAndTheControlsCarryTheirHints() {
        Start();
        QCOMPARE(Tabs()->count(), 8);
        QCOMPARE(Tabs()->tabText(7), QStringLiteral("Selected Units"));
        QCOMPARE(Tabs()->currentIndex(), 0);
        QCOMPARE(Grid()->rowCount(), 9);
        QCOMPARE(Grid()->horizontalHeaderItem(2)->text(), QStringLiteral("Qty"));
        QCOMPARE(Cell(1, 0), QStringLiteral("Power supply 350 mA"));
        QCOMPARE(Cell(1, 1), QStringLiteral(" PSU"));
        QCOMPARE(Cell(1, 2), QString());
        QCOMPARE(Grid()->columnWidth(1), 80);
        QCOMPARE(Grid()->columnWidth(2), 60);
        QCOMPARE(Grid()->rowHeight(0), 15);
        QCOMPARE(Bar()->width(), 35);
        QCOMPARE(Text("SinkLabel"), QStringLiteral("Units consume 0 mA"));
        QCOMPARE(Text("SinkL"), QStringLiteral("No current"));
        QCOMPARE(Text("AClabel"), QStringLiteral("AC impedance unknown"));
        QCOMPARE(Text("ACL"), QStringLiteral("Add burden"));
        QCOMPARE(Label("ACL")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(state_->Window.NetworkSaved);
        QVERIFY(prompts_->shown.empty());
        const char* hints[][2] = {
            {"TabCtrl", "Click or use left/right arrows to select list of Tavo units"},
            {"QtyBar", "Scroll to change number of selected units"},
            {"SinkLabel", "Power consumption unit message (how much power is required)"},
            {"ACimpBar", "Ac Impedence of current network - Double click for extended information"},
            {"pnlACImp", "AC impedance status message - Double click for extended information"},
            {"sinkBar", ""},  // shown only while the bar is red
            {"SourceBar", "Power supplied to current network"}};
        for (const auto& [name, hint] : hints)
            QCOMPARE(Control(name)->toolTip(), QString::fromLatin1(hint));
    }

    // The name column takes the free width, also when a short window brings the grid's scroll
    // bar; the hidden quantity bar keeps its place.
    void theGridTakesTheFreeWidth() {
        Start();
        const int height = window_->height();
        for (const QSize size : {QSize(700, height), QSize(900, height), QSize(700, 260)}) {
            window_->resize(size);
            QApplication::processEvents();
            QCOMPARE(Grid()->columnWidth(0), Grid()->viewport()->width() - 80 - 60);
        }
        QVERIFY(Grid()->verticalScrollBar()->isVisible());
        const int gridWidth = Grid()->width();
        ClickTab(7);
        QVERIFY(Bar()->isHidden());
        QApplication::processEvents();
        QCOMPARE(Grid()->width(), gridWidth);
        // Tab leaves the grid and changes nothing.
        ClickTab(0);
        Grid()->setFocus();
        QTest::keyClick(Grid(), Qt::Key_Tab);
        QVERIFY(state_->Window.NetworkSaved);
    }

    void missingCatalogueEndsTheStart() {
        window_ = std::make_unique<tavo::TVCALC>(*state_, QStringList{}, dir_->File("NONE.DAT"));
        QVERIFY(!window_->FormActivate());
        QCOMPARE(Messages(),
                 QStringList{QStringLiteral("Unable to find data file\r\"") +
                             QString::fromStdString(dir_->File("NONE.DAT")) +
                             QStringLiteral("\"!\rData file must exist before Tavo Calculator can "
                                            "work!\rTavo Calculator will now terminate!")});
        QCOMPARE(prompts_->shown[0].Kind, tavo::MessageKind::Error);
    }

    void addressLimitComesFromTheFirstArgument() {
        Start({QStringLiteral("150")});
        QCOMPARE(state_->Evaluation.MaxAddressable, 150);
        cleanup();
        init();
        Start({QStringLiteral("300")});
        QCOMPARE(state_->Evaluation.MaxAddressable, 100);
    }

    void typedDigitsFollowTheEntryRules() {
        const QString limited = QStringLiteral("Max number of units is limited");
        Start();
        SelectUnit(5);  // not addressable, limit 100
        QCOMPARE(Text("Label1"), QStringLiteral("Max 100"));
        // Keys in turn ("\b" is Backspace, a space starts a new number), then the quantity,
        // its cell and the warnings so far.
        for (const auto& [keys, quantity, warnings] : {std::tuple("4", 4, 0),
                                                       {"2", 42, 0},
                                                       {"7", 47, 0},
                                                       {"\b", 4, 0},
                                                       {" 10", 10, 0},
                                                       {"5", 10, 1},
                                                       {"0", 100, 1}}) {
            Type(keys);
            QCOMPARE(Unit(5).Quantity, quantity);
            QCOMPARE(state_->Units.UnitList[5].Quantity, quantity);
            QCOMPARE(Cell(5, 2), QStringLiteral("  %1").arg(quantity));
            QCOMPARE(Messages(), QStringList(warnings, limited));
        }
        QCOMPARE(prompts_->shown[0].Kind, tavo::MessageKind::Warning);
        QVERIFY(!state_->Window.NetworkSaved);
        QCOMPARE(Bar()->value(), 0);
        QCOMPARE(Text("SinkLabel"), QStringLiteral("Units consume 1800 mA"));
        QTest::keyClick(Grid(), Qt::Key_Delete);
        QCOMPARE(Unit(5).Quantity, 0);
        QCOMPARE(Cell(5, 2), QString());

        SelectUnit(6);  // 150 mA: limit 13
        QCOMPARE(Text("Label1"), QStringLiteral("Max 13"));
        Type("15");
        QCOMPARE(Unit(6).Quantity, 1);
        QCOMPARE(Messages(), (QStringList{limited, limited}));
    }

    void addressLimitHoldsForTheBarAndForDigits() {
        Start();
        Unit(4).Quantity = 95;  // addressable units already on the network
        SetQuantity(7, "3");
        QCOMPARE(Unit(7).Quantity, 3);
        QVERIFY(prompts_->shown.empty());
        // Dragging the bar from 3 to 10 stops at the limit.
        Bar()->setValue(Bar()->maximum() - 10);
        QCOMPARE(Unit(7).Quantity, 5);
        QCOMPARE(Cell(7, 2), QStringLiteral("  5"));
        QCOMPARE(Bar()->value(), Bar()->maximum() - 5);
        QCOMPARE(Messages(), QStringList{kAddressLimit100});
        QCOMPARE(prompts_->shown[0].Kind, tavo::MessageKind::Error);
        // Back to 98 of 100: a digit that would raise the quantity is refused.
        Bar()->setValue(Bar()->maximum() - 3);
        QCOMPARE(Unit(7).Quantity, 3);
        Type("0");  // 30 would be within the type's limit of 30
        QCOMPARE(Unit(7).Quantity, 3);
        QCOMPARE(Messages(), (QStringList{kAddressLimit100, kAddressLimit100}));
    }

    void pageStepsFollowTheLimit() {
        Start();
        // Slot, bar maximum, page step: 250, 75 and 18 mA, then a system unit.
        const int cases[][3] = {{8, 8, 1}, {7, 30, 2}, {4, 100, 5}, {2, 100, 1}};
        for (const auto& [slot, maximum, step] : cases) {
            SelectUnit(slot);
            QCOMPARE(Bar()->maximum(), maximum);
            QCOMPARE(Bar()->pageStep(), step);
            QCOMPARE(Text("Label1"), QStringLiteral("Max %1").arg(maximum));
        }
    }

    void selectedUnitsListsTheNetworkWithItsTotal() {
        Start();
        ClickTab(7);
        QCOMPARE(Column(2), QStringList{QStringLiteral(" Total 0")});
        QVERIFY(Bar()->isHidden());
        QVERIFY(Label("Label1")->isHidden());
        ClickCell(1, 2);
        QTest::keyClick(Grid(), Qt::Key_5);
        for (int slot = 1; slot <= 9; ++slot) QCOMPARE(Unit(slot).Quantity, 0);

        SetQuantity(4, "2");
        SetQuantity(6, "5");
        SetQuantity(9, "1");
        ClickTab(7);
        QCOMPARE(Column(1), (QStringList{QStringLiteral(" IN18"), QStringLiteral(" BIG150"),
                                         QStringLiteral(" PS1000"), QString()}));
        QCOMPARE(Column(2), (QStringList{QStringLiteral("  2"), QStringLiteral("  5"),
                                         QStringLiteral("  1"), QStringLiteral(" Total 8")}));
        QCOMPARE(Cell(4, 0), QString());
        QCOMPARE(Text("TotQty"), QStringLiteral(" Total 8"));
        // A click on the total row selects the last entry; quantities stay.
        ClickCell(4, 2);
        QCOMPARE(state_->Evaluation.SelectedRow, 3);
        QCOMPARE(state_->Evaluation.SelectedUnit, 9);
        QCOMPARE(Unit(9).Quantity, 1);
        // The selected row's quantity goes up by one per click there.
        ClickCell(3, 2);
        QCOMPARE(Unit(9).Quantity, 2);
        QCOMPARE(Cell(4, 2), QStringLiteral(" Total 9"));
        // A click in the empty space below the rows selects the last entry too.
        ClickCell(1, 0);
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {},
                          QPoint(CellCentre(4, 2).x(), Grid()->viewport()->height() - 5));
        QCOMPARE(state_->Evaluation.SelectedRow, 3);
        QCOMPARE(Unit(9).Quantity, 2);
    }

    void gridClicksAddAndTakeAway() {
        Start();
        SelectUnit(4);
        // In the Qty column, on the selected row the left button adds one and the right takes
        // one; on another row either only selects it. Row, button, then unit 4's quantity.
        const Qt::MouseButton left = Qt::LeftButton, right = Qt::RightButton;
        for (const auto& [row, button, quantity] : {std::tuple(4, left, 1),
                                                    {4, left, 2},
                                                    {5, left, 2},
                                                    {4, right, 2},
                                                    {4, right, 1},
                                                    {4, right, 0},
                                                    {4, right, 0}}) {
            ClickCell(row, 2, button);
            QCOMPARE(state_->Evaluation.SelectedUnit, row);
            QCOMPARE(Unit(4).Quantity, quantity);
        }
        QCOMPARE(Unit(5).Quantity, 0);
        // A double click in the Qty column of the selected row adds two.
        DoubleClickCell(4, 2);
        QCOMPARE(Unit(4).Quantity, 2);
        QVERIFY(!window_->Hint().isVisible());
        for (const auto& [row, column, tip] :
             {std::tuple(4, 2, "Left click to increase, right click to decrease"),
              {4, 1, "Double click for unit specs"},
              {6, 2, "Click or use up/down arrows to select unit"}}) {
            QTest::mouseMove(Grid()->viewport(), CellCentre(row, column));
            QCOMPARE(Grid()->toolTip(), QString::fromLatin1(tip));
        }
    }

    void doubleClickOnTheNameShowsTheUnitData() {
        Start();
        DoubleClickCell(1, 0);
        QVERIFY(window_->Hint().isVisible());
        auto* table = window_->Hint().findChild<QTableWidget*>(QStringLiteral("grdDisplay"));
        QVERIFY(table->isVisible());
        const std::tuple<int, int, const char*> cells[] = {
            {2, 2, "Power supply unit."}, {5, 1, "Supplies"}, {5, 2, "350 mA"}, {6, 2, "0 kOhm"},
            {11, 1, "Tavo Config"},       {11, 2, "False"}};
        for (const auto& [row, column, text] : cells)
            QCOMPARE(table->item(row, column)->text(), QString::fromLatin1(text));
        QVERIFY(table->item(3, 1) == nullptr);
        QCOMPARE(table->rowCount(), 13);
        QCOMPARE(table->height(), 14 * 15);
        QCOMPARE(window_->Hint().size(), QSize(412 + 10, 14 * 15 + 10));
        QCOMPARE(Unit(1).Quantity, 0);
        // A click on the grid hides the dialog.
        ClickCell(2, 0);
        QVERIFY(!window_->Hint().isVisible());
    }

    void arrowsCycleTheListTabs() {
        Start();
        for (int expected = 7; expected >= 0; --expected) {
            QTest::keyClick(Grid(), Qt::Key_Left);
            QCOMPARE(Tabs()->currentIndex(), expected);
        }
        for (int expected = 1; expected <= 9; ++expected) {
            QTest::keyClick(Grid(), Qt::Key_Right);
            QCOMPARE(Tabs()->currentIndex(), expected % 8);
        }
        // "Input": the input unit and the combined one.
        QCOMPARE(Column(1), (QStringList{QStringLiteral(" IN18"), QStringLiteral(" HEAVY")}));
    }

    void keyboardRowChangesSelectWithoutAdding() {
        Start();
        ClickCell(1, 0);
        QTest::keyClick(Grid(), Qt::Key_Down);
        QTest::keyClick(Grid(), Qt::Key_Down);
        QCOMPARE(state_->Evaluation.SelectedRow, 3);
        QCOMPARE(state_->Evaluation.SelectedUnit, 3);
        for (int slot = 1; slot <= 9; ++slot) QCOMPARE(Unit(slot).Quantity, 0);
        QVERIFY(state_->Window.NetworkSaved);
    }

    void statusStripClicksSwitchListsAndOpenTopics() {
        Start();
        // Empty network: impedance red above 1.5 kOhm.
        DoubleClick("ACL");
        QCOMPARE(Tabs()->currentIndex(), 5);
        QVERIFY(window_->Hint().isVisible());
        QCOMPARE(Memo().size(), 19);
        window_->Hint().hide();
        QTest::mouseClick(Control("ACimpBar"), Qt::LeftButton);
        QCOMPARE(Tabs()->currentIndex(), 5);
        QVERIFY(!window_->Hint().isVisible());

        // Consumption without supply: "Add power supply" sends to the power supplies.
        SetQuantity(4, "10");
        QCOMPARE(Text("SinkL"), QStringLiteral("Add power supply"));
        QCOMPARE(Label("SinkL")->toolTip(),
                 QStringLiteral(
                     "Power consumption status message - Double click for extended information"));
        QTest::mouseClick(Control("SinkL"), Qt::LeftButton);
        QCOMPARE(Tabs()->currentIndex(), 6);
        QCOMPARE(Grid()->rowCount(), 2);
        DoubleClick("SourceL");  // "No supply" in red
        QCOMPARE(Memo().first(),
                 QStringLiteral("Most Tavo units draw current from the Tavo network,"));

        // A supply without a clock: "Add clock unit" sends to "with Clock", topic 2.
        SetQuantity(1, "1");
        QCOMPARE(Text("SourceL"), QStringLiteral("Add clock unit"));
        DoubleClick("SourceL");
        QCOMPARE(Tabs()->currentIndex(), 4);
        QCOMPARE(Memo().last(), QStringLiteral("Add a unit from the \"Units with Clock\" list."));

        // Marginal balance: the maroon text opens topic 10 on the power supplies.
        SetQuantity(4, "18");  // 324 mA of 350
        QCOMPARE(Text("SinkL"), QStringLiteral("Marginal power balance"));
        DoubleClick("SinkL");
        QCOMPARE(Tabs()->currentIndex(), 6);
        QCOMPARE(Memo().size(), 4);

        // Too many units: the impedance text selects the largest quantity on "All Units".
        SetQuantity(1, "0");
        SetQuantity(9, "2");
        SetQuantity(4, "99");  // 36/99 kOhm: too low
        QCOMPARE(Text("ACL"), QStringLiteral("Too many units"));
        ClickTab(7);
        QTest::mouseClick(Control("ACL"), Qt::LeftButton);
        QCOMPARE(Tabs()->currentIndex(), 0);
        QCOMPARE(state_->Evaluation.SelectedRow, 4);
        QCOMPARE(Grid()->currentRow(), 3);
        // Its double click selects the row and leaves topic 4 open.
        ClickTab(7);
        DoubleClick("ACL");
        QCOMPARE(state_->Evaluation.SelectedRow, 4);
        QVERIFY(window_->Hint().isVisible());
        QCOMPARE(Memo().last(), QStringLiteral("Reduce number of Tavo units."));

        // A teal supply bar: the click leaves the list alone and focuses the grid.
        SetQuantity(4, "5");
        SetQuantity(2, "1");
        ClickTab(3);
        DoubleClick("SourceBar");
        QCOMPARE(Tabs()->currentIndex(), 3);
        QCOMPARE(
            Memo().first(),
            QStringLiteral("Select a list of Tavo units using right/left arrow keys or click"));
    }

    void shortCircuitWarningOncePerExcursion() {
        Start();
        const QString warning = QStringLiteral(
            "Tavo current will exceed 2A under short circuit conditions.\rSplit network into two "
            "or more networks.\rSee Help file (Power Supplies section) for more details.");
        SetQuantity(9, "1");
        SetQuantity(1, "5");  // 1000 + 1750 mA
        // Within a tick or so (generous: a loaded machine delays timers).
        QTRY_COMPARE_WITH_TIMEOUT(Messages().size(), 1, 5000);
        QCOMPARE(Messages(), QStringList{warning});
        QCOMPARE(Text("SourceL"), QStringLiteral("Unsafe if short circuit"));
        QTest::qWait(300);  // further ticks while the supply stays above 2 A
        QCOMPARE(Messages().size(), 1);
        SetQuantity(1, "2");  // 1700 mA
        QTest::qWait(250);
        SetQuantity(1, "4");  // 2400 mA
        QTRY_COMPARE_WITH_TIMEOUT(Messages().size(), 2, 5000);
        QCOMPARE(Messages(), (QStringList{warning, warning}));
    }

    void hintTopicsAreSizedToTheirLines() {
        Start();
        tavo::TDLGUnitHint& hint = window_->Hint();
        hint.ShowTopic(1);
        QCOMPARE(hint.MemoLines().size(), 10);
        QCOMPARE(hint.windowTitle(), QStringLiteral("Tavo hint"));
        QCOMPARE(hint.height(), (10 + 2) * 12 + 4 * 3);
        const QFontMetrics metrics(hint.font());
        int widest = 0;
        for (const QString& line : hint.MemoLines())
            widest = std::max(widest, metrics.horizontalAdvance(line + QLatin1Char(' ')));
        QCOMPARE(hint.width(), static_cast<int>(1.2 * widest) + 6);
        state_->Window.CalculatorProject = false;
        hint.ShowTopic(1);
        QCOMPARE(hint.MemoLines().size(), 16);
        QCOMPARE(hint.MemoLines().last(),
                 QStringLiteral("ENSURE THAT ALL POWER UNITS ARE LISTED IN THE CALCULATOR"));
        QCOMPARE(hint.height(), (16 + 2) * 12 + 4 * 3);
        hint.ShowTopic(11);
        QCOMPARE(hint.windowTitle(), QStringLiteral("Disclaimer"));
        // Topic 8 for a 75 mA type reads its limit and what decides it.
        SelectUnit(7);
        hint.ShowTopic(8);
        QCOMPARE(hint.MemoLines().mid(0, 2),
                 (QStringList{QStringLiteral("Number of Tavo units of this type cannot exceed 30"),
                              QStringLiteral("because of unit sink current")}));
        // Topic numbers above 12 keep the previous text.
        hint.ShowTopic(13);
        QCOMPARE(hint.MemoLines().size(), 4);
        // A key in the memo hides the dialog; so does a click.
        auto* memo = hint.findChild<QWidget*>(QStringLiteral("Memo1"));
        QTest::keyClick(memo, Qt::Key_A);
        QVERIFY(!hint.isVisible());
        hint.ShowTopic(0);
        QTest::mouseClick(memo->findChild<QWidget*>(QStringLiteral("qt_scrollarea_viewport")),
                          Qt::LeftButton);
        QVERIFY(!hint.isVisible());
        // As a message: the topic's lines in one warning box, the dialog hidden.
        hint.ShowTopicAsMessage(12);
        QVERIFY(!hint.isVisible());
        QCOMPARE(prompts_->shown.back().Kind, tavo::MessageKind::Warning);
        QVERIFY(QString::fromStdString(prompts_->shown.back().Text)
                    .startsWith(QStringLiteral("WARNING\rProjects that have been read")));
    }
};

QTEST_MAIN(CalculatorPageTest)
#include "CalculatorPageTest.moc"
