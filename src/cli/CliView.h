#pragma once

#include "calculator/HeadlessView.h"
#include "platform/Prompts.h"

namespace tavo {

// The headless main window of tavocalc-cli: where the program would ask which catalogue entry
// an installed unit is, the first entry is taken (as OK at once would) and a warning names the
// unit and the entry.
class CliView : public HeadlessView {
  public:
    CliView(AppState& state, Prompts& prompts) : HeadlessView(state), prompts_(prompts) {}

    int SelectCatalogueEntry(const Catalogue& units, const std::string& code,
                             const std::string& network, const std::string& addressDec,
                             const std::string& addressHex) override;

  private:
    Prompts& prompts_;
};

}  // namespace tavo
