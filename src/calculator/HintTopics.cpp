#include "calculator/HintTopics.h"

#include "platform/Text.h"

namespace tavo {
namespace {

using Lines = std::vector<std::string>;

const Lines kInstallationWarning = {
    "WARNING",
    "Projects that have been read from Tavo Installation",
    "files will not show some power supply units as they",
    "cannot be addressed!",
    "ENSURE THAT ALL POWER UNITS ARE LISTED IN THE CALCULATOR",
};

std::string TrueFalse(bool value) {
    return value ? "True" : "False";
}

}  // namespace

std::vector<std::string> HintTopicLines(int topic, const HintContext& context) {
    switch (topic) {
        case 0:
            return {"Select a list of Tavo units using right/left arrow keys or click",
                    "mouse on tab, then select quantiry of Tavo units using up/down",
                    "arrow keys, scroll bar or mouse.", " ",
                    "Double click to the red bar or red text for Tavo hint."};
        case 1: {
            Lines lines = {"Most Tavo units draw current from the Tavo network,",
                           "hence a Tavo network has to have power supplies.",
                           "A number of Tavo units can supply current to Tavo,",
                           "and there are several dedicated Tavo power supplies.",
                           " ",
                           "The Tavo power supplies have very special properties",
                           "and cannot be replaced by standard power supplies.",
                           " ",
                           "Add units from the \"Power Supply Units\" list. Supply",
                           "current should exceed consumed current."};
            if (!context.CalculatorProject) {
                lines.push_back(" ");
                lines.insert(lines.end(), kInstallationWarning.begin(), kInstallationWarning.end());
            }
            return lines;
        }
        case 2:
            return {"For normal Tavo operation, one of Tavo units must generate",
                    "a clock signal. A Tavo network must have at least one clock ", "unit. ", " ",
                    "Add a unit from the \"Units with Clock\" list."};
        case 3:
            return {"",
                    "For normal Tavo operation AC impedance of network",
                    "should be within 0.4-1.5 kOhm range. A number of Tavo",
                    "units have embedded burden which can be enabled or ",
                    "disabled. When a burden is enabled, Tavo AC impedance drops",
                    "below 1 kOhm. Only one burden can be enabled. All other",
                    "burdens must be disabled.",
                    "",
                    "Most reliable Tavo operation can be achieved if burden",
                    "is enabled in a unit situated in the middle of the Tavo",
                    "network. This is not mandatory, and Tavo works OK even if",
                    "the burden is enabled in a unit on a far side of network.",
                    "",
                    "Some Tavo units have a jumper for burden. Other units",
                    "can enable the burden electronically through the Tavo ",
                    "Installation Software. All shipped Tavo units have burden ",
                    "disabled.",
                    "",
                    "Add a unit with burden from the \"Units with Burden\" list."};
        case 4:
            return {"For normal Tavo operation AC impedance of network",
                    "should be at within 0.4-1.5 kOhm range. Each Tavo",
                    "unit slightly reduces total AC impedance.",
                    "",
                    "Too many Tavo units are selected. Total AC impedance",
                    "fell below minimum even with all burdens disabled.",
                    "",
                    "Reduce number of Tavo units."};
        case 5:
            return {"Selected Tavo units require too much power!",
                    "Total consumed current must not exceed 2 Amp. ", "",
                    "Reduce number of Tavo units, or split into two networks."};
        case 6:
            return {"Maximum supply current exceeds 2 A. The cable can be",
                    "damaged or catch fire if short circuit occurs.", "",
                    "Reduce number of Tavo power supplies or split into", "two networks."};
        case 7:
            return {"Number of addressable Tavo units exceeds " +
                        std::to_string(context.MaxAddressable) + ".",
                    "", "Reduce the number of Tavo units."};
        case 8:
            return {"Number of Tavo units of this type cannot exceed " +
                        std::to_string(context.MaxQuantity),
                    "because of unit " + context.LimitReason + " current", "",
                    "Reduce the number of Tavo units."};
        case 10:
            return {"Consumed current is close to maximum supply current,",
                    "power balance is marginal.", "",
                    "For reliable operation add another power supply."};
        case 11:
            return {"The Tavo Calculator is a software tool provided for Tavo ",
                    "Network Design Verification.  It is intended to be used as",
                    "a guide only. The Calculator results do not take into account ",
                    "various factors such as cable capacitance, termination quality",
                    "etc.",
                    "",
                    "No responsibility is accepted by Brenlow ",
                    "should the design not prove successful in implementation."};
        case 12:
            return kInstallationWarning;
        default:
            return {};
    }
}

std::string HintTopicCaption(int topic) {
    return topic == 11 ? "Disclaimer" : "Tavo hint";
}

std::string UnitKindText(char kind) {
    switch (kind) {
        case 'i':
            return "Input unit.";
        case 'o':
            return "Output unit.";
        case 'p':
            return "Power supply unit.";
        case 's':
            return "System unit.";
        case 'u':
            return "Combined input/output unit.";
        default:
            return "Unknown";
    }
}

std::vector<HintTableRow> UnitDataRows(const UnitType& unit) {
    return {
        {0, "Description", unit.Description},
        {1, "Cat No ", unit.CatNo},
        {2, "Type", UnitKindText(unit.Kind)},
        {4, "Consumption ", std::to_string(unit.Consumption) + " mA"},
        {5, "Supplies", std::to_string(unit.Supply) + " mA"},
        {6, "Impedence", FormatGeneral(unit.Impedance, 15) + " kOhm"},
        {8, "Has Clock", TrueFalse(unit.HasClock)},
        {9, "Has Burden", TrueFalse(unit.HasBurden)},
        {11, "Tavo Config", TrueFalse(unit.Addressable)},
        {12, "Jumpers", TrueFalse(unit.Jumpers)},
    };
}

}  // namespace tavo
