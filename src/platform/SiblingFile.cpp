#include "platform/SiblingFile.h"

#include <sys/stat.h>

#include <filesystem>

#include "platform/Text.h"

namespace tavo {
namespace {

bool Exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

std::string Join(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    return dir.back() == '/' ? dir + name : dir + "/" + name;
}

}  // namespace

std::string FindFileIgnoringCase(const std::string& dir, const std::string& name) {
    if (name.empty()) return {};
    const std::string exact = Join(dir, name);
    if (Exists(exact)) return exact;

    namespace fs = std::filesystem;
    std::error_code error;
    std::string best;
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : fs::path(dir), error);
         !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string entryName = it->path().filename().string();
        if (EqualsIgnoreCase(entryName, name) && (best.empty() || entryName < best))
            best = entryName;
    }
    return best.empty() ? std::string() : Join(dir, best);
}

std::string FindPathIgnoringCase(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return FindFileIgnoringCase("", path);
    return FindFileIgnoringCase(path.substr(0, slash == 0 ? 1 : slash), path.substr(slash + 1));
}

}  // namespace tavo
