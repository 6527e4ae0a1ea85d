#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tavo {

// tavocalc-cli evaluate [--catalogue FILE] [--address-limit N] PROJECT.tav
// Returns the exit status: 0 done, 1 catalogue or project unreadable, 2 usage error.
int RunEvaluate(const std::vector<std::string>& args, const std::string& programDirectory,
                std::ostream& out, std::ostream& err);

}  // namespace tavo
