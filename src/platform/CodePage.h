#pragma once

#include <string>
#include <string_view>

namespace tavo {

// Text inside the system is 8-bit Windows-1252, as the files hold it. These convert at the
// edges: to UTF-8 for a terminal or the GUI, and back from what a user typed.
std::string Cp1252ToUtf8(std::string_view text);
// Characters that Windows-1252 cannot hold, and malformed UTF-8, become '?'.
std::string Utf8ToCp1252(std::string_view text);

// A file path inside a message. Messages are Windows-1252 text and paths are in the file
// system's encoding (UTF-8, any letters), so a path travels between two marks that no message
// text holds otherwise, and the edges show it as the file system spells it.
inline constexpr char kPathStart = '\x01';
inline constexpr char kPathEnd = '\x02';
std::string PathInMessage(std::string_view path);

// A message for a screen or a terminal, in UTF-8: its text converted from Windows-1252, the
// paths in it kept as they are.
std::string MessageToUtf8(std::string_view message);

}  // namespace tavo
