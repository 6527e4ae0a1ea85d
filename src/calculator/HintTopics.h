#pragma once

#include <string>
#include <vector>

#include "core/Catalogue.h"

namespace tavo {

inline constexpr int kHighestHintTopic = 12;
inline constexpr int kUnitDataTopic = 9;
inline constexpr int kInstallationWarningTopic = 12;

// What the topics that are not fixed text read.
struct HintContext {
    int MaxAddressable = 100;
    int MaxQuantity = 0;
    std::string LimitReason;
    bool CalculatorProject = true;
};

// The lines of a text topic (0 to 12 except 9), in order; empty for any other number.
std::vector<std::string> HintTopicLines(int topic, const HintContext& context);

// The caption the dialog takes for a topic.
std::string HintTopicCaption(int topic);

// One row of the unit data table of topic 9.
struct HintTableRow {
    int Row;
    std::string Label;
    std::string Value;
};

// The unit data table for one unit type; rows 3, 7 and 10 are left out and stay empty.
std::vector<HintTableRow> UnitDataRows(const UnitType& unit);

// "Input unit.", "Output unit.", ... by Kind.
std::string UnitKindText(char kind);

}  // namespace tavo
