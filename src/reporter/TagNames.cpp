#include "reporter/TagNames.h"

#include <limits>

#include "reporter/TagStore.h"

namespace tavo {
namespace {

// entryAt(i) for i = 1..count gives the entries in store order; byKey(k) is the store's own
// look-up, asked once for a key no entry has, which yields the list's default.
template <class Names, class EntryAt, class Key, class ByKey>
void Index(Names& names, int count, EntryAt entryAt, Key key, ByKey byKey) {
    for (int i = 1; i <= count; ++i) {
        const auto& entry = *entryAt(i);
        names.ByKey.emplace(key(entry), &entry.Name);
    }
    int unused = std::numeric_limits<int>::min();
    while (names.ByKey.contains(unused)) ++unused;
    names.Default = &byKey(unused).Name;
}

}  // namespace

TTagNames::TTagNames(const TTagStore& tags) {
    Index(
        networks_, tags.NetworkEntryCount(), [&](int i) { return tags.NetworkAt(i); },
        [](const TNetworkItem& entry) { return entry.Number; },
        [&](int number) -> const TNetworkItem& { return tags.NetworkByNumber(number); });
    Index(
        applications_, tags.ApplicationEntryCount(), [&](int i) { return tags.ApplicationAt(i); },
        [](const TApplicationItem& entry) { return entry.Code; },
        [&](int code) -> const TApplicationItem& { return tags.ApplicationByCode(code); });
    Index(
        groups_, tags.GroupEntryCount(), [&](int i) { return tags.GroupAt(i); },
        [](const TGroupItem& entry) { return entry.Address; },
        [&](int address) -> const TGroupItem& { return tags.GroupByAddress(address); });
}

}  // namespace tavo
