#pragma once

#include <memory>
#include <memory_resource>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/Diagnostics.h"
#include "platform/TextFile.h"

namespace tavo {

// A tag file is read only up to this size.
inline constexpr std::size_t kMaxTagFileBytes = 64u << 20;

// Text limits of the entries; longer texts are cut.
inline constexpr std::size_t kTagNameLength = 20;
inline constexpr std::size_t kNetworkTextLength = 14;

struct TApplicationItem {
    std::string Name;
    int Code = 0;
};

// A network of the installation. Field0, Field1 and Field3 are the other values of its tag
// line, kept as read; nothing in the system uses them.
struct TNetworkItem {
    std::string Name;
    int Number = 0;
    int Field0 = 0;
    std::string Field1;
    int Field3 = 0;
};

// Two networks joined by a bridge. The pointers lead into the same store's network list and
// stay valid as long as the entry does.
struct TBridgeItem {
    const TNetworkItem* First = nullptr;
    const TNetworkItem* Second = nullptr;
};

// A group address with its name, and the network and application it was declared for (as
// they were known when its line was read).
struct TGroupItem {
    std::string Name;
    int Address = 0;
    const TNetworkItem* Network = nullptr;
    const TApplicationItem* Application = nullptr;
};

// The tags of an installation project: names for its networks, applications and groups, and
// its bridges, each list in the order of its tag lines. After ClearTags each list except the
// bridges starts with its default entry ("No Network", "No Application", "No Group", all
// numbered 0), and a look-up that finds nothing yields that default, so it always has a name.
//
// Entries are allocated from the given memory resource. When memory runs out, the entry is
// not added, a diagnostic line says so and the store stays usable.
class TTagStore {
  public:
    explicit TTagStore(Diagnostics diagnostics = Diagnostics(),
                       std::pmr::memory_resource* memory = std::pmr::new_delete_resource());
    // Groups and bridges point into the store, and look-ups may hand out its own defaults.
    TTagStore(const TTagStore&) = delete;
    TTagStore& operator=(const TTagStore&) = delete;

    // Destroys every entry, then adds the three defaults.
    void ClearTags();

    // Each takes the texts as they stand in the tag line. AddLevel reads its line and keeps
    // nothing: levels are not stored.
    void AddApplication(std::string_view name, std::string_view hex);
    void AddNetwork(std::string_view name, std::string_view f0, std::string_view f1,
                    std::string_view number, std::string_view f3);
    void AddGroup(std::string_view name, std::string_view network, std::string_view address,
                  std::string_view application);
    void AddBridge(std::string_view first, std::string_view second);
    void AddLevel(std::string_view name, std::string_view network, std::string_view group,
                  std::string_view application, std::string_view level);

    // The first entry with that key, else the default.
    const TApplicationItem& ApplicationByCode(int code) const;
    const TNetworkItem& NetworkByNumber(int number) const;
    // The first declaration of the address, whatever network or application it was for.
    const TGroupItem& GroupByAddress(int address) const;

    // Entry counts, the default included; 0 before the first ClearTags.
    int NetworkEntryCount() const { return static_cast<int>(networks_.size()); }
    int ApplicationEntryCount() const { return static_cast<int>(applications_.size()); }
    int GroupEntryCount() const { return static_cast<int>(groups_.size()); }
    int BridgeCount() const { return static_cast<int>(bridges_.size()); }

    // Entry i counted from 1 (entry 1 is the default); nullptr outside the list.
    const TNetworkItem* NetworkAt(int i) const { return At(networks_, i); }
    const TApplicationItem* ApplicationAt(int i) const { return At(applications_, i); }
    const TGroupItem* GroupAt(int i) const { return At(groups_, i); }
    const TBridgeItem* BridgeAt(int i) const { return At(bridges_, i); }

  private:
    template <class T>
    struct EntryDeleter {
        std::pmr::memory_resource* Memory;
        void operator()(T* entry) const noexcept {
            entry->~T();
            Memory->deallocate(entry, sizeof(T), alignof(T));
        }
    };
    template <class T>
    using Entries = std::vector<std::unique_ptr<T, EntryDeleter<T>>>;

    template <class T>
    static const T* At(const Entries<T>& list, int i) {
        if (i < 1 || static_cast<std::size_t>(i) > list.size()) return nullptr;
        return list[static_cast<std::size_t>(i) - 1].get();
    }

    template <class T>
    std::unique_ptr<T, EntryDeleter<T>> MakeEntry();
    template <class T, class Fill>
    T* Add(Entries<T>& list, Fill fill, std::string_view failure);
    template <class T>
    void Index(std::unordered_map<int, const T*>& index, int key, const T* entry);
    template <class T, class Matches>
    const T* Look(const std::unordered_map<int, const T*>& index, const Entries<T>& list, int key,
                  Matches matches) const;

    Diagnostics diagnostics_;
    std::pmr::memory_resource* memory_;
    Entries<TApplicationItem> applications_;
    Entries<TNetworkItem> networks_;
    Entries<TGroupItem> groups_;
    Entries<TBridgeItem> bridges_;
    // The first entry of each key, so that a look-up costs the same however long the tag
    // file; while memory was short for an index, look-ups scan the lists instead.
    std::unordered_map<int, const TApplicationItem*> applicationIndex_;
    std::unordered_map<int, const TNetworkItem*> networkIndex_;
    std::unordered_map<int, const TGroupItem*> groupIndex_;
    bool indexComplete_ = true;

    // What look-ups yield while a list holds no default: before the first ClearTags, or when
    // memory ran out while ClearTags added it.
    const TApplicationItem noApplication_{"No Application", 0};
    const TNetworkItem noNetwork_{"No Network", 0, 0, "", 0};
    const TGroupItem noGroup_{"No Group", 0, &noNetwork_, &noApplication_};
    const TApplicationItem* defaultApplication_ = &noApplication_;
    const TNetworkItem* defaultNetwork_ = &noNetwork_;
    const TGroupItem* defaultGroup_ = &noGroup_;
};

// Reads the tag file base + ".tag" into the store, which the caller has cleared. When that
// name is missing, a file of the same name in other letter case is taken; when there is none,
// the store keeps what it has. Throws FileError when the file cannot be read.
void ReadTagFile(TTagStore& store, const std::string& base);
// The same over lines already opened.
void ReadTagFile(TTagStore& store, LineReader& reader);

}  // namespace tavo
