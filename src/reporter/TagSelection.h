#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/Catalogue.h"

namespace tavo {

// The rules of the tag selection dialog, which asks which catalogue entry an installed unit
// is when several entries share its installation code.

inline constexpr const char* kTagItemSeparator = "    |    ";

// The slots (0 to 200, in order) whose InstallCode equals code exactly.
std::vector<int> SharedCodeSlots(const Catalogue& units, std::string_view code);

// A list item: CatNo, the separator, Description.
std::string TagListItem(const UnitType& unit);

// The two parts of a list item as the dialog draws them: the text before the first separator,
// and at most 200 characters after it, both without surrounding spaces and control characters.
struct TagItemParts {
    std::string CatalogueNumber;
    std::string Description;
};
TagItemParts SplitTagListItem(std::string_view item);

// "Select Unit from "RELAY8" sublist".
std::string TagSelectionCaption(std::string_view code);

}  // namespace tavo
