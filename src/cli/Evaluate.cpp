#include "cli/Evaluate.h"

#include <memory>

#include "cli/CliPrompts.h"
#include "core/NetworkStatus.h"
#include "platform/CodePage.h"

namespace tavo {
namespace {

std::string Utf8(const std::string& text) {
    return TerminalText(Cp1252ToUtf8(text));
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

int RunEvaluate(const SessionOptions& options, const std::string& csv,
                const std::string& programDirectory, std::ostream& out, std::ostream& err) {
    CliSession session(options, programDirectory, err);
    if (!session.Open()) return 1;
    CommandDriver& driver = session.Driver();
    AppState& state = session.State();
    if (!csv.empty() && !driver.ExportInstallationData(csv)) return 1;
    const int count = state.Window.NetworkCount;
    for (int n = 1; n <= count; ++n) {
        // A network file that cannot be read leaves the one before in memory.
        if (!driver.MakeCurrent(n - 1)) return 1;
        PrintNetwork(out, state, driver.SelectorText());
    }
    return 0;
}

int RunExport(const SessionOptions& options, const std::string& what, int network,
              const std::string& out, const std::string& programDirectory, std::ostream& err) {
    CliSession session(options, programDirectory, err);
    if (!session.Open()) return 1;
    CommandDriver& driver = session.Driver();
    if (what == "installation") {
        if (session.State().Window.CalculatorProject) {
            session.Prompts().Error(
                "The installation data can only be exported from an "
                "installation project (a tag file)");
            return 1;
        }
        return driver.ExportInstallationData(out) ? 0 : 1;
    }
    if (what == "all") return driver.ExportAllNetworks(out) ? 0 : 1;
    if (network < 1 || network > driver.SelectorCount()) {
        session.Prompts().Error("The project has no network " + std::to_string(network));
        return 1;
    }
    if (!driver.MakeCurrent(network - 1)) return 1;
    return driver.ExportCurrentNetwork(out) ? 0 : 1;
}

}  // namespace tavo
