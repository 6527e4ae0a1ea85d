#include "reporter/InstallationSort.h"

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "reporter/InstallationTable.h"
#include "reporter/TagConversions.h"
#include "reporter/TagNames.h"
#include "reporter/TagStore.h"

namespace tavo {
namespace {

constexpr std::uint64_t kNone = std::numeric_limits<std::uint64_t>::max();

// The first position of the least value in a range of positions, and the last position in a
// range whose value is below a bound, each in O(log n). The values stay with the caller, who
// calls Set after changing two; each node keeps only the position of its least value.
class RangeMinimum {
  public:
    // values holds one more value than there are positions: kNone, for the padding leaves.
    explicit RangeMinimum(const std::vector<std::uint64_t>& values) : values_(values) {
        const std::size_t n = values.size() - 1;
        while (leaves_ < n) leaves_ *= 2;
        least_.assign(2 * leaves_, static_cast<std::uint32_t>(n));
        for (std::size_t i = 0; i < n; ++i) least_[leaves_ + i] = static_cast<std::uint32_t>(i);
        for (std::size_t node = leaves_ - 1; node >= 1; --node) Pull(node);
    }

    // After the values at two positions changed: their paths to the root are pulled level by
    // level, once above the node where they meet.
    void Set(std::size_t first, std::size_t second) {
        std::size_t a = (leaves_ + first) / 2;
        std::size_t b = (leaves_ + second) / 2;
        for (; a != b; a /= 2, b /= 2) {
            Pull(a);
            Pull(b);
        }
        for (; a >= 1; a /= 2) Pull(a);
    }

    // The first position of the least value in [from, to].
    std::size_t FirstLeast(std::size_t from, std::size_t to) const {
        std::size_t best = from;
        for (std::size_t lo = from + leaves_, hi = to + leaves_ + 1; lo < hi; lo /= 2, hi /= 2) {
            if (lo & 1) Take(best, least_[lo++]);
            if (hi & 1) Take(best, least_[--hi]);
        }
        return best;
    }

    // The last position in [from, to] whose value is below bound; false when there is none.
    bool LastBelow(std::size_t from, std::size_t to, std::uint64_t bound,
                   std::size_t& position) const {
        return LastBelow(1, 0, leaves_ - 1, from, to, bound, position);
    }

  private:
    // Ties go to the earlier position, which is the left child's.
    void Pull(std::size_t node) {
        const std::uint32_t left = least_[2 * node];
        const std::uint32_t right = least_[2 * node + 1];
        least_[node] = values_[right] < values_[left] ? right : left;
    }
    void Take(std::size_t& best, std::size_t candidate) const {
        if (values_[candidate] < values_[best] ||
            (values_[candidate] == values_[best] && candidate < best))
            best = candidate;
    }
    bool LastBelow(std::size_t node, std::size_t nodeFrom, std::size_t nodeTo, std::size_t from,
                   std::size_t to, std::uint64_t bound, std::size_t& position) const {
        if (nodeTo < from || nodeFrom > to || values_[least_[node]] >= bound) return false;
        if (nodeFrom == nodeTo) {
            position = nodeFrom;
            return true;
        }
        const std::size_t middle = nodeFrom + (nodeTo - nodeFrom) / 2;
        return LastBelow(2 * node + 1, middle + 1, nodeTo, from, to, bound, position) ||
               LastBelow(2 * node, nodeFrom, middle, from, to, bound, position);
    }

    const std::vector<std::uint64_t>& values_;
    std::size_t leaves_ = 1;
    std::vector<std::uint32_t> least_;
};

}  // namespace

std::uint64_t SortKey(std::uint32_t nameRank, std::int32_t address) {
    // Biasing the address keeps negative ones below positive ones in the unsigned key.
    const std::uint32_t biased = static_cast<std::uint32_t>(address) ^ 0x80000000u;
    return (std::uint64_t{nameRank} << 32) | biased;
}

std::vector<std::size_t> SelectionOrder(std::vector<std::uint64_t> keys,
                                        std::int64_t preferredRank) {
    const std::size_t n = keys.size();
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i) order[i] = i;
    if (n < 2) return order;

    const bool preferring = preferredRank >= 0;
    const std::uint64_t below = preferring ? SortKey(static_cast<std::uint32_t>(preferredRank),
                                                     std::numeric_limits<std::int32_t>::min())
                                           : 0;
    const auto preferred = [&](std::uint64_t key) {
        return preferring && key >> 32 == static_cast<std::uint64_t>(preferredRank);
    };
    std::vector<std::uint64_t> preferredKeys(n + 1, kNone);
    for (std::size_t i = 0; i < n; ++i)
        if (preferred(keys[i])) preferredKeys[i] = keys[i];
    keys.push_back(kNone);
    RangeMinimum all(keys);
    RangeMinimum preferredOnly(preferredKeys);

    const std::size_t last = n - 1;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        std::size_t p = 0;
        std::size_t winner = 0;
        if (!preferredOnly.LastBelow(i, last, kNone, p)) {
            winner = all.FirstLeast(i, last);
        } else {
            const std::size_t after = p < last ? all.FirstLeast(p + 1, last) : p;
            if (p < last && keys[after] < below) {
                winner = after;
            } else {
                std::size_t q = 0;
                const bool lower = p > i && all.LastBelow(i, p - 1, below, q);
                winner = preferredOnly.FirstLeast(lower ? q + 1 : i, p);
            }
        }
        if (winner == i) continue;
        std::swap(keys[i], keys[winner]);
        std::swap(order[i], order[winner]);
        all.Set(i, winner);
        // Two rows of other names leave the preferred name's tree as it was.
        if (preferredKeys[i] == kNone && preferredKeys[winner] == kNone) continue;
        std::swap(preferredKeys[i], preferredKeys[winner]);
        preferredOnly.Set(i, winner);
    }
    return order;
}

void TTavoData::SortRows(const TTagStore& tags) {
    // The last row is the empty one the import leaves at the end; it stays where it is.
    const int sorted = rowCount_ - 1;
    if (sorted >= 2) {
        const TTagNames names(tags);
        std::vector<const std::string*> rowNames(static_cast<std::size_t>(sorted));
        std::unordered_set<const std::string*> seen;
        std::vector<std::string_view> distinct;
        for (int row = 0; row < sorted; ++row) {
            const std::string& name = names.Network(DecimalOrZero(GetCell(kNetworkColumn, row)));
            rowNames[static_cast<std::size_t>(row)] = &name;
            if (seen.insert(&name).second) distinct.push_back(name);
        }
        // Byte by byte as unsigned characters, a proper beginning first: std::string's order.
        std::sort(distinct.begin(), distinct.end());
        distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
        const auto rank = [&](std::string_view name) {
            return static_cast<std::uint32_t>(
                std::lower_bound(distinct.begin(), distinct.end(), name) - distinct.begin());
        };

        std::vector<std::uint64_t> keys(static_cast<std::size_t>(sorted));
        for (int row = 0; row < sorted; ++row)
            keys[static_cast<std::size_t>(row)] =
                SortKey(rank(*rowNames[static_cast<std::size_t>(row)]),
                        DecimalOrZero(GetCell(kUnitAddressDecColumn, row)));
        std::int64_t preferredRank = -1;
        if (const TNetworkItem* first = tags.NetworkAt(2)) {
            const auto found = std::lower_bound(distinct.begin(), distinct.end(), first->Name);
            if (found != distinct.end() && *found == first->Name) preferredRank = rank(*found);
        }

        const std::vector<std::size_t> order = SelectionOrder(std::move(keys), preferredRank);
        // Rows move along the cycles of the order, through one spare row.
        const std::size_t width = names_.size();
        const auto row = [&](std::size_t at) { return cells_.data() + at * width; };
        std::vector<Cell> spare(width);
        std::vector<bool> placed(order.size());
        for (std::size_t start = 0; start < order.size(); ++start) {
            if (placed[start] || order[start] == start) continue;
            std::copy_n(row(start), width, spare.begin());
            std::size_t at = start;
            for (; order[at] != start; at = order[at]) {
                std::copy_n(row(order[at]), width, row(at));
                placed[at] = true;
            }
            std::copy_n(spare.begin(), width, row(at));
            placed[at] = true;
        }
    }
    for (int row = 0; row < rowCount_; ++row) {
        if (GetCell(kProjectColumn, row) != "*") continue;
        SetCell(kNetworkColumn, row, {});
        SetCell(kUnitAddressDecColumn, row, {});
    }
}

}  // namespace tavo
