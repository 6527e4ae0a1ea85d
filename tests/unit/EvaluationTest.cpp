#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/Evaluation.h"
#include "platform/TextFile.h"
#include "support/ScriptedPrompts.h"

namespace tavo {
namespace {

using tavo::testing::ScriptedPrompts;

constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();

// Data line fields 3 to 9 for a unit type; the rest is filled in by Catalogue().
struct Type {
    std::string consumption;
    std::string supply;
    std::string impedance;
    bool clock = false;
    bool burden = false;
    bool addressable = true;
};

class EvaluationTest : public ::testing::Test {
  protected:
    // Loads one unit type per entry, in slots 1, 2, ... through the catalogue loader.
    void Build(const std::vector<Type>& types) {
        ResetUnitTable(Cat());
        std::string text = "; VERSION : 1\r\n";
        int n = 0;
        for (const Type& t : types) {
            ++n;
            text += "Type " + std::to_string(n) + "\r\n";
            text += "T" + std::to_string(n) + ",i," + t.consumption + "," + t.supply + "," +
                    t.impedance + "," + (t.clock ? "YES" : "NO") + "," + (t.burden ? "YES" : "NO") +
                    ",NO," + (t.addressable ? "YES" : "NO") + ",CODE" + std::to_string(n) +
                    ",1\r\n";
        }
        LineReader reader = LineReader::FromBytes(text);
        LoadUnitCatalogue(Cat(), reader, prompts.Sink());
        ASSERT_TRUE(prompts.shown.empty());
        ASSERT_EQ(Cat().UnitCount, n);
    }

    Catalogue& Cat() { return *catalogue_; }
    UnitType& Unit(int slot) { return catalogue_->UnitTable[static_cast<std::size_t>(slot)]; }
    void Place(int slot, std::int32_t quantity) { Unit(slot).Quantity = quantity; }
    void Select(int slot) {
        eval.SelectedUnit = slot;
        eval.SelectedRow = slot;
        eval.UnitSelected = true;
    }

    std::unique_ptr<Catalogue> catalogue_ = std::make_unique<Catalogue>();
    NetworkEvaluation eval;
    ScriptedPrompts prompts;
};

Type Impedance(const std::string& z, bool burden = false) {
    return {"0", "0", z, false, burden, true};
}
Type Consumer(const std::string& mA) {
    return {mA, "0", "0", false, false, true};
}
Type Source(const std::string& mA) {
    return {"0", mA, "0", false, false, true};
}

// ---------------------------------------------------------------------------------------
// Fresh and empty networks

TEST(NetworkEvaluation, StartsAndResetsToTheFreshNetworkValues) {
    NetworkEvaluation eval;
    EXPECT_EQ(eval.MaxAddressable, 100);
    EXPECT_EQ(eval.LimitReason, "");
    EXPECT_EQ(eval.NetworkImpedance, 1000.0);
    EXPECT_EQ(eval.EffectiveImpedance, 1000.0);

    eval.TotalConsumption = 5;
    eval.TotalSupply = 6;
    eval.TotalUnits = 7;
    eval.AddressableUnits = 8;
    eval.NetworkImpedance = 2.0;
    eval.EffectiveImpedance = 1.0;
    eval.BurdenApplied = true;
    eval.LimitReason = "sink";
    eval.MaxAddressable = 200;
    ResetEvaluation(eval);
    EXPECT_EQ(eval.TotalConsumption, 0);
    EXPECT_EQ(eval.TotalSupply, 0);
    EXPECT_EQ(eval.TotalUnits, 0);
    EXPECT_EQ(eval.AddressableUnits, 0);
    EXPECT_EQ(eval.NetworkImpedance, 1000.0);
    EXPECT_EQ(eval.EffectiveImpedance, 1000.0);
    EXPECT_FALSE(eval.BurdenApplied);
    EXPECT_EQ(eval.LimitReason, "sink");
    EXPECT_EQ(eval.MaxAddressable, 200);
}

TEST_F(EvaluationTest, NoUnitsGiveNoCurrentAndTheNoLoadImpedance) {
    Build({{"20", "350", "10", true, true, true}, Consumer("40")});
    eval.BurdenUnits = 9;
    eval.BurdenApplied = true;
    Evaluate(Cat(), eval);
    EXPECT_EQ(eval.TotalConsumption, 0);
    EXPECT_EQ(eval.TotalSupply, 0);
    EXPECT_EQ(eval.NetworkImpedance, 100000000.0);
    EXPECT_EQ(eval.EffectiveImpedance, 100000000.0);
    EXPECT_FALSE(eval.BurdenApplied);
    EXPECT_EQ(eval.BurdenUnits, 0);
    EXPECT_FALSE(HasClockUnit(Cat()));
    EXPECT_FALSE(HasBurdenUnit(Cat(), eval));
    EXPECT_EQ(CountUnits(Cat(), eval), 0);
    EXPECT_EQ(LargestQuantitySlot(Cat()), 0);
    EXPECT_EQ(LargestConsumerSlot(Cat()), 0);
}

TEST_F(EvaluationTest, AnEmptyCatalogueEvaluatesLikeAnEmptyNetwork) {
    ResetUnitTable(Cat());
    Evaluate(Cat(), eval);
    EXPECT_EQ(eval.TotalConsumption, 0);
    EXPECT_EQ(eval.TotalSupply, 0);
    EXPECT_EQ(eval.NetworkImpedance, 100000000.0);
    EXPECT_EQ(eval.EffectiveImpedance, 100000000.0);
    EXPECT_FALSE(eval.BurdenApplied);
}

// ---------------------------------------------------------------------------------------
// Impedance and burden

TEST_F(EvaluationTest, UnitsAreInParallel) {
    Build({Impedance("10"), Impedance("5")});
    Place(1, 2);
    Place(2, 1);
    Evaluate(Cat(), eval);
    EXPECT_DOUBLE_EQ(eval.NetworkImpedance, 2.5);
    EXPECT_DOUBLE_EQ(eval.EffectiveImpedance, 2.5);
    EXPECT_FALSE(eval.BurdenApplied);
    EXPECT_EQ(eval.BurdenUnits, 0);
    EXPECT_DOUBLE_EQ(ParallelImpedance(Cat()), 2.5);
}

TEST_F(EvaluationTest, ABurdenUnitPutsOneKiloOhmInParallel) {
    Build({Impedance("10"), Impedance("5"), Impedance("10", true)});
    Place(1, 2);
    Place(2, 1);
    Place(3, 1);
    Evaluate(Cat(), eval);
    EXPECT_DOUBLE_EQ(eval.NetworkImpedance, 2.0);
    EXPECT_DOUBLE_EQ(eval.EffectiveImpedance, 2.0 / 3.0);
    EXPECT_TRUE(eval.BurdenApplied);
    EXPECT_EQ(eval.BurdenUnits, 1);
}

TEST_F(EvaluationTest, NoBurdenIsAppliedAtExactly099) {
    // 100 units of 99 kOhm are exactly 0.99 kOhm.
    Build({Impedance("99", true), Impedance("100", true)});
    Place(1, 100);
    Evaluate(Cat(), eval);
    ASSERT_EQ(eval.NetworkImpedance, 0.99);
    EXPECT_EQ(eval.EffectiveImpedance, 0.99);
    EXPECT_FALSE(eval.BurdenApplied);
    EXPECT_EQ(eval.BurdenUnits, 100);  // counted all the same

    // Just above the threshold the burden goes in: 100 units of 100 kOhm are 1.0 kOhm.
    Place(1, 0);
    Place(2, 100);
    Evaluate(Cat(), eval);
    EXPECT_DOUBLE_EQ(eval.NetworkImpedance, 1.0);
    EXPECT_DOUBLE_EQ(eval.EffectiveImpedance, 0.5);
    EXPECT_TRUE(eval.BurdenApplied);

    // Well below: nothing applied.
    Place(2, 200);
    Evaluate(Cat(), eval);
    EXPECT_DOUBLE_EQ(eval.NetworkImpedance, 0.5);
    EXPECT_DOUBLE_EQ(eval.EffectiveImpedance, 0.5);
    EXPECT_FALSE(eval.BurdenApplied);
}

TEST_F(EvaluationTest, ABurdenUnitWithoutImpedanceAppliesTheBurdenToTheNoLoadImpedance) {
    Build({Impedance("0", true)});
    Place(1, 2);
    Evaluate(Cat(), eval);
    EXPECT_EQ(eval.NetworkImpedance, 100000000.0);
    EXPECT_DOUBLE_EQ(eval.EffectiveImpedance, 100000000.0 / 100000001.0);
    EXPECT_TRUE(eval.BurdenApplied);
    EXPECT_EQ(eval.BurdenUnits, 2);
}

TEST_F(EvaluationTest, UnitsOfImpedanceZeroAddNoLoad) {
    Build({Impedance("10"), Impedance("5"), Impedance("0")});
    Place(1, 2);
    Place(2, 1);
    Place(3, 50);
    Evaluate(Cat(), eval);
    EXPECT_DOUBLE_EQ(eval.NetworkImpedance, 2.5);
    EXPECT_DOUBLE_EQ(eval.EffectiveImpedance, 2.5);

    Place(1, 0);
    Place(2, 0);
    Evaluate(Cat(), eval);
    EXPECT_EQ(eval.NetworkImpedance, 100000000.0);
    EXPECT_EQ(eval.EffectiveImpedance, 100000000.0);
}

TEST_F(EvaluationTest, ANonNumericImpedanceCountsAs100) {
    Build({Impedance("1.5")});
    Place(1, 4);
    Evaluate(Cat(), eval);
    EXPECT_DOUBLE_EQ(eval.NetworkImpedance, 25.0);
}

TEST_F(EvaluationTest, BurdenAndClockUnitsAreFoundByQuantity) {
    Build({{"20", "0", "10", true, false, true},
           {"20", "0", "10", false, true, true},
           {"20", "0", "10", false, true, false},
           Consumer("20")});
    Place(4, 5);
    EXPECT_FALSE(HasClockUnit(Cat()));
    EXPECT_FALSE(HasBurdenUnit(Cat(), eval));
    EXPECT_EQ(eval.BurdenUnits, 0);
    Place(1, 1);
    Place(2, 3);
    Place(3, 4);
    EXPECT_TRUE(HasClockUnit(Cat()));
    EXPECT_TRUE(HasBurdenUnit(Cat(), eval));
    EXPECT_EQ(eval.BurdenUnits, 7);
}

// ---------------------------------------------------------------------------------------
// Current sums and their saturation

TEST_F(EvaluationTest, CurrentsAreSummedExactlyBelowTheBound) {
    Build({{"20", "0", "10"}, {"18", "350", "10"}, {"0", "0", "0"}});
    Place(1, 4);
    Place(2, 2);
    Place(3, 9);
    Evaluate(Cat(), eval);
    EXPECT_EQ(eval.TotalConsumption, 116);
    EXPECT_EQ(eval.TotalSupply, 700);
    EXPECT_EQ(SumConsumption(Cat()), 116);
    EXPECT_EQ(SumSupply(Cat()), 700);
}

TEST_F(EvaluationTest, ConsumptionStopsAddingOnceTheSumReaches50000) {
    Build({Consumer("1000"), Consumer("1000"), Consumer("20")});
    Place(1, 30);
    Place(2, 25);
    Place(3, 1);
    EXPECT_EQ(SumConsumption(Cat()), 55000);

    Place(1, 25);
    Place(2, 30);
    EXPECT_EQ(SumConsumption(Cat()), 55000);

    Place(1, 20);
    Place(2, 29);
    EXPECT_EQ(SumConsumption(Cat()), 49020);

    // Reaching 50000 exactly is enough to stop.
    Place(1, 20);
    Place(2, 30);
    EXPECT_EQ(SumConsumption(Cat()), 50000);

    // One below the bound still adds the next slot.
    Build({Consumer("49999"), Consumer("1000"), Consumer("20")});
    Place(1, 1);
    Place(2, 1);
    Place(3, 1);
    EXPECT_EQ(SumConsumption(Cat()), 50999);
    Evaluate(Cat(), eval);
    EXPECT_EQ(eval.TotalConsumption, 50999);
}

TEST_F(EvaluationTest, SupplySaturatesTheSameWay) {
    Build({Source("1000"), Source("1000"), Source("20")});
    Place(1, 30);
    Place(2, 25);
    Place(3, 1);
    Evaluate(Cat(), eval);
    EXPECT_EQ(eval.TotalSupply, 55000);
    EXPECT_EQ(eval.TotalConsumption, 0);
    Place(1, 20);
    Place(2, 29);
    EXPECT_EQ(SumSupply(Cat()), 49020);
}

// ---------------------------------------------------------------------------------------
// Counting units and the address limit

TEST_F(EvaluationTest, CountUnitsCountsSlotsOneToUnitCount) {
    Build({Consumer("20"), {"20", "0", "10", false, false, false}, Consumer("30")});
    Place(0, 50);  // the sentinel is never counted
    Place(1, 3);
    Place(2, 4);
    Place(3, 5);
    Unit(4).Quantity = 60;  // past UnitCount
    EXPECT_EQ(CountUnits(Cat(), eval), 12);
    EXPECT_EQ(eval.TotalUnits, 12);
    EXPECT_EQ(eval.AddressableUnits, 8);
}

TEST_F(EvaluationTest, ClampToAddressLimitLowersTheIncreaseOfAnAddressableType) {
    Build({Consumer("20"), {"20", "0", "10", false, false, false}});
    Place(1, 95);
    Place(2, 40);
    ASSERT_EQ(eval.MaxAddressable, 100);

    Select(1);
    std::int64_t increase = 10;
    EXPECT_TRUE(ClampToAddressLimit(Cat(), eval, increase));
    EXPECT_EQ(increase, 5);
    EXPECT_EQ(eval.AddressableUnits, 95);
    EXPECT_EQ(eval.TotalUnits, 135);

    increase = 5;  // fits exactly
    EXPECT_FALSE(ClampToAddressLimit(Cat(), eval, increase));
    EXPECT_EQ(increase, 5);

    Select(2);
    increase = 10;
    EXPECT_FALSE(ClampToAddressLimit(Cat(), eval, increase));
    EXPECT_EQ(increase, 10);
}

TEST_F(EvaluationTest, ClampToAddressLimitFollowsTheRaisedLimit) {
    Build({Consumer("20")});
    Place(1, 250);
    eval.MaxAddressable = 255;
    Select(1);
    std::int64_t increase = 10;
    EXPECT_TRUE(ClampToAddressLimit(Cat(), eval, increase));
    EXPECT_EQ(increase, 5);
}

TEST_F(EvaluationTest, ClampToAddressLimitOnANetworkAlreadyOverTheLimitGivesANegativeIncrease) {
    Build({Consumer("20")});
    Place(1, 120);  // e.g. read from a network file
    Select(1);
    std::int64_t increase = 1;
    EXPECT_TRUE(ClampToAddressLimit(Cat(), eval, increase));
    EXPECT_EQ(increase, -20);
}

// ---------------------------------------------------------------------------------------
// Largest slots

TEST_F(EvaluationTest, LargestQuantitySlotTakesTheLowestSlotOnTies) {
    Build({Consumer("20"), Consumer("30"), Consumer("40"), Consumer("50")});
    Place(2, 7);
    Place(3, 9);
    Place(4, 9);
    EXPECT_EQ(LargestQuantitySlot(Cat()), 3);
    Place(1, 9);
    EXPECT_EQ(LargestQuantitySlot(Cat()), 1);
    // Slot 0 takes part (its quantity is 0 in practice).
    Place(0, 9);
    EXPECT_EQ(LargestQuantitySlot(Cat()), 0);
    Place(0, 10);
    EXPECT_EQ(LargestQuantitySlot(Cat()), 0);
}

TEST_F(EvaluationTest, LargestConsumerSlotTakesTheLowestSlotOnTiesAndIgnoresSlotZero) {
    Build({Consumer("10"), Consumer("20"), Consumer("40"), Consumer("0")});
    Place(1, 8);   // 80 mA
    Place(2, 2);   // 40 mA
    Place(3, 2);   // 80 mA
    Place(4, 50);  // 0 mA
    EXPECT_EQ(LargestConsumerSlot(Cat()), 1);
    Place(3, 3);  // 120 mA
    EXPECT_EQ(LargestConsumerSlot(Cat()), 3);

    Unit(0).Consumption = 1000;
    Place(0, 100);
    EXPECT_EQ(LargestConsumerSlot(Cat()), 3);
}

TEST_F(EvaluationTest, LargestConsumerSlotIsZeroWhenNothingDrawsCurrent) {
    Build({Consumer("0"), Source("350")});
    Place(1, 5);
    Place(2, 5);
    EXPECT_EQ(LargestConsumerSlot(Cat()), 0);
    EXPECT_EQ(LargestQuantitySlot(Cat()), 1);
}

// ---------------------------------------------------------------------------------------
// MaxQuantity

struct Limit {
    const char* name;
    Type type;
    int expected;
    const char* reason;
};

class MaxQuantityByCurrent : public EvaluationTest, public ::testing::WithParamInterface<Limit> {};

TEST_P(MaxQuantityByCurrent, FollowsTheWorkedValues) {
    Build({GetParam().type});
    Select(1);
    EXPECT_EQ(MaxQuantity(Cat(), eval), GetParam().expected);
    EXPECT_EQ(eval.LimitReason, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Evaluation, MaxQuantityByCurrent,
    ::testing::Values(
        // the worked values
        Limit{"Sink18", Consumer("18"), 100, "sink"}, Limit{"Sink40", Consumer("40"), 50, "sink"},
        Limit{"Sink75", Consumer("75"), 30, "sink"}, Limit{"Sink90", Consumer("90"), 20, "sink"},
        Limit{"Sink100", Consumer("100"), 20, "sink"},
        Limit{"Sink150", Consumer("150"), 13, "sink"},
        Limit{"Source350", Source("350"), 5, "source"},
        Limit{"Source2500", Source("2500"), 0, "source"},
        // rounding half up to tens above 20, the cap of 100
        Limit{"Sink1", Consumer("1"), 100, "sink"}, Limit{"Sink21", Consumer("21"), 100, "sink"},
        Limit{"Sink24", Consumer("24"), 80, "sink"}, Limit{"Sink36", Consumer("36"), 60, "sink"},
        Limit{"Sink44", Consumer("44"), 50, "sink"}, Limit{"Sink45", Consumer("45"), 40, "sink"},
        Limit{"Sink80", Consumer("80"), 30, "sink"}, Limit{"Sink95", Consumer("95"), 20, "sink"},
        Limit{"Sink96", Consumer("96"), 20, "sink"}, Limit{"Sink2000", Consumer("2000"), 1, "sink"},
        Limit{"Sink2001", Consumer("2001"), 0, "sink"},
        // supply decides when there is both
        Limit{"Source500Sink20", {"20", "500", "10"}, 4, "source"},
        Limit{"Source1Sink2000", {"2000", "1", "10"}, 100, "source"}),
    [](const ::testing::TestParamInfo<Limit>& info) { return std::string(info.param.name); });

TEST_F(EvaluationTest, MaxQuantityWithoutSelectionIsZeroAndLeavesTheReason) {
    Build({Consumer("40")});
    eval.SelectedUnit = 1;
    eval.UnitSelected = false;
    EXPECT_EQ(MaxQuantity(Cat(), eval), 0);
    EXPECT_EQ(eval.LimitReason, "");
    eval.LimitReason = "source";
    EXPECT_EQ(MaxQuantity(Cat(), eval), 0);
    EXPECT_EQ(eval.LimitReason, "source");
}

TEST_F(EvaluationTest, MaxQuantityKeepsTheReasonWhenNeitherCurrentDecides) {
    Build({{"0", "0", "10"}, Consumer("40"), Source("400")});
    Select(1);
    EXPECT_EQ(MaxQuantity(Cat(), eval), 100);
    EXPECT_EQ(eval.LimitReason, "");  // empty until a type with a current was asked

    Select(2);
    EXPECT_EQ(MaxQuantity(Cat(), eval), 50);
    Select(1);
    EXPECT_EQ(MaxQuantity(Cat(), eval), 100);
    EXPECT_EQ(eval.LimitReason, "sink");

    Select(3);
    EXPECT_EQ(MaxQuantity(Cat(), eval), 5);
    Select(1);
    EXPECT_EQ(MaxQuantity(Cat(), eval), 100);
    EXPECT_EQ(eval.LimitReason, "source");
}

TEST_F(EvaluationTest, MaxQuantityOfAHugeCurrentIsZero) {
    Build({Consumer("99999999999"), Source("99999999999")});
    Select(1);
    EXPECT_EQ(MaxQuantity(Cat(), eval), 0);
    Select(2);
    EXPECT_EQ(MaxQuantity(Cat(), eval), 0);
}

// ---------------------------------------------------------------------------------------
// RoundForBar

TEST(RoundForBar, RoundsHalfUpByTheFirstDecimal) {
    EXPECT_EQ(RoundForBar(112.5), 113);
    EXPECT_EQ(RoundForBar(112.49), 112);
    EXPECT_EQ(RoundForBar(112.0), 112);
    EXPECT_EQ(RoundForBar(112.95), 113);
    EXPECT_EQ(RoundForBar(0.0), 0);
    EXPECT_EQ(RoundForBar(0.5), 1);
    EXPECT_EQ(RoundForBar(0.49), 0);
    EXPECT_EQ(RoundForBar(1.5), 2);
    EXPECT_EQ(RoundForBar(2.5), 3);  // half up, not to even
    EXPECT_EQ(RoundForBar(249.5), 250);
    EXPECT_EQ(RoundForBar(250.0), 250);
    EXPECT_EQ(RoundForBar(3199.5), 3200);
}

TEST(RoundForBar, LooksAtTheValueWrittenWithFifteenSignificantDigits) {
    // Both are written with a 5 as their first decimal.
    EXPECT_EQ(RoundForBar(0.49999999999999994), 1);
    EXPECT_EQ(RoundForBar(112.49999999999999), 113);
    EXPECT_EQ(RoundForBar(2.0 / 3.0 * 150.0), 100);
    EXPECT_EQ(RoundForBar(250.0 * 0.4 / 1.5), 67);
}

TEST(RoundForBar, TinyValuesGiveZero) {
    EXPECT_EQ(RoundForBar(0.05), 0);
    EXPECT_EQ(RoundForBar(0.0001), 0);
    EXPECT_EQ(RoundForBar(0.00009), 0);  // written in exponent form
    EXPECT_EQ(RoundForBar(1e-9), 0);
    EXPECT_EQ(RoundForBar(std::numeric_limits<double>::denorm_min()), 0);
}

TEST(RoundForBar, LargeValuesComeOutAtLeastAsWideAsTheWidestBar) {
    for (const double x : {3200.0, 3200.4, 5000.0, 12345.6, 99999.0, 1e6, 123456789.0, 1e8,
                           999999999999999.0, 1e15, 1e20, 1e300, std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::infinity()}) {
        EXPECT_GE(RoundForBar(x), 250) << x;
        EXPECT_GE(RoundForBar(x), 3200) << x;
    }
    // The digits read stop once the number has reached 3200.
    EXPECT_EQ(RoundForBar(3200.4), 3200);
    EXPECT_EQ(RoundForBar(12345.6), 12346);
    EXPECT_EQ(RoundForBar(99999.0), 9999);
}

// ---------------------------------------------------------------------------------------
// The address limit argument

TEST(ParseAddressLimit, ReadsDecimalAndHexadecimalNumbersFrom100To255) {
    EXPECT_EQ(ParseAddressLimit("150"), 150);
    EXPECT_EQ(ParseAddressLimit("$96"), 150);
    EXPECT_EQ(ParseAddressLimit("0x96"), 150);
    EXPECT_EQ(ParseAddressLimit("0X96"), 150);
    EXPECT_EQ(ParseAddressLimit("x96"), 150);
    EXPECT_EQ(ParseAddressLimit("X96"), 150);
    EXPECT_EQ(ParseAddressLimit("$fF"), 255);
    EXPECT_EQ(ParseAddressLimit("150abc"), 150);
    EXPECT_EQ(ParseAddressLimit("150 "), 150);
    EXPECT_EQ(ParseAddressLimit("  150"), 150);
    EXPECT_EQ(ParseAddressLimit("+150"), 150);
    EXPECT_EQ(ParseAddressLimit("100"), 100);
    EXPECT_EQ(ParseAddressLimit("255"), 255);
    EXPECT_EQ(ParseAddressLimit("0255"), 255);
    EXPECT_EQ(ParseAddressLimit("$64"), 100);
}

TEST(ParseAddressLimit, LeavesTheDefaultOutsideTheRange) {
    EXPECT_EQ(ParseAddressLimit(""), 100);
    EXPECT_EQ(ParseAddressLimit("99"), 100);
    EXPECT_EQ(ParseAddressLimit("256"), 100);
    EXPECT_EQ(ParseAddressLimit("0x100"), 100);
    EXPECT_EQ(ParseAddressLimit("-150"), 100);
    EXPECT_EQ(ParseAddressLimit("abc"), 100);
    EXPECT_EQ(ParseAddressLimit("garbage150"), 100);
    EXPECT_EQ(ParseAddressLimit("-"), 100);
    EXPECT_EQ(ParseAddressLimit("0x"), 100);
    EXPECT_EQ(ParseAddressLimit("$"), 100);
    EXPECT_EQ(ParseAddressLimit("\t150"), 100);  // only spaces are skipped
    EXPECT_EQ(ParseAddressLimit("99999999999999999999999"), 100);
    EXPECT_EQ(ParseAddressLimit("4294967446"), 100);  // 2^32 + 150 does not wrap to 150
}

TEST(ParseAddressLimit, DropsTheSignWhenTheTextGoesOnAfterTheDigits) {
    EXPECT_EQ(ParseAddressLimit("-150abc"), 150);
    EXPECT_EQ(ParseAddressLimit("-150 "), 150);
    EXPECT_EQ(ParseAddressLimit("-$96"), 100);
}

// ---------------------------------------------------------------------------------------
// Overflow: quantities from a hand-edited network file

TEST_F(EvaluationTest, HugeQuantitiesSaturateTheSumsWithoutWrapping) {
    Build({{"20", "350", "10", true, true, true},
           {"30", "500", "5", false, true, true},
           {"2147483647", "2147483647", "1", false, false, false}});
    for (int slot = 1; slot <= 3; ++slot) Place(slot, kMax32);
    Evaluate(Cat(), eval);
    // The first partial sum (2147483647 x 20) is far beyond 32 bits: clamped, not wrapped.
    EXPECT_EQ(eval.TotalConsumption, kMax32);
    EXPECT_EQ(eval.TotalSupply, kMax32);
    EXPECT_EQ(eval.BurdenUnits, kMax32);
    EXPECT_GT(eval.NetworkImpedance, 0.0);
    EXPECT_LT(eval.NetworkImpedance, 1e-8);
    EXPECT_FALSE(eval.BurdenApplied);
    EXPECT_EQ(CountUnits(Cat(), eval), kMax32);
    EXPECT_EQ(eval.TotalUnits, kMax32);
    EXPECT_EQ(eval.AddressableUnits, kMax32);
    EXPECT_EQ(LargestQuantitySlot(Cat()), 1);
    EXPECT_EQ(LargestConsumerSlot(Cat()), 3);
}

TEST_F(EvaluationTest, ASumJustPastThirtyTwoBitsIsClamped) {
    // 49999 below the bound, then 2147483647 x 1: the exact sum does not fit 32 bits.
    Build({Consumer("49999"), Consumer("1")});
    Place(1, 1);
    Place(2, kMax32);
    EXPECT_EQ(SumConsumption(Cat()), kMax32);
}

TEST_F(EvaluationTest, CountUnitsClampsTotalsBeyondThirtyTwoBits) {
    Build({Consumer("20"), Consumer("20"), {"20", "0", "10", false, false, false}});
    Place(1, kMax32);
    Place(2, 1);
    Place(3, kMax32);
    EXPECT_EQ(CountUnits(Cat(), eval), kMax32);
    EXPECT_EQ(eval.AddressableUnits, kMax32);

    // A large but representable total stays exact.
    Place(1, 1000000000);
    Place(2, 1000000000);
    Place(3, 0);
    EXPECT_EQ(CountUnits(Cat(), eval), 2000000000);
}

TEST_F(EvaluationTest, LargestConsumerSlotComparesTheWideProducts) {
    // 100000 mA against 2 x 2147483647 mA, which wraps to -2 in 32 bits.
    Build({Consumer("1"), Consumer("2"), Consumer("3")});
    Place(1, 100000);
    Place(2, kMax32);
    EXPECT_EQ(LargestConsumerSlot(Cat()), 2);
    Place(3, kMax32);
    EXPECT_EQ(LargestConsumerSlot(Cat()), 3);
    // Equal huge products: the lower slot.
    Build({Consumer("4"), Consumer("2")});
    Place(1, 1073741823);
    Place(2, 2147483646);
    EXPECT_EQ(LargestConsumerSlot(Cat()), 1);
}

TEST_F(EvaluationTest, ClampToAddressLimitWithHugeQuantitiesOrIncreasesDoesNotOverflow) {
    Build({Consumer("20"), Consumer("20")});
    Place(1, kMax32);
    Place(2, kMax32);
    Select(1);
    std::int64_t increase = 10;
    EXPECT_TRUE(ClampToAddressLimit(Cat(), eval, increase));
    EXPECT_EQ(increase, 100 - static_cast<std::int64_t>(kMax32));

    Place(1, 0);
    Place(2, 0);
    increase = std::numeric_limits<std::int64_t>::max();
    EXPECT_TRUE(ClampToAddressLimit(Cat(), eval, increase));
    EXPECT_EQ(increase, 100);
}

TEST_F(EvaluationTest, HugeCurrentsFromTheDataFileTimesHugeQuantitiesDoNotWrap) {
    Build({{"99999999999", "99999999999", "10"}, Consumer("20")});
    Place(1, kMax32);
    Place(2, 5);
    Evaluate(Cat(), eval);
    EXPECT_EQ(eval.TotalConsumption, kMax32);
    EXPECT_EQ(eval.TotalSupply, kMax32);
    EXPECT_EQ(LargestConsumerSlot(Cat()), 1);
}

TEST_F(EvaluationTest, NegativeQuantitiesOutsideTheSystemsRangeDoNotOverflow) {
    // Not a state the system produces; the sums must still stay defined.
    Build({Consumer("2147483647"), Consumer("2147483647"), Consumer("2147483647"),
           Consumer("2147483647")});
    for (int slot = 1; slot <= 4; ++slot) Place(slot, kMin32);
    EXPECT_EQ(SumConsumption(Cat()), kMin32);
    EXPECT_EQ(CountUnits(Cat(), eval), kMin32);
    EXPECT_EQ(LargestConsumerSlot(Cat()), 0);
    EXPECT_EQ(LargestQuantitySlot(Cat()), 0);
    Evaluate(Cat(), eval);
    EXPECT_EQ(eval.NetworkImpedance, 100000000.0);
}

}  // namespace
}  // namespace tavo
