#include "calculator/HeadlessView.h"

#include "core/NetworkStatus.h"
#include "reporter/TagSelection.h"

namespace tavo {

void HeadlessView::RefreshNetworkStatus() {
    state_.Status = TextsOf(ComputeNetworkStatus(state_.Units, state_.Evaluation));
}

int HeadlessView::SelectCatalogueEntry(const Catalogue& units, const std::string& code,
                                       const std::string&, const std::string&, const std::string&) {
    const std::vector<int> slots = SharedCodeSlots(units, code);
    return slots.empty() ? 0 : slots.front();
}

}  // namespace tavo
