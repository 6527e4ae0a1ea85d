#include "cli/Evaluate.h"

#include <memory>

#include "calculator/CommandDriver.h"
#include "cli/CliPrompts.h"
#include "cli/CliView.h"
#include "components/HelpFiles.h"
#include "core/AppState.h"
#include "core/NetworkStatus.h"
#include "platform/CodePage.h"
#include "platform/Directories.h"
#include "reporter/TavoAlias.h"

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

void PrintNetwork(std::ostream& out, AppState& state, const std::string& name) {
    const NetworkStatus status = ComputeNetworkStatus(state.Units, state.Evaluation);
    out << "network " << state.Window.CurrentNetwork << " of " << state.Window.NetworkCount << ": "
        << Utf8(name) << '\n';
    PrintCurrentLine(out, "consumption", status.Consumption);
    PrintCurrentLine(out, "supply", status.Supply);
    PrintImpedanceLine(out, status.Impedance);
    out << "units: " << state.Evaluation.TotalUnits << " total, "
        << state.Evaluation.AddressableUnits << " addressable of "
        << state.Evaluation.MaxAddressable << '\n';
}

}  // namespace

int RunEvaluate(const EvaluateOptions& options, const std::string& programDirectory,
                std::ostream& out, std::ostream& err) {
    CliPrompts prompts(err);
    auto state = std::make_unique<AppState>(prompts);
    CliView view(*state, prompts);
    const std::string catalogue =
        options.Catalogue.empty() ? JoinPath(programDirectory, kDataFileName) : options.Catalogue;
    const std::string alias =
        options.Alias.empty()
            ? FindSupportFile(kAliasFileName, WorkingDirectory(), programDirectory)
            : options.Alias;
    CommandDriver driver(*state, view, catalogue, options.AddressLimit, alias);
    if (!driver.FormActivate() || !driver.OpenFile(options.Project)) return 1;
    if (!options.Csv.empty() && !driver.ExportInstallationData(options.Csv)) return 1;
    const int count = state->Window.NetworkCount;
    for (int n = 1; n <= count; ++n) {
        driver.cbxNetworksChange(n - 1);
        // A network file that cannot be read leaves the one before in memory.
        if (state->Window.CurrentNetwork != n) return 1;
        PrintNetwork(out, *state, driver.SelectorText());
    }
    return 0;
}

}  // namespace tavo
