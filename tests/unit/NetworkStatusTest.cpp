#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "core/Catalogue.h"
#include "core/Evaluation.h"
#include "core/NetworkStatus.h"

namespace tavo {
namespace {

const std::string kDoubleClick = " - Double click for extended information";

// One line of the strip as "bar <width> <colour> | excess <width or -> | <value> | <status>
// <colour> | alarm or -", so a failure shows the whole line at once.
std::string Describe(const StatusLine& line) {
    std::string text = "bar " + std::to_string(line.BarWidth) + " " + ColourName(line.BarColour);
    text += " | excess ";
    text += line.ExcessVisible ? std::to_string(line.ExcessWidth) : std::string("-");
    text += " | " + line.ValueText + " | " + line.StatusText + " " + ColourName(line.StatusColour);
    text += line.Alarm ? " | alarm" : " | -";
    return text;
}

class NetworkStatusTest : public ::testing::Test {
  protected:
    // Puts quantity units of a new unit type into the next slot of the table.
    void Place(int quantity, std::int32_t consumption, std::int32_t supply, double impedance,
               bool clock = false, bool burden = false) {
        ++catalogue.UnitCount;
        UnitType& unit = catalogue.UnitTable[static_cast<std::size_t>(catalogue.UnitCount)];
        unit.CatNo = "TV-" + std::to_string(catalogue.UnitCount);
        unit.Description = "Test unit " + std::to_string(catalogue.UnitCount);
        unit.Consumption = consumption;
        unit.Supply = supply;
        unit.Impedance = impedance;
        unit.HasClock = clock;
        unit.HasBurden = burden;
        unit.Addressable = true;
        unit.Quantity = quantity;
    }

    // A clock unit that draws and supplies nothing and puts no load on the network.
    void PlaceClock() { Place(1, 0, 0, 0.0, true); }

    NetworkStatus Evaluated() {
        Evaluate(catalogue, evaluation);
        return ComputeNetworkStatus(catalogue, evaluation);
    }

    // The status for the given sums, with the impedance in the middle of its window.
    NetworkStatus WithCurrents(std::int32_t cons, std::int32_t sup) {
        evaluation.TotalConsumption = cons;
        evaluation.TotalSupply = sup;
        evaluation.NetworkImpedance = evaluation.EffectiveImpedance = 0.8;
        evaluation.BurdenApplied = false;
        return ComputeNetworkStatus(catalogue, evaluation);
    }

    // The status for an effective impedance z without burden units.
    NetworkStatus WithImpedance(double z) {
        evaluation.NetworkImpedance = evaluation.EffectiveImpedance = z;
        evaluation.BurdenApplied = false;
        return ComputeNetworkStatus(catalogue, evaluation);
    }

    Catalogue catalogue;
    NetworkEvaluation evaluation;
};

using NetworkStatusConsumption = NetworkStatusTest;
using NetworkStatusSupply = NetworkStatusTest;
using NetworkStatusImpedance = NetworkStatusTest;
using NetworkStatusBurden = NetworkStatusTest;
using NetworkStatusHints = NetworkStatusTest;

TEST_F(NetworkStatusTest, EmptyNetworkAsksForABurdenAndShowsNothingElseAmiss) {
    const NetworkStatus status = Evaluated();
    EXPECT_EQ(Describe(status.Consumption),
              "bar 0 teal | excess - | Units consume 0 mA | No current navy | -");
    EXPECT_EQ(Describe(status.Supply),
              "bar 0 teal | excess - | Max supply 0 mA | No supply navy | -");
    EXPECT_EQ(Describe(status.Impedance),
              "bar 250 red | excess - | AC impedance unknown | Add burden red | alarm");

    // A network set up afresh, before its first evaluation, reads the same.
    NetworkEvaluation fresh;
    fresh.TotalConsumption = 700;
    ResetEvaluation(fresh);
    const NetworkStatus initial = ComputeNetworkStatus(catalogue, fresh);
    EXPECT_EQ(Describe(initial.Consumption), Describe(status.Consumption));
    EXPECT_EQ(Describe(initial.Supply), Describe(status.Supply));
    EXPECT_EQ(Describe(initial.Impedance), Describe(status.Impedance));

    const StatusTexts texts = TextsOf(status);
    EXPECT_EQ(texts.PowerStatusText, "No current");
    EXPECT_EQ(texts.SupplyStatusText, "No supply");
    EXPECT_EQ(texts.ImpedanceStatusText, "Add burden");
}

TEST_F(NetworkStatusTest, TextsBeforeTheFirstRefresh) {
    EXPECT_EQ(Describe(InitialConsumptionLine()),
              "bar 0 teal | excess - | No units | No current navy | -");
    EXPECT_EQ(Describe(InitialSupplyLine()),
              "bar 0 teal | excess - | No supply | No supply navy | -");
    EXPECT_EQ(Describe(InitialImpedanceLine()),
              "bar 0 teal | excess - | AC impedance | No burden navy | -");

    const StatusTexts stored;
    EXPECT_EQ(stored.PowerStatusText, "No current");
    EXPECT_EQ(stored.SupplyStatusText, "No supply");
    EXPECT_EQ(stored.ImpedanceStatusText, "No burden");

    const std::map<std::string, std::string> base = {
        {"sinkBar", "Power consumed by current network"},
        {"SourceBar", "Power supplied to current network"},
        {"ExSourceBar", "Power supplied to current network"},
        {"ACimpBar", "Ac Impedence of current network"},
        {"SinkL", "Power consumption status message"},
        {"SourceL", "Power supplied status message"},
        {"ACL", "AC impedance status message"},
        {"SinkLabel", "Power consumption unit message (how much power is required)"},
        {"SourceLabel", "Power supply unit message (how much power is supplied)"},
        {"AClabel", "AC impedance unit message"},
    };
    for (const auto& [control, hint] : base) EXPECT_EQ(BaseHint(control), hint) << control;
    EXPECT_EQ(BaseHint("sGrid"), "");
    EXPECT_EQ(BaseHint("sinkbar"), "");
}

TEST(NetworkStatusColours, NamesAndRgbValues) {
    EXPECT_STREQ(ColourName(Colour::Red), "red");
    EXPECT_STREQ(ColourName(Colour::Yellow), "yellow");
    EXPECT_STREQ(ColourName(Colour::Teal), "teal");
    EXPECT_STREQ(ColourName(Colour::Navy), "navy");
    EXPECT_STREQ(ColourName(Colour::Maroon), "maroon");
    EXPECT_EQ(ColourRgb(Colour::Red), 0xFF0000u);
    EXPECT_EQ(ColourRgb(Colour::Yellow), 0xFFFF00u);
    EXPECT_EQ(ColourRgb(Colour::Teal), 0x008080u);
    EXPECT_EQ(ColourRgb(Colour::Navy), 0x000080u);
    EXPECT_EQ(ColourRgb(Colour::Maroon), 0x800000u);
}

TEST_F(NetworkStatusConsumption, BalanceAgainstSupply) {
    PlaceClock();
    EXPECT_EQ(
        Describe(WithCurrents(500, 540).Consumption),
        "bar 49 yellow | excess - | Units consume 500 mA | Marginal power balance maroon | -");
    EXPECT_EQ(Describe(WithCurrents(500, 600).Consumption),
              "bar 49 teal | excess - | Units consume 500 mA | Power balance OK navy | -");
    // 0.9 x 540 = 486: marginal only above it.
    EXPECT_EQ(WithCurrents(486, 540).Consumption.BarColour, Colour::Teal);
    EXPECT_EQ(WithCurrents(487, 540).Consumption.BarColour, Colour::Yellow);
    // Consumption equal to the supply is still marginal; one mA more needs a power supply.
    EXPECT_EQ(
        Describe(WithCurrents(540, 540).Consumption),
        "bar 53 yellow | excess - | Units consume 540 mA | Marginal power balance maroon | -");
    EXPECT_EQ(Describe(WithCurrents(541, 540).Consumption),
              "bar 53 red | excess - | Units consume 541 mA | Add power supply red | alarm");
    EXPECT_EQ(Describe(WithCurrents(20, 0).Consumption),
              "bar 1 red | excess - | Units consume 20 mA | Add power supply red | alarm");
}

TEST_F(NetworkStatusConsumption, BarWidthIsTruncatedAndTheExcessCapped) {
    PlaceClock();
    // 20 x 197 / 2000 = 1.97 and 1990 x 197 / 2000 = 196.0: whole pixels, never rounded up.
    EXPECT_EQ(WithCurrents(20, 1000).Consumption.BarWidth, 1);
    EXPECT_EQ(WithCurrents(1990, 2000).Consumption.BarWidth, 196);
    EXPECT_EQ(
        Describe(WithCurrents(2000, 2000).Consumption),
        "bar 197 yellow | excess - | Units consume 2000 mA | Marginal power balance maroon | -");

    EXPECT_EQ(
        Describe(WithCurrents(2001, 3000).Consumption),
        "bar 197 red | excess 0 | Units consume 2001 mA | Excessive power consumption red | alarm");
    EXPECT_EQ(WithCurrents(2020, 3000).Consumption.ExcessWidth, 1);
    EXPECT_EQ(WithCurrents(2538, 3000).Consumption.ExcessWidth, 52);
    EXPECT_EQ(Describe(WithCurrents(2600, 3000).Consumption),
              "bar 197 red | excess 53 | Units consume 2600 mA | Excessive power consumption red | "
              "alarm");
    // The excess beats a missing supply, and the widest sum neither wraps nor widens the bars.
    EXPECT_EQ(
        Describe(WithCurrents(INT32_MAX, 0).Consumption),
        "bar 197 red | excess 53 | Units consume 2147483647 mA | Excessive power consumption red "
        "| alarm");
}

TEST_F(NetworkStatusSupply, ShortCircuitCurrentAndClock) {
    EXPECT_EQ(Describe(WithCurrents(100, 350).Supply),
              "bar 34 teal | excess - | Max supply 350 mA | Add clock unit red | alarm");
    Place(0, 0, 0, 0.0, true);  // a clock type with no units placed does not count
    EXPECT_EQ(WithCurrents(100, 350).Supply.StatusText, "Add clock unit");
    PlaceClock();
    EXPECT_EQ(Describe(WithCurrents(100, 350).Supply),
              "bar 34 teal | excess - | Max supply 350 mA | Safe if short circuit navy | -");

    // No supply is only an alarm while something draws current; the clock does not matter.
    EXPECT_EQ(Describe(WithCurrents(0, 0).Supply),
              "bar 0 teal | excess - | Max supply 0 mA | No supply navy | -");
    EXPECT_EQ(Describe(WithCurrents(1, 0).Supply),
              "bar 0 teal | excess - | Max supply 0 mA | No supply red | alarm");
}

TEST_F(NetworkStatusSupply, ExcessAboveTwoAmperes) {
    PlaceClock();
    EXPECT_EQ(Describe(WithCurrents(100, 2000).Supply),
              "bar 197 teal | excess - | Max supply 2000 mA | Safe if short circuit navy | -");
    // 2001 mA is still 197 pixels, but the excess is always shown at least 1 pixel wide.
    EXPECT_EQ(
        Describe(WithCurrents(100, 2001).Supply),
        "bar 197 yellow | excess 1 | Max supply 2001 mA | Unsafe if short circuit red | alarm");
    EXPECT_EQ(WithCurrents(100, 2030).Supply.ExcessWidth, 2);
    EXPECT_EQ(WithCurrents(100, 2538).Supply.ExcessWidth, 52);
    EXPECT_EQ(WithCurrents(100, 2600).Supply.ExcessWidth, 53);
    EXPECT_EQ(
        Describe(WithCurrents(100, 3999).Supply),
        "bar 197 yellow | excess 53 | Max supply 3999 mA | Unsafe if short circuit red | alarm");
    EXPECT_EQ(Describe(WithCurrents(100, 4000).Supply),
              "bar 197 red | excess 53 | Max supply 4000 mA | Unsafe if short circuit red | alarm");
    EXPECT_EQ(Describe(WithCurrents(100, INT32_MAX).Supply),
              "bar 197 red | excess 53 | Max supply 2147483647 mA | Unsafe if short circuit red | "
              "alarm");
    // Without a clock the unsafe supply is still the message shown.
    catalogue.UnitTable[1].Quantity = 0;
    EXPECT_EQ(WithCurrents(100, 2600).Supply.StatusText, "Unsafe if short circuit");
}

TEST_F(NetworkStatusImpedance, ThresholdsWithoutBurden) {
    EXPECT_EQ(Describe(WithImpedance(0.39).Impedance),
              "bar 51 red | excess - | AC impedance 0.39 kOhm | Too many units red | alarm");
    EXPECT_EQ(
        Describe(WithImpedance(0.4).Impedance),
        "bar 53 yellow | excess - | AC impedance 0.40 kOhm | Marginal performance maroon | -");
    EXPECT_EQ(
        Describe(WithImpedance(0.44).Impedance),
        "bar 58 yellow | excess - | AC impedance 0.44 kOhm | Marginal performance maroon | -");
    EXPECT_EQ(Describe(WithImpedance(0.45).Impedance),
              "bar 59 teal | excess - | AC impedance 0.45 kOhm | OK without burden navy | -");
    EXPECT_EQ(Describe(WithImpedance(0.46).Impedance),
              "bar 60 teal | excess - | AC impedance 0.46 kOhm | OK without burden navy | -");
    EXPECT_EQ(Describe(WithImpedance(1.09).Impedance),
              "bar 143 teal | excess - | AC impedance 1.1 kOhm | OK without burden navy | -");
    EXPECT_EQ(Describe(WithImpedance(1.1).Impedance),
              "bar 144 teal | excess - | AC impedance 1.1 kOhm | OK without burden navy | -");
    EXPECT_EQ(
        Describe(WithImpedance(1.11).Impedance),
        "bar 146 yellow | excess - | AC impedance 1.1 kOhm | Marginal performance maroon | -");
    EXPECT_EQ(
        Describe(WithImpedance(1.5).Impedance),
        "bar 197 yellow | excess - | AC impedance 1.5 kOhm | Marginal performance maroon | -");
    EXPECT_EQ(Describe(WithImpedance(1.51).Impedance),
              "bar 198 red | excess - | AC impedance 1.5 kOhm | Add burden red | alarm");

    EXPECT_TRUE(WithImpedance(0.44).Impedance.Marginal);
    EXPECT_TRUE(WithImpedance(1.5).Impedance.Marginal);
    EXPECT_FALSE(WithImpedance(0.46).Impedance.Marginal);
    EXPECT_FALSE(WithImpedance(0.39).Impedance.Marginal);
    EXPECT_FALSE(WithImpedance(1.51).Impedance.Marginal);
}

TEST_F(NetworkStatusImpedance, BarIsRoundedHalfUpAndCappedAtTheWidestBar) {
    EXPECT_EQ(WithImpedance(0.75).Impedance.BarWidth, 99);   // 98.5
    EXPECT_EQ(WithImpedance(0.6).Impedance.BarWidth, 79);    // 78.8
    EXPECT_EQ(WithImpedance(1.89).Impedance.BarWidth, 248);  // 248.22
    EXPECT_EQ(WithImpedance(1.9).Impedance.BarWidth, 250);   // 249.53
    EXPECT_EQ(WithImpedance(2.0).Impedance.BarWidth, 250);   // 262.67
    EXPECT_EQ(WithImpedance(150.0).Impedance.BarWidth, 250);
    EXPECT_EQ(WithImpedance(kNoLoadImpedance).Impedance.BarWidth, 250);
}

TEST_F(NetworkStatusImpedance, ValueTextDecimals) {
    EXPECT_EQ(ImpedanceValueText(2.0 / 3.0), "AC impedance 0.67 kOhm");
    EXPECT_EQ(ImpedanceValueText(0.004), "AC impedance 0.00 kOhm");
    EXPECT_EQ(ImpedanceValueText(1.0), "AC impedance 1.00 kOhm");
    EXPECT_EQ(ImpedanceValueText(1.04), "AC impedance 1.0 kOhm");
    EXPECT_EQ(ImpedanceValueText(2.5), "AC impedance 2.5 kOhm");
    EXPECT_EQ(ImpedanceValueText(99.0), "AC impedance 99.0 kOhm");
    EXPECT_EQ(ImpedanceValueText(99.04), "AC impedance 99 kOhm");
    EXPECT_EQ(ImpedanceValueText(150.0), "AC impedance 150 kOhm");
    EXPECT_EQ(ImpedanceValueText(200.0), "AC impedance 200 kOhm");
    EXPECT_EQ(ImpedanceValueText(200.01), "AC impedance unknown");
    EXPECT_EQ(ImpedanceValueText(1000.0), "AC impedance unknown");
    EXPECT_EQ(ImpedanceValueText(kNoLoadImpedance), "AC impedance unknown");
    EXPECT_EQ(WithImpedance(150.0).Impedance.ValueText, "AC impedance 150 kOhm");
    EXPECT_EQ(WithImpedance(250.0).Impedance.ValueText, "AC impedance unknown");
}

TEST_F(NetworkStatusImpedance, UnloadedNetworkFromTheCatalogue) {
    // Units that put no AC load (impedance 0) leave the network unloaded.
    Place(50, 20, 0, 0.0);
    Place(1, 0, 500, 0.0, true);
    const NetworkStatus status = Evaluated();
    EXPECT_EQ(Describe(status.Impedance),
              "bar 250 red | excess - | AC impedance unknown | Add burden red | alarm");
    EXPECT_EQ(Describe(status.Consumption),
              "bar 98 red | excess - | Units consume 1000 mA | Add power supply red | alarm");
    EXPECT_EQ(Describe(status.Supply),
              "bar 49 teal | excess - | Max supply 500 mA | Safe if short circuit navy | -");
}

TEST_F(NetworkStatusBurden, AppliedBurdenAsksForOneBurdenOnly) {
    // Two burden units of 4 kOhm: 2.0 kOhm, with the 1 kOhm burden 0.67 kOhm.
    Place(2, 10, 0, 4.0, false, true);
    NetworkStatus status = Evaluated();
    ASSERT_TRUE(evaluation.BurdenApplied);
    EXPECT_EQ(evaluation.BurdenUnits, 2);
    EXPECT_EQ(Describe(status.Impedance),
              "bar 88 teal | excess - | AC impedance 0.67 kOhm | Enable one burden only navy | -");
    EXPECT_EQ(TextsOf(status).ImpedanceStatusText, "Enable one burden only");

    // One burden unit of 10 kOhm beside a 2.5 kOhm unit: the same 2.0 kOhm.
    catalogue.UnitTable[1].Quantity = 0;
    Place(1, 10, 0, 10.0, false, true);
    Place(1, 10, 0, 2.5);
    status = Evaluated();
    EXPECT_EQ(Describe(status.Impedance),
              "bar 88 teal | excess - | AC impedance 0.67 kOhm | Enable one burden navy | -");
}

TEST_F(NetworkStatusBurden, BurdenUnitsAreCountedAfreshFromTheTable) {
    Place(1, 10, 0, 10.0, false, true);
    Evaluate(catalogue, evaluation);
    evaluation.BurdenUnits = 7;  // left over from another network
    const NetworkStatus status = ComputeNetworkStatus(catalogue, evaluation);
    EXPECT_EQ(evaluation.BurdenUnits, 1);
    EXPECT_EQ(status.Impedance.StatusText, "Enable one burden");
}

TEST_F(NetworkStatusBurden, BurdenNotAppliedInRangeAsksToDisableIt) {
    Place(1, 10, 0, 0.8, false, true);
    NetworkStatus status = Evaluated();
    ASSERT_FALSE(evaluation.BurdenApplied);
    EXPECT_EQ(Describe(status.Impedance),
              "bar 105 teal | excess - | AC impedance 0.80 kOhm | Disable all burdens navy | -");

    // At exactly 0.99 the burden is not applied either.
    catalogue.UnitTable[1].Impedance = 0.99;
    status = Evaluated();
    ASSERT_FALSE(evaluation.BurdenApplied);
    EXPECT_EQ(Describe(status.Impedance),
              "bar 130 teal | excess - | AC impedance 0.99 kOhm | Disable all burdens navy | -");

    catalogue.UnitTable[1].Impedance = 0.42;
    status = Evaluated();
    EXPECT_EQ(Describe(status.Impedance),
              "bar 55 yellow | excess - | AC impedance 0.42 kOhm | Disable all burdens maroon | -");

    // Too low an impedance outranks the burden.
    catalogue.UnitTable[1].Impedance = 0.3;
    status = Evaluated();
    EXPECT_EQ(Describe(status.Impedance),
              "bar 39 red | excess - | AC impedance 0.30 kOhm | Too many units red | alarm");
}

// The list the strip sizes itself by holds every message a refresh can give, and no other.
TEST_F(NetworkStatusTest, StatusMessagesAreTheMessagesTheLinesShow) {
    std::set<std::string> shown;
    const auto collect = [&shown](const NetworkStatus& status) {
        for (const StatusLine* line : {&status.Consumption, &status.Supply, &status.Impedance})
            shown.insert(line->StatusText);
    };
    collect({InitialConsumptionLine(), InitialSupplyLine(), InitialImpedanceLine(), {}});
    for (const bool clock : {false, true}) {
        if (clock) PlaceClock();
        for (const std::int32_t cons : {0, 100, 470, 600, 2500})
            for (const std::int32_t sup : {0, 500, 2100}) collect(WithCurrents(cons, sup));
    }
    for (const double z : {0.3, 0.42, 0.8, 2.0, 300.0}) collect(WithImpedance(z));
    for (const double z : {0.8, 4.0}) {  // one burden unit, not needed and needed
        Place(1, 10, 0, z, false, true);
        collect(Evaluated());
        catalogue.UnitTable[static_cast<std::size_t>(catalogue.UnitCount)].Quantity = 0;
    }
    Place(2, 10, 0, 4.0, false, true);
    collect(Evaluated());

    const std::set<std::string> listed(StatusMessages().begin(), StatusMessages().end());
    EXPECT_EQ(shown, listed);
}

// The hints by control; every control the refresh touches appears exactly once.
std::map<std::string, ControlHint> HintsByControl(const NetworkStatus& status) {
    std::map<std::string, ControlHint> hints;
    for (const ControlHint& hint : status.Hints) {
        EXPECT_TRUE(hints.emplace(hint.Control, hint).second) << "twice: " << hint.Control;
    }
    EXPECT_EQ(hints.size(), 11u);
    return hints;
}

TEST(NetworkStatusStripHint, CutsBeforeTheFirstDashAndTrims) {
    EXPECT_EQ(StripHint("Power consumed by current network" + kDoubleClick),
              "Power consumed by current network");
    EXPECT_EQ(StripHint("  AC impedance status message  "), "AC impedance status message");
    EXPECT_EQ(StripHint("Power supplied status message"), "Power supplied status message");
    EXPECT_EQ(StripHint("a - b - c"), "a");
    EXPECT_EQ(StripHint("- all"), "");
}

TEST_F(NetworkStatusHints, OnlyTheImpedanceInvitesADoubleClickOnAnEmptyNetwork) {
    const auto hints = HintsByControl(Evaluated());
    const std::map<std::string, std::string> expected = {
        {"sinkBar", "Power consumed by current network"},
        {"exSinkBar", "Power consumed by current network"},
        {"pnlsinkBar", "Power consumed by current network"},
        {"SinkL", "Power consumption status message"},
        {"SourceBar", "Power supplied to current network"},
        {"pnlSourceBar", "Power supplied to current network"},
        {"ExSourceBar", "Power supplied to current network"},
        {"SourceL", "Power supplied status message"},
        {"ACimpBar", "Ac Impedence of current network" + kDoubleClick},
        {"ACL", "AC impedance status message" + kDoubleClick},
        {"pnlACImp", "AC impedance status message" + kDoubleClick},
    };
    for (const auto& [control, hint] : expected) {
        ASSERT_EQ(hints.count(control), 1u) << control;
        EXPECT_EQ(hints.at(control).Hint, hint) << control;
    }
    // The consumption bar is teal: its hint stays hidden.
    EXPECT_FALSE(hints.at("sinkBar").ShowHint);
    EXPECT_TRUE(hints.at("SinkL").ShowHint);
    EXPECT_TRUE(hints.at("ACimpBar").ShowHint);
}

TEST_F(NetworkStatusHints, RedConsumptionAndSupply) {
    // Excessive consumption, a supply of 4000 mA (red bar) and no clock; impedance fine.
    const auto hints = HintsByControl(WithCurrents(2500, 4500));
    const std::map<std::string, std::string> expected = {
        {"sinkBar", "Power consumed by current network" + kDoubleClick},
        {"exSinkBar", "Power consumed by current network" + kDoubleClick},
        {"pnlsinkBar", "Power consumed by current network" + kDoubleClick},
        {"SinkL", "Power consumption status message" + kDoubleClick},
        {"SourceBar", "Power supplied to current network" + kDoubleClick},
        {"pnlSourceBar", "Power supplied to current network" + kDoubleClick},
        {"ExSourceBar", "Power supplied to current network"},
        {"SourceL", "Power supplied status message" + kDoubleClick},
        {"ACimpBar", "Ac Impedence of current network"},
        {"ACL", "AC impedance status message"},
        {"pnlACImp", "AC impedance status message"},
    };
    for (const auto& [control, hint] : expected) {
        ASSERT_EQ(hints.count(control), 1u) << control;
        EXPECT_EQ(hints.at(control).Hint, hint) << control;
    }
    EXPECT_TRUE(hints.at("sinkBar").ShowHint);

    // Consumption above the supply without excess: the bar is red, so its hint shows.
    const auto shortOfSupply = HintsByControl(WithCurrents(600, 500));
    EXPECT_EQ(shortOfSupply.at("sinkBar").Hint, "Power consumed by current network" + kDoubleClick);
    EXPECT_TRUE(shortOfSupply.at("sinkBar").ShowHint);
    EXPECT_EQ(shortOfSupply.at("SinkL").Hint, "Power consumption status message" + kDoubleClick);
}

TEST_F(NetworkStatusHints, SupplyBarAndSupplyMessageAreDecidedApart) {
    // A yellow supply bar with a red message: only the message invites a double click.
    auto hints = HintsByControl(WithCurrents(500, 3000));
    EXPECT_EQ(hints.at("SourceBar").Hint, "Power supplied to current network");
    EXPECT_EQ(hints.at("pnlSourceBar").Hint, "Power supplied to current network");
    EXPECT_EQ(hints.at("ExSourceBar").Hint, "Power supplied to current network");
    EXPECT_EQ(hints.at("SourceL").Hint, "Power supplied status message" + kDoubleClick);
    EXPECT_EQ(hints.at("sinkBar").Hint, "Power consumed by current network");
    EXPECT_FALSE(hints.at("sinkBar").ShowHint);

    // A teal supply bar with "Add clock unit" in red.
    hints = HintsByControl(WithCurrents(100, 350));
    EXPECT_EQ(hints.at("SourceBar").Hint, "Power supplied to current network");
    EXPECT_EQ(hints.at("SourceL").Hint, "Power supplied status message" + kDoubleClick);

    // With a clock all is well again.
    PlaceClock();
    hints = HintsByControl(WithCurrents(100, 350));
    EXPECT_EQ(hints.at("SourceL").Hint, "Power supplied status message");
}

TEST_F(NetworkStatusHints, MarginalColoursDoNotInviteADoubleClick) {
    PlaceClock();
    evaluation.TotalConsumption = 500;
    evaluation.TotalSupply = 540;
    const auto hints = HintsByControl(WithImpedance(0.44));
    EXPECT_EQ(hints.at("sinkBar").Hint, "Power consumed by current network");
    EXPECT_FALSE(hints.at("sinkBar").ShowHint);  // yellow, not red
    EXPECT_EQ(hints.at("SinkL").Hint, "Power consumption status message");
    EXPECT_EQ(hints.at("ACimpBar").Hint, "Ac Impedence of current network");
    EXPECT_EQ(hints.at("ACL").Hint, "AC impedance status message");
    EXPECT_EQ(hints.at("pnlACImp").Hint, "AC impedance status message");
}

}  // namespace
}  // namespace tavo
