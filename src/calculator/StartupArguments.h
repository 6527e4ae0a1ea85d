#pragma once

#include <string>
#include <vector>

namespace tavo {

// The desktop program's command line, `tavocalc [LIMIT] [FILE]`.
struct StartupArguments {
    std::string AddressLimit;  // the first argument when it is a number; empty without one
    std::string File;          // the project or tag file to open after start-up; empty for none
};

// A first argument that is a number (decimal, or hex as $96 or 0x96) is the address limit, as
// it has always been; the next argument names the file to open. Further arguments are ignored.
StartupArguments ParseStartupArguments(const std::vector<std::string>& arguments);

}  // namespace tavo
