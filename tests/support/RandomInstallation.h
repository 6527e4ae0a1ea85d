#pragma once

#include <random>
#include <string>
#include <vector>

#include "calculator/CommandDriver.h"
#include "calculator/HeadlessView.h"
#include "core/AppState.h"
#include "support/InstallationBuilder.h"
#include "support/LiteralInstallation.h"
#include "support/ScriptedPrompts.h"

namespace tavo::testing {

// An installation project drawn at random, with its catalogue and alias list, to compare the
// import with its literal procedures: tag files that repeat network names, lack some or all
// networks; equal addresses; rows without a network, with a Network value that is not a
// decimal number or one with a leading zero; unit types of many channels, shared, matched by
// prefix, unknown, empty or mapped to an empty code; deleted records.
struct RandomInstallation {
    std::vector<std::string> TagLines;
    std::vector<InstalledUnit> Units;
    std::string CatalogueText;  // as TAVOUNIT.DAT holds it
    std::vector<std::string> AliasLines;
    int RowCount = 0;  // rows the units give in the installation table

    InstallationBuilder Builder() const;
    // What the import reads, taken without files: the tag store, the catalogue, and the table
    // as the reader fills it, not yet sorted.
    void LoadTags(TTagStore& tags) const;
    Catalogue LoadCatalogue() const;
    TTavoData UnsortedTable(const TTagStore& tags, const Catalogue& units) const;
    // Writes dir/name.tag, dir/name.dbf and dir/name.DBT, and beside them TAVOUNIT.DAT and
    // TavoAlias.als. Throws std::runtime_error on failure.
    void Write(const std::string& dir, const std::string& name) const;
};

// Units records over at most networks network numbers (more than 100 gives a project with
// networks left out); with rows > 0, records are added until their rows reach that count.
RandomInstallation MakeRandomInstallation(std::mt19937& random, int units, int networks,
                                          int rows = 0);

// An import as the program's Open runs it: the command driver with the headless view, which
// takes the first of the entries that share a code.
class DriverImport {
  public:
    // Loads the catalogue as the first activation of the window does; throws
    // std::runtime_error when that fails.
    DriverImport(const std::string& catalogue, const std::string& alias);
    bool Open(const std::string& tagPath);
    // What the import left: the installation table, the network files read back, the beeps,
    // and the codes the unknown-types warning lists.
    ImportOutcome Outcome() const;

  private:
    ScriptedPrompts prompts_;
    AppState state_{prompts_};
    HeadlessView view_{state_};
    CommandDriver driver_;
};

}  // namespace tavo::testing
