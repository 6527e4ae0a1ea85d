#include "reporter/TavoAlias.h"

#include <utility>

#include "platform/Text.h"

namespace tavo {
namespace {

bool Separates(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

std::vector<std::string> SplitAliasItems(std::string_view line) {
    std::vector<std::string> items;
    std::size_t at = 0;
    const auto skipSeparators = [&] {
        while (at < line.size() && Separates(line[at])) ++at;
    };
    skipSeparators();
    while (at < line.size()) {
        std::string item;
        if (line[at] == '"') {
            for (++at; at < line.size(); ++at) {
                if (line[at] != '"') {
                    item += line[at];
                } else if (at + 1 < line.size() && line[at + 1] == '"') {
                    item += '"';
                    ++at;
                } else {
                    ++at;
                    break;
                }
            }
        } else {
            while (at < line.size() && line[at] != ',' && !Separates(line[at])) item += line[at++];
        }
        items.push_back(std::move(item));
        skipSeparators();
        if (at < line.size() && line[at] == ',') {
            ++at;
            skipSeparators();
        }
    }
    return items;
}

TTavoAlias TTavoAlias::Load(const std::string& path) {
    if (!FileExists(path)) return {};
    LineReader reader = LineReader::Open(path);
    return FromReader(reader);
}

TTavoAlias TTavoAlias::FromReader(LineReader& reader) {
    std::vector<std::string> lines;
    std::string line;
    while (reader.ReadLine(line)) lines.push_back(line);
    return FromLines(std::move(lines));
}

TTavoAlias TTavoAlias::FromLines(std::vector<std::string> lines) {
    TTavoAlias alias;
    alias.lines_ = std::move(lines);
    for (const std::string& line : alias.lines_) {
        std::vector<std::string> items = SplitAliasItems(line);
        // A line without a code cannot answer; the look-up goes on to later lines.
        if (items.size() >= 2) alias.codes_.emplace(ToUpperAscii(items[0]), std::move(items[1]));
    }
    return alias;
}

std::string TTavoAlias::LookUpAlias(std::string_view unitType) const {
    const auto found = codes_.find(std::string(unitType));
    return found != codes_.end() ? found->second : ToUpperAscii(unitType);
}

}  // namespace tavo
