#pragma once

#include <ostream>
#include <string>

namespace tavo {

struct EvaluateOptions {
    std::string Catalogue;     // TAVOUNIT.DAT to use; empty for the one beside the program
    std::string AddressLimit;  // as the desktop program's first argument takes it
    std::string Project;       // the project file
};

// tavocalc-cli evaluate: opens the project as the Open command does and, walking its networks
// as the network selector does, prints each network's verdicts. Returns the exit status: 0
// done, 1 catalogue or project unreadable.
int RunEvaluate(const EvaluateOptions& options, const std::string& programDirectory,
                std::ostream& out, std::ostream& err);

}  // namespace tavo
