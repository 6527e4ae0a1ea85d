#include "core/NetworkStatus.h"

#include <algorithm>
#include <utility>

#include "platform/Text.h"

namespace tavo {
namespace {

struct BaseHintEntry {
    const char* Control;
    const char* Hint;
};

constexpr BaseHintEntry kBaseHints[] = {
    {"sinkBar", "Power consumed by current network"},
    {"exSinkBar", "Power consumed by current network"},
    {"pnlsinkBar", "Power consumed by current network"},
    {"SourceBar", "Power supplied to current network"},
    {"ExSourceBar", "Power supplied to current network"},
    {"pnlSourceBar", "Power supplied to current network"},
    {"ACimpBar", "Ac Impedence of current network"},
    {"pnlACImp", "AC impedance status message"},
    {"SinkL", "Power consumption status message"},
    {"SourceL", "Power supplied status message"},
    {"ACL", "AC impedance status message"},
    {"SinkLabel", "Power consumption unit message (how much power is required)"},
    {"SourceLabel", "Power supply unit message (how much power is supplied)"},
    {"AClabel", "AC impedance unit message"},
};

std::string HintFor(const std::string& control, Colour deciding) {
    std::string hint = StripHint(BaseHint(control));
    if (deciding == Colour::Red) hint += kDoubleClickHint;
    return hint;
}

void SetStatus(StatusLine& line, std::string text, Colour colour) {
    line.StatusText = std::move(text);
    line.StatusColour = colour;
    line.Alarm = colour == Colour::Red;
}

StatusLine ConsumptionLine(std::int64_t cons, std::int64_t sup) {
    StatusLine line;
    const std::int64_t w = cons * kBarScale / kCurrentBudget;
    if (cons > kCurrentBudget) {
        line.ExcessVisible = true;
        line.ExcessWidth =
            static_cast<int>(std::min<std::int64_t>(w - kBarScale, kWidestExcessBar));
        line.BarWidth = kBarScale;
    } else {
        line.BarWidth = static_cast<int>(w);
    }
    if (sup < cons || cons > kCurrentBudget) {
        line.BarColour = Colour::Red;
    } else if (static_cast<double>(cons) > 0.9 * static_cast<double>(sup)) {
        line.BarColour = Colour::Yellow;
    } else {
        line.BarColour = Colour::Teal;
    }
    line.ValueText = "Units consume " + std::to_string(cons) + " mA";
    if (line.ExcessVisible) {
        SetStatus(line, "Excessive power consumption", Colour::Red);
    } else if (line.BarColour == Colour::Red) {
        SetStatus(line, "Add power supply", Colour::Red);
    } else if (line.BarColour == Colour::Yellow) {
        SetStatus(line, "Marginal power balance", Colour::Maroon);
    } else if (cons > 0) {
        SetStatus(line, "Power balance OK", Colour::Navy);
    } else {
        SetStatus(line, "No current", Colour::Navy);
    }
    return line;
}

StatusLine SupplyLine(std::int64_t cons, std::int64_t sup, bool hasClock) {
    StatusLine line;
    const std::int64_t w = sup * kBarScale / kCurrentBudget;
    if (sup > kCurrentBudget) {
        line.ExcessVisible = true;
        line.ExcessWidth = static_cast<int>(
            std::max<std::int64_t>(std::min<std::int64_t>(w - kBarScale, kWidestExcessBar), 1));
        line.BarWidth = kBarScale;
        line.BarColour = sup >= 2 * kCurrentBudget ? Colour::Red : Colour::Yellow;
    } else {
        line.BarWidth = static_cast<int>(w);
        line.BarColour = Colour::Teal;
    }
    line.ValueText = "Max supply " + std::to_string(sup) + " mA";
    if (line.ExcessVisible) {
        SetStatus(line, "Unsafe if short circuit", Colour::Red);
    } else if (sup > 0) {
        if (hasClock)
            SetStatus(line, "Safe if short circuit", Colour::Navy);
        else
            SetStatus(line, "Add clock unit", Colour::Red);
    } else {
        SetStatus(line, "No supply", cons == 0 ? Colour::Navy : Colour::Red);
    }
    return line;
}

StatusLine ImpedanceLine(const NetworkEvaluation& evaluation, bool hasBurden) {
    StatusLine line;
    const double z = evaluation.EffectiveImpedance;
    line.BarWidth = std::min(RoundForBar(kBarScale * z / 1.5), kWidestBar);
    if (z > 1.5 || z < 0.4) {
        line.BarColour = Colour::Red;
    } else if (z < 0.45 || z > 1.1) {
        line.BarColour = Colour::Yellow;
        line.Marginal = true;
    } else {
        line.BarColour = Colour::Teal;
    }
    line.ValueText = ImpedanceValueText(z);
    if (evaluation.BurdenApplied) {
        SetStatus(line,
                  evaluation.BurdenUnits == 1 ? "Enable one burden" : "Enable one burden only",
                  Colour::Navy);
    } else if (z > 1.5) {
        SetStatus(line, "Add burden", Colour::Red);
    } else if (z < 0.4) {
        SetStatus(line, "Too many units", Colour::Red);
    } else if (hasBurden) {
        SetStatus(line, "Disable all burdens", line.Marginal ? Colour::Maroon : Colour::Navy);
    } else if (line.Marginal) {
        SetStatus(line, "Marginal performance", Colour::Maroon);
    } else {
        SetStatus(line, "OK without burden", Colour::Navy);
    }
    return line;
}

StatusLine Initial(const char* value, const char* status) {
    StatusLine line;
    line.ValueText = value;
    line.StatusText = status;
    return line;
}

}  // namespace

const char* ColourName(Colour colour) {
    switch (colour) {
        case Colour::Red:
            return "red";
        case Colour::Yellow:
            return "yellow";
        case Colour::Teal:
            return "teal";
        case Colour::Navy:
            return "navy";
        case Colour::Maroon:
            return "maroon";
    }
    return "";
}

std::uint32_t ColourRgb(Colour colour) {
    switch (colour) {
        case Colour::Red:
            return 0xFF0000;
        case Colour::Yellow:
            return 0xFFFF00;
        case Colour::Teal:
            return 0x008080;
        case Colour::Navy:
            return 0x000080;
        case Colour::Maroon:
            return 0x800000;
    }
    return 0;
}

const std::vector<std::string>& StatusMessages() {
    static const std::vector<std::string> messages = {
        // Consumption
        "Excessive power consumption", "Add power supply", "Marginal power balance",
        "Power balance OK", "No current",
        // Supply
        "Unsafe if short circuit", "Safe if short circuit", "Add clock unit", "No supply",
        // Impedance
        "Enable one burden", "Enable one burden only", "Add burden", "Too many units",
        "Disable all burdens", "Marginal performance", "OK without burden", "No burden"};
    return messages;
}

StatusLine InitialConsumptionLine() {
    return Initial("No units", "No current");
}
StatusLine InitialSupplyLine() {
    return Initial("No supply", "No supply");
}
StatusLine InitialImpedanceLine() {
    return Initial("AC impedance", "No burden");
}

std::string BaseHint(const std::string& control) {
    for (const BaseHintEntry& entry : kBaseHints)
        if (control == entry.Control) return entry.Hint;
    return {};
}

std::string StripHint(const std::string& hint) {
    return TrimSpaces(hint.substr(0, hint.find('-')));
}

std::string ImpedanceValueText(double z) {
    if (z > 200.0) return "AC impedance unknown";
    const int decimals = z <= 1.0 ? 2 : (z <= 99.0 ? 1 : 0);
    return "AC impedance " + FormatFixed(z, decimals) + " kOhm";
}

NetworkStatus ComputeNetworkStatus(const Catalogue& catalogue, NetworkEvaluation& evaluation) {
    const std::int64_t cons = evaluation.TotalConsumption;
    const std::int64_t sup = evaluation.TotalSupply;
    NetworkStatus status;
    status.Consumption = ConsumptionLine(cons, sup);
    status.Supply = SupplyLine(cons, sup, HasClockUnit(catalogue));
    status.Impedance = ImpedanceLine(evaluation, HasBurdenUnit(catalogue, evaluation));

    const Colour sinkDecides = status.Consumption.StatusColour;
    const std::string sinkHint = HintFor("sinkBar", sinkDecides);
    const bool sinkShown = status.Consumption.BarColour == Colour::Red;
    const std::string sourceBarHint = HintFor("SourceBar", status.Supply.BarColour);
    const std::string aclHint = HintFor("ACL", status.Impedance.StatusColour);
    status.Hints = {
        {"sinkBar", sinkHint, sinkShown},
        {"exSinkBar", sinkHint, true},
        {"pnlsinkBar", sinkHint, true},
        {"SinkL", HintFor("SinkL", sinkDecides), true},
        {"SourceBar", sourceBarHint, true},
        {"pnlSourceBar", sourceBarHint, true},
        {"ExSourceBar", BaseHint("ExSourceBar"), true},
        {"SourceL", HintFor("SourceL", status.Supply.StatusColour), true},
        {"ACimpBar", HintFor("ACimpBar", status.Impedance.BarColour), true},
        {"ACL", aclHint, true},
        {"pnlACImp", aclHint, true},
    };
    return status;
}

StatusTexts TextsOf(const NetworkStatus& status) {
    return StatusTexts{status.Consumption.StatusText, status.Supply.StatusText,
                       status.Impedance.StatusText};
}

}  // namespace tavo
