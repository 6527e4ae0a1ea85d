#include "LargeInstallation.h"

#include <algorithm>
#include <random>
#include <vector>

#include "reporter/DbaseTable.h"
#include "reporter/TagConversions.h"

namespace tavo::bench {

testing::InstallationBuilder LargeInstallation(int networks, int unitsPerNetwork) {
    std::mt19937 random(8);
    testing::InstallationBuilder site;
    std::vector<int> numbers(static_cast<std::size_t>(networks));
    for (int n = 0; n < networks; ++n) numbers[static_cast<std::size_t>(n)] = n + 1;
    std::shuffle(numbers.begin(), numbers.end(), random);
    for (int number : numbers)
        site.TagLine("NBuilding " + std::to_string(number) + "=01|b" + std::to_string(number) +
                     "|" + std::to_string(number) + "|0");
    site.TagLine("ALighting=38").TagLine("ABlinds=39");
    for (int group = 0; group < 256; ++group)
        site.TagLine("GGroup " + std::to_string(group) + "=1|" + ByteToHex(group) + "||38");

    std::vector<testing::InstalledUnit> units;
    for (int network = 1; network <= networks; ++network) {
        for (int address = 1; address <= unitsPerNetwork; ++address) {
            testing::UnitBlock block;
            block.FirstApplication = 0x38;
            block.SecondApplication = address % 4 == 0 ? 0x39 : 0x38;
            block.Name = "U" + std::to_string(network) + "-" + std::to_string(address);
            block.Flags = address == 1 ? 0x41 : 0;
            block.Area = network % 8;
            for (int g = 0; g < 8; ++g) block.Groups.push_back((address + 7 * g) % 256);
            block.Serial = static_cast<std::uint32_t>(random());
            block.Parity = static_cast<int>(random() & 0xFF);
            units.push_back({"Harbour Offices", std::to_string(network), ByteToHex(address),
                             address % 2 == 0 ? "RLY8" : "BTN8", testing::BlockHex(block)});
        }
    }
    std::shuffle(units.begin(), units.end(), random);
    for (testing::InstalledUnit& unit : units) site.Unit(std::move(unit));
    return site;
}

TableReading ReadEveryField(const std::string& path) {
    TableReading reading;
    TTbDbase dbase;
    dbase.SetTableName(path);
    if (dbase.Open() != 0) return reading;
    for (dbase.First(); !dbase.Eof(); dbase.Next()) {
        ++reading.Records;
        for (const TTbField& field : dbase.Fields())
            reading.Characters += static_cast<std::int64_t>(field.AsString().size());
    }
    return reading;
}

}  // namespace tavo::bench
