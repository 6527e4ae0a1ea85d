#include <iostream>
#include <string>
#include <vector>

#include "cli/Evaluate.h"
#include "platform/Directories.h"

namespace {

constexpr const char* kUsage =
    "usage: tavocalc-cli COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  evaluate [--catalogue FILE] [--address-limit N] PROJECT.tav\n"
    "      Evaluates every network of a Tavo Calculator project and prints, per network,\n"
    "      its name, the consumption, supply and impedance verdicts and the unit counts.\n"
    "      --catalogue FILE     unit catalogue to use (default: TAVOUNIT.DAT beside the program)\n"
    "      --address-limit N    addressable units allowed per network, 100 to 255 (default 100)\n"
    "\n"
    "Options:\n"
    "  --help      show this text\n"
    "  --version   show the program's version\n"
    "\n"
    "Exit status: 0 done, 1 catalogue or project unreadable, 2 usage error.\n";

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (args[0] == "--version") {
        std::cout << "tavocalc-cli (Tavo Calculator) " << TAVO_VERSION << '\n';
        return 0;
    }
    if (args[0] == "evaluate") {
        args.erase(args.begin());
        for (const std::string& arg : args) {
            if (arg == "--help" || arg == "-h") {
                std::cout << kUsage;
                return 0;
            }
        }
        return tavo::RunEvaluate(args, tavo::ProgramDirectory(), std::cout, std::cerr);
    }
    std::cerr << "tavocalc-cli: unknown command " << args[0] << "\n" << kUsage;
    return 2;
}
