#include "reporter/UnitRows.h"

#include <algorithm>
#include <bitset>
#include <cstdint>

#include "reporter/InstallationTable.h"
#include "reporter/TagConversions.h"
#include "reporter/TagNames.h"

namespace tavo {
namespace {

// Where the block keeps each field: its first byte and its length in bytes.
struct BlockBytes {
    int First;
    int Count;
};
constexpr BlockBytes kChecksumByte{31, 1};
constexpr BlockBytes kApplicationBytes{33, 2};
constexpr BlockBytes kNameBytes{42, 6};
constexpr BlockBytes kFlagsByte{62, 1};
constexpr BlockBytes kAreaByte{67, 1};
constexpr BlockBytes kGroupBytes{80, 16};
constexpr BlockBytes kSerialBytes{243, 4};

constexpr int kBurdenBit = 0x40;
constexpr int kClockBit = 0x01;
constexpr int kNoCharacter = 30;  // the six-bit value that the name leaves out

std::string_view Field(std::string_view block, BlockBytes bytes) {
    return BlockField(block, bytes.First, bytes.Count);
}

// The byte value of the n-th pair of digits (counted from 0); 0 when the pair is incomplete.
int PairByte(std::string_view field, std::size_t n) {
    return BlockByte(field.substr(std::min(field.size(), 2 * n)));
}

}  // namespace

std::string_view BlockField(std::string_view block, int first, int count) {
    if (first < 0 || count <= 0) return {};
    const std::size_t from = 2 * static_cast<std::size_t>(first);
    if (from >= block.size()) return {};
    return block.substr(from, 2 * static_cast<std::size_t>(count));
}

std::string BlockCharacters(std::string_view field) {
    std::string characters(field.size() / 2, '\0');
    for (std::size_t n = 0; n < characters.size(); ++n)
        characters[n] = static_cast<char>(PairByte(field, n));
    return characters;
}

int BlockByte(std::string_view field) {
    if (field.size() < 2) return 0;
    return HexByte(field.substr(0, 2)) & 0xFF;
}

std::string OddParityFlag(int byte) {
    return std::bitset<8>(static_cast<unsigned>(byte) & 0xFFu).count() % 2 == 1 ? "Yes" : "";
}

std::string BitFlag(int byte, int bit) {
    return (byte & bit) != 0 ? "Yes" : "";
}

std::string SixBitName(std::string_view field) {
    std::uint64_t bits = 0;
    for (std::size_t n = 0; n < 6; ++n)
        bits = bits << 8 | static_cast<unsigned>(PairByte(field, n));
    std::string name;
    for (int shift = 42; shift >= 0; shift -= 6) {
        const auto value = static_cast<int>(bits >> shift & 0x3F);
        if (value != kNoCharacter) name += static_cast<char>(value + 33);
    }
    name.resize(8, ' ');
    return name;
}

std::string SerialNumber(std::string_view field) {
    std::uint32_t number = 0;
    for (std::size_t n = 0; n < 4; ++n)
        number = number << 8 | static_cast<unsigned>(PairByte(field, n));
    return std::to_string(number >> 12) + "-" + std::to_string(number & 0xFFFu);
}

UnitRowColumns::UnitRowColumns(const TTavoData& table)
    : Project(table.FindColumn("Project")),
      Network(table.FindColumn("Network")),
      ApplicationDec(table.FindColumn("ApplicationDec")),
      ApplicationHex(table.FindColumn("ApplicationHex")),
      ApplicationTag(table.FindColumn("ApplicationTag")),
      UnitAddressDec(table.FindColumn("UnitAddressDec")),
      UnitAddressHex(table.FindColumn("UnitAddressHex")),
      SerialNo(table.FindColumn("SerialNo")),
      UnitType(table.FindColumn("UnitType")),
      PartName(table.FindColumn("PartName")),
      AreaDec(table.FindColumn("AreaDec")),
      AreaHex(table.FindColumn("AreaHex")),
      AreaTag(table.FindColumn("AreaTag")),
      GroupsDec(table.FindColumn("GroupsDec")),
      GroupsHex(table.FindColumn("GroupsHex")),
      GroupsTag(table.FindColumn("GroupsTag")),
      Burden(table.FindColumn("Burden")),
      Checksum(table.FindColumn("Checksum")),
      Clock(table.FindColumn("Clock")),
      Delays(table.FindColumn("Delays")) {}

void AddUnitRows(TTavoData& table, const TTagNames& tags, int channelCount,
                 std::string_view project, std::string_view network, std::string_view address,
                 std::string_view unitType, std::string_view block) {
    AddUnitRows(table, UnitRowColumns(table), tags, channelCount, project, network, address,
                unitType, block);
}

void AddUnitRows(TTavoData& table, const UnitRowColumns& c, const TTagNames& tags, int channelCount,
                 std::string_view project, std::string_view network, std::string_view address,
                 std::string_view unitType, std::string_view block) {
    const std::string addressDec = std::to_string(HexByte(address));
    const auto write = [&](int column, std::string_view text) {
        table.SetLastRowCell(column, text);
    };
    const auto writeApplication = [&](int code) {
        write(c.ApplicationDec, std::to_string(code));
        write(c.ApplicationHex, ByteToHex(code));
        write(c.ApplicationTag, tags.Application(code));
    };

    write(c.Project, project);
    write(c.Network, network);
    write(c.UnitAddressDec, addressDec);
    write(c.UnitAddressHex, address);
    write(c.UnitType, unitType);
    write(c.PartName, SixBitName(Field(block, kNameBytes)));
    const int area = BlockByte(Field(block, kAreaByte));
    write(c.AreaDec, std::to_string(area));
    write(c.AreaHex, ByteToHex(area));
    write(c.AreaTag, tags.Group(area));
    const int flags = BlockByte(Field(block, kFlagsByte));
    write(c.Burden, BitFlag(flags, kBurdenBit));
    write(c.Clock, BitFlag(flags, kClockBit));
    write(c.SerialNo, SerialNumber(Field(block, kSerialBytes)));
    write(c.Checksum, OddParityFlag(BlockByte(Field(block, kChecksumByte))));
    const std::string applications = BlockCharacters(Field(block, kApplicationBytes));
    const std::string groups = BlockCharacters(Field(block, kGroupBytes));

    const int rows = std::max(1, channelCount);
    for (int n = 1; n <= rows; ++n) {
        write(c.Network, network);
        if (n == 1) writeApplication(CharCode(applications, 1));
        if (n == 2 && CharCode(applications, 2) != CharCode(applications, 1))
            writeApplication(CharCode(applications, 2));
        if (n > 1) {
            write(c.Project, "*");
            write(c.UnitAddressDec, addressDec);
        }
        if (static_cast<std::size_t>(n) <= groups.size()) {
            const int group = CharCode(groups, n);
            write(c.GroupsDec, std::to_string(group));
            write(c.GroupsHex, ByteToHex(group));
            write(c.GroupsTag, tags.Group(group));
            // The group's own number again: the block names no delay of its own.
            write(c.Delays, std::to_string(group));
        }
        table.AppendRow();
    }
}

}  // namespace tavo
