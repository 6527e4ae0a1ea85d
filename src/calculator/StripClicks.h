#pragma once

#include <optional>

#include "core/Catalogue.h"
#include "core/Evaluation.h"
#include "core/NetworkStatus.h"

namespace tavo {

// The controls of the status strip that answer clicks. A panel's double click counts as one
// on its main bar.
enum class StripControl {
    sinkBar,
    exSinkBar,
    SinkL,
    SourceBar,
    ExSourceBar,
    SourceL,
    ACimpBar,
    ACL
};

// What a click on the strip does: switch the unit list, select a row of the "All Units"
// grid (the row number is the UnitTable slot), open a hint topic on a double click, and give
// the unit grid the focus.
struct StripClickAction {
    std::optional<int> Tab;
    std::optional<int> Row;
    std::optional<int> Topic;
    bool FocusGrid = false;
};

// The action for a click on control, given the status last shown and the evaluation it came
// from. A click that matches no case gives an action that does nothing.
StripClickAction DecideStripClick(StripControl control, const NetworkStatus& status,
                                  const NetworkEvaluation& evaluation, const Catalogue& catalogue);

}  // namespace tavo
