#pragma once

#include <ostream>
#include <string>

namespace tavo {

struct EvaluateOptions {
    std::string Catalogue;     // TAVOUNIT.DAT to use; empty for the one beside the program
    std::string Alias;         // TavoAlias.als to use; empty for the one the program finds
    std::string AddressLimit;  // as the desktop program's first argument takes it
    std::string Project;       // the project file, or the installation's tag file
    std::string Csv;           // where the installation CSV export goes; empty for none
};

// tavocalc-cli evaluate and import: opens the project as the Open command does (a tag file is
// imported, its network files and project file written beside it) and, walking its networks
// as the network selector does, prints each network's verdicts. Returns the exit status: 0
// done, 1 catalogue, project or installation unreadable.
int RunEvaluate(const EvaluateOptions& options, const std::string& programDirectory,
                std::ostream& out, std::ostream& err);

}  // namespace tavo
