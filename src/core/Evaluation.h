#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/Catalogue.h"

namespace tavo {

inline constexpr std::int64_t kCurrentSaturation = 50000;  // mA
inline constexpr double kNoLoadImpedance = 100000000.0;    // kOhm
inline constexpr double kBurdenThreshold = 0.99;           // kOhm
inline constexpr int kCurrentBudget = 2000;                // mA
inline constexpr int kPerTypeCap = 100;
inline constexpr int kRoundingThreshold = 20;
inline constexpr int kDefaultAddressLimit = 100;
inline constexpr int kHighestAddressLimit = 255;

// The verdict on the network being edited, with the selection the unit grid maintains and
// the address limit.
struct NetworkEvaluation {
    std::int32_t TotalConsumption = 0;
    std::int32_t TotalSupply = 0;
    double NetworkImpedance = 1000.0;
    double EffectiveImpedance = 1000.0;
    bool BurdenApplied = false;
    std::int32_t BurdenUnits = 0;
    std::int32_t TotalUnits = 0;
    std::int32_t AddressableUnits = 0;
    std::string LimitReason;

    int SelectedRow = 0;
    int SelectedUnit = 0;
    bool UnitSelected = false;

    int MaxAddressable = kDefaultAddressLimit;
};

// The values a network set up afresh shows before its first evaluation.
void ResetEvaluation(NetworkEvaluation& evaluation);

void Evaluate(const Catalogue& catalogue, NetworkEvaluation& evaluation);
std::int32_t SumConsumption(const Catalogue& catalogue);
std::int32_t SumSupply(const Catalogue& catalogue);
double ParallelImpedance(const Catalogue& catalogue);

// Recomputes TotalUnits and AddressableUnits; returns TotalUnits.
std::int32_t CountUnits(const Catalogue& catalogue, NetworkEvaluation& evaluation);

// Lowers increase so that the selected addressable type stays within the address limit;
// returns whether it was lowered.
bool ClampToAddressLimit(const Catalogue& catalogue, NetworkEvaluation& evaluation,
                         std::int64_t& increase);

// Also sets BurdenUnits.
bool HasBurdenUnit(const Catalogue& catalogue, NetworkEvaluation& evaluation);
bool HasClockUnit(const Catalogue& catalogue);

int LargestQuantitySlot(const Catalogue& catalogue);
int LargestConsumerSlot(const Catalogue& catalogue);

// The most units of the selected type one network may hold; sets LimitReason.
int MaxQuantity(const Catalogue& catalogue, NetworkEvaluation& evaluation);

// x (at least 0) rounded half up by its first decimal, for bar widths; large values only
// need to come out at 3200 or more.
int RoundForBar(double x);

// The address limit given by the program's first argument: 100 unless the argument reads as
// a number from 100 to 255.
int ParseAddressLimit(std::string_view argument);

}  // namespace tavo
