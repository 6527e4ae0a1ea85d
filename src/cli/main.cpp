// tavocalc-cli: Tavo Calculator without a window, one subcommand per job.
#include <CLI/CLI.hpp>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Evaluate.h"
#include "cli/Report.h"
#include "platform/Directories.h"

namespace {

constexpr const char* kProgram = "tavocalc-cli";
constexpr const char* kEvaluateUsage =
    "usage: tavocalc-cli evaluate [--catalogue FILE] [--address-limit N] PROJECT.tav\n";
constexpr const char* kImportUsage =
    "usage: tavocalc-cli import [--catalogue FILE] [--alias FILE] [--address-limit N] "
    "[--csv FILE] SITE.tag\n";
constexpr const char* kExportUsage =
    "usage: tavocalc-cli export network|all|installation [--network N] [--catalogue FILE] "
    "-o OUT.csv FILE\n";
constexpr const char* kReportUsage =
    "usage: tavocalc-cli report project|network|installation [--all-networks] [--hex|--dec] "
    "[--catalogue FILE] -o OUT.pdf FILE\n";

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
void AddProjectOptions(CLI::App* command, tavo::SessionOptions& options, bool addressLimit = true) {
    command
        ->add_option("--catalogue", options.Catalogue,
                     "unit catalogue to use (default: TAVOUNIT.DAT beside the program, else in "
                     "share/tavocalc of its installation)")
        ->option_text("FILE");
    if (addressLimit)
        command
            ->add_option("--address-limit", options.AddressLimit,
                         "addressable units allowed per network, 100 to 255 (default 100)")
            ->option_text("N");
    command->allow_extras();
}

// A parsed command's leftovers and a missing file are usage errors; 0 when there are none.
int Check(CLI::App* command, const tavo::SessionOptions& options, const char* missing,
          const char* usage) {
    if (!command->remaining().empty())
        return Leftover(command->remaining(), command->get_name().c_str(), usage);
    if (options.Project.empty()) return UsageError(missing, usage);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app(
        "Tavo Calculator without a window: evaluates projects, imports installations, exports "
        "CSV and writes reports as PDF.",
        kProgram);
    app.set_version_flag("--version",
                         std::string("tavocalc-cli (Tavo Calculator) ") + TAVO_VERSION);
    app.footer(
        "Exit status: 0 done, 1 catalogue, project or installation unreadable, 2 usage "
        "error.");
    app.allow_extras();

    tavo::SessionOptions evaluate;
    CLI::App* evaluateCommand = app.add_subcommand(
        "evaluate",
        "Evaluates every network of a Tavo Calculator project and prints, per network, its "
        "name, the consumption, supply and impedance verdicts and the unit counts.");
    AddProjectOptions(evaluateCommand, evaluate);
    evaluateCommand->add_option("project", evaluate.Project, "the project file")
        ->option_text("PROJECT.tav");

    tavo::SessionOptions import;
    std::string csv;
    CLI::App* importCommand = app.add_subcommand(
        "import",
        "Imports an installation project (its tag file, dBase table and memo file) as the "
        "program's Open command does: writes its network files and project file beside the tag "
        "file, then prints the project as evaluate does.");
    AddProjectOptions(importCommand, import);
    importCommand
        ->add_option("--alias", import.Alias,
                     "alias list to use (default: TavoAlias.als in the working directory, then "
                     "beside the program, then in share/tavocalc of its installation)")
        ->option_text("FILE");
    importCommand->add_option("--csv", csv, "also export the installation table as CSV")
        ->option_text("FILE");
    importCommand->add_option("tag", import.Project, "the installation's tag file")
        ->option_text("SITE.tag");

    tavo::SessionOptions exporting;
    std::string exportWhat;
    std::string exportOutput;
    int exportNetwork = 1;
    CLI::App* exportCommand = app.add_subcommand(
        "export",
        "Exports as CSV, as the File menu's Export does: one network of a project, all its "
        "networks, or the installation table of a tag file (imported first).");
    exportCommand->add_option("what", exportWhat, "network, all or installation")
        ->option_text("network|all|installation")
        ->check(CLI::IsMember({"network", "all", "installation"}));
    AddProjectOptions(exportCommand, exporting, false);
    exportCommand->add_option("--network", exportNetwork, "the network to export (default 1)")
        ->option_text("N");
    exportCommand->add_option("-o", exportOutput, "the CSV file to write")->option_text("OUT.csv");
    exportCommand->add_option("file", exporting.Project, "the project file or tag file")
        ->option_text("FILE");

    tavo::SessionOptions reporting;
    tavo::ReportOptions report;
    CLI::App* reportCommand = app.add_subcommand(
        "report",
        "Writes a report as PDF, as the print dialog prints it: the project details, the "
        "network information (of every network with --all-networks) or the installation "
        "report of a tag file (imported first).");
    reportCommand->add_option("what", report.What, "project, network or installation")
        ->option_text("project|network|installation")
        ->check(CLI::IsMember({"project", "network", "installation"}));
    AddProjectOptions(reportCommand, reporting, false);
    reportCommand->add_flag("--all-networks", report.AllNetworks,
                            "the network information report of every network, in one file");
    bool hexadecimal = false;
    CLI::Option* hex =
        reportCommand->add_flag("--hex", hexadecimal, "numbers in hexadecimal (the default)");
    CLI::Option* dec = reportCommand->add_flag("--dec", report.Decimal, "numbers in decimal");
    hex->excludes(dec);
    reportCommand->add_option("-o", report.Output, "the PDF file to write")->option_text("OUT.pdf");
    reportCommand->add_option("file", reporting.Project, "the project file or tag file")
        ->option_text("FILE");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForAllHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForVersion& version) {
        return app.exit(version);
    } catch (const CLI::ParseError& error) {
        const char* usage = importCommand->parsed()   ? kImportUsage
                            : exportCommand->parsed() ? kExportUsage
                            : reportCommand->parsed() ? kReportUsage
                                                      : kEvaluateUsage;
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
    const std::string here = tavo::ProgramDirectory();
    if (evaluateCommand->parsed()) {
        if (int rc = Check(evaluateCommand, evaluate, "evaluate needs a project file (.tav)",
                           kEvaluateUsage))
            return rc;
        return tavo::RunEvaluate(evaluate, {}, here, std::cout, std::cerr);
    }
    if (importCommand->parsed()) {
        if (int rc = Check(importCommand, import, "import needs a tag file (.tag)", kImportUsage))
            return rc;
        return tavo::RunEvaluate(import, csv, here, std::cout, std::cerr);
    }
    if (exportCommand->parsed()) {
        if (int rc = Check(exportCommand, exporting, "export needs a project file or a tag file",
                           kExportUsage))
            return rc;
        if (exportWhat.empty()) return UsageError("export needs what to export", kExportUsage);
        if (exportOutput.empty()) return UsageError("export needs -o OUT.csv", kExportUsage);
        return tavo::RunExport(exporting, exportWhat, exportNetwork, exportOutput, here, std::cerr);
    }
    if (reportCommand->parsed()) {
        if (int rc = Check(reportCommand, reporting, "report needs a project file or a tag file",
                           kReportUsage))
            return rc;
        if (report.What.empty()) return UsageError("report needs which report", kReportUsage);
        if (report.Output.empty()) return UsageError("report needs -o OUT.pdf", kReportUsage);
        return tavo::RunReport(reporting, report, here, std::cerr);
    }
    std::cerr << app.help();
    return 2;
}
