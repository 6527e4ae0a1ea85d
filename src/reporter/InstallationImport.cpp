#include "reporter/InstallationImport.h"

#include <algorithm>

#include "platform/CodePage.h"
#include "platform/SiblingFile.h"
#include "platform/Text.h"
#include "reporter/DbaseTable.h"
#include "reporter/InstallationTable.h"
#include "reporter/TagConversions.h"
#include "reporter/TagNames.h"
#include "reporter/TagStore.h"
#include "reporter/TavoAlias.h"
#include "reporter/UnitRows.h"

namespace tavo {
namespace {

// The block's fields all lie within its first 247 bytes (two hex digits each).
constexpr std::size_t kBlockTextUsed = 2 * 247;

std::string Value(const TTbField* field, std::size_t limit = kMaxMemoText) {
    return field != nullptr ? field->AsString(limit) : std::string();
}

}  // namespace

InstallationTableRead ReadInstallationTable(TTavoData& table, const TTagStore& tags,
                                            const TTagNames& names, const Catalogue& units,
                                            const std::string& path, const LocaleSettings& locale) {
    InstallationTableRead read;
    const std::string found = FindPathIgnoringCase(path);
    if (found.empty()) return read;
    read.Found = true;
    TTbDbase dbase(locale);
    dbase.SetTableName(found);
    if (dbase.Open() == 2) {
        read.Refusal = dbase.Refusal();
        return read;
    }
    read.Missing = dbase.MissingRecords();
    dbase.First();
    table.ClearRows();
    // A table without one of the fields reads it as empty text.
    const TTbField* address = dbase.FieldByName("UNITADD");
    const TTbField* type = dbase.FieldByName("UNITTYPE");
    const TTbField* block = dbase.FieldByName("BLOCK1");
    const TTbField* network = dbase.FieldByName("NETDESC");
    const TTbField* project = dbase.FieldByName("PROJECT");
    std::unordered_map<std::string, int> channels;
    const UnitRowColumns columns(table);
    while (!dbase.Eof()) {
        const std::string unitType = Value(type);
        auto [count, added] = channels.try_emplace(unitType, 0);
        if (added) count->second = std::clamp(FindChannelCount(units, unitType), 0, kMaxUnitRows);
        AddUnitRows(table, columns, names, count->second, Value(project), Value(network),
                    Value(address), unitType, Value(block, kBlockTextUsed));
        ++read.Records;
        dbase.Next();
    }
    dbase.Close();
    table.SortRows(tags);
    return read;
}

std::vector<InstallationNetwork> CollectNetworks(const TTavoData& table) {
    std::vector<InstallationNetwork> networks;
    // Keyed by the table's own texts, which stay put while it is not changed; the values in
    // networks move whenever it grows.
    std::unordered_map<std::string_view, std::size_t> index;
    for (int row = 0; row < table.RowCount(); ++row) {
        const std::string_view value = table.GetCell(kNetworkColumn, row);
        if (value.empty()) continue;
        auto found = index.find(value);
        if (found == index.end()) {
            networks.push_back({std::string(value), {}});
            found = index.emplace(value, networks.size() - 1).first;
        }
        networks[found->second].Rows.push_back(row);
    }
    return networks;
}

UnitResolver::UnitResolver(const Catalogue& units) : units_(units) {
    // A code is shared when more than one slot of 0 to UnitCount carries it.
    const int last = std::clamp(units.UnitCount, 0, kTableSlots - 1);
    std::unordered_map<std::string, int> uses;
    for (int slot = 0; slot <= last; ++slot)
        ++uses[units.UnitTable[static_cast<std::size_t>(slot)].InstallCode];
    shared_.assign(kTableSlots, false);
    for (int slot = 0; slot <= last; ++slot)
        shared_[static_cast<std::size_t>(slot)] =
            uses[units.UnitTable[static_cast<std::size_t>(slot)].InstallCode] > 1;
}

UnitResolver::Match UnitResolver::Resolve(const std::string& code) {
    auto [found, added] = matches_.try_emplace(code);
    if (!added) return found->second;
    const int last = std::clamp(units_.UnitCount, 0, kTableSlots - 1);
    for (int slot = 0; slot <= last; ++slot) {
        const std::string& own = units_.UnitTable[static_cast<std::size_t>(slot)].InstallCode;
        if (own.size() <= 2 || own.size() > code.size()) continue;
        if (ToUpperAscii(own) == std::string_view(code).substr(0, own.size())) {
            found->second = {slot, shared_[static_cast<std::size_t>(slot)]};
            break;
        }
    }
    return found->second;
}

bool CountInstalledUnits(const TTavoData& table, const std::vector<InstallationNetwork>& networks,
                         const TTavoAlias& alias, Catalogue& units,
                         std::vector<std::string>& unmatched, const UnitCountingEvents& events) {
    UnitResolver resolver(units);
    const int typeColumn = table.FindColumn("UnitType");
    for (std::size_t k = 0; k < networks.size(); ++k) {
        ClearQuantities(units);
        for (int row : networks[k].Rows) {
            const std::string code =
                alias.LookUpAlias(ToUpperAscii(table.GetCell(typeColumn, row)));
            if (code.empty()) {
                events.Beep();
                continue;
            }
            const UnitResolver::Match match = resolver.Resolve(code);
            if (match.Slot == 0) {
                unmatched.push_back(code);
                continue;
            }
            const int slot = match.Shared ? events.Choose(k, match.Slot, row) : match.Slot;
            if (slot >= 0 && slot < kTableSlots) {
                std::int32_t& quantity = units.UnitTable[static_cast<std::size_t>(slot)].Quantity;
                if (quantity < INT32_MAX) ++quantity;
            }
        }
        if (!events.Counted(k)) return false;
    }
    return true;
}

std::string UnknownTypesMessage(const std::vector<std::string>& codes) {
    std::string text = "WARNING !  - UNKNOWN UNIT TYPES\r";
    text += "The Tavo installation file has found units with the following unit type code(s)!\r";
    for (const std::string& code : codes) text += code + "\r\n";
    text += "\r";
    text += kApplicationTitle;
    text +=
        " cannot resolve them to Tavo Units and will not include them in any calculations!\r"
        "ANY CALCULATIONS USING THIS DATA ARE VERY LIKELY TO BE INCORRECT!\r"
        "It is strongly recommended that you update the \"TAVOUNITS.DAT\" file from our website "
        "before continuing!";
    return text;
}

std::string DamagedTableMessage(const std::string& path, const std::string& reason) {
    return "The installation table \"" + PathInMessage(path) + "\" is damaged (" + reason +
           "); nothing was imported";
}

std::string MissingRecordsMessage(const std::string& path, std::int64_t missing) {
    return "The installation table \"" + PathInMessage(path) + "\" ends before its last " +
           std::to_string(missing) + " records; they were not read";
}

std::string SurplusNetworksMessage(std::size_t networks) {
    return "The installation has " + std::to_string(networks) + " networks; the first " +
           std::to_string(kMaxImportedNetworks) + " were imported, the other " +
           std::to_string(networks - kMaxImportedNetworks) + " were left out";
}

std::string ImportedNetworkName(const TTagStore& tags, std::string_view networkValue, int k) {
    const TNetworkItem& item = tags.NetworkByNumber(DecimalOrZero(networkValue));
    // Only the default entry has number 0: it answers for every number the tag file does not
    // name, and shadows a tag line with number 0.
    if (item.Number == 0) return "Network " + std::to_string(k);
    return item.Name;
}

}  // namespace tavo
