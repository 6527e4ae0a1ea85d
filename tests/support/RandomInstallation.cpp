#include "support/RandomInstallation.h"

#include <algorithm>
#include <stdexcept>

#include "core/NetworkFile.h"
#include "platform/TextFile.h"
#include "reporter/InstallationImport.h"
#include "reporter/TagConversions.h"
#include "reporter/TagNames.h"
#include "reporter/UnitRows.h"
#include "support/TempDir.h"

namespace tavo::testing {
namespace {

struct EntryShape {
    const char* CatNo;
    const char* Code;
    int Channels;
};

// Codes that begin one another, codes of two characters or in lower case, shared codes, and
// types of more than sixteen channels.
constexpr EntryShape kEntries[] = {
    {"T-PSU", "PSU", 1},     {"T-R8", "RLY8", 8},    {"T-R4", "RLY4", 4},    {"T-R", "RLY", 2},
    {"T-SA", "SENS", 1},     {"T-SB", "SENS", 1},    {"T-SC", "SENS", 3},    {"T-RE", "RE", 1},
    {"T-DIM", "dim", 3},     {"T-B16", "BIN16", 16}, {"T-BIG", "BIG20", 20}, {"T-P6", "PNL6", 6},
    {"T-LC", "LONGCODE", 2},
};

constexpr const char* kTypes[] = {
    "RLY8",  "rly8",   "RLY4", "RLY4X", "RLY", "RL",   "REL8", "pir1",
    "SENS",  "SENSOR", "RE",   "REX",   "dim", "DIM4", "dim4", "BIN16",
    "BIG20", "PNL6",   "WP 6", "XYZ",   "",    "PSU",  "psu2", "LONGCODE1",
};

// Lines that map, lines without a code, a code in lower case, a line mapping a type to an
// empty code, a second line for the same type, items in quotes.
constexpr const char* kAliasLines[] = {
    "REL8, RLY8",       "pir1 SENS", "\"WP 6\" PNL6",       "xyz",
    "rel8, RLY4",       "dim4, dim", "psu2,,PSU",           "  sensor , \"SENS\"",
    "RLY4X RLY4 extra", "",          "\"\"\"q\"\"\", RLY8",
};

constexpr const char* kNetworkNames[] = {"Main", "Annex", "Zone", "Annex", "Car park", "main"};
constexpr int kNetworkNumbers[] = {1, 2, 7, 12, 250, 251, 252, 253, 254, 255};

template <class T, std::size_t N>
const T& Pick(std::mt19937& random, const T (&items)[N]) {
    return items[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

bool Chance(std::mt19937& random, double p) {
    return std::bernoulli_distribution(p)(random);
}

int Below(std::mt19937& random, int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(random);
}

}  // namespace

RandomInstallation MakeRandomInstallation(std::mt19937& random, int units, int networks, int rows) {
    RandomInstallation site;

    std::vector<EntryShape> entries;
    for (const EntryShape& entry : kEntries)
        if (Chance(random, 0.8)) entries.push_back(entry);
    std::shuffle(entries.begin(), entries.end(), random);
    for (const EntryShape& entry : entries)
        site.CatalogueText += std::string("Unit ") + entry.CatNo + "\r\n" + entry.CatNo +
                              ", o, 10, 0, 40, NO, NO, NO, YES, " + entry.Code + ", " +
                              std::to_string(entry.Channels) + "\r\n";
    for (const char* line : kAliasLines)
        if (Chance(random, 0.5)) site.AliasLines.emplace_back(line);
    if (Chance(random, 0.05)) site.AliasLines.emplace_back(", RLY4");  // maps the empty type
    std::shuffle(site.AliasLines.begin(), site.AliasLines.end(), random);

    std::vector<int> numbers(std::begin(kNetworkNumbers), std::end(kNetworkNumbers));
    for (int n = 0; n < networks; ++n) numbers.push_back(100 + n);
    std::shuffle(numbers.begin(), numbers.end(), random);
    numbers.resize(static_cast<std::size_t>(std::max(1, networks)));
    if (!Chance(random, 0.15)) {
        for (int number : numbers)
            if (Chance(random, 0.85))
                site.TagLines.push_back(std::string("N") + Pick(random, kNetworkNames) +
                                        "=01|net|" + std::to_string(number) + "|0");
        if (Chance(random, 0.3)) site.TagLines.emplace_back("NSpare=01|spare|99|0");
    }
    site.TagLines.emplace_back("ALighting=38");
    site.TagLines.emplace_back("GHall=254|0A||38");

    const auto rowsOf = [&](const std::string& type) {
        for (const EntryShape& entry : entries)
            if (type == entry.Code) return std::max(1, entry.Channels);
        return 1;
    };
    for (int u = 0; rows > 0 ? site.RowCount < rows : u < units; ++u) {
        InstalledUnit unit;
        unit.Project = Chance(random, 0.9) ? "Harbour" : "Depot";
        const std::string number = std::to_string(
            numbers[static_cast<std::size_t>(Below(random, static_cast<int>(numbers.size())))]);
        const int kind = Below(random, 100);
        unit.Network = kind < 5    ? ""
                       : kind < 9  ? std::string(Pick(random, {"x", "7a", "N1", "-3"}))
                       : kind < 12 ? "0" + number
                                   : number;
        unit.Address = Chance(random, 0.97) ? ByteToHex(Below(random, 12)) : "A";
        unit.Type = Pick(random, kTypes);
        UnitBlock block;
        block.FirstApplication = Chance(random, 0.8) ? 0x38 : 0x39;
        block.SecondApplication = Chance(random, 0.8) ? block.FirstApplication : 0x39;
        block.Name = "U" + std::to_string(u % 1000);
        block.Flags = Chance(random, 0.5) ? 0x41 : 0;
        block.Area = Below(random, 4);
        for (int g = Below(random, 17); g > 0; --g) block.Groups.push_back(Below(random, 256));
        block.Serial = static_cast<std::uint32_t>(random());
        unit.Block = BlockHex(block);
        unit.Deleted = Chance(random, 0.05);
        if (!unit.Deleted) site.RowCount += rowsOf(unit.Type);
        site.Units.push_back(std::move(unit));
    }
    return site;
}

InstallationBuilder RandomInstallation::Builder() const {
    InstallationBuilder builder;
    for (const std::string& line : TagLines) builder.TagLine(line);
    for (const InstalledUnit& unit : Units) builder.Unit(unit);
    return builder;
}

void RandomInstallation::LoadTags(TTagStore& tags) const {
    tags.ClearTags();
    LineReader reader = LineReader::FromBytes(Builder().TagBytes());
    ReadTagFile(tags, reader);
}

Catalogue RandomInstallation::LoadCatalogue() const {
    Catalogue units;
    ResetUnitTable(units);
    LineReader reader = LineReader::FromBytes(CatalogueText);
    LoadUnitCatalogue(units, reader, [](const std::string& text) {
        throw std::runtime_error("catalogue: " + text);
    });
    return units;
}

TTavoData RandomInstallation::UnsortedTable(const TTagStore& tags, const Catalogue& units) const {
    TTavoData table(InstallationFieldNames());
    const TTagNames names(tags);
    for (const InstalledUnit& unit : Units) {
        if (unit.Deleted) continue;
        AddUnitRows(table, names, std::clamp(FindChannelCount(units, unit.Type), 0, kMaxUnitRows),
                    unit.Project, unit.Network, unit.Address, unit.Type, unit.Block);
    }
    return table;
}

void RandomInstallation::Write(const std::string& dir, const std::string& name) const {
    Builder().Write(dir + "/" + name);
    WriteBytes(dir + "/TAVOUNIT.DAT", CatalogueText);
    std::string alias;
    for (const std::string& line : AliasLines) alias += line + "\r\n";
    WriteBytes(dir + "/TavoAlias.als", alias);
}

DriverImport::DriverImport(const std::string& catalogue, const std::string& alias)
    : driver_(state_, view_, catalogue, "", alias) {
    if (!driver_.FormActivate()) throw std::runtime_error("cannot load " + catalogue);
}

bool DriverImport::Open(const std::string& tagPath) {
    return driver_.OpenFile(tagPath);
}

ImportOutcome DriverImport::Outcome() const {
    ImportOutcome outcome;
    outcome.Rows = TableRows(state_.Installation);
    for (const InstallationNetwork& network : CollectNetworks(state_.Installation))
        outcome.Networks.push_back(network.Value);
    if (outcome.Networks.size() > static_cast<std::size_t>(kMaxImportedNetworks))
        outcome.Networks.resize(kMaxImportedNetworks);
    Catalogue units = state_.Units;
    for (std::size_t k = 1; k <= outcome.Networks.size(); ++k) {
        ReadNetworkFile(
            units, state_.Window.ProjectBaseName + "." + NetworkNumberText(static_cast<int>(k)),
            [](const std::string& text) { throw std::runtime_error(text); });
        outcome.Quantities.push_back(SlotQuantities(units));
    }
    outcome.Beeps = prompts_.beeps;
    // The warning is the list between its fixed beginning and end, one code and CR LF each.
    const std::string none = UnknownTypesMessage({});
    const std::size_t head = none.find("code(s)!\r") + 9;
    for (const ScriptedPrompts::Shown& shown : prompts_.shown) {
        const std::string& text = shown.Text;
        if (text.size() < none.size() || text.compare(0, head, none, 0, head) != 0 ||
            text.compare(text.size() - (none.size() - head), std::string::npos, none, head) != 0)
            continue;
        const std::string list = text.substr(head, text.size() - none.size());
        for (std::size_t at = 0, end; at < list.size(); at = end + 2) {
            end = list.find("\r\n", at);
            if (end == std::string::npos) throw std::runtime_error("unknown types: " + text);
            outcome.Unmatched.push_back(list.substr(at, end - at));
        }
    }
    return outcome;
}

}  // namespace tavo::testing
