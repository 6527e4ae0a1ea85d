#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

// The maker's web site, shown in the about box and held in the version table.
inline constexpr const char* kMakerWebSite = "https://www.brenlow.example/";

// The path of the translation list and the start of every string path of a version table.
inline constexpr const char* kTranslationPath = "\\VarFileInfo\\Translation";
inline constexpr const char* kStringFileInfo = "\\StringFileInfo\\";

// A version table as the program carries it: its translations (language in the low 16 bits,
// code page in the high 16 bits) and its string values keyed by their full query path,
// for example "\StringFileInfo\040904E4\FileVersion" (one backslash per separator).
struct VersionResource {
    std::vector<std::uint32_t> Translations;
    std::map<std::string, std::string> Strings;
};

// The table compiled into this program: US English, code page 1252, with the project's
// version and the maker's texts.
VersionResource BuiltInVersionResource();

// Answers a query path against a table. "\VarFileInfo\Translation" gives the translation
// list as bytes, four per entry, low byte first; a string path gives its text. A run of
// backslashes counts as one separator, so "\\StringFileInfo\\040904E4\\FileVersion" and
// "\StringFileInfo\040904E4\FileVersion" find the same value. False when nothing is there.
bool QueryVersionValue(const VersionResource& resource, const std::string& path,
                       std::string& value);

// The version keys, in the order they are read.
inline constexpr std::size_t kVersionKeyCount = 21;
extern const std::array<const char*, kVersionKeyCount> kVersionKeys;

// The version texts of the program, each empty until read.
class TZorApplicationInfo {
  public:
    TZorApplicationInfo() = default;
    // Reads the table straight away; nullptr stands for a program without version table.
    explicit TZorApplicationInfo(const VersionResource* resource) { ReadVersionInfo(resource); }

    // Empties every value, then takes the values that the table's first translation holds.
    void ReadVersionInfo(const VersionResource* resource);

    // The value of one of kVersionKeys; empty for a key it does not know.
    const std::string& Value(std::string_view key) const;

    const std::string& CompanyName() const { return Value("CompanyName"); }
    const std::string& FileDescription() const { return Value("FileDescription"); }
    const std::string& FileVersion() const { return Value("FileVersion"); }
    const std::string& LegalCopyright() const { return Value("LegalCopyright"); }
    const std::string& ProductName() const { return Value("ProductName"); }
    const std::string& ProductVersion() const { return Value("ProductVersion"); }
    const std::string& WebSite() const { return Value("WebSite"); }

    // "Version " + the file version, its last dot-separated part shown as the build:
    // "3.12.0.1" gives "Version 3.12.0 (Build 1)", "7" gives "Version 7".
    std::string GetVersionText() const;

  private:
    std::array<std::string, kVersionKeyCount> values_{};
};

// The prefix of the string paths for one translation entry, such as
// "\StringFileInfo\040904E4\" for language 0x0409 and code page 1252.
std::string StringFileInfoPrefix(std::uint32_t translation);

// The long part of a hint: the text after its first '|', or the whole hint without one.
std::string LongHint(const std::string& hint);

// The text of the last status-bar panel for a hint: its long part up to the first line end,
// with six spaces added when the bar has a size grip that would cover the text's end.
std::string StatusBarHintText(const std::string& hint, bool sizeGrip);

}  // namespace tavo
