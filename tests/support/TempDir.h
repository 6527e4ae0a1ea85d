#pragma once

#include <string>
#include <string_view>

namespace tavo::testing {

// A fresh directory under the system's temporary directory, removed with everything in it
// when the object goes.
class TempDir {
  public:
    TempDir();
    // A fresh directory in parent.
    explicit TempDir(const std::string& parent);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // Path of a file in the directory.
    std::string File(std::string_view name) const;

  private:
    std::string path_;
};

// Writes bytes to path exactly as given; throws std::runtime_error on failure.
void WriteBytes(const std::string& path, std::string_view bytes);
// Reads the whole file; throws std::runtime_error on failure.
std::string ReadBytes(const std::string& path);
// Lines joined with CR LF, each line ended.
std::string CrLf(std::initializer_list<std::string_view> lines);

}  // namespace tavo::testing
