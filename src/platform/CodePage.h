#pragma once

#include <string>
#include <string_view>

namespace tavo {

// Text inside the system is 8-bit Windows-1252, as the files hold it. These convert at the
// edges: to UTF-8 for a terminal or the GUI, and back from what a user typed.
std::string Cp1252ToUtf8(std::string_view text);
// Characters that Windows-1252 cannot hold, and malformed UTF-8, become '?'.
std::string Utf8ToCp1252(std::string_view text);

}  // namespace tavo
