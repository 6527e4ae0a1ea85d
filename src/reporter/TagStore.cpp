#include "reporter/TagStore.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <utility>

#include "platform/Text.h"
#include "reporter/TagConversions.h"

namespace tavo {
namespace {

constexpr std::string_view kUnitName = "TVRdata";

// A level line is read like a group line and then dropped; this is what it reads.
struct TLevelItem {
    std::string Name;
    const TNetworkItem* Network = nullptr;
    const TGroupItem* Group = nullptr;
    const TApplicationItem* Application = nullptr;
    int Level = 0;
};

// The tag line's characters 2 to 257; the first one gives the kind of the line.
constexpr std::size_t kContentLength = 256;

template <class List, class Key>
auto FindFirst(const List& list, Key key) -> decltype(list.front().get()) {
    const auto found = std::find_if(list.begin(), list.end(), key);
    return found == list.end() ? nullptr : found->get();
}

// base + ".tag", or a file of that name in other letter case in the same directory (the
// installation software comes from a system whose file names ignore case); empty when there
// is neither.
std::string TagFilePath(const std::string& base) {
    std::string path = base + ".tag";
    if (FileExists(path)) return path;

    namespace fs = std::filesystem;
    const fs::path wanted(path);
    const std::string wantedName = wanted.filename().string();
    fs::path directory = wanted.parent_path();
    if (directory.empty()) directory = ".";
    std::error_code error;
    fs::directory_iterator entries(directory, error);
    if (error) return {};
    std::vector<std::string> matches;
    for (const fs::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (EqualsIgnoreCase(name, wantedName) && FileExists(entry.path().string()))
            matches.push_back(entry.path().string());
    }
    if (matches.empty()) return {};
    // Several spellings side by side: take the same one every time.
    return *std::min_element(matches.begin(), matches.end());
}

}  // namespace

TTagStore::TTagStore(Diagnostics diagnostics, std::pmr::memory_resource* memory)
    : diagnostics_(std::move(diagnostics)), memory_(memory) {}

template <class T>
std::unique_ptr<T, TTagStore::EntryDeleter<T>> TTagStore::MakeEntry() {
    void* place = memory_->allocate(sizeof(T), alignof(T));
    T* entry = nullptr;
    try {
        entry = ::new (place) T();
    } catch (...) {
        memory_->deallocate(place, sizeof(T), alignof(T));
        throw;
    }
    return std::unique_ptr<T, EntryDeleter<T>>(entry, EntryDeleter<T>{memory_});
}

// Builds an entry, lets fill set its fields and appends it; when memory runs out anywhere on
// the way, the list stays as it was and one diagnostic line tells which kind was lost.
template <class T, class Fill>
T* TTagStore::Add(Entries<T>& list, Fill fill, std::string_view failure) {
    try {
        auto entry = MakeEntry<T>();
        fill(*entry);
        list.push_back(std::move(entry));
        return list.back().get();
    } catch (const std::bad_alloc&) {
        diagnostics_.Write(kUnitName, failure);
        return nullptr;
    }
}

// The first entry of each key is the one a look-up finds.
template <class T>
void TTagStore::Index(std::unordered_map<int, const T*>& index, int key, const T* entry) {
    if (entry == nullptr) return;
    try {
        index.try_emplace(key, entry);
    } catch (const std::bad_alloc&) {
        // The entry stays; look-ups fall back to scanning its list.
        indexComplete_ = false;
    }
}

void TTagStore::ClearTags() {
    groups_.clear();
    bridges_.clear();
    applications_.clear();
    networks_.clear();
    applicationIndex_.clear();
    networkIndex_.clear();
    groupIndex_.clear();
    indexComplete_ = true;
    defaultApplication_ = &noApplication_;
    defaultNetwork_ = &noNetwork_;
    defaultGroup_ = &noGroup_;

    AddApplication("No Application", "00");
    if (!applications_.empty()) defaultApplication_ = applications_.front().get();
    AddNetwork("No Network", "00", "", "00", "00");
    if (!networks_.empty()) defaultNetwork_ = networks_.front().get();
    AddGroup("No Group", "00", "00", "00");
    if (!groups_.empty()) defaultGroup_ = groups_.front().get();
}

void TTagStore::AddApplication(std::string_view name, std::string_view hex) {
    const TApplicationItem* entry = Add(
        applications_,
        [&](TApplicationItem& item) {
            item.Name = Cut(name, kTagNameLength);
            item.Code = HexByte(hex);
        },
        "Unable to add a application item");
    if (entry != nullptr) Index(applicationIndex_, entry->Code, entry);
}

void TTagStore::AddNetwork(std::string_view name, std::string_view f0, std::string_view f1,
                           std::string_view number, std::string_view f3) {
    const TNetworkItem* entry = Add(
        networks_,
        [&](TNetworkItem& item) {
            item.Name = Cut(name, kTagNameLength);
            item.Number = DecimalOrZero(number);
            item.Field0 = HexByte(f0);
            item.Field1 = Cut(f1, kNetworkTextLength);
            item.Field3 = DecimalOrZero(f3);
        },
        "Unable to add a network item");
    if (entry != nullptr) Index(networkIndex_, entry->Number, entry);
}

void TTagStore::AddGroup(std::string_view name, std::string_view network, std::string_view address,
                         std::string_view application) {
    const TGroupItem* entry = Add(
        groups_,
        [&](TGroupItem& item) {
            item.Name = Cut(name, kTagNameLength);
            item.Address = HexByte(address);
            item.Network = &NetworkByNumber(DecimalOrZero(network));
            item.Application = &ApplicationByCode(HexByte(application));
        },
        "Unable to add a groups item");
    if (entry != nullptr) Index(groupIndex_, entry->Address, entry);
}

void TTagStore::AddBridge(std::string_view first, std::string_view second) {
    Add(
        bridges_,
        [&](TBridgeItem& item) {
            item.First = &NetworkByNumber(DecimalOrZero(first));
            item.Second = &NetworkByNumber(DecimalOrZero(second));
        },
        "Unable to add a bridge item");
}

void TTagStore::AddLevel(std::string_view name, std::string_view network, std::string_view group,
                         std::string_view application, std::string_view level) {
    // Built like the other entries so that it fails the same way, then dropped.
    Entries<TLevelItem> dropped;
    Add(
        dropped,
        [&](TLevelItem& item) {
            item.Name = Cut(name, kTagNameLength);
            item.Network = &NetworkByNumber(DecimalOrZero(network));
            item.Group = &GroupByAddress(HexByte(group));
            item.Application = &ApplicationByCode(HexByte(application));
            item.Level = HexByte(level);
        },
        "Unable to add a level item");
}

template <class T, class Matches>
const T* TTagStore::Look(const std::unordered_map<int, const T*>& index, const Entries<T>& list,
                         int key, Matches matches) const {
    if (indexComplete_) {
        const auto found = index.find(key);
        return found != index.end() ? found->second : nullptr;
    }
    return FindFirst(list, matches);
}

const TApplicationItem& TTagStore::ApplicationByCode(int code) const {
    const auto* found = Look(applicationIndex_, applications_, code,
                             [code](const auto& item) { return item->Code == code; });
    return found != nullptr ? *found : *defaultApplication_;
}

const TNetworkItem& TTagStore::NetworkByNumber(int number) const {
    const auto* found = Look(networkIndex_, networks_, number,
                             [number](const auto& item) { return item->Number == number; });
    return found != nullptr ? *found : *defaultNetwork_;
}

const TGroupItem& TTagStore::GroupByAddress(int address) const {
    const auto* found = Look(groupIndex_, groups_, address,
                             [address](const auto& item) { return item->Address == address; });
    return found != nullptr ? *found : *defaultGroup_;
}

void ReadTagFile(TTagStore& store, const std::string& base) {
    const std::string path = TagFilePath(base);
    if (path.empty()) return;
    LineReader reader = LineReader::Open(path, kMaxTagFileBytes);
    ReadTagFile(store, reader);
}

void ReadTagFile(TTagStore& store, LineReader& reader) {
    std::string line;
    while (reader.ReadLine(line)) {
        const char kind = line.empty() ? '#' : line.front();
        const std::string_view content =
            line.empty() ? std::string_view() : std::string_view(line).substr(1, kContentLength);
        switch (kind) {
            case 'A':
                store.AddApplication(TextBeforeEquals(content), TextAfterEquals(content));
                break;
            case 'B':
                store.AddBridge(BarField(content, 0), BarField(content, 1));
                break;
            case 'G': {
                const std::string values = TextAfterEquals(content);
                store.AddGroup(TextBeforeEquals(content), BarField(values, 0), BarField(values, 1),
                               BarField(values, 3));
                break;
            }
            case 'L': {
                const std::string values = TextAfterEquals(content);
                store.AddLevel(TextBeforeEquals(content), BarField(values, 0), BarField(values, 1),
                               BarField(values, 3), BarField(values, 4));
                break;
            }
            case 'N': {
                const std::string values = TextAfterEquals(content);
                store.AddNetwork(TextBeforeEquals(content), BarField(values, 0),
                                 BarField(values, 1), BarField(values, 2), BarField(values, 3));
                break;
            }
            default:
                break;  // comments, blank lines and kinds the system does not use
        }
    }
}

}  // namespace tavo
