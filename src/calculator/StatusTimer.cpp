#include "calculator/StatusTimer.h"

namespace tavo {

void StatusTimer::Timer1Timer() {
    if (StartupTicks < kStartupTicks) ++StartupTicks;
    if (evaluation_.TotalSupply > kCurrentBudget && !ShortCircuitWarned &&
        !ShortCircuitWarningOpen) {
        // The box runs the event loop, so further ticks arrive while it is open. The flag
        // is cleared when the box closes, also when showing it fails.
        struct OpenBox {
            bool& open;
            explicit OpenBox(bool& flag) : open(flag) { open = true; }
            ~OpenBox() { open = false; }
        } box(ShortCircuitWarningOpen);
        prompts_.Warning(kShortCircuitWarning);
        ShortCircuitWarned = true;
    }
    if (evaluation_.TotalSupply < kCurrentBudget) ShortCircuitWarned = false;
}

// ShortCircuitWarningOpen tells whether the box is open and is left to the box alone: a
// refresh while the box is open must not let a tick open a second one.
void StatusTimer::SupplyRefreshed(bool excessShown) {
    if (!excessShown) ShortCircuitWarned = false;
}

}  // namespace tavo
