#include "support/LiteralInstallation.h"

#include <algorithm>

#include "core/AppState.h"
#include "core/Catalogue.h"
#include "core/Evaluation.h"
#include "core/NetworkFile.h"
#include "core/NetworkStatus.h"
#include "platform/Locale.h"
#include "platform/Text.h"
#include "project/ProjectFile.h"
#include "reporter/DbaseTable.h"
#include "reporter/InstallationImport.h"
#include "reporter/TagConversions.h"
#include "reporter/TagNames.h"
#include "reporter/TagStore.h"
#include "reporter/TavoAlias.h"
#include "reporter/UnitRows.h"

namespace tavo::testing {
namespace {

std::string FieldText(TTbDbase& dbase, const char* name) {
    const TTbField* field = dbase.FieldByName(name);
    return field != nullptr ? field->AsString() : std::string();
}

// A code shared by several slots marks each of them.
std::vector<bool> LiteralMarkSharedCodes(const Catalogue& units) {
    std::vector<bool> shared(static_cast<std::size_t>(units.UnitCount) + 1, false);
    for (int s = 0; s <= units.UnitCount; ++s) {
        int uses = 0;
        for (int t = 0; t <= units.UnitCount; ++t)
            if (units.UnitTable[static_cast<std::size_t>(t)].InstallCode ==
                units.UnitTable[static_cast<std::size_t>(s)].InstallCode)
                ++uses;
        shared[static_cast<std::size_t>(s)] = uses > 1;
    }
    return shared;
}

void LiteralResolveUnit(Catalogue& units, const std::vector<bool>& shared, const std::string& code,
                        std::vector<std::string>& unmatched) {
    for (int s = 0; s <= units.UnitCount; ++s) {
        const std::string& own = units.UnitTable[static_cast<std::size_t>(s)].InstallCode;
        if (own.size() <= 2 || ToUpperAscii(own) != code.substr(0, own.size())) continue;
        int slot = s;
        if (shared[static_cast<std::size_t>(s)]) {
            slot = 0;
            while (slot < kTableSlots &&
                   units.UnitTable[static_cast<std::size_t>(slot)].InstallCode != own)
                ++slot;
        }
        ++units.UnitTable[static_cast<std::size_t>(slot)].Quantity;
        return;
    }
    unmatched.push_back(code);
}

}  // namespace

namespace {

// The network of a number as the tag store defines the look-up, by walking its list: the first
// entry with that number, else the default entry (which the store's own look-up returns).
const TNetworkItem& LiteralNetworkByNumber(const TTagStore& tags, int number) {
    for (int i = 1; i <= tags.NetworkEntryCount(); ++i)
        if (const TNetworkItem* item = tags.NetworkAt(i); item->Number == number) return *item;
    return tags.NetworkByNumber(number);
}

}  // namespace

void LiteralSortRows(TTavoData& table, const TTagStore& tags) {
    const TNetworkItem* first = tags.NetworkAt(2);
    const auto name = [&](int row) -> const std::string& {
        return LiteralNetworkByNumber(tags, DecimalOrZero(table.GetCell(kNetworkColumn, row))).Name;
    };
    const auto address = [&](int row) {
        return DecimalOrZero(table.GetCell(kUnitAddressDecColumn, row));
    };
    const int rows = table.RowCount();
    for (int i = 0; i <= rows - 3; ++i) {
        int m = i;
        for (int j = i + 1; j <= rows - 2; ++j) {
            const std::string& nj = name(j);
            const std::string& nm = name(m);
            if (nj == nm) {
                if (address(j) < address(m)) m = j;
            } else if (nj < nm) {
                m = j;
            } else if (first != nullptr && nj == first->Name && nm != first->Name) {
                m = j;
            }
        }
        if (m != i) table.ExchangeRows(i, m);
    }
    for (int row = 0; row < rows; ++row) {
        if (table.GetCell(kProjectColumn, row) != "*") continue;
        table.SetCell(kNetworkColumn, row, "");
        table.SetCell(kUnitAddressDecColumn, row, "");
    }
}

std::optional<std::string> LiteralAliasOfLine(const std::vector<std::string>& items,
                                              std::string_view unitType) {
    if (items.size() < 2 || ToUpperAscii(items[0]) != unitType) return std::nullopt;
    return items[1];
}

std::string LiteralLookUpAlias(const std::vector<std::string>& lines, std::string_view unitType) {
    for (const std::string& line : lines)
        if (std::optional<std::string> alias = LiteralAliasOfLine(SplitAliasItems(line), unitType))
            return *alias;
    return ToUpperAscii(unitType);
}

std::vector<std::vector<std::string>> TableRows(const TTavoData& table) {
    std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(table.RowCount()));
    for (int row = 0; row < table.RowCount(); ++row)
        for (int column = 0; column < table.ColumnCount(); ++column)
            rows[static_cast<std::size_t>(row)].emplace_back(table.GetCell(column, row));
    return rows;
}

std::vector<std::int32_t> SlotQuantities(const Catalogue& units) {
    std::vector<std::int32_t> quantities;
    for (int slot = 0; slot <= units.UnitCount; ++slot)
        quantities.push_back(units.UnitTable[static_cast<std::size_t>(slot)].Quantity);
    return quantities;
}

TTavoData LiteralReadInstallationTable(const std::string& path, const TTagStore& tags,
                                       const Catalogue& units, const LocaleSettings& locale) {
    TTavoData table(InstallationFieldNames());
    TTbDbase dbase(locale);
    dbase.SetTableName(path);
    if (dbase.Open() == 2) return table;
    dbase.First();
    const TTagNames names(tags);
    while (!dbase.Eof()) {
        const std::string type = FieldText(dbase, "UNITTYPE");
        AddUnitRows(table, names, std::clamp(FindChannelCount(units, type), 0, kMaxUnitRows),
                    FieldText(dbase, "PROJECT"), FieldText(dbase, "NETDESC"),
                    FieldText(dbase, "UNITADD"), type, FieldText(dbase, "BLOCK1"));
        dbase.Next();
    }
    return table;
}

ImportOutcome LiteralImport(TTavoData& table, const TTagStore& tags, Catalogue units,
                            const std::vector<std::string>& aliasLines) {
    ImportOutcome outcome;
    LiteralSortRows(table, tags);
    for (int row = 0; row < table.RowCount(); ++row) {
        table.SetCurrentRow(row);
        const std::string value(table.GetValue("Network"));
        if (!value.empty() && std::find(outcome.Networks.begin(), outcome.Networks.end(), value) ==
                                  outcome.Networks.end())
            outcome.Networks.push_back(value);
    }
    if (outcome.Networks.size() > static_cast<std::size_t>(kMaxImportedNetworks))
        outcome.Networks.resize(kMaxImportedNetworks);
    const std::vector<bool> shared = LiteralMarkSharedCodes(units);
    for (const std::string& network : outcome.Networks) {
        ClearQuantities(units);
        for (int row = 0; row < table.RowCount(); ++row) {
            table.SetCurrentRow(row);
            if (table.GetValue("Network") != network) continue;
            const std::string code =
                LiteralLookUpAlias(aliasLines, ToUpperAscii(table.GetValue("UnitType")));
            if (code.empty()) {
                ++outcome.Beeps;
                continue;
            }
            LiteralResolveUnit(units, shared, code, outcome.Unmatched);
        }
        outcome.Quantities.push_back(SlotQuantities(units));
    }
    table.SetCurrentRow(0);
    outcome.Rows = TableRows(table);
    return outcome;
}

void LiteralWriteImport(AppState& state, const TTagStore& tags, const ImportOutcome& outcome,
                        const std::string& base) {
    state.Window.ProjectBaseName = base;
    for (std::size_t k = 0; k < outcome.Networks.size(); ++k) {
        for (std::size_t slot = 0; slot < outcome.Quantities[k].size(); ++slot)
            state.Units.UnitTable[slot].Quantity = outcome.Quantities[k][slot];
        Evaluate(state.Units, state.Evaluation);
        state.Status = TextsOf(ComputeNetworkStatus(state.Units, state.Evaluation));
        const int number = static_cast<int>(k) + 1;
        SaveNetworkFile(state, ImportedNetworkName(tags, outcome.Networks[k], number), number);
    }
    ClearProjectDetails(state.Project);
    state.Project.NetworkCount = std::max(1, static_cast<int>(outcome.Networks.size()));
    state.Project.ProjectName = outcome.Rows.front()[kProjectColumn];
    WriteProjectFile(state.Project, base + ".tav");
}

}  // namespace tavo::testing
