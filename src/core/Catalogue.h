#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TextFile.h"
#include "platform/Warnings.h"

namespace tavo {

inline constexpr const char* kApplicationTitle = "Tavo Calculator";
inline constexpr const char* kDataFileName = "TAVOUNIT.DAT";

inline constexpr int kTableSlots = 201;    // slots 0 to 200
inline constexpr int kMaxUnitTypes = 199;  // unit types live in slots 1 to 199
inline constexpr std::size_t kDescriptionLength = 100;
inline constexpr std::size_t kCatNoLength = 20;
inline constexpr std::size_t kInstallCodeLength = 8;

// One unit type of the catalogue, with the quantity placed on the network being edited.
struct UnitType {
    std::string Description;
    std::string CatNo;
    char Kind = '\0';
    std::int32_t Consumption = 0;  // mA drawn by one unit
    std::int32_t Supply = 0;       // mA one unit feeds in (its short-circuit current)
    double Impedance = 0.0;        // kOhm; 0 or less puts no AC load on the network
    bool HasClock = false;
    bool HasBurden = false;
    bool Jumpers = false;
    bool Addressable = false;
    std::string InstallCode;
    std::int32_t ChannelCount = 0;
    bool SharedCode = false;
    std::int32_t Quantity = 0;
    std::int32_t MasterIndex = 0;
};

// The catalogue read from TAVOUNIT.DAT and the copies the unit grid shows. Slot 0 of the
// table is a sentinel that keeps its reset values; unit types fill slots 1 to UnitCount.
struct Catalogue {
    std::array<UnitType, kTableSlots> UnitTable{};
    std::array<UnitType, kTableSlots> UnitList{};
    int UnitCount = 0;
    int UnitListEnd = 0;  // one more than the entries of UnitList (the grid's row count)
};

// The eight unit lists of the calculator, by tab index 0 to 7.
inline constexpr int kListCount = 8;
const char* ListCaption(int listIndex);

void ResetUnitTable(Catalogue& catalogue);

// Reads the data file at path into slots 1 to N; lines it cannot take go to warn. False when
// the file does not exist: the caller shows MissingDataFileMessage and ends the program.
// Throws FileError when the file exists but cannot be read.
bool LoadUnitCatalogue(Catalogue& catalogue, const std::string& path, const WarningSink& warn);
// The same over lines already opened.
void LoadUnitCatalogue(Catalogue& catalogue, LineReader& reader, const WarningSink& warn);

// The text of the box shown when the data file at path is missing.
std::string MissingDataFileMessage(const std::string& path);
// The text of the box shown when the data file at path holds no unit type at all.
std::string EmptyDataFileMessage(const std::string& path);

// Fills the next slot from one description line and one data line. A data line that cannot
// be converted, or one more unit type than the table holds, is reported and the pair is
// skipped; returns whether a slot was filled.
bool ParseUnitLine(Catalogue& catalogue, const std::string& description, const std::string& data,
                   const WarningSink& warn);

// Splits a data line into fields: spaces and commas separate, double quotes group.
std::vector<std::string> SplitDataFields(std::string_view line);

bool IsNumeric(std::string_view text);
bool IsYes(std::string_view text);

// The data version of the file at path, "1.0.0" when it holds none or cannot be read.
std::string ReadDataVersion(const std::string& path);
std::string ReadDataVersion(LineReader& reader);

// Exact, case-sensitive look-up of a catalogue number in slots 0 to 199; the first match
// wins. An empty number is never found.
bool FindUnitByCatNo(const Catalogue& catalogue, std::string_view catNo, int& slot);

// ChannelCount of the first slot (0 to 200) whose InstallCode equals code; 0 when none does.
int FindChannelCount(const Catalogue& catalogue, std::string_view code);

void ClearQuantities(Catalogue& catalogue);

// Rebuilds the UnitList for one of the eight list tabs.
void BuildUnitList(Catalogue& catalogue, int listIndex);

}  // namespace tavo
