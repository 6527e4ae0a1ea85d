#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/DbaseBuilder.h"

namespace tavo::testing {

// The memory block of an installed unit, field by field; BlockHex writes it as the
// installation keeps it (two hex digits per byte, 247 bytes).
struct UnitBlock {
    int Parity = 0;             // byte 31
    int FirstApplication = 0;   // byte 33
    int SecondApplication = 0;  // byte 34
    std::string Name;           // bytes 42-47: up to eight characters '!' to '`' but '?'
    int Flags = 0;              // byte 62: 0x40 burden, 0x01 clock
    int Area = 0;               // byte 67
    std::vector<int> Groups;    // bytes 80-95
    std::uint32_t Serial = 0;   // bytes 243-246, big-endian
};
std::string BlockHex(const UnitBlock& block);

// One record of the installation's table.
struct InstalledUnit {
    std::string Project;
    std::string Network;  // NETDESC, the network's number in decimal
    std::string Address;  // UNITADD, two hex digits
    std::string Type;     // UNITTYPE
    std::string Block;    // BLOCK1
    bool Deleted = false;
};

// Writes an installation project as the installation software leaves it: the tag file, the
// dBase table of units (UNITADD, UNITTYPE, BLOCK1, BLOCK2, NETDESC, PROJECT) and its memo file.
class InstallationBuilder {
  public:
    InstallationBuilder& TagLine(std::string line);
    InstallationBuilder& Unit(InstalledUnit unit);

    DbaseBuilder Table() const;
    std::string TagBytes() const;
    // base + ".tag", base + ".dbf" and base + ".DBT". Throws std::runtime_error on failure.
    void Write(const std::string& base) const;

  private:
    std::vector<std::string> tagLines_;
    std::vector<InstalledUnit> units_;
};

}  // namespace tavo::testing
