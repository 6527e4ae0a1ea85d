#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "components/HelpFiles.h"
#include "platform/TextFile.h"

namespace tavo {

// The items of one alias line. Characters of code 0 to 32 separate items, and so does a comma
// with any such characters around it; two commas in a row give an empty item. An item that
// starts with a double quote runs to the next lone double quote, a doubled one standing for
// one quote character, and the quotes are not part of it.
std::vector<std::string> SplitAliasItems(std::string_view line);

// The alias list: lines that map a unit type, as the installation writes it, to the
// installation code of the catalogue that stands for it ("relay8x, RELAY8"). The first item
// is compared without regard to the case of a-z, the second is taken exactly as written, and
// further items are ignored. The system never writes the file.
class TTavoAlias {
  public:
    TTavoAlias() = default;
    // Reads the file at path; a missing file gives an empty list. Throws FileError when the
    // file is there but cannot be read.
    static TTavoAlias Load(const std::string& path);
    static TTavoAlias FromReader(LineReader& reader);
    static TTavoAlias FromLines(std::vector<std::string> lines);

    // The installation code for a unit type: the second item of the first line whose first
    // item, with a-z in upper case, equals the unit type as passed; the unit type with a-z in
    // upper case when no line matches. A matching line without a second item gives no code,
    // and a later line may still match.
    std::string LookUpAlias(std::string_view unitType) const;

    const std::vector<std::string>& Lines() const { return lines_; }

  private:
    std::vector<std::string> lines_;
    std::unordered_map<std::string, std::string> codes_;  // upper-cased first item -> second
};

}  // namespace tavo
