#pragma once

#include <string>

namespace tavo {

// Reads one value from an INI file of "[Section]" headers and "key=value" lines. Section and
// key compare without regard to case, names and values are trimmed, a value in double quotes
// loses them. A missing file, section or key, or a file that cannot be read, gives fallback.
std::string ReadIniValue(const std::string& path, const std::string& section,
                         const std::string& key, const std::string& fallback);

}  // namespace tavo
