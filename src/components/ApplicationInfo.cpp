#include "components/ApplicationInfo.h"

#include <algorithm>
#include <cstdio>

#ifndef TAVO_VERSION
#error "TAVO_VERSION must be defined as the project version, for example \"0.1.0\""
#endif

// The build number is the fourth part of the file version; builds without one count as 0.
#define TAVO_STRINGIZE_(x) #x
#define TAVO_STRINGIZE(x) TAVO_STRINGIZE_(x)
#ifdef TAVO_BUILD
#define TAVO_BUILD_TEXT TAVO_STRINGIZE(TAVO_BUILD)
#else
#define TAVO_BUILD_TEXT "0"
#endif

namespace tavo {

const std::array<const char*, kVersionKeyCount> kVersionKeys = {
    "CompanyName",    "FileDescription", "FileVersion",      "InternalName",
    "LegalCopyright", "LegalTrademarks", "OriginalFileName", "ProductName",
    "ProductVersion", "Comments",        "Author",           "Telephone",
    "Email",          "Address",         "WebSite",          "Fax",
    "Support",        "FirmWareMin",     "FirmWareMax",      "ReleaseDate",
    "PromotionLevel"};

namespace {

constexpr std::uint32_t kUsEnglish = 0x0409;
constexpr std::uint32_t kWindows1252 = 1252;

// One backslash for every run of them, the form the table's keys are written in.
std::string CanonicalPath(const std::string& path) {
    std::string out;
    out.reserve(path.size());
    for (char c : path) {
        if (c == '\\' && !out.empty() && out.back() == '\\') continue;
        out += c;
    }
    return out;
}

}  // namespace

std::string StringFileInfoPrefix(std::uint32_t translation) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%04X%04X", static_cast<unsigned>(translation & 0xFFFF),
                  static_cast<unsigned>(translation >> 16));
    return std::string(kStringFileInfo) + digits + "\\";
}

VersionResource BuiltInVersionResource() {
    const std::uint32_t translation = kUsEnglish | (kWindows1252 << 16);
    VersionResource resource;
    resource.Translations.push_back(translation);
    const std::string prefix = StringFileInfoPrefix(translation);
    const std::pair<const char*, std::string> values[] = {
        {"CompanyName", "Brenlow"},
        {"FileDescription", "Tavo network calculator and installation reporter"},
        {"FileVersion", std::string(TAVO_VERSION) + "." + TAVO_BUILD_TEXT},
        {"InternalName", "tavocalc"},
        {"LegalCopyright", "Copyright (C) 2026 Brenlow"},
        {"OriginalFileName", "tavocalc"},
        {"ProductName", "Tavo Calculator"},
        {"ProductVersion", TAVO_VERSION},
        {"Comments", "Plans the power, impedance and addresses of Tavo networks"},
        {"Email", "support@brenlow.example"},
        {"WebSite", kMakerWebSite},
    };
    for (const auto& [key, text] : values) resource.Strings[prefix + key] = text;
    return resource;
}

bool QueryVersionValue(const VersionResource& resource, const std::string& path,
                       std::string& value) {
    const std::string canonical = CanonicalPath(path);
    if (canonical == kTranslationPath) {
        if (resource.Translations.empty()) return false;
        value.clear();
        for (std::uint32_t entry : resource.Translations)
            for (int shift = 0; shift < 32; shift += 8)
                value += static_cast<char>((entry >> shift) & 0xFF);
        return true;
    }
    const auto found = resource.Strings.find(canonical);
    if (found == resource.Strings.end()) return false;
    value = found->second;
    return true;
}

void TZorApplicationInfo::ReadVersionInfo(const VersionResource* resource) {
    for (std::string& value : values_) value.clear();
    if (resource == nullptr) return;

    std::string translations;
    if (!QueryVersionValue(*resource, kTranslationPath, translations) || translations.size() < 4)
        return;
    std::uint32_t first = 0;
    for (int i = 3; i >= 0; --i)
        first =
            (first << 8) | static_cast<unsigned char>(translations[static_cast<std::size_t>(i)]);

    const std::string prefix = StringFileInfoPrefix(first);
    for (std::size_t i = 0; i < kVersionKeyCount; ++i) {
        std::string text;
        if (QueryVersionValue(*resource, prefix + kVersionKeys[i], text)) values_[i] = text;
    }
}

const std::string& TZorApplicationInfo::Value(std::string_view key) const {
    static const std::string kEmpty;
    const auto* found = std::find(kVersionKeys.begin(), kVersionKeys.end(), key);
    if (found == kVersionKeys.end()) return kEmpty;
    return values_[static_cast<std::size_t>(found - kVersionKeys.begin())];
}

std::string TZorApplicationInfo::GetVersionText() const {
    const std::string& version = FileVersion();
    const std::size_t dot = version.rfind('.');
    if (dot == std::string::npos) return "Version " + version;
    return "Version " + version.substr(0, dot) + " (Build " + version.substr(dot + 1) + ")";
}

std::string LongHint(const std::string& hint) {
    const std::size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

std::string StatusBarHintText(const std::string& hint, bool sizeGrip) {
    std::string text = LongHint(hint);
    // A panel holds one line; a hint's later lines belong to its tool tip.
    text = text.substr(0, text.find_first_of("\r\n"));
    if (sizeGrip) text += "      ";
    return text;
}

}  // namespace tavo
