// Any bytes as the alias file: every line splits into items no longer than the line, and the
// look-up answers every unit type as the line-by-line scan does (over the lines split once, so
// that an input costs its lines once rather than once per unit type).
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "reporter/TavoAlias.h"
#include "support/LiteralInstallation.h"

using namespace tavo;

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    LineReader reader = LineReader::FromBytes(bytes);
    const TTavoAlias alias = TTavoAlias::FromReader(reader);
    const std::vector<std::string>& lines = alias.Lines();

    std::vector<std::string> types = {"", ToUpperAscii(bytes.substr(0, 8))};
    std::vector<std::vector<std::string>> split;
    for (const std::string& line : lines) {
        const std::vector<std::string>& items = split.emplace_back(SplitAliasItems(line));
        std::size_t length = 0;
        for (const std::string& item : items) length += item.size();
        Check(length <= line.size());
        if (!items.empty() && types.size() < 64) types.push_back(ToUpperAscii(items.front()));
        if (items.size() > 1 && types.size() < 64) types.push_back(items[1]);
    }
    for (const std::string& type : types) {
        std::optional<std::string> literal;
        for (std::size_t i = 0; i < split.size() && !literal; ++i)
            literal = testing::LiteralAliasOfLine(split[i], type);
        Check(alias.LookUpAlias(type) == literal.value_or(ToUpperAscii(type)));
    }
    return 0;
}
