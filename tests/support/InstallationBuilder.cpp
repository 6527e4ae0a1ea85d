#include "support/InstallationBuilder.h"

#include "support/TempDir.h"

namespace tavo::testing {
namespace {

constexpr int kBlockBytes = 247;
constexpr int kNoCharacter = 30;  // the six-bit value that stands for no character

std::string Hex(int byte) {
    static const char digits[] = "0123456789ABCDEF";
    return {digits[(byte >> 4) & 0xF], digits[byte & 0xF]};
}

}  // namespace

std::string BlockHex(const UnitBlock& block) {
    std::vector<int> bytes(kBlockBytes, 0);
    bytes[31] = block.Parity;
    bytes[33] = block.FirstApplication;
    bytes[34] = block.SecondApplication;
    // Eight six-bit values, the first in the most significant bits of byte 42.
    std::uint64_t name = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        const int value = i < block.Name.size() ? block.Name[i] - 33 : kNoCharacter;
        name = (name << 6) | static_cast<std::uint64_t>(value & 0x3F);
    }
    for (int i = 0; i < 6; ++i)
        bytes[static_cast<std::size_t>(42 + i)] = (name >> (40 - 8 * i)) & 0xFF;
    bytes[62] = block.Flags;
    bytes[67] = block.Area;
    for (std::size_t i = 0; i < block.Groups.size() && i < 16; ++i) bytes[80 + i] = block.Groups[i];
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(243 + i)] = (block.Serial >> (24 - 8 * i)) & 0xFF;
    std::string text;
    for (int byte : bytes) text += Hex(byte);
    return text;
}

InstallationBuilder& InstallationBuilder::TagLine(std::string line) {
    tagLines_.push_back(std::move(line));
    return *this;
}

InstallationBuilder& InstallationBuilder::Unit(InstalledUnit unit) {
    units_.push_back(std::move(unit));
    return *this;
}

DbaseBuilder InstallationBuilder::Table() const {
    DbaseBuilder table({{"UNITADD", 'C', 2},
                        {"UNITTYPE", 'C', 10},
                        {"BLOCK1", 'M', 10},
                        {"BLOCK2", 'M', 10},
                        {"NETDESC", 'C', 10},
                        {"PROJECT", 'C', 20}});
    for (const InstalledUnit& unit : units_)
        table.Record({unit.Address, unit.Type, unit.Block, "", unit.Network, unit.Project},
                     unit.Deleted);
    return table;
}

std::string InstallationBuilder::TagBytes() const {
    std::string bytes;
    for (const std::string& line : tagLines_) bytes += line + "\r\n";
    return bytes;
}

void InstallationBuilder::Write(const std::string& base) const {
    WriteBytes(base + ".tag", TagBytes());
    Table().Write(base + ".dbf");
}

}  // namespace tavo::testing
