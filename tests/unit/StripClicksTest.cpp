#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "calculator/StripClicks.h"
#include "core/Catalogue.h"
#include "core/Evaluation.h"
#include "core/NetworkStatus.h"

namespace tavo {
namespace {

constexpr StripControl kAllControls[] = {
    StripControl::sinkBar,   StripControl::exSinkBar,   StripControl::SinkL,
    StripControl::SourceBar, StripControl::ExSourceBar, StripControl::SourceL,
    StripControl::ACimpBar,  StripControl::ACL,
};

std::string Optional(const std::optional<int>& value) {
    return value ? std::to_string(*value) : std::string("-");
}

// "tab <t> row <r> topic <n> focus|-", so a failure shows the whole action.
std::string Describe(const StripClickAction& action) {
    return "tab " + Optional(action.Tab) + " row " + Optional(action.Row) + " topic " +
           Optional(action.Topic) + (action.FocusGrid ? " focus" : " -");
}

class StripClicksTest : public ::testing::Test {
  protected:
    StripClicksTest() : catalogue_(std::make_unique<Catalogue>()) { ResetUnitTable(*catalogue_); }

    // Puts quantity units of a new unit type into the next slot; returns the slot.
    int Place(int quantity, std::int32_t consumption, std::int32_t supply, double impedance,
              bool clock = false) {
        Catalogue& catalogue = *catalogue_;
        ++catalogue.UnitCount;
        UnitType& unit = catalogue.UnitTable[static_cast<std::size_t>(catalogue.UnitCount)];
        unit.CatNo = "TV-" + std::to_string(catalogue.UnitCount);
        unit.Kind = supply > 0 ? 'p' : 'i';
        unit.Consumption = consumption;
        unit.Supply = supply;
        unit.Impedance = impedance;
        unit.HasClock = clock;
        unit.Addressable = true;
        unit.Quantity = quantity;
        return catalogue.UnitCount;
    }

    void Evaluated() {
        Evaluate(*catalogue_, evaluation_);
        status_ = ComputeNetworkStatus(*catalogue_, evaluation_);
    }

    std::string Click(StripControl control) {
        return Describe(DecideStripClick(control, status_, evaluation_, *catalogue_));
    }

    std::unique_ptr<Catalogue> catalogue_;
    NetworkEvaluation evaluation_;
    NetworkStatus status_;
};

TEST_F(StripClicksTest, ExcessiveConsumptionShowsTheUnitsThatDrawMost) {
    const int many = Place(50, 20, 0, 0.0);   // 1000 mA in 50 units: the largest quantity
    const int heavy = Place(4, 500, 0, 0.0);  // 2000 mA in 4 units: the largest consumer
    Place(1, 0, 3500, 0.0, true);
    Evaluated();
    ASSERT_TRUE(status_.Consumption.ExcessVisible);
    ASSERT_EQ(status_.Consumption.BarColour, Colour::Red);
    ASSERT_EQ(status_.Consumption.StatusText, "Excessive power consumption");

    const std::string byConsumer = "tab 0 row " + std::to_string(heavy) + " topic 5 -";
    EXPECT_EQ(Click(StripControl::sinkBar), byConsumer);
    EXPECT_EQ(Click(StripControl::SinkL), byConsumer);
    EXPECT_EQ(Click(StripControl::exSinkBar), "tab 0 row " + std::to_string(many) + " topic 5 -");
}

TEST_F(StripClicksTest, ShortSupplyAsksForPowerSupplies) {
    Place(10, 20, 0, 0.0);  // 200 mA drawn
    Place(1, 0, 100, 0.0);  // 100 mA supplied, no clock
    Evaluated();
    ASSERT_EQ(status_.Consumption.BarColour, Colour::Red);
    ASSERT_FALSE(status_.Consumption.ExcessVisible);
    ASSERT_EQ(status_.Consumption.StatusText, "Add power supply");
    ASSERT_EQ(status_.Supply.StatusText, "Add clock unit");

    EXPECT_EQ(Click(StripControl::sinkBar), "tab 6 row - topic 1 -");
    EXPECT_EQ(Click(StripControl::SinkL), "tab 6 row - topic 1 -");
    EXPECT_EQ(Click(StripControl::SourceBar), "tab 6 row - topic 1 -");  // cons > sup
    EXPECT_EQ(Click(StripControl::SourceL), "tab 4 row - topic 2 -");    // "Add clock unit"
    // The excess bars are hidden, but a click on them still has its fixed action.
    EXPECT_EQ(Click(StripControl::ExSourceBar), "tab 6 row - topic 6 -");
}

TEST_F(StripClicksTest, NoSupplyAtAll) {
    // Nothing on the network: the supply bar is at 0, which counts as short supply.
    Evaluated();
    ASSERT_EQ(status_.Supply.StatusText, "No supply");
    ASSERT_EQ(status_.Supply.StatusColour, Colour::Navy);
    EXPECT_EQ(Click(StripControl::SourceBar), "tab 6 row - topic 1 -");
    EXPECT_EQ(Click(StripControl::SourceL), "tab - row - topic - -");  // navy: no action
    EXPECT_EQ(Click(StripControl::sinkBar), "tab - row - topic - -");  // teal at 0
    EXPECT_EQ(Click(StripControl::SinkL), "tab - row - topic - -");    // "No current"

    // Units that draw current without any supply: "No supply" in red.
    Place(3, 20, 0, 0.0);
    Evaluated();
    ASSERT_EQ(status_.Supply.StatusText, "No supply");
    ASSERT_EQ(status_.Supply.StatusColour, Colour::Red);
    EXPECT_EQ(Click(StripControl::SourceL), "tab 6 row - topic 1 -");
    EXPECT_EQ(Click(StripControl::SourceBar), "tab 6 row - topic 1 -");
}

TEST_F(StripClicksTest, MarginalPowerBalance) {
    Place(1, 500, 0, 0.0);
    Place(1, 0, 540, 0.0, true);
    Evaluated();
    ASSERT_EQ(status_.Consumption.BarColour, Colour::Yellow);
    ASSERT_EQ(status_.Consumption.StatusColour, Colour::Maroon);
    EXPECT_EQ(Click(StripControl::sinkBar), "tab 6 row - topic 10 -");
    EXPECT_EQ(Click(StripControl::SinkL), "tab 6 row - topic 10 -");
    // The supply covers the consumption and its bar is teal.
    ASSERT_EQ(status_.Supply.BarColour, Colour::Teal);
    EXPECT_EQ(Click(StripControl::SourceBar), "tab - row - topic 0 focus");
    EXPECT_EQ(Click(StripControl::SourceL), "tab - row - topic - -");  // "Safe if short circuit"
}

TEST_F(StripClicksTest, BalancedNetworkOnlyOffersTheCalculatorHelp) {
    Place(1, 500, 0, 0.0);
    Place(1, 0, 600, 0.0, true);
    Evaluated();
    ASSERT_EQ(status_.Consumption.StatusText, "Power balance OK");
    EXPECT_EQ(Click(StripControl::sinkBar), "tab - row - topic - -");
    EXPECT_EQ(Click(StripControl::SinkL), "tab - row - topic - -");
    EXPECT_EQ(Click(StripControl::SourceBar), "tab - row - topic 0 focus");
}

TEST_F(StripClicksTest, UnsafeShortCircuitCurrent) {
    Place(1, 100, 0, 0.0);
    Place(6, 0, 400, 0.0, true);  // 2400 mA into a short circuit: yellow bar with excess
    Evaluated();
    ASSERT_TRUE(status_.Supply.ExcessVisible);
    ASSERT_EQ(status_.Supply.BarColour, Colour::Yellow);
    EXPECT_EQ(Click(StripControl::SourceBar), "tab 6 row - topic 6 focus");
    EXPECT_EQ(Click(StripControl::ExSourceBar), "tab 6 row - topic 6 -");
    EXPECT_EQ(Click(StripControl::SourceL), "tab 6 row - topic 6 -");

    catalogue_->UnitTable[2].Quantity = 10;  // 4000 mA: red bar, same actions
    Evaluated();
    ASSERT_EQ(status_.Supply.BarColour, Colour::Red);
    EXPECT_EQ(Click(StripControl::SourceBar), "tab 6 row - topic 6 focus");
    EXPECT_EQ(Click(StripControl::SourceL), "tab 6 row - topic 6 -");
}

TEST_F(StripClicksTest, ImpedanceClicks) {
    // Nothing loads the network: red bar above 1.5 kOhm, "Add burden".
    Evaluated();
    ASSERT_EQ(status_.Impedance.BarColour, Colour::Red);
    ASSERT_EQ(status_.Impedance.StatusText, "Add burden");
    EXPECT_EQ(Click(StripControl::ACimpBar), "tab 5 row - topic 3 -");
    EXPECT_EQ(Click(StripControl::ACL), "tab 5 row - topic 3 -");

    // 0.36 kOhm: too many units; the type with the most units is shown.
    Place(2, 0, 500, 0.0, true);
    Place(10, 10, 0, 0.0);
    const int most = Place(100, 1, 0, 36.0);
    Evaluated();
    ASSERT_EQ(status_.Impedance.StatusText, "Too many units");
    const std::string byQuantity = "tab 0 row " + std::to_string(most) + " topic 4 -";
    EXPECT_EQ(Click(StripControl::ACimpBar), byQuantity);
    EXPECT_EQ(Click(StripControl::ACL), byQuantity);

    // 0.9 kOhm, in range: the bar only hands the focus to the grid, the text does nothing.
    catalogue_->UnitTable[static_cast<std::size_t>(most)].Quantity = 40;
    Evaluated();
    ASSERT_EQ(status_.Impedance.BarColour, Colour::Teal);
    EXPECT_EQ(Click(StripControl::ACimpBar), "tab - row - topic - focus");
    EXPECT_EQ(Click(StripControl::ACL), "tab - row - topic - -");

    // 0.42 kOhm: yellow and marginal, still not red.
    catalogue_->UnitTable[static_cast<std::size_t>(most)].Quantity = 86;
    Evaluated();
    ASSERT_EQ(status_.Impedance.BarColour, Colour::Yellow);
    EXPECT_EQ(Click(StripControl::ACimpBar), "tab - row - topic - focus");
    EXPECT_EQ(Click(StripControl::ACL), "tab - row - topic - -");
}

TEST_F(StripClicksTest, ClicksThatMatchNoCaseDoNothing) {
    Place(1, 100, 0, 0.0);
    Place(1, 0, 300, 0.0, true);
    Place(40, 1, 0, 36.0);  // 0.9 kOhm
    Evaluated();
    ASSERT_EQ(status_.Consumption.StatusText, "Power balance OK");
    ASSERT_EQ(status_.Supply.StatusText, "Safe if short circuit");
    ASSERT_EQ(status_.Impedance.StatusText, "OK without burden");
    for (const StripControl control :
         {StripControl::sinkBar, StripControl::SinkL, StripControl::SourceL, StripControl::ACL})
        EXPECT_EQ(Click(control), "tab - row - topic - -") << static_cast<int>(control);
    // Only the fixed actions remain.
    int acting = 0;
    for (const StripControl control : kAllControls)
        if (Click(control) != "tab - row - topic - -") ++acting;
    EXPECT_EQ(acting, 4);  // exSinkBar, SourceBar, ExSourceBar, ACimpBar
}

}  // namespace
}  // namespace tavo
