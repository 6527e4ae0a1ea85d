#include "calculator/HeadlessView.h"

#include "core/NetworkStatus.h"

namespace tavo {

void HeadlessView::RefreshNetworkStatus() {
    state_.Status = TextsOf(ComputeNetworkStatus(state_.Units, state_.Evaluation));
}

}  // namespace tavo
