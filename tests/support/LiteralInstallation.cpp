#include "support/LiteralInstallation.h"

#include "platform/Text.h"
#include "reporter/InstallationTable.h"
#include "reporter/TagConversions.h"
#include "reporter/TagStore.h"
#include "reporter/TavoAlias.h"

namespace tavo::testing {

void LiteralSortRows(TTavoData& table, const TTagStore& tags) {
    const TNetworkItem* first = tags.NetworkAt(2);
    const auto name = [&](int row) -> const std::string& {
        return tags.NetworkByNumber(DecimalOrZero(table.GetCell(kNetworkColumn, row))).Name;
    };
    const auto address = [&](int row) {
        return DecimalOrZero(table.GetCell(kUnitAddressDecColumn, row));
    };
    const int rows = table.RowCount();
    for (int i = 0; i <= rows - 3; ++i) {
        int m = i;
        for (int j = i + 1; j <= rows - 2; ++j) {
            const std::string& nj = name(j);
            const std::string& nm = name(m);
            if (nj == nm) {
                if (address(j) < address(m)) m = j;
            } else if (nj < nm) {
                m = j;
            } else if (first != nullptr && nj == first->Name && nm != first->Name) {
                m = j;
            }
        }
        if (m != i) table.ExchangeRows(i, m);
    }
    for (int row = 0; row < rows; ++row) {
        if (table.GetCell(kProjectColumn, row) != "*") continue;
        table.SetCell(kNetworkColumn, row, "");
        table.SetCell(kUnitAddressDecColumn, row, "");
    }
}

std::string LiteralLookUpAlias(const std::vector<std::string>& lines, std::string_view unitType) {
    for (const std::string& line : lines) {
        const std::vector<std::string> items = SplitAliasItems(line);
        if (items.empty() || ToUpperAscii(items[0]) != unitType) continue;
        if (items.size() >= 2) return items[1];
    }
    return ToUpperAscii(unitType);
}

}  // namespace tavo::testing
