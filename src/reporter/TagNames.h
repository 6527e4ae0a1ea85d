#pragma once

#include <string>
#include <unordered_map>

namespace tavo {

class TTagStore;

// The names the tag store gives to network numbers, application codes and group addresses,
// answered in constant time: the store's own look-ups scan their lists, and the import asks
// for a name on every row. Same answers as the store: the first entry of a key wins, a key
// without one gets the default entry. Built after the tag file has been read; the names stay
// valid until the store is next cleared.
class TTagNames {
  public:
    explicit TTagNames(const TTagStore& tags);

    const std::string& Network(int number) const { return Find(networks_, number); }
    const std::string& Application(int code) const { return Find(applications_, code); }
    const std::string& Group(int address) const { return Find(groups_, address); }

  private:
    struct Names {
        std::unordered_map<int, const std::string*> ByKey;
        const std::string* Default = nullptr;
    };
    static const std::string& Find(const Names& names, int key) {
        const auto found = names.ByKey.find(key);
        return found == names.ByKey.end() ? *names.Default : *found->second;
    }

    Names networks_;
    Names applications_;
    Names groups_;
};

}  // namespace tavo
