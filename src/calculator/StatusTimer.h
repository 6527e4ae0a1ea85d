#pragma once

#include "core/Evaluation.h"
#include "platform/Prompts.h"

namespace tavo {

inline constexpr int kStartupTicks = 5;
inline constexpr const char* kShortCircuitWarning =
    "Tavo current will exceed 2A under short circuit conditions.\r"
    "Split network into two or more networks.\r"
    "See Help file (Power Supplies section) for more details.";

// The duties of the window's 100 ms timer: counting the start-up ticks and warning once per
// excursion of the short-circuit current above 2 A.
class StatusTimer {
  public:
    StatusTimer(const NetworkEvaluation& evaluation, Prompts& prompts)
        : evaluation_(evaluation), prompts_(prompts) {}

    // One tick of the timer. The warning box is modal; ticks that arrive while it is open
    // (the box runs the event loop) do not open another.
    void Timer1Timer();

    // The supply line was refreshed; without an excess the warning may come again. Whether
    // the box is open is left to the box alone.
    void SupplyRefreshed(bool excessShown);

    void ResetStartupTicks() { StartupTicks = 0; }

    int StartupTicks = 0;
    bool ShortCircuitWarned = false;
    bool ShortCircuitWarningOpen = false;

  private:
    const NetworkEvaluation& evaluation_;
    Prompts& prompts_;
};

}  // namespace tavo
