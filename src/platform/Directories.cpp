#include "platform/Directories.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace tavo {
namespace {

std::string WithSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir.push_back('/');
    return dir;
}

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

std::string ProgramDirectory() {
    std::vector<char> buffer(4096);
    const ssize_t got = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (got <= 0) return WorkingDirectory();
    const std::string exe(buffer.data(), static_cast<std::size_t>(got));
    const auto slash = exe.rfind('/');
    return slash == std::string::npos ? WorkingDirectory() : exe.substr(0, slash + 1);
}

std::string WorkingDirectory() {
    std::vector<char> buffer(4096);
    if (::getcwd(buffer.data(), buffer.size()) == nullptr) return "./";
    return WithSlash(buffer.data());
}

std::string IniDirectory() {
    const std::string windir = Env("TAVO_WINDIR");
    if (!windir.empty()) return WithSlash(windir);
    const std::string config = Env("XDG_CONFIG_HOME");
    if (!config.empty()) return WithSlash(config);
    const std::string home = Env("HOME");
    return WithSlash((home.empty() ? std::string(".") : home) + "/.config");
}

std::string JoinPath(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    return WithSlash(dir) + name;
}

}  // namespace tavo
