#include "cli/Evaluate.h"

#include <memory>

#include "cli/CliPrompts.h"
#include "core/AppState.h"
#include "core/NetworkFile.h"
#include "platform/CodePage.h"
#include "platform/Directories.h"
#include "platform/FileError.h"
#include "project/ProjectFile.h"

namespace tavo {
namespace {

std::string Utf8(const std::string& text) {
    return Cp1252ToUtf8(text);
}

void PrintCurrentLine(std::ostream& out, const char* name, const StatusLine& line) {
    out << name << ": " << Utf8(line.ValueText) << " | " << Utf8(line.StatusText) << " | "
        << ColourName(line.StatusColour) << " | bar " << line.BarWidth << ' '
        << ColourName(line.BarColour) << " | excess "
        << (line.ExcessVisible ? std::to_string(line.ExcessWidth) : std::string("-")) << '\n';
}

void PrintImpedanceLine(std::ostream& out, const StatusLine& line) {
    out << "impedance: " << Utf8(line.ValueText) << " | " << Utf8(line.StatusText) << " | "
        << ColourName(line.StatusColour) << " | bar " << line.BarWidth << ' '
        << ColourName(line.BarColour) << '\n';
}

struct Options {
    std::string Catalogue;
    std::string AddressLimit;
    std::string Project;
};

// Reads "--name VALUE" and "--name=VALUE"; returns false with a message on a usage error.
bool ParseOptions(const std::vector<std::string>& args, Options& options, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string* target = nullptr;
        std::string name;
        for (const char* option : {"--catalogue", "--address-limit"}) {
            const std::string text = option;
            if (arg == text || arg.rfind(text + "=", 0) == 0) {
                target = text == "--catalogue" ? &options.Catalogue : &options.AddressLimit;
                name = text;
            }
        }
        if (target != nullptr) {
            if (arg.size() > name.size()) {
                *target = arg.substr(name.size() + 1);
            } else if (i + 1 < args.size()) {
                *target = args[++i];
            } else {
                err << "tavocalc-cli: " << name << " needs a value\n";
                return false;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            err << "tavocalc-cli: unknown option " << arg << '\n';
            return false;
        } else if (options.Project.empty()) {
            options.Project = arg;
        } else {
            err << "tavocalc-cli: evaluate takes one project file\n";
            return false;
        }
    }
    if (options.Project.empty()) {
        err << "tavocalc-cli: evaluate needs a project file (.tav)\n";
        return false;
    }
    return true;
}

}  // namespace

int RunEvaluate(const std::vector<std::string>& args, const std::string& programDirectory,
                std::ostream& out, std::ostream& err) {
    Options options;
    if (!ParseOptions(args, options, err)) {
        err << "usage: tavocalc-cli evaluate [--catalogue FILE] [--address-limit N] PROJECT.tav\n";
        return 2;
    }
    CliPrompts prompts(err);
    auto state = std::make_unique<AppState>(prompts);
    state->Evaluation.MaxAddressable = ParseAddressLimit(options.AddressLimit);
    const std::string catalogue =
        options.Catalogue.empty() ? JoinPath(programDirectory, kDataFileName) : options.Catalogue;
    try {
        ResetUnitTable(state->Units);
        if (!LoadUnitCatalogue(state->Units, catalogue, prompts)) return 1;
        if (!ReadProjectFile(*state, options.Project)) return 1;
        const int count = state->Project.NetworkCount;
        for (int n = 1; n <= count; ++n) {
            ReadNetworkFile(*state, options.Project, n);
            Evaluate(state->Units, state->Evaluation);
            CountUnits(state->Units, state->Evaluation);
            const NetworkStatus status = ComputeNetworkStatus(state->Units, state->Evaluation);
            out << "network " << n << " of " << count << ": "
                << Utf8(ReadNetworkName(options.Project, n)) << '\n';
            PrintCurrentLine(out, "consumption", status.Consumption);
            PrintCurrentLine(out, "supply", status.Supply);
            PrintImpedanceLine(out, status.Impedance);
            out << "units: " << state->Evaluation.TotalUnits << " total, "
                << state->Evaluation.AddressableUnits << " addressable of "
                << state->Evaluation.MaxAddressable << '\n';
        }
    } catch (const FileError& error) {
        prompts.Error(error.what());
        return 1;
    }
    return 0;
}

}  // namespace tavo
