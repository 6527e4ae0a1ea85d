// tavocalc-cli: Tavo Calculator without a window, one subcommand per job.
#include <CLI/CLI.hpp>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Evaluate.h"
#include "platform/Directories.h"

namespace {

constexpr const char* kProgram = "tavocalc-cli";
constexpr const char* kEvaluateUsage =
    "usage: tavocalc-cli evaluate [--catalogue FILE] [--address-limit N] PROJECT.tav\n";

// A usage error: the message, the subcommand's usage line, exit status 2.
int UsageError(const std::string& message, const char* usage) {
    std::cerr << kProgram << ": " << message << '\n' << usage;
    return 2;
}

// What a subcommand's parse left over: an unknown option, or one positional too many.
int Leftover(const std::vector<std::string>& remaining, const char* command, const char* usage) {
    const std::string& first = remaining.front();
    if (first.size() > 1 && first[0] == '-') return UsageError("unknown option " + first, usage);
    return UsageError(std::string(command) + " takes one project file", usage);
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app("Tavo Calculator without a window: evaluates Tavo Calculator projects.", kProgram);
    app.set_version_flag("--version",
                         std::string("tavocalc-cli (Tavo Calculator) ") + TAVO_VERSION);
    app.footer("Exit status: 0 done, 1 catalogue or project unreadable, 2 usage error.");
    app.allow_extras();

    tavo::EvaluateOptions evaluate;
    CLI::App* evaluateCommand = app.add_subcommand(
        "evaluate",
        "Evaluates every network of a Tavo Calculator project and prints, per network, its "
        "name, the consumption, supply and impedance verdicts and the unit counts.");
    evaluateCommand
        ->add_option("--catalogue", evaluate.Catalogue,
                     "unit catalogue to use (default: TAVOUNIT.DAT beside the program)")
        ->option_text("FILE");
    evaluateCommand
        ->add_option("--address-limit", evaluate.AddressLimit,
                     "addressable units allowed per network, 100 to 255 (default 100)")
        ->option_text("N");
    evaluateCommand->add_option("project", evaluate.Project, "the project file")
        ->option_text("PROJECT.tav");
    evaluateCommand->allow_extras();

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForAllHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForVersion& version) {
        return app.exit(version);
    } catch (const CLI::ArgumentMismatch& error) {
        // An option given as the last word, without its value.
        const std::string last = argc > 1 ? argv[argc - 1] : "";
        if (last.rfind("--", 0) == 0) return UsageError(last + " needs a value", kEvaluateUsage);
        return UsageError(error.what(), kEvaluateUsage);
    } catch (const CLI::ParseError& error) {
        return UsageError(error.what(), kEvaluateUsage);
    }

    if (!app.remaining().empty()) {
        std::cerr << kProgram << ": unknown command " << app.remaining().front() << '\n'
                  << app.help();
        return 2;
    }
    if (evaluateCommand->parsed()) {
        if (!evaluateCommand->remaining().empty())
            return Leftover(evaluateCommand->remaining(), "evaluate", kEvaluateUsage);
        if (evaluate.Project.empty())
            return UsageError("evaluate needs a project file (.tav)", kEvaluateUsage);
        return tavo::RunEvaluate(evaluate, tavo::ProgramDirectory(), std::cout, std::cerr);
    }
    std::cerr << app.help();
    return 2;
}
