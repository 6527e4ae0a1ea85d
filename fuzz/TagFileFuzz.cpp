// Any bytes as a tag file, read into a cleared store: every entry within its text limits,
// every look-up answered, and when memory runs short the store stays whole. Inputs whose last
// byte is 0xF0-0xFF also refuse every n-th entry allocation (n from its low four bits).
#include <cstdint>
#include <cstdlib>
#include <memory_resource>
#include <new>
#include <string>

#include "reporter/TagConversions.h"
#include "reporter/TagStore.h"

using namespace tavo;

namespace {

class RationedMemory : public std::pmr::memory_resource {
  public:
    explicit RationedMemory(int every) : every_(every) {}

  private:
    void* do_allocate(std::size_t bytes, std::size_t alignment) override {
        if (every_ > 0 && ++count_ % every_ == 0) throw std::bad_alloc();
        return std::pmr::new_delete_resource()->allocate(bytes, alignment);
    }
    void do_deallocate(void* p, std::size_t bytes, std::size_t alignment) override {
        std::pmr::new_delete_resource()->deallocate(p, bytes, alignment);
    }
    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override {
        return this == &other;
    }
    int every_;
    int count_ = 0;
};

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const int last = size > 0 ? data[size - 1] : 0;
    const bool rationed = (last & 0xF0) == 0xF0;
    RationedMemory memory(rationed ? (last & 0x0F) + 1 : 0);
    int diagnostics = 0;
    TTagStore store(Diagnostics([&](const std::string&) { ++diagnostics; }, nullptr), &memory);
    store.ClearTags();
    LineReader reader = LineReader::FromBytes(bytes);
    ReadTagFile(store, reader);

    if (!rationed) {
        Check(diagnostics == 0);
        Check(store.NetworkEntryCount() >= 1 && store.NetworkAt(1)->Name == "No Network");
        Check(store.ApplicationAt(1)->Name == "No Application");
        Check(store.GroupAt(1)->Name == "No Group");
    }
    for (int i = 1; i <= store.NetworkEntryCount(); ++i) {
        const TNetworkItem* network = store.NetworkAt(i);
        Check(network != nullptr && network->Name.size() <= kTagNameLength &&
              network->Field1.size() <= kNetworkTextLength);
        Check(store.NetworkByNumber(network->Number).Number == network->Number);
    }
    Check(store.NetworkAt(store.NetworkEntryCount() + 1) == nullptr);
    for (int i = 1; i <= store.ApplicationEntryCount(); ++i) {
        const TApplicationItem* application = store.ApplicationAt(i);
        Check(application != nullptr && application->Name.size() <= kTagNameLength);
        Check(application->Code >= -816 && application->Code <= 3400);
        Check(store.ApplicationByCode(application->Code).Code == application->Code);
    }
    for (int i = 1; i <= store.GroupEntryCount(); ++i) {
        const TGroupItem* group = store.GroupAt(i);
        Check(group != nullptr && group->Name.size() <= kTagNameLength);
        Check(group->Network != nullptr && group->Application != nullptr);
        Check(store.GroupByAddress(group->Address).Address == group->Address);
    }
    for (int i = 1; i <= store.BridgeCount(); ++i)
        Check(store.BridgeAt(i)->First != nullptr && store.BridgeAt(i)->Second != nullptr);
    // Look-ups of any number always yield a name.
    for (const int key : {0, 1, 10, 254, -1, DecimalOrZero(bytes), HexByte(bytes.substr(0, 2))}) {
        Check(store.NetworkByNumber(key).Name.size() <= kTagNameLength);
        Check(store.ApplicationByCode(key).Name.size() <= kTagNameLength);
        Check(store.GroupByAddress(key).Network != nullptr);
    }

    // The conversions over the raw bytes.
    Check(ByteToHex(HexByte(bytes.substr(0, 2))).size() == 2);
    Check(CharCode(bytes, static_cast<int>(size)) == (size > 0 ? last : 0));
    Check(TextBeforeEquals(bytes).size() + TextAfterEquals(bytes).size() <= size);
    Check(BarField(bytes, last % 8).size() <= size);

    store.ClearTags();
    if (!rationed) Check(store.NetworkEntryCount() == 1 && store.BridgeCount() == 0);
    return 0;
}
