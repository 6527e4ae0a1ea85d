// Any bytes as a network file, read against the sample catalogue, then evaluated: no row may
// crash the reader and no quantity may overflow the evaluation or the status strip.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "FuzzPrompts.h"
#include "core/AppState.h"
#include "core/NetworkFile.h"

using namespace tavo;

namespace {

const char kCatalogue[] =
    "; VERSION : 1\r\n"
    "Power supply\r\nPS1, p, 0, 350, 0, YES, YES, NO, NO, PSU, 1\r\n"
    "Input\r\nIN4, i, 18, 0, 36, NO, NO, NO, YES, IN, 4\r\n"
    "Output\r\nOUT8, o, 40, 0, 45, NO, NO, YES, YES, OUT, 8\r\n"
    "Burden\r\nBUR, s, 5, 0, 0, NO, YES, NO, NO, BUR, 1\r\n"
    "Clock\r\nCLK, s, 20, 0, 1, YES, NO, NO, NO, CLK, 1\r\n";

AppState& State() {
    static fuzzing::SilentPrompts prompts;
    static std::unique_ptr<AppState> state = [] {
        auto made = std::make_unique<AppState>(prompts);
        ResetUnitTable(made->Units);
        LineReader reader = LineReader::FromBytes(kCatalogue);
        LoadUnitCatalogue(made->Units, reader, [](const std::string&) {});
        return made;
    }();
    return *state;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    AppState& state = State();
    LineReader reader = LineReader::FromBytes(bytes);
    ReadNetworkLines(state.Units, reader, [](const std::string&) {});
    for (int slot = 0; slot < kTableSlots; ++slot)
        if (state.Units.UnitTable[static_cast<std::size_t>(slot)].Quantity < 0) std::abort();
    Evaluate(state.Units, state.Evaluation);
    CountUnits(state.Units, state.Evaluation);
    const NetworkStatus status = ComputeNetworkStatus(state.Units, state.Evaluation);
    for (const StatusLine* line : {&status.Consumption, &status.Supply, &status.Impedance})
        if (line->BarWidth < 0 || line->BarWidth > 250 || line->ExcessWidth > 53) std::abort();
    LargestQuantitySlot(state.Units);
    LargestConsumerSlot(state.Units);
    LineReader names = LineReader::FromBytes(bytes);
    if (ReadNetworkName(names, 7).size() > 200) std::abort();
    return 0;
}
