#include "platform/IniFile.h"

#include "platform/FileError.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace tavo {

std::string ReadIniValue(const std::string& path, const std::string& section,
                         const std::string& key, const std::string& fallback) {
    if (!FileExists(path)) return fallback;
    try {
        LineReader reader = LineReader::Open(path);
        std::string line;
        bool inSection = false;
        while (reader.ReadLine(line)) {
            const std::string text = TrimSpaces(line);
            if (text.empty() || text[0] == ';') continue;
            if (text[0] == '[') {
                const auto close = text.find(']');
                const std::string name = TrimSpaces(
                    text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
                inSection = EqualsIgnoreCase(name, section);
                continue;
            }
            if (!inSection) continue;
            const auto equals = text.find('=');
            if (equals == std::string::npos) continue;
            if (!EqualsIgnoreCase(TrimSpaces(text.substr(0, equals)), key)) continue;
            std::string value = TrimSpaces(text.substr(equals + 1));
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
                value = value.substr(1, value.size() - 2);
            return value;
        }
    } catch (const FileError&) {
        // An unreadable settings file is treated as a missing one.
    }
    return fallback;
}

}  // namespace tavo
