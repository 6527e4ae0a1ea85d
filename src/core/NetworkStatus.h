#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/Evaluation.h"

namespace tavo {

enum class Colour { Red, Yellow, Teal, Navy, Maroon };

const char* ColourName(Colour colour);   // "red", "yellow", ...
std::uint32_t ColourRgb(Colour colour);  // 0xRRGGBB

inline constexpr int kBarScale = 197;  // pixels for 2000 mA or 1.5 kOhm
inline constexpr int kWidestBar = 250;
inline constexpr int kWidestExcessBar = 53;
inline constexpr const char* kDoubleClickHint = " - Double click for extended information";

// One of the three lines of the status strip: consumption, supply or impedance.
struct StatusLine {
    int BarWidth = 0;
    Colour BarColour = Colour::Teal;
    bool ExcessVisible = false;
    int ExcessWidth = 0;
    std::string ValueText;
    std::string StatusText;
    Colour StatusColour = Colour::Navy;
    bool Alarm = false;     // StatusColour is red
    bool Marginal = false;  // impedance line only: the bar is yellow for being near a limit
};

// The hint a control of the strip gets, and whether it is shown at all.
struct ControlHint {
    std::string Control;
    std::string Hint;
    bool ShowHint = true;
};

struct NetworkStatus {
    StatusLine Consumption;
    StatusLine Supply;
    StatusLine Impedance;
    std::vector<ControlHint> Hints;
};

// The status texts of the last refresh, written into the network file's "Report:" lines.
struct StatusTexts {
    std::string PowerStatusText = "No current";
    std::string SupplyStatusText = "No supply";
    std::string ImpedanceStatusText = "No burden";
};

// Every status message a line of the strip can show, the texts before the first refresh
// included: the strip keeps room for the widest of them.
const std::vector<std::string>& StatusMessages();

// The texts the strip shows before its first refresh.
StatusLine InitialConsumptionLine();
StatusLine InitialSupplyLine();
StatusLine InitialImpedanceLine();

// The hint a control starts with, before any refresh; empty for names not of the strip.
std::string BaseHint(const std::string& control);

// A hint cut before its first '-' and trimmed.
std::string StripHint(const std::string& hint);

// Turns the evaluation into bars, texts, colours and hints. Refreshes BurdenUnits.
NetworkStatus ComputeNetworkStatus(const Catalogue& catalogue, NetworkEvaluation& evaluation);

// The status texts a refresh stores.
StatusTexts TextsOf(const NetworkStatus& status);

// The impedance value text for an effective impedance z.
std::string ImpedanceValueText(double z);

}  // namespace tavo
