// The import against its literal procedures on random installations: the same sorted table,
// networks, quantities per network, unknown codes and beeps.
#include <gtest/gtest.h>

#include <random>

#include "reporter/InstallationImport.h"
#include "reporter/TagSelection.h"
#include "reporter/TavoAlias.h"
#include "support/RandomInstallation.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using testing::ImportOutcome;
using testing::RandomInstallation;

// How often the random installations met the cases that matter.
struct Met {
    int Choices = 0;
    int Surplus = 0;
    int Beeps = 0;
    int Unmatched = 0;
    int WithoutNetworkTags = 0;
};

// The counting as the command driver runs it, without files; the first of the entries that
// share a code is taken, as in the headless view.
ImportOutcome Import(TTavoData& table, const TTagStore& tags, Catalogue units,
                     const TTavoAlias& alias, Met& met) {
    ImportOutcome outcome;
    table.SortRows(tags);
    std::vector<InstallationNetwork> networks = CollectNetworks(table);
    if (networks.size() > static_cast<std::size_t>(kMaxImportedNetworks)) {
        networks.resize(kMaxImportedNetworks);
        ++met.Surplus;
    }
    for (const InstallationNetwork& network : networks) outcome.Networks.push_back(network.Value);
    UnitCountingEvents events;
    events.Choose = [&](std::size_t, int slot, int) {
        ++met.Choices;
        return SharedCodeSlots(units, units.UnitTable[static_cast<std::size_t>(slot)].InstallCode)
            .front();
    };
    events.Beep = [&] { ++outcome.Beeps; };
    events.Counted = [&](std::size_t) {
        outcome.Quantities.push_back(testing::SlotQuantities(units));
        return true;
    };
    EXPECT_TRUE(CountInstalledUnits(table, networks, alias, units, outcome.Unmatched, events));
    outcome.Rows = testing::TableRows(table);
    met.Beeps += outcome.Beeps;
    met.Unmatched += static_cast<int>(outcome.Unmatched.size());
    return outcome;
}

bool Same(const ImportOutcome& fast, const ImportOutcome& literal) {
    EXPECT_EQ(fast.Rows, literal.Rows);
    EXPECT_EQ(fast.Networks, literal.Networks);
    EXPECT_EQ(fast.Quantities, literal.Quantities);
    EXPECT_EQ(fast.Unmatched, literal.Unmatched);
    EXPECT_EQ(fast.Beeps, literal.Beeps);
    return fast == literal;
}

TEST(ImportAgainstLiteralTest, RandomInstallationsImportAsTheLiteralProceduresDo) {
    std::mt19937 random(20261209);
    Met met;
    for (int round = 0; round < 250; ++round) {
        const bool many = round == 149;
        const RandomInstallation site = testing::MakeRandomInstallation(
            random, many ? 250 : round % 32, many ? 120 : 1 + round % 6);
        TTagStore tags;
        site.LoadTags(tags);
        if (tags.NetworkEntryCount() == 1) ++met.WithoutNetworkTags;
        const Catalogue units = site.LoadCatalogue();
        TTavoData fastTable = site.UnsortedTable(tags, units);
        TTavoData literalTable = site.UnsortedTable(tags, units);
        const ImportOutcome fast =
            Import(fastTable, tags, units, TTavoAlias::FromLines(site.AliasLines), met);
        const ImportOutcome literal =
            testing::LiteralImport(literalTable, tags, units, site.AliasLines);
        ASSERT_TRUE(Same(fast, literal)) << "round " << round;
    }
    EXPECT_GT(met.Choices, 100);
    EXPECT_EQ(met.Surplus, 1);
    EXPECT_GT(met.Beeps, 50);
    EXPECT_GT(met.Unmatched, 100);
    EXPECT_GT(met.WithoutNetworkTags, 20);
}

TEST(ImportAgainstLiteralTest, OpeningAWrittenInstallationLeavesWhatTheLiteralProceduresGive) {
    std::mt19937 random(77);
    for (int round = 0; round < 3; ++round) {
        testing::TempDir dir;
        const RandomInstallation site = testing::MakeRandomInstallation(random, 60, 4);
        site.Write(dir.Path(), "site");
        testing::DriverImport driver(dir.File("TAVOUNIT.DAT"), dir.File("TavoAlias.als"));
        ASSERT_TRUE(driver.Open(dir.File("site.tag")));

        TTagStore tags;
        tags.ClearTags();
        ReadTagFile(tags, dir.File("site"));
        const Catalogue units = site.LoadCatalogue();
        TTavoData table =
            testing::LiteralReadInstallationTable(dir.File("site.dbf"), tags, units, {});
        ASSERT_EQ(table.RowCount(), site.RowCount + 1);
        ASSERT_TRUE(
            Same(driver.Outcome(), testing::LiteralImport(table, tags, units, site.AliasLines)))
            << "round " << round;
    }
}

}  // namespace
}  // namespace tavo
