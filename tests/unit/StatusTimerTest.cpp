#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "calculator/StatusTimer.h"
#include "core/Evaluation.h"
#include "support/ScriptedPrompts.h"

namespace tavo {
namespace {

const std::string kWarning =
    "Tavo current will exceed 2A under short circuit conditions.\r"
    "Split network into two or more networks.\r"
    "See Help file (Power Supplies section) for more details.";

// Prompts whose message box runs the event loop: whatever is set in whileOpen happens while
// the box is still open, as the timer's ticks do.
class ModalPrompts : public testing::ScriptedPrompts {
  public:
    void ShowMessage(MessageKind kind, const std::string& text) override {
        ScriptedPrompts::ShowMessage(kind, text);
        ++open;
        if (open > mostOpen) mostOpen = open;
        if (whileOpen) whileOpen();
        --open;
    }

    std::function<void()> whileOpen;
    int open = 0;
    int mostOpen = 0;
};

class StatusTimerTest : public ::testing::Test {
  protected:
    // A tick at the given supply current, after the status strip was refreshed for it.
    void TickAt(std::int32_t supply) {
        evaluation.TotalSupply = supply;
        timer.SupplyRefreshed(supply > kCurrentBudget);
        timer.Timer1Timer();
    }

    int Warnings() const { return static_cast<int>(prompts.shown.size()); }

    NetworkEvaluation evaluation;
    ModalPrompts prompts;
    StatusTimer timer{evaluation, prompts};
};

TEST_F(StatusTimerTest, WarnsOncePerExcursionAboveTwoAmps) {
    TickAt(1800);
    TickAt(2000);
    EXPECT_EQ(Warnings(), 0);

    TickAt(2400);
    ASSERT_EQ(Warnings(), 1);
    EXPECT_EQ(prompts.shown[0].Kind, MessageKind::Warning);
    EXPECT_EQ(prompts.shown[0].Text, kWarning);
    EXPECT_FALSE(prompts.shown[0].Question);
    EXPECT_TRUE(timer.ShortCircuitWarned);
    EXPECT_FALSE(timer.ShortCircuitWarningOpen);

    // Still above 2000 mA, also at other values: no second box.
    TickAt(2400);
    TickAt(3100);
    TickAt(2001);
    EXPECT_EQ(Warnings(), 1);

    // Back to exactly 2000 mA, then above it again: a new excursion.
    TickAt(2000);
    EXPECT_FALSE(timer.ShortCircuitWarned);
    EXPECT_EQ(Warnings(), 1);
    TickAt(2400);
    EXPECT_EQ(Warnings(), 2);
    EXPECT_EQ(prompts.shown[1].Text, kWarning);
}

TEST_F(StatusTimerTest, TicksAloneEndTheExcursionBelowTwoAmps) {
    evaluation.TotalSupply = 2400;
    timer.Timer1Timer();
    timer.Timer1Timer();
    EXPECT_EQ(Warnings(), 1);
    evaluation.TotalSupply = 1999;
    timer.Timer1Timer();
    EXPECT_FALSE(timer.ShortCircuitWarned);
    evaluation.TotalSupply = 2400;
    timer.Timer1Timer();
    EXPECT_EQ(Warnings(), 2);
}

TEST_F(StatusTimerTest, NeverTwoWarningBoxesAtOnce) {
    int ticksWhileOpen = 0;
    prompts.whileOpen = [&] {
        if (prompts.open > 1) return;  // a second box: recorded by mostOpen, not run again
        EXPECT_TRUE(timer.ShortCircuitWarningOpen);
        EXPECT_FALSE(timer.ShortCircuitWarned);
        // The timer keeps firing while the box is open.
        for (int i = 0; i < 3; ++i) {
            ++ticksWhileOpen;
            timer.Timer1Timer();
        }
        // Even a refresh that sees the supply fall and rise again while the box is open
        // does not let another box through.
        TickAt(1500);
        TickAt(2600);
    };
    TickAt(2400);
    EXPECT_EQ(ticksWhileOpen, 3);
    EXPECT_EQ(prompts.mostOpen, 1);
    EXPECT_EQ(Warnings(), 1);
    EXPECT_FALSE(timer.ShortCircuitWarningOpen);
    EXPECT_TRUE(timer.ShortCircuitWarned);

    // After the box has closed the excursion goes on: no further box.
    prompts.whileOpen = nullptr;
    timer.Timer1Timer();
    EXPECT_EQ(Warnings(), 1);
}

TEST_F(StatusTimerTest, StartupTicksStopAtFive) {
    for (int tick = 1; tick <= 8; ++tick) {
        timer.Timer1Timer();
        EXPECT_EQ(timer.StartupTicks, tick < kStartupTicks ? tick : kStartupTicks) << tick;
    }
    EXPECT_EQ(kStartupTicks, 5);
    timer.ResetStartupTicks();
    EXPECT_EQ(timer.StartupTicks, 0);
    timer.Timer1Timer();
    EXPECT_EQ(timer.StartupTicks, 1);

    // Ticks inside the warning box count as well.
    timer.ResetStartupTicks();
    prompts.whileOpen = [&] { timer.Timer1Timer(); };
    evaluation.TotalSupply = 2400;
    timer.Timer1Timer();
    EXPECT_EQ(timer.StartupTicks, 2);
}

}  // namespace
}  // namespace tavo
