#include "calculator/StripClicks.h"

namespace tavo {
namespace {

constexpr int kAllUnits = 0;
constexpr int kWithClock = 4;
constexpr int kWithBurden = 5;
constexpr int kWithPowerSupply = 6;

StripClickAction Go(int tab, int topic) {
    return StripClickAction{tab, std::nullopt, topic, false};
}
StripClickAction GoToRow(int row, int topic) {
    return StripClickAction{kAllUnits, row, topic, false};
}

}  // namespace

StripClickAction DecideStripClick(StripControl control, const NetworkStatus& status,
                                  const NetworkEvaluation& evaluation, const Catalogue& catalogue) {
    const StatusLine& consumption = status.Consumption;
    const StatusLine& supply = status.Supply;
    const StatusLine& impedance = status.Impedance;
    const std::int64_t cons = evaluation.TotalConsumption;
    const std::int64_t sup = evaluation.TotalSupply;
    const double z = evaluation.EffectiveImpedance;

    switch (control) {
        case StripControl::sinkBar:
            if (consumption.BarColour == Colour::Red && consumption.ExcessVisible)
                return GoToRow(LargestConsumerSlot(catalogue), 5);
            if (consumption.BarColour == Colour::Red) return Go(kWithPowerSupply, 1);
            if (consumption.BarColour == Colour::Yellow) return Go(kWithPowerSupply, 10);
            break;
        case StripControl::exSinkBar:
            return GoToRow(LargestQuantitySlot(catalogue), 5);
        case StripControl::SinkL:
            if (consumption.StatusText == "Excessive power consumption")
                return GoToRow(LargestConsumerSlot(catalogue), 5);
            if (consumption.StatusText == "Add power supply") return Go(kWithPowerSupply, 1);
            if (consumption.StatusColour == Colour::Maroon) return Go(kWithPowerSupply, 10);
            break;
        case StripControl::SourceBar:
            if (cons > sup || sup == 0) return Go(kWithPowerSupply, 1);
            if (supply.BarColour != Colour::Teal) {
                StripClickAction action = Go(kWithPowerSupply, 6);
                action.FocusGrid = true;
                return action;
            }
            return StripClickAction{std::nullopt, std::nullopt, 0, true};
        case StripControl::ExSourceBar:
            return Go(kWithPowerSupply, 6);
        case StripControl::SourceL:
            if (supply.StatusText == "Add clock unit") return Go(kWithClock, 2);
            if (supply.StatusText == "Unsafe if short circuit") return Go(kWithPowerSupply, 6);
            if (supply.StatusColour == Colour::Red) return Go(kWithPowerSupply, 1);
            break;
        case StripControl::ACimpBar:
            if (impedance.BarColour != Colour::Red) return StripClickAction{{}, {}, {}, true};
            if (z > 1.5) return Go(kWithBurden, 3);
            if (z < 0.5) return GoToRow(LargestQuantitySlot(catalogue), 4);
            break;
        case StripControl::ACL:
            if (impedance.StatusText == "Add burden") return Go(kWithBurden, 3);
            if (impedance.StatusText == "Too many units")
                return GoToRow(LargestQuantitySlot(catalogue), 4);
            break;
    }
    return {};
}

}  // namespace tavo
