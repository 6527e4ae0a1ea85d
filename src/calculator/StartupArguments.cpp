#include "calculator/StartupArguments.h"

#include "platform/Text.h"

namespace tavo {

StartupArguments ParseStartupArguments(const std::vector<std::string>& arguments) {
    StartupArguments result;
    std::size_t next = 0;
    if (!arguments.empty() && ScanInteger(arguments.front()).Complete)
        result.AddressLimit = arguments[next++];
    if (next < arguments.size()) result.File = arguments[next];
    return result;
}

}  // namespace tavo
