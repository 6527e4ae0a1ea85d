#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavo {
class TTagStore;
class TTavoData;
}  // namespace tavo

namespace tavo::testing {

// The installation table's sort step by step as the reporter has always done it: a selection
// pass that compares every pair through the tag store's linear NetworkByNumber, then the
// blanking of the "*" rows. The oracle for SortRows, and the baseline of its benchmark.
void LiteralSortRows(TTavoData& table, const TTagStore& tags);

// The alias look-up that splits every line again for each unit type.
std::string LiteralLookUpAlias(const std::vector<std::string>& lines, std::string_view unitType);

}  // namespace tavo::testing
