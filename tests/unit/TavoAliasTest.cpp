#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/FileError.h"
#include "reporter/TavoAlias.h"
#include "support/LiteralInstallation.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using Items = std::vector<std::string>;

TEST(TavoAlias, SplitsItemsAtBlanksAndCommasWithQuotedItemsWhole) {
    const struct {
        std::string line;
        Items items;
    } cases[] = {
        {"relay8x, RELAY8", {"relay8x", "RELAY8"}},
        {"  RELAY8X\tRELAY8  ", {"RELAY8X", "RELAY8"}},
        {"\"relay 8x\",RELAY8", {"relay 8x", "RELAY8"}},
        {"\"say \"\"hi\"\"\" x", {"say \"hi\"", "x"}},
        {"\"open to the end", {"open to the end"}},
        {"\"\"", {""}},
        {"a,,b", {"a", "", "b"}},
        {"a , , b ,", {"a", "", "b"}},
        {",a", {"", "a"}},
        {std::string("a\0b", 3), {"a", "b"}},
        {" \t ", {}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitAliasItems(c.line), c.items) << c.line;
}

TEST(TavoAlias, TheFirstLineWithACodeForTheUnitTypeAnswers) {
    const TTavoAlias alias = TTavoAlias::FromLines({
        "relay8x, RELAY8", "\"relay 8x\" RELAY8",
        "DIM4",  // no code: skipped, so the next line answers
        "dim4 Dim4x",
        "RELAY8X OTHER",  // shadowed by the first line
        "empty,,CODE",    // an empty code is a code
    });
    const struct {
        std::string unitType, code;
    } cases[] = {
        {"RELAY8X", "RELAY8"}, {"RELAY 8X", "RELAY8"}, {"DIM4", "Dim4x"},
        {"EMPTY", ""},         {"relay8x", "RELAY8X"},  // only an upper-case type can match
        {"xyz", "XYZ"},
    };
    for (const auto& c : cases) EXPECT_EQ(alias.LookUpAlias(c.unitType), c.code) << c.unitType;
}

TEST(TavoAlias, AMissingFileIsAnEmptyListAndAnUnreadableOneAFileError) {
    testing::TempDir dir;
    EXPECT_TRUE(TTavoAlias::Load(dir.File(kAliasFileName)).Lines().empty());
    testing::WriteBytes(dir.File(kAliasFileName), "a b\r\nc d");
    EXPECT_EQ(TTavoAlias::Load(dir.File(kAliasFileName)).LookUpAlias("C"), "d");
    // A regular file whose reading fails, even for root.
    EXPECT_THROW(TTavoAlias::Load("/proc/self/mem"), FileError);
}

TEST(TavoAlias, LooksUpAsTheLineByLineScanDoesOnRandomLists) {
    std::mt19937 random(7);
    const std::vector<std::string> pieces = {"a", "A", "b", "\"", ",", " ", "\t", "\"\"", "ab"};
    for (int round = 0; round < 500; ++round) {
        std::vector<std::string> lines(random() % 6);
        for (std::string& line : lines)
            for (int n = random() % 8; n > 0; --n) line += pieces[random() % pieces.size()];
        const TTavoAlias alias = TTavoAlias::FromLines(lines);
        for (const char* type : {"", "A", "B", "AB", "a", "A B", "\"A"})
            ASSERT_EQ(alias.LookUpAlias(type), testing::LiteralLookUpAlias(lines, type))
                << round << ": " << type;
    }
}

}  // namespace
}  // namespace tavo
