#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "calculator/HintTopics.h"
#include "core/Catalogue.h"
#include "core/Evaluation.h"
#include "platform/TextFile.h"
#include "support/ScriptedPrompts.h"

namespace tavo {
namespace {

using Lines = std::vector<std::string>;
using tavo::testing::ScriptedPrompts;

const Lines kPowerSupplies = {
    "Most Tavo units draw current from the Tavo network,",
    "hence a Tavo network has to have power supplies.",
    "A number of Tavo units can supply current to Tavo,",
    "and there are several dedicated Tavo power supplies.",
    " ",
    "The Tavo power supplies have very special properties",
    "and cannot be replaced by standard power supplies.",
    " ",
    "Add units from the \"Power Supply Units\" list. Supply",
    "current should exceed consumed current.",
};

const Lines kInstallationWarning = {
    "WARNING",
    "Projects that have been read from Tavo Installation",
    "files will not show some power supply units as they",
    "cannot be addressed!",
    "ENSURE THAT ALL POWER UNITS ARE LISTED IN THE CALCULATOR",
};

// A catalogue read from data file text, as the program reads TAVOUNIT.DAT.
std::unique_ptr<Catalogue> LoadCatalogue(const std::string& text) {
    auto catalogue = std::make_unique<Catalogue>();
    ResetUnitTable(*catalogue);
    ScriptedPrompts prompts;
    LineReader reader = LineReader::FromBytes(text);
    LoadUnitCatalogue(*catalogue, reader, prompts.Sink());
    EXPECT_TRUE(prompts.shown.empty()) << prompts.Texts().front();
    return catalogue;
}

TEST(HintTopics, PowerSupplyTopicGrowsByTheInstallationWarningWhileAnInstallationIsOpen) {
    HintContext context;
    EXPECT_EQ(HintTopicLines(1, context), kPowerSupplies);

    context.CalculatorProject = false;
    Lines expected = kPowerSupplies;
    expected.push_back(" ");
    expected.insert(expected.end(), kInstallationWarning.begin(), kInstallationWarning.end());
    const Lines lines = HintTopicLines(1, context);
    EXPECT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(lines.back(), "ENSURE THAT ALL POWER UNITS ARE LISTED IN THE CALCULATOR");

    // Topic 12 on its own is the warning alone, whichever project is open.
    EXPECT_EQ(HintTopicLines(12, context), kInstallationWarning);
    context.CalculatorProject = true;
    EXPECT_EQ(HintTopicLines(12, context), kInstallationWarning);
}

TEST(HintTopics, LimitTopicsReadTheEngine) {
    auto catalogue = LoadCatalogue(
        "Sensor unit\r\nSEN1, i, 40, 0, 36, NO, NO, NO, YES, SEN, 1\r\n"
        "Supply unit\r\nPSU1, p, 20, 500, 0, NO, NO, NO, NO, PSU, 0\r\n");
    NetworkEvaluation evaluation;
    evaluation.SelectedUnit = 1;
    evaluation.UnitSelected = true;
    HintContext context;
    context.MaxQuantity = MaxQuantity(*catalogue, evaluation);
    context.LimitReason = evaluation.LimitReason;
    EXPECT_EQ(HintTopicLines(8, context),
              (Lines{"Number of Tavo units of this type cannot exceed 50",
                     "because of unit sink current", "", "Reduce the number of Tavo units."}));

    evaluation.SelectedUnit = 2;
    context.MaxQuantity = MaxQuantity(*catalogue, evaluation);
    context.LimitReason = evaluation.LimitReason;
    const Lines lines = HintTopicLines(8, context);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Number of Tavo units of this type cannot exceed 4");
    EXPECT_EQ(lines[1], "because of unit source current");

    context.MaxAddressable = 180;
    EXPECT_EQ(HintTopicLines(7, context), (Lines{"Number of addressable Tavo units exceeds 180.",
                                                 "", "Reduce the number of Tavo units."}));
}

TEST(HintTopics, FixedTopicsReadAsWritten) {
    const HintContext context;
    EXPECT_EQ(HintTopicLines(0, context),
              (Lines{"Select a list of Tavo units using right/left arrow keys or click",
                     "mouse on tab, then select quantiry of Tavo units using up/down",
                     "arrow keys, scroll bar or mouse.", " ",
                     "Double click to the red bar or red text for Tavo hint."}));
    EXPECT_EQ(HintTopicLines(2, context),
              (Lines{"For normal Tavo operation, one of Tavo units must generate",
                     "a clock signal. A Tavo network must have at least one clock ", "unit. ", " ",
                     "Add a unit from the \"Units with Clock\" list."}));
    EXPECT_EQ(HintTopicLines(3, context),
              (Lines{"", "For normal Tavo operation AC impedance of network",
                     "should be within 0.4-1.5 kOhm range. A number of Tavo",
                     "units have embedded burden which can be enabled or ",
                     "disabled. When a burden is enabled, Tavo AC impedance drops",
                     "below 1 kOhm. Only one burden can be enabled. All other",
                     "burdens must be disabled.", "",
                     "Most reliable Tavo operation can be achieved if burden",
                     "is enabled in a unit situated in the middle of the Tavo",
                     "network. This is not mandatory, and Tavo works OK even if",
                     "the burden is enabled in a unit on a far side of network.", "",
                     "Some Tavo units have a jumper for burden. Other units",
                     "can enable the burden electronically through the Tavo ",
                     "Installation Software. All shipped Tavo units have burden ", "disabled.", "",
                     "Add a unit with burden from the \"Units with Burden\" list."}));
    EXPECT_EQ(HintTopicLines(4, context),
              (Lines{"For normal Tavo operation AC impedance of network",
                     "should be at within 0.4-1.5 kOhm range. Each Tavo",
                     "unit slightly reduces total AC impedance.", "",
                     "Too many Tavo units are selected. Total AC impedance",
                     "fell below minimum even with all burdens disabled.", "",
                     "Reduce number of Tavo units."}));
    EXPECT_EQ(HintTopicLines(5, context),
              (Lines{"Selected Tavo units require too much power!",
                     "Total consumed current must not exceed 2 Amp. ", "",
                     "Reduce number of Tavo units, or split into two networks."}));
    EXPECT_EQ(HintTopicLines(6, context),
              (Lines{"Maximum supply current exceeds 2 A. The cable can be",
                     "damaged or catch fire if short circuit occurs.", "",
                     "Reduce number of Tavo power supplies or split into", "two networks."}));
    EXPECT_EQ(
        HintTopicLines(10, context),
        (Lines{"Consumed current is close to maximum supply current,", "power balance is marginal.",
               "", "For reliable operation add another power supply."}));
    EXPECT_EQ(HintTopicLines(11, context),
              (Lines{"The Tavo Calculator is a software tool provided for Tavo ",
                     "Network Design Verification.  It is intended to be used as",
                     "a guide only. The Calculator results do not take into account ",
                     "various factors such as cable capacitance, termination quality", "etc.", "",
                     "No responsibility is accepted by Brenlow ",
                     "should the design not prove successful in implementation."}));

    // The table topic and numbers beyond the last topic have no lines of their own.
    EXPECT_TRUE(HintTopicLines(9, context).empty());
    EXPECT_TRUE(HintTopicLines(13, context).empty());
    EXPECT_TRUE(HintTopicLines(-1, context).empty());
}

TEST(HintTopics, CaptionIsTavoHintExceptForTheDisclaimer) {
    for (int topic = 0; topic <= kHighestHintTopic; ++topic)
        EXPECT_EQ(HintTopicCaption(topic), topic == 11 ? "Disclaimer" : "Tavo hint") << topic;
}

TEST(HintTopics, UnitDataTableOfAPowerSupply) {
    auto catalogue = LoadCatalogue(
        "Input unit\r\nIN1, i, 20, 0, 36, NO, NO, NO, YES, IN, 1\r\n"
        "Mains power supply 350\r\nPSU-350, p, 0, 350, 0, YES, NO, YES, NO, PS, 0\r\n");
    BuildUnitList(*catalogue, 6);  // "with Power Supply": the supply is entry 1
    ASSERT_EQ(catalogue->UnitListEnd, 2);
    const std::vector<HintTableRow> rows = UnitDataRows(catalogue->UnitList[1]);

    std::vector<std::string> written;
    for (const HintTableRow& row : rows)
        written.push_back(std::to_string(row.Row) + "|" + row.Label + "|" + row.Value);
    EXPECT_EQ(written, (std::vector<std::string>{
                           "0|Description|Mains power supply 350",
                           "1|Cat No |PSU-350",
                           "2|Type|Power supply unit.",
                           "4|Consumption |0 mA",
                           "5|Supplies|350 mA",
                           "6|Impedence|0 kOhm",
                           "8|Has Clock|True",
                           "9|Has Burden|False",
                           "11|Tavo Config|False",
                           "12|Jumpers|True",
                       }));

    // An input unit of 36 kOhm, drawing 20 mA, addressable.
    BuildUnitList(*catalogue, 1);
    const std::vector<HintTableRow> input = UnitDataRows(catalogue->UnitList[1]);
    ASSERT_EQ(input.size(), 10u);
    EXPECT_EQ(input[2].Value, "Input unit.");
    EXPECT_EQ(input[3].Value, "20 mA");
    EXPECT_EQ(input[4].Value, "0 mA");
    EXPECT_EQ(input[5].Value, "36 kOhm");
    EXPECT_EQ(input[8].Value, "True");

    UnitType unit;
    unit.Impedance = 2.5;
    EXPECT_EQ(UnitDataRows(unit)[5].Value, "2.5 kOhm");
}

TEST(HintTopics, UnitKindTexts) {
    EXPECT_EQ(UnitKindText('i'), "Input unit.");
    EXPECT_EQ(UnitKindText('o'), "Output unit.");
    EXPECT_EQ(UnitKindText('p'), "Power supply unit.");
    EXPECT_EQ(UnitKindText('s'), "System unit.");
    EXPECT_EQ(UnitKindText('u'), "Combined input/output unit.");
    EXPECT_EQ(UnitKindText('I'), "Unknown");
    EXPECT_EQ(UnitKindText('?'), "Unknown");
}

}  // namespace
}  // namespace tavo
