#include "cli/CliView.h"

#include "core/Catalogue.h"

namespace tavo {

int CliView::SelectCatalogueEntry(const Catalogue& units, const std::string& code,
                                  const std::string& network, const std::string& addressDec,
                                  const std::string& addressHex) {
    const int slot =
        HeadlessView::SelectCatalogueEntry(units, code, network, addressDec, addressHex);
    const UnitType& unit = units.UnitTable[static_cast<std::size_t>(slot)];
    prompts_.Warning("unit " + addressDec + " (" + addressHex + ") on network " + network +
                     ": installation code " + code + " fits several catalogue entries, " +
                     unit.CatNo + " (" + unit.Description + ") taken");
    return slot;
}

}  // namespace tavo
