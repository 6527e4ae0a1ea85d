#include "core/Evaluation.h"

#include <cmath>
#include <limits>

#include "platform/Text.h"

namespace tavo {
namespace {

const UnitType& Slot(const Catalogue& catalogue, int slot) {
    return catalogue.UnitTable[static_cast<std::size_t>(slot)];
}

// Slots 0 to UnitCount, never past the table.
int LastSlot(const Catalogue& catalogue) {
    return catalogue.UnitCount < kTableSlots ? catalogue.UnitCount : kTableSlots - 1;
}

// The sum of Quantity x current over the slots in order, stopping once it has reached the
// saturation bound. Products and the sum are 64-bit, so no quantity a file can hold wraps.
template <typename Current>
std::int32_t SaturatingSum(const Catalogue& catalogue, Current current) {
    std::int64_t sum = 0;
    for (int slot = 0; slot <= LastSlot(catalogue); ++slot) {
        const UnitType& unit = Slot(catalogue, slot);
        if (unit.Quantity != 0 && sum < kCurrentSaturation) {
            const std::int64_t product = static_cast<std::int64_t>(unit.Quantity) * current(unit);
            // Only negative quantities (outside the system's range) can drive the sum down
            // towards the 64-bit limit; it saturates there rather than wrapping.
            if (__builtin_add_overflow(sum, product, &sum))
                sum = std::numeric_limits<std::int64_t>::min();
        }
    }
    return ClampToInt32(sum);
}

}  // namespace

void ResetEvaluation(NetworkEvaluation& evaluation) {
    evaluation.TotalConsumption = 0;
    evaluation.TotalSupply = 0;
    evaluation.TotalUnits = 0;
    evaluation.AddressableUnits = 0;
    evaluation.NetworkImpedance = 1000.0;
    evaluation.EffectiveImpedance = 1000.0;
    evaluation.BurdenApplied = false;
}

std::int32_t SumConsumption(const Catalogue& catalogue) {
    return SaturatingSum(catalogue, [](const UnitType& unit) { return unit.Consumption; });
}

std::int32_t SumSupply(const Catalogue& catalogue) {
    return SaturatingSum(catalogue, [](const UnitType& unit) { return unit.Supply; });
}

double ParallelImpedance(const Catalogue& catalogue) {
    double s = 0.0;
    for (int slot = 0; slot <= LastSlot(catalogue); ++slot) {
        const UnitType& unit = Slot(catalogue, slot);
        if (unit.Quantity != 0 && unit.Impedance > 0.0) s += unit.Quantity / unit.Impedance;
    }
    return s > 0.0 ? 1.0 / s : kNoLoadImpedance;
}

void Evaluate(const Catalogue& catalogue, NetworkEvaluation& evaluation) {
    evaluation.TotalConsumption = SumConsumption(catalogue);
    evaluation.TotalSupply = SumSupply(catalogue);
    evaluation.NetworkImpedance = ParallelImpedance(catalogue);
    evaluation.EffectiveImpedance = evaluation.NetworkImpedance;
    evaluation.BurdenApplied = false;
    if (HasBurdenUnit(catalogue, evaluation) && evaluation.NetworkImpedance > kBurdenThreshold) {
        evaluation.EffectiveImpedance =
            evaluation.NetworkImpedance / (1.0 + evaluation.NetworkImpedance);
        evaluation.BurdenApplied = true;
    }
}

std::int32_t CountUnits(const Catalogue& catalogue, NetworkEvaluation& evaluation) {
    std::int64_t total = 0;
    std::int64_t addressable = 0;
    for (int slot = 1; slot <= LastSlot(catalogue); ++slot) {
        const UnitType& unit = Slot(catalogue, slot);
        total += unit.Quantity;
        if (unit.Addressable) addressable += unit.Quantity;
    }
    evaluation.TotalUnits = ClampToInt32(total);
    evaluation.AddressableUnits = ClampToInt32(addressable);
    return evaluation.TotalUnits;
}

bool ClampToAddressLimit(const Catalogue& catalogue, NetworkEvaluation& evaluation,
                         std::int64_t& increase) {
    CountUnits(catalogue, evaluation);
    const bool addressable = evaluation.SelectedUnit >= 0 &&
                             evaluation.SelectedUnit < kTableSlots &&
                             Slot(catalogue, evaluation.SelectedUnit).Addressable;
    // increase > MaxAddressable - AddressableUnits is increase + AddressableUnits >
    // MaxAddressable without an overflow for any increase the caller passes.
    const std::int64_t room =
        static_cast<std::int64_t>(evaluation.MaxAddressable) - evaluation.AddressableUnits;
    if (increase > room && addressable) {
        increase = room;
        return true;
    }
    return false;
}

bool HasBurdenUnit(const Catalogue& catalogue, NetworkEvaluation& evaluation) {
    std::int64_t units = 0;
    bool found = false;
    for (int slot = 0; slot <= LastSlot(catalogue); ++slot) {
        const UnitType& unit = Slot(catalogue, slot);
        if (unit.Quantity != 0 && unit.HasBurden) {
            found = true;
            units += unit.Quantity;
        }
    }
    evaluation.BurdenUnits = ClampToInt32(units);
    return found;
}

bool HasClockUnit(const Catalogue& catalogue) {
    for (int slot = 0; slot <= LastSlot(catalogue); ++slot) {
        const UnitType& unit = Slot(catalogue, slot);
        if (unit.Quantity != 0 && unit.HasClock) return true;
    }
    return false;
}

int LargestQuantitySlot(const Catalogue& catalogue) {
    std::int32_t best = 0;
    int found = 0;
    for (int slot = 0; slot <= LastSlot(catalogue); ++slot) {
        if (Slot(catalogue, slot).Quantity > best) {
            best = Slot(catalogue, slot).Quantity;
            found = slot;
        }
    }
    return found;
}

int LargestConsumerSlot(const Catalogue& catalogue) {
    std::int64_t best = 0;
    int found = 0;
    for (int slot = 1; slot <= LastSlot(catalogue); ++slot) {
        const UnitType& unit = Slot(catalogue, slot);
        const std::int64_t product = static_cast<std::int64_t>(unit.Quantity) * unit.Consumption;
        if (product > best) {
            best = product;
            found = slot;
        }
    }
    return found;
}

int MaxQuantity(const Catalogue& catalogue, NetworkEvaluation& evaluation) {
    if (!evaluation.UnitSelected || evaluation.SelectedUnit < 0 ||
        evaluation.SelectedUnit >= kTableSlots)
        return 0;
    const UnitType& unit = Slot(catalogue, evaluation.SelectedUnit);
    int m = kPerTypeCap;
    if (unit.Supply > 0) {
        m = kCurrentBudget / unit.Supply;
        evaluation.LimitReason = "source";
    } else if (unit.Consumption > 0) {
        m = kCurrentBudget / unit.Consumption;
        evaluation.LimitReason = "sink";
    }
    if (m > kPerTypeCap) m = kPerTypeCap;
    if (m > kRoundingThreshold) m = ((m + 5) / 10) * 10;
    return m;
}

int RoundForBar(double x) {
    if (!(x > 0.0)) return 0;
    if (std::isinf(x)) return 3200;  // written "inf", which holds no digits to read
    const std::string written = FormatGeneral(x, 15);
    if (written.find_first_of("eE") != std::string::npos) {
        // Beyond 15 digits before the point the bar is at full length anyway; below
        // 0.0001 the first decimal is 0.
        return x >= 1.0 ? 3200 : 0;
    }
    int whole = 0;
    std::size_t i = 0;
    for (; i < written.size() && written[i] >= '0' && written[i] <= '9'; ++i)
        if (whole < 3200) whole = whole * 10 + (written[i] - '0');
    if (i + 1 < written.size() && written[i] == '.' && written[i + 1] >= '5') whole += 1;
    return whole;
}

int ParseAddressLimit(std::string_view argument) {
    const ScannedInteger scanned = ScanInteger(argument);
    std::int64_t value = scanned.Value;
    if (!scanned.Complete && scanned.Negative) value = -value;
    if (value >= kDefaultAddressLimit && value <= kHighestAddressLimit)
        return static_cast<int>(value);
    return kDefaultAddressLimit;
}

}  // namespace tavo
