#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "reporter/InstallationTable.h"
#include "reporter/TagNames.h"
#include "reporter/TagStore.h"
#include "reporter/UnitRows.h"

namespace tavo {
namespace {

// A block of the given number of bytes, all "00" but those given (byte number -> two digits).
std::string Block(int bytes, const std::map<int, std::string>& set) {
    std::string block(2 * static_cast<std::size_t>(bytes), '0');
    for (const auto& [at, digits] : set) block.replace(2 * static_cast<std::size_t>(at), 2, digits);
    return block;
}

TEST(UnitRows, BlockFieldsDecode) {
    const struct {
        std::string got, expected;
    } cases[] = {
        {std::string(BlockField("0011223344", 1, 2)), "1122"},
        {std::string(BlockField("0011223344", 4, 2)), "44"},
        {std::string(BlockField("0011223344", 5, 1)), ""},
        {BlockCharacters("38393"), "89"},  // a final single digit is dropped
        {BlockCharacters("zz"), "s"},      // HexByte 1139, of which the low 8 bits
        {SixBitName("FFFFFFFFFFFF"), "````````"},
        {SixBitName("820820820820"), "AAAAAAAA"},
        {SixBitName("82081E820820"), "AAAAAAA "},  // a value 30 gives no character
        {SixBitName("82"), "AA!!!!!!"},
        {SixBitName(""), "!!!!!!!!"},
        {SerialNumber("01234567"), "4660-1383"},
        {SerialNumber("0123456"), "4660-1280"},
        {SerialNumber(""), "0-0"},
        {OddParityFlag(0x07) + OddParityFlag(0x80), "YesYes"},
        {OddParityFlag(0x03) + OddParityFlag(0xFF) + OddParityFlag(0), ""},
        {BitFlag(0x41, 0x40) + BitFlag(0x41, 0x01), "YesYes"},
        {BitFlag(0x40, 0x01) + BitFlag(0x00, 0x40), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.expected);
}

class UnitRowsTest : public ::testing::Test {
  protected:
    UnitRowsTest() {
        tags.ClearTags();
        tags.AddApplication("Lighting", "38");
        tags.AddApplication("Blinds", "39");
        tags.AddGroup("Kitchen", "254", "0A", "38");
        tags.AddGroup("Hall", "254", "0B", "38");
    }
    std::vector<std::vector<std::string>> Rows() const {
        std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(table.RowCount()));
        for (int row = 0; row < table.RowCount(); ++row)
            for (int column = 0; column < table.ColumnCount(); ++column)
                rows[static_cast<std::size_t>(row)].emplace_back(table.GetCell(column, row));
        return rows;
    }
    TTagStore tags;
    TTavoData table{InstallationFieldNames()};
};

TEST_F(UnitRowsTest, AUnitGivesOneRowPerChannelEachWithTheNetworkAndItsOwnGroup) {
    // Cut after byte 81: two group bytes, no serial number.
    const std::string block = Block(82, {{31, "07"},
                                         {33, "38"},
                                         {34, "39"},
                                         {42, "82"},
                                         {43, "08"},
                                         {44, "20"},
                                         {45, "82"},
                                         {46, "08"},
                                         {47, "20"},
                                         {62, "41"},
                                         {67, "0A"},
                                         {80, "0A"},
                                         {81, "0B"}});
    AddUnitRows(table, TTagNames(tags), 3, "Site", "254", "10", "RELAY8", block);
    const std::vector<std::vector<std::string>> expected = {
        {"Site", "254",     "56", "38", "Lighting", "16",  "10",  "0-0", "RELAY8", "AAAAAAAA", "10",
         "0A",   "Kitchen", "10", "0A", "Kitchen",  "Yes", "Yes", "Yes", "10",     ""},
        {"*", "254", "57", "39", "Blinds", "16", "", "", "",   "", "",
         "",  "",    "11", "0B", "Hall",   "",   "", "", "11", ""},
        {"*", "254", "", "", "", "16", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""},
        std::vector<std::string>(21),
    };
    EXPECT_EQ(Rows(), expected);

    // The "*" rows keep the network only until the table is sorted.
    table.SortRows(tags);
    EXPECT_EQ(table.GetCell(kNetworkColumn, 0), "254");
    EXPECT_EQ(table.GetCell(kNetworkColumn, 2), "");
    EXPECT_EQ(table.GetCell(kUnitAddressDecColumn, 2), "");
}

TEST_F(UnitRowsTest, AnEmptyBlockGivesDefaultsAndAnEqualSecondApplicationIsNotRepeated) {
    AddUnitRows(table, TTagNames(tags), 0, "Site", "1", "A", "IN4", "");
    AddUnitRows(table, TTagNames(tags), 2, "Site", "1", "0A", "IN4",
                Block(35, {{33, "38"}, {34, "38"}}));
    const std::vector<std::vector<std::string>> rows = Rows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Site", "1",  "0",        "00",  "No Application",
                                                 "0",    "A",  "0-0",      "IN4", "!!!!!!!!",
                                                 "0",    "00", "No Group", "",    "",
                                                 "",     "",   "",         "",    "",
                                                 ""}));
    EXPECT_EQ(rows[1][4], "Lighting");
    EXPECT_EQ(rows[2][0] + rows[2][2] + rows[2][4], "*");  // no second application on row 2
}

}  // namespace
}  // namespace tavo
