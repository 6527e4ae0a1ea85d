#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "reporter/InstallationTable.h"
#include "reporter/TagStore.h"
#include "support/LiteralInstallation.h"

namespace tavo {
namespace {

using Row = std::vector<std::string>;  // Project, Network, UnitAddressDec, SerialNo

TTavoData TableOf(const std::vector<Row>& rows) {
    TTavoData table(InstallationFieldNames());
    for (const Row& row : rows) {
        for (const auto& [at, name] : {std::pair{0, "Project"}, std::pair{1, "Network"},
                                       std::pair{2, "UnitAddressDec"}, std::pair{3, "SerialNo"}})
            table.SetValue(name, row[static_cast<std::size_t>(at)]);
        table.AppendRow();
    }
    return table;
}

// Every cell, '|' after each and a line end after each row: one text that shows a difference.
std::string CellsOf(const TTavoData& table) {
    std::string cells;
    for (int row = 0; row < table.RowCount(); ++row) {
        for (int column = 0; column < table.ColumnCount(); ++column)
            cells.append(table.GetCell(column, row)).append("|");
        cells += "\n";
    }
    return cells;
}

TEST(InstallationTable, WritesGoToTheLastRowByExactNameAndReadsComeFromTheCurrentRow) {
    TTavoData table(InstallationFieldNames());
    EXPECT_EQ(table.RowCount(), 1);
    EXPECT_EQ(table.ColumnCount(), 21);
    EXPECT_EQ(table.ColumnName(20), "PEinstallationppFiel");
    EXPECT_EQ(table.ColumnName(21), "");
    table.AppendRow();
    table.AppendRow();
    table.SetValue("UnitAddressDec", "10");  // row 2, though the current row is 0
    table.SetValue("unitaddressdec", "99");  // no column has this exact name
    table.SetValue("PEinstallationppField1", "lost");
    EXPECT_EQ(table.GetCell(5, 2), "10");
    EXPECT_EQ(table.GetValue("UNITADDRESSDEC"), "");
    table.SetCurrentRow(2);
    EXPECT_EQ(table.GetValue("unitaddressdec"), "10");
    EXPECT_EQ(table.GetValue("PEinstallationppField1"), "");
    EXPECT_EQ(CellsOf(table), std::string(21, '|') + "\n" + std::string(21, '|') + "\n|||||10" +
                                  std::string(16, '|') + "\n");
    for (const auto& [column, row] : {std::pair{21, 0}, std::pair{-1, 0}, std::pair{0, 3}})
        EXPECT_EQ(table.GetCell(column, row), "");
    table.SetCurrentRow(7);
    EXPECT_EQ(table.GetValue("UnitAddressDec"), "");
    table.ClearRows();
    EXPECT_EQ(table.RowCount(), 1);
    EXPECT_EQ(table.CurrentRow(), 0);
    EXPECT_EQ(table.GetCell(5, 0), "");
}

TEST(InstallationTable, CellsKeepTheirTextsThroughOverwritesExchangesAndCompaction) {
    TTavoData table({"A", "B"});
    table.AppendRow();
    table.SetCell(0, 0, "Main Building, east wing");
    table.SetCell(1, 0, table.GetCell(0, 0));  // a text taken from the table itself
    table.SetCell(0, 0, "Main");
    table.SetCell(1, 1, "Annex");
    table.ExchangeRows(0, 1);
    table.ExchangeRows(1, 2);  // outside the table: nothing happens
    EXPECT_EQ(CellsOf(table), "|Annex|\nMain|Main Building, east wing|\n");
    // Ever longer texts leave garbage behind until the buffer is compacted.
    for (int round = 1; round <= 3000; ++round)
        table.SetCell(round % 2, 0, std::string(round, 'x'));
    EXPECT_EQ(table.GetCell(0, 0), std::string(3000, 'x'));
    EXPECT_EQ(table.GetCell(1, 0), std::string(2999, 'x'));
    EXPECT_EQ(table.GetCell(1, 1), "Main Building, east wing");
}

// Tag file networks: (name, number), in tag-file order.
using Networks = std::vector<std::pair<std::string, std::string>>;

void Sort(TTavoData& table, const Networks& networks, bool literal = false) {
    TTagStore tags;
    tags.ClearTags();
    for (const auto& [name, number] : networks) tags.AddNetwork(name, "01", "", number, "0");
    literal ? testing::LiteralSortRows(table, tags) : table.SortRows(tags);
}

TEST(InstallationTable, SortsByNetworkNameThenAddressWithTheFirstNetworkPreferredAsChallenger) {
    const Networks mainAnnex = {{"Main", "254"}, {"Annex", "253"}};
    const Networks zoneAnnex = {{"Zone", "254"}, {"Annex", "253"}};
    struct Case {
        Networks networks;
        std::vector<Row> rows, sorted;
    } cases[] = {
        {mainAnnex,
         {{"P", "254", "10"}, {"P", "254", "3"}, {"P", "253", "5"}},
         {{"P", "253", "5"}, {"P", "254", "3"}, {"P", "254", "10"}}},
        {zoneAnnex, {{"P", "253", "1"}, {"P", "254", "1"}}, {{"P", "254", "1"}, {"P", "253", "1"}}},
        {zoneAnnex, {{"P", "254", "1"}, {"P", "253", "1"}}, {{"P", "253", "1"}, {"P", "254", "1"}}},
        // One unit row is not reordered; a lone "*" row still loses network and address.
        {zoneAnnex, {{"*", "254", "9", "s"}}, {{"*", "", "", "s"}}},
        // Without tag networks every row is "No Network" and sorts by address alone.
        {{},
         {{"P", "7", "2"}, {"*", "7", "2"}, {"P", "3", "1"}},
         {{"P", "3", "1"}, {"*", "", ""}, {"P", "7", "2"}}},
    };
    for (Case& c : cases) {
        for (auto* rows : {&c.rows, &c.sorted})
            for (Row& row : *rows) row.resize(4);
        TTavoData table = TableOf(c.rows);
        Sort(table, c.networks);
        EXPECT_EQ(CellsOf(table), CellsOf(TableOf(c.sorted))) << c.rows.size() << " rows";
    }
}

// Random tables with few names and addresses, so that equal rows abound, against the sort as
// it has always been done: every cell of every row must end where the literal sort puts it.
TEST(InstallationTable, SortsExactlyAsTheLiteralSelectionSortOnRandomTables) {
    std::mt19937 random(20240305);
    const auto pick = [&](const std::vector<std::string>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    const std::vector<std::string> names = {"A", "AB", "B", "Main", "No Network", "\xE9t"};
    const std::vector<std::string> networks = {"1", "2", "3", "4", "", "x", " 2", "-1"};
    const std::vector<std::string> addresses = {"0", "1", "2", "-1", "", "2 ", "300"};
    for (int round = 0; round < 3000; ++round) {
        Networks tagNetworks(std::uniform_int_distribution<int>(0, 4)(random));
        for (auto& [name, number] : tagNetworks) {
            name = pick(names);
            number = pick(networks);
        }
        const int size = round < 2980 ? std::uniform_int_distribution<int>(0, 12)(random) : 200;
        std::vector<Row> rows;
        for (int i = 0; i < size; ++i)
            rows.push_back({random() % 4 == 0 ? "*" : "P", pick(networks), pick(addresses),
                            std::to_string(i)});
        TTavoData fast = TableOf(rows);
        TTavoData literal = TableOf(rows);
        Sort(fast, tagNetworks);
        Sort(literal, tagNetworks, true);
        ASSERT_EQ(CellsOf(fast), CellsOf(literal)) << "round " << round;
    }
}

}  // namespace
}  // namespace tavo
