#pragma once

#include <string>
#include <string_view>

namespace tavo {

class TTagNames;
class TTavoData;

// A unit's memory block as the installation keeps it (field BLOCK1 of its table): two hex
// digits per byte, byte 0 first. These read its fields.

// The digits of bytes first to first + count - 1; shorter or empty where the block ends.
std::string_view BlockField(std::string_view block, int first, int count);

// Each pair of digits as the character with the low 8 bits of the pair's HexByte value; a
// final single digit is dropped.
std::string BlockCharacters(std::string_view field);

// The low 8 bits of the HexByte value of the field's first two digits; 0 when they are missing.
int BlockByte(std::string_view field);

// "Yes" when an odd number of the byte's eight bits are set, else empty.
std::string OddParityFlag(int byte);

// "Yes" when the byte has the bit (a bit value such as 0x40) set, else empty.
std::string BitFlag(int byte, int bit);

// Six bytes (a missing one counts 0) as one 48-bit number, most significant byte first, cut
// into eight 6-bit values; value v is the character v + 33, except that 30 gives none. Padded
// with spaces to eight characters.
std::string SixBitName(std::string_view field);

// Four bytes (missing ones count 0) as a 32-bit big-endian number: its upper 20 bits, "-" and
// its lower 12 bits, in decimal ("4660-1383" for 01 23 45 67).
std::string SerialNumber(std::string_view field);

// Appends the rows of one unit of the installation to the table, which ends with an empty row
// and does so again afterwards: max(1, channelCount) rows, the first with the unit's own data,
// its first application and its first group, the others with "*" for the project, the unit's
// address, its second application on the second row when that differs from the first, and
// its further groups. Every row carries the network, so that a unit's rows sort together;
// the sort takes it from the "*" rows again.
void AddUnitRows(TTavoData& table, const TTagNames& tags, int channelCount,
                 std::string_view project, std::string_view network, std::string_view address,
                 std::string_view unitType, std::string_view block);

// The columns that a unit's rows fill (-1 for one the table lacks), for a reader that adds
// many units to one table and looks them up once.
struct UnitRowColumns {
    explicit UnitRowColumns(const TTavoData& table);
    int Project, Network, ApplicationDec, ApplicationHex, ApplicationTag, UnitAddressDec,
        UnitAddressHex, SerialNo, UnitType, PartName, AreaDec, AreaHex, AreaTag, GroupsDec,
        GroupsHex, GroupsTag, Burden, Checksum, Clock, Delays;
};
void AddUnitRows(TTavoData& table, const UnitRowColumns& columns, const TTagNames& tags,
                 int channelCount, std::string_view project, std::string_view network,
                 std::string_view address, std::string_view unitType, std::string_view block);

}  // namespace tavo
