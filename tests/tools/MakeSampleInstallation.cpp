// Writes the sample installation project of the examples: "Harbour Offices", three networks of
// our own invention (tag file, dBase table and memo file). Most unit types are the catalogue's
// installation codes; a motion sensor and an alarm panel go by older names that TavoAlias.als
// maps, and one unit type (an electric-vehicle charger) is not in the catalogue.
//   tavo-make-sample DIRECTORY
#include <iostream>
#include <string>
#include <vector>

#include "support/InstallationBuilder.h"

using tavo::testing::BlockHex;
using tavo::testing::InstallationBuilder;
using tavo::testing::UnitBlock;

namespace {

struct SampleUnit {
    const char* Network;
    const char* Address;
    const char* Type;
    const char* Name;
    int Application;
    int Area;
    std::vector<int> Groups;
    int Flags;
    bool Removed;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: tavo-make-sample DIRECTORY\n";
        return 2;
    }
    InstallationBuilder site;
    for (const char* line : {
             "# Harbour Offices: tags of networks, applications and groups",
             "NMain building=01|main|254|0",
             "NAnnex=02|annex|253|0",
             "NCar park=03|parking|252|0",
             "ALighting=38",
             "ABlinds=39",
             "AHeating=3A",
             "ASecurity=3B",
             "GReception=254|01||38",
             "GOpen office=254|02||38",
             "GMeeting room=254|03||38",
             "GCorridors=254|04||38",
             "GWest blinds=254|10||39",
             "GEast blinds=254|11||39",
             "GOffice heating=254|20||3A",
             "GAlarm zone=254|30||3B",
             "GAnnex store=253|05||38",
             "GAnnex lab=253|06||38",
             "GLevel 1 bays=252|07||38",
             "GEntrance ramp=252|08||38",
             "GGround floor=254|40||38",
             "GFirst floor=254|41||38",
             "GAnnex area=253|42||38",
             "GCar park area=252|43||38",
             "B254|253",
             "B254|252",
         })
        site.TagLine(line);

    const std::vector<SampleUnit> units = {
        {"254", "01", "PSU2", "PSU-MAIN", 0x38, 0x40, {}, 0, false},
        {"254", "02", "CLOCK", "CLOCK", 0x38, 0x40, {}, 0x01, false},
        {"254", "03", "BURDEN", "BURDEN", 0x38, 0x40, {}, 0x40, false},
        {"254", "10", "BTN8", "RECEPT", 0x38, 0x40, {1, 2, 3, 4, 16, 17, 32, 33}, 0, false},
        {"254", "11", "BTN4", "MEET1", 0x38, 0x41, {3, 4, 16, 17}, 0, false},
        {"254", "12", "BTN4", "MEET2", 0x38, 0x41, {3, 4, 16, 17}, 0, false},
        {"254", "13", "PIR1", "CORRPIR", 0x38, 0x41, {4}, 0, false},
        {"254", "20", "RLY8", "LIGHTS1", 0x38, 0x40, {1, 2, 3, 4, 1, 2, 3, 4}, 0, false},
        {"254", "21", "RLY4", "LIGHTS2", 0x38, 0x41, {2, 2, 3, 4}, 0, false},
        {"254", "22", "BLIND", "BLINDW", 0x39, 0x41, {16, 16}, 0, false},
        {"254", "23", "BLIND", "BLINDE", 0x39, 0x41, {17, 17}, 0, false},
        {"254", "24", "THERM", "HEAT", 0x3A, 0x40, {32, 32, 32}, 0, false},
        {"254", "25", "SEC1", "ALARM", 0x3B, 0x40, {48, 48, 48, 48}, 0, false},
        {"254", "26", "PNL6", "PANEL", 0x38, 0x40, {1, 2, 3, 4, 16, 17}, 0, true},
        {"253", "01", "PSU3", "PSU-ANX", 0x38, 0x42, {}, 0x40, false},
        {"253", "10", "BTN4", "STORE", 0x38, 0x42, {5, 6, 5, 6}, 0, false},
        {"253", "11", "RLY8", "ANXLITE", 0x38, 0x42, {5, 5, 6, 6, 5, 5, 6, 6}, 0, false},
        {"253", "12", "BTN1", "LABKEY", 0x38, 0x42, {6}, 0, false},
        {"252", "01", "PSU2", "PSU-CAR", 0x38, 0x43, {}, 0x41, false},
        {"252", "10", "BIN16", "SENSORS", 0x38, 0x43, {7, 7, 7, 7, 8, 8, 8, 8}, 0, false},
        {"252", "11", "RLY12", "BAYS", 0x38, 0x43, {7, 7, 7, 7, 7, 7, 8, 8, 8, 8, 8, 8}, 0, false},
        {"252", "12", "EVC2", "CHARGER", 0x38, 0x43, {8}, 0, false},
    };
    std::uint32_t serial = 0x00A41000;
    for (const SampleUnit& unit : units) {
        UnitBlock block;
        block.FirstApplication = unit.Application;
        block.SecondApplication = unit.Application;
        block.Name = unit.Name;
        block.Flags = unit.Flags;
        block.Area = unit.Area;
        block.Groups = unit.Groups;
        block.Serial = serial += 0x137;
        block.Parity = (serial & 0x7F) | 1;
        site.Unit({"Harbour Offices", unit.Network, unit.Address, unit.Type, BlockHex(block),
                   unit.Removed});
    }
    site.Write(std::string(argv[1]) + "/Harbour");
    return 0;
}
