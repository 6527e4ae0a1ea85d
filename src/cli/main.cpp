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
constexpr const char* kImportUsage =
    "usage: tavocalc-cli import [--catalogue FILE] [--alias FILE] [--address-limit N] "
    "[--csv FILE] SITE.tag\n";

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

// The options every command that opens a project shares.
void AddProjectOptions(CLI::App* command, tavo::EvaluateOptions& options) {
    command
        ->add_option("--catalogue", options.Catalogue,
                     "unit catalogue to use (default: TAVOUNIT.DAT beside the program)")
        ->option_text("FILE");
    command
        ->add_option("--address-limit", options.AddressLimit,
                     "addressable units allowed per network, 100 to 255 (default 100)")
        ->option_text("N");
    command->allow_extras();
}

// Runs a parsed command: its leftovers and a missing file are usage errors.
int Run(CLI::App* command, const tavo::EvaluateOptions& options, const char* missing,
        const char* usage) {
    if (!command->remaining().empty())
        return Leftover(command->remaining(), command->get_name().c_str(), usage);
    if (options.Project.empty()) return UsageError(missing, usage);
    return tavo::RunEvaluate(options, tavo::ProgramDirectory(), std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app("Tavo Calculator without a window: evaluates Tavo Calculator projects.", kProgram);
    app.set_version_flag("--version",
                         std::string("tavocalc-cli (Tavo Calculator) ") + TAVO_VERSION);
    app.footer(
        "Exit status: 0 done, 1 catalogue, project or installation unreadable, 2 usage "
        "error.");
    app.allow_extras();

    tavo::EvaluateOptions evaluate;
    CLI::App* evaluateCommand = app.add_subcommand(
        "evaluate",
        "Evaluates every network of a Tavo Calculator project and prints, per network, its "
        "name, the consumption, supply and impedance verdicts and the unit counts.");
    AddProjectOptions(evaluateCommand, evaluate);
    evaluateCommand->add_option("project", evaluate.Project, "the project file")
        ->option_text("PROJECT.tav");

    tavo::EvaluateOptions import;
    CLI::App* importCommand = app.add_subcommand(
        "import",
        "Imports an installation project (its tag file, dBase table and memo file) as the "
        "program's Open command does: writes its network files and project file beside the tag "
        "file, then prints the project as evaluate does.");
    AddProjectOptions(importCommand, import);
    importCommand
        ->add_option("--alias", import.Alias,
                     "alias list to use (default: TavoAlias.als in the working directory, then "
                     "beside the program)")
        ->option_text("FILE");
    importCommand->add_option("--csv", import.Csv, "also export the installation table as CSV")
        ->option_text("FILE");
    importCommand->add_option("tag", import.Project, "the installation's tag file")
        ->option_text("SITE.tag");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForAllHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForVersion& version) {
        return app.exit(version);
    } catch (const CLI::ParseError& error) {
        const char* usage = importCommand->parsed() ? kImportUsage : kEvaluateUsage;
        // An option given as the last word, without its value.
        const std::string last = argc > 1 ? argv[argc - 1] : "";
        if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr &&
            last.rfind("--", 0) == 0)
            return UsageError(last + " needs a value", usage);
        return UsageError(error.what(), usage);
    }

    if (!app.remaining().empty()) {
        std::cerr << kProgram << ": unknown command " << app.remaining().front() << '\n'
                  << app.help();
        return 2;
    }
    if (evaluateCommand->parsed())
        return Run(evaluateCommand, evaluate, "evaluate needs a project file (.tav)",
                   kEvaluateUsage);
    if (importCommand->parsed())
        return Run(importCommand, import, "import needs a tag file (.tag)", kImportUsage);
    std::cerr << app.help();
    return 2;
}
