#pragma once

#include <ostream>
#include <string>

#include "cli/Session.h"

namespace tavo {

// tavocalc-cli evaluate and import: opens the project as the Open command does (a tag file is
// imported, its network files and project file written beside it; with csv, the installation
// table is also exported there) and, walking its networks as the network selector does, prints
// each network's verdicts. Returns the exit status: 0 done, 1 catalogue, project or
// installation unreadable.
int RunEvaluate(const SessionOptions& options, const std::string& csv,
                const std::string& programDirectory, std::ostream& out, std::ostream& err);

// tavocalc-cli export: what (network, all or installation) of the project, into out as CSV;
// network is the network exported by "network" (1 for the first).
int RunExport(const SessionOptions& options, const std::string& what, int network,
              const std::string& out, const std::string& programDirectory, std::ostream& err);

}  // namespace tavo
