#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reporter/InstallationTable.h"

namespace tavo {
struct AppState;
struct Catalogue;
struct LocaleSettings;
class TTagStore;
}  // namespace tavo

namespace tavo::testing {

// The installation table's sort step by step as the reporter has always done it: a selection
// pass that compares every pair through a NetworkByNumber that walks the tag store's list, then the
// blanking of the "*" rows. The oracle for SortRows, and the baseline of its benchmark.
void LiteralSortRows(TTavoData& table, const TTagStore& tags);

// The alias look-up that splits every line again for each unit type.
std::string LiteralLookUpAlias(const std::vector<std::string>& lines, std::string_view unitType);
// What one line, split into its items, gives that look-up: the second item when the first is
// the unit type; nothing when the look-up goes on to the next line.
std::optional<std::string> LiteralAliasOfLine(const std::vector<std::string>& items,
                                              std::string_view unitType);

// What an import leaves behind, in a form that two imports can be compared by.
struct ImportOutcome {
    std::vector<std::vector<std::string>> Rows;         // the sorted installation table
    std::vector<std::string> Networks;                  // the Network values imported, in order
    std::vector<std::vector<std::int32_t>> Quantities;  // per network: slots 0 to UnitCount
    std::vector<std::string> Unmatched;                 // one code per unit no entry matched
    int Beeps = 0;                                      // units without a type
    bool operator==(const ImportOutcome&) const = default;
};
std::vector<std::vector<std::string>> TableRows(const TTavoData& table);
std::vector<std::int32_t> SlotQuantities(const Catalogue& units);

// The installation's dBase table at path read record by record into a fresh table, each field
// found by name for every record, the channel count looked up for every unit; not sorted.
TTavoData LiteralReadInstallationTable(const std::string& path, const TTagStore& tags,
                                       const Catalogue& units, const LocaleSettings& locale);

// The counting of an import step by step on a table as read (not sorted yet): the literal
// sort; the networks by one walk over the rows through CurrentRow and GetValue; then for each
// network a full walk over the rows, each unit of it looked up with the literal alias look-up
// and resolved by a linear pass over the catalogue (shared codes marked by comparing every
// pair of slots). A unit whose code several entries share counts for the first slot holding
// exactly that code, the entry the selection dialog highlights. Networks beyond the hundredth
// are left out; a Network value that is not a decimal integer is network 0 for the sort.
ImportOutcome LiteralImport(TTavoData& table, const TTagStore& tags, Catalogue units,
                            const std::vector<std::string>& aliasLines);

// The files of an import, saved as the import has always saved them: each network's file as
// soon as the network is counted (evaluated, with its own verdicts, and synced on its own),
// then the project file, at base + ".001" ... and base + ".tav". The catalogue is state's.
void LiteralWriteImport(AppState& state, const TTagStore& tags, const ImportOutcome& outcome,
                        const std::string& base);

}  // namespace tavo::testing
