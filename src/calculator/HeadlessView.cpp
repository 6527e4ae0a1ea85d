#include "calculator/HeadlessView.h"

#include "core/NetworkStatus.h"
#include "reporter/TagSelection.h"
#include "reports/ReportRun.h"
#include "reports/TextMetrics.h"

namespace tavo {

void HeadlessView::RefreshNetworkStatus() {
    state_.Status = TextsOf(ComputeNetworkStatus(state_.Units, state_.Evaluation));
}

int HeadlessView::SelectCatalogueEntry(const Catalogue& units, const std::string& code,
                                       const std::string&, const std::string&, const std::string&) {
    const std::vector<int> slots = SharedCodeSlots(units, code);
    return slots.empty() ? 0 : slots.front();
}

std::optional<PrintRequest> HeadlessView::ExecutePrintDialog(bool calculatorProject) {
    LastDialogForCalculator = calculatorProject;
    std::optional<PrintRequest> request = NextPrintRequest;
    NextPrintRequest.reset();
    return request;
}

bool HeadlessView::ProduceReport(ReportLayout& layout, ReportFeed& feed,
                                 const ReportDevice& device) {
    const FixedPitchMetrics metrics;
    ProducedReport produced{layout.Name, device, {}};
    {
        ReportRun run(layout, feed, metrics, device.PrintDateTime);
        for (int page = 1; page <= run.PageCount(); ++page) {
            std::vector<std::string> texts;
            for (const Placed& placed : run.LayOut(page).Items)
                if (placed.Kind == PlacedKind::Text) texts.push_back(placed.Text);
            produced.Pages.push_back(std::move(texts));
        }
    }
    Produced.push_back(std::move(produced));
    if (AfterProduce) AfterProduce();
    return true;
}

void HeadlessView::ShowPrintProgress(std::function<void()> cancel) {
    ProgressShown = true;
    ProgressCancel = std::move(cancel);
}

}  // namespace tavo
