#include "calculator/StatusTimer.h"

namespace tavo {

void StatusTimer::Timer1Timer() {
    if (StartupTicks < kStartupTicks) ++StartupTicks;
    if (evaluation_.TotalSupply > kCurrentBudget && !ShortCircuitWarned && !ShortCircuitWarningOpen) {
        ShortCircuitWarningOpen = true;
        prompts_.Warning(kShortCircuitWarning);
        ShortCircuitWarned = true;
        ShortCircuitWarningOpen = false;
    }
    if (evaluation_.TotalSupply < kCurrentBudget) ShortCircuitWarned = false;
}

void StatusTimer::SupplyRefreshed(bool excessShown) {
    if (excessShown) return;
    ShortCircuitWarned = false;
    ShortCircuitWarningOpen = false;
}

}  // namespace tavo
