#include "reporter/TagSelection.h"

namespace tavo {
namespace {

constexpr std::size_t kDescriptionPart = 200;

std::string_view TrimControls(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32) text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) text.remove_suffix(1);
    return text;
}

}  // namespace

std::vector<int> SharedCodeSlots(const Catalogue& units, std::string_view code) {
    std::vector<int> slots;
    for (int slot = 0; slot < kTableSlots; ++slot)
        if (units.UnitTable[static_cast<std::size_t>(slot)].InstallCode == code)
            slots.push_back(slot);
    return slots;
}

std::string TagListItem(const UnitType& unit) {
    return unit.CatNo + kTagItemSeparator + unit.Description;
}

TagItemParts SplitTagListItem(std::string_view item) {
    const std::string_view separator = kTagItemSeparator;
    const auto at = item.find(separator);
    if (at == std::string_view::npos) return {std::string(TrimControls(item)), {}};
    const std::string_view rest = item.substr(at + separator.size());
    return {std::string(TrimControls(item.substr(0, at))),
            std::string(TrimControls(rest.substr(0, kDescriptionPart)))};
}

std::string TagSelectionCaption(std::string_view code) {
    return "Select Unit from \"" + std::string(code) + "\" sublist";
}

}  // namespace tavo
