#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tavo {

// The installation table's order, apart from the table: each row is reduced to one key, the
// rank of its network name among the names present in the upper 32 bits and its unit address
// in the lower, so that keys compare as (name, address) do.
std::uint64_t SortKey(std::uint32_t nameRank, std::int32_t address);

// Where the installation report's selection sort leaves the rows: order[i] is the row that
// ends at position i. preferredRank is the rank of the tag file's first network name, or -1
// when no row carries that name.
//
// The sort takes, for position i, a winner among the rows from i on and exchanges it with row
// i. Its scan keeps a candidate m and takes row j over it when j's (name, address) is less,
// or when j carries the preferred name and m does not: a preferred row beats a row whose name
// sorts before its own, but only as the challenger. Reports have always come out in that
// order, equal rows included, so it is kept; but where the scan costs a pass over the rest of
// the table, the winner follows from a few range queries:
// - no preferred row from i on: the first row of least key;
// - else, with p the last preferred row: the first row of least key after p, if its name
//   sorts below the preferred one; otherwise S, the first preferred row of least address
//   after q, the last row before p whose name sorts below the preferred one (from i on).
// The scan ends on S because a row named below the preferred one takes over from a preferred
// candidate, and the first preferred row after that takes over from any other. Two range
// minimum trees answer these in O(log n), so the whole order costs O(n log n).
std::vector<std::size_t> SelectionOrder(std::vector<std::uint64_t> keys,
                                        std::int64_t preferredRank);

}  // namespace tavo
