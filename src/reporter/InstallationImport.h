#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/Catalogue.h"
#include "platform/Locale.h"

namespace tavo {

class TTagNames;
class TTagStore;
class TTavoAlias;
class TTavoData;

// The plain steps of an installation import; the command driver runs them in order with the
// user's questions and the window in between.

// A unit gives at most this many rows, whatever channel count its catalogue entry claims.
inline constexpr int kMaxUnitRows = 256;
// An installation project holds at most this many networks.
inline constexpr int kMaxImportedNetworks = 100;

// What reading the installation's dBase table found.
struct InstallationTableRead {
    bool Found = false;        // the table file exists
    std::string Refusal;       // why its structure was refused; empty when it was read
    std::int64_t Records = 0;  // records read, deleted ones not counted
    std::int64_t Missing = 0;  // records the header claims beyond the end of the file
};

// Fills the table from the dBase table at path (its memo file beside it), one unit after
// another as AddUnitRows lays them out, and sorts it. A missing table leaves the table as it
// is. Throws FileError when the table or its memo file exists but cannot be read.
InstallationTableRead ReadInstallationTable(TTavoData& table, const TTagStore& tags,
                                            const TTagNames& names, const Catalogue& units,
                                            const std::string& path, const LocaleSettings& locale);

// The distinct non-empty Network values of the table in the order they first occur, each with
// the rows that carry it.
struct InstallationNetwork {
    std::string Value;
    std::vector<int> Rows;
};
std::vector<InstallationNetwork> CollectNetworks(const TTavoData& table);

// Matches installation codes to catalogue entries: the first slot (0 to UnitCount) with an
// InstallCode of more than two characters that, in upper case, begins the code; and whether
// that InstallCode is shared by several slots, so that the user must choose. Each code is
// looked up once.
class UnitResolver {
  public:
    explicit UnitResolver(const Catalogue& units);
    struct Match {
        int Slot = 0;  // 0: no catalogue entry
        bool Shared = false;
    };
    Match Resolve(const std::string& code);

  private:
    const Catalogue& units_;
    std::vector<bool> shared_;
    std::unordered_map<std::string, Match> matches_;
};

// What counting an import's units asks of its caller.
struct UnitCountingEvents {
    // A unit whose code several catalogue entries share: the slot to count, the user's pick
    // among them. slot is the first entry the code matched, row the unit's row of the table,
    // network the index of its network.
    std::function<int(std::size_t network, int slot, int row)> Choose;
    // A unit without a type: it is not counted.
    std::function<void()> Beep;
    // Network (an index) now stands counted in the UnitTable; false stops the counting.
    std::function<bool(std::size_t network)> Counted;
};

// Counts the units of each network into the UnitTable, one network after another: its
// quantities are cleared, then every row of the network adds one to the slot its type
// resolves to (the type in upper case through the alias list, then the catalogue). A code that
// no catalogue entry matches goes to unmatched, once per unit. False when Counted stopped it.
bool CountInstalledUnits(const TTavoData& table, const std::vector<InstallationNetwork>& networks,
                         const TTavoAlias& alias, Catalogue& units,
                         std::vector<std::string>& unmatched, const UnitCountingEvents& events);

// The text of the warning that lists the installation codes no catalogue entry matched, one
// entry per unit in the order met.
std::string UnknownTypesMessage(const std::vector<std::string>& codes);

// The messages of an import that meets a damaged installation. Paths are in the file
// system's encoding.
std::string DamagedTableMessage(const std::string& path, const std::string& reason);
std::string MissingRecordsMessage(const std::string& path, std::int64_t missing);
std::string SurplusNetworksMessage(std::size_t networks);

// Network k of an imported project is named after its own network number's tag, or
// "Network " + k when the tag file names no network with that number.
std::string ImportedNetworkName(const TTagStore& tags, std::string_view networkValue, int k);

}  // namespace tavo
