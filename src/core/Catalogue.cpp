#include "core/Catalogue.h"

#include "platform/CodePage.h"
#include "platform/Text.h"

namespace tavo {
namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) >= 1 && static_cast<unsigned char>(c) <= 32;
}

// The conversion of a numeric field; digits beyond the 32-bit range saturate.
std::int32_t NumericValue(std::string_view text) {
    return ClampToInt32(ScanInteger(text).Value);
}

bool TakesEntry(const UnitType& unit, int listIndex) {
    switch (listIndex) {
        case 0:
            return true;
        case 1:
            return unit.Kind == 'i' || unit.Kind == 'u';
        case 2:
            return unit.Kind == 'o' || unit.Kind == 'u';
        case 3:
            return unit.Kind == 's';
        case 4:
            return unit.HasClock;
        case 5:
            return unit.HasBurden;
        case 6:
            return unit.Supply > 0;
        case 7:
            return unit.Quantity > 0;
        default:
            return false;
    }
}

std::string Quoted(const std::string& text) {
    return "\"" + ShownText(text) + "\"";
}

// Slots 0 to UnitCount, never past the table.
int LastSlot(const Catalogue& catalogue) {
    return catalogue.UnitCount < kTableSlots ? catalogue.UnitCount : kTableSlots - 1;
}

}  // namespace

const char* ListCaption(int listIndex) {
    static constexpr const char* kCaptions[kListCount] = {
        "All Units",         "Input",         "Output", "System", "with Clock", "with Burden",
        "with Power Supply", "Selected Units"};
    return listIndex >= 0 && listIndex < kListCount ? kCaptions[listIndex] : "";
}

void ResetUnitTable(Catalogue& catalogue) {
    for (int slot = 0; slot <= kMaxUnitTypes; ++slot) {
        UnitType& unit = catalogue.UnitTable[static_cast<std::size_t>(slot)];
        unit.Description = "Data base error";
        unit.CatNo.clear();
        unit.Kind = '?';
        unit.Consumption = 0;
        unit.Supply = 0;
        unit.HasClock = false;
        unit.HasBurden = false;
        unit.Jumpers = false;
        unit.Addressable = true;
        unit.ChannelCount = 0;
        unit.Quantity = 0;
        unit.MasterIndex = 0;
    }
    catalogue.UnitListEnd = 0;
    catalogue.UnitCount = 0;
}

std::string EmptyDataFileMessage(const std::string& path) {
    const std::string title = kApplicationTitle;
    return "The data file \"" + PathInMessage(path) + "\" holds no unit types!\r" + title +
           " cannot work without them and will now terminate!";
}

std::string MissingDataFileMessage(const std::string& path) {
    const std::string title = kApplicationTitle;
    return "Unable to find data file\r\"" + PathInMessage(path) +
           "\"!\rData file must exist before " + title + " can work!\r" + title +
           " will now terminate!";
}

bool LoadUnitCatalogue(Catalogue& catalogue, const std::string& path, const WarningSink& warn) {
    catalogue.UnitListEnd = 0;
    // Only a name that is not there is missing: a directory or a device in its place is
    // reported as what it is.
    if (!PathExists(path)) return false;
    LineReader reader = LineReader::Open(path);
    LoadUnitCatalogue(catalogue, reader, warn);
    return true;
}

void LoadUnitCatalogue(Catalogue& catalogue, LineReader& reader, const WarningSink& warn) {
    catalogue.UnitListEnd = 0;
    std::string line;
    std::string description;
    bool pending = false;
    bool surplusReported = false;
    while (reader.ReadLine(line)) {
        if (line.empty() || line[0] == ';') continue;
        if (!pending) {
            description = line;
            pending = true;
            continue;
        }
        pending = false;
        if (catalogue.UnitListEnd < kMaxUnitTypes) {
            ParseUnitLine(catalogue, description, line, warn);
        } else if (!surplusReported) {
            surplusReported = true;
            warn("More than " + std::to_string(kMaxUnitTypes) +
                 " unit types in the data file, unit types from " + Quoted(description) +
                 " on ignored");
        }
    }
    catalogue.UnitCount = catalogue.UnitListEnd;
}

bool ParseUnitLine(Catalogue& catalogue, const std::string& description, const std::string& data,
                   const WarningSink& warn) {
    if (catalogue.UnitListEnd < 0 || catalogue.UnitListEnd >= kMaxUnitTypes) {
        // The table is full (the loader reports its surplus itself and never gets here).
        warn("Unit table full, unit type " + Quoted(description) + " ignored");
        return false;
    }
    const std::vector<std::string> fields = SplitDataFields(data);
    if (fields.size() < 11) {
        warn("Incomplete unit data line " + Quoted(data) + " ignored");
        return false;
    }
    if (fields[1].empty()) {
        warn("Unit data line without unit kind " + Quoted(data) + " ignored");
        return false;
    }
    const ScannedInteger channels = ScanInteger(fields[10]);
    if (!channels.Complete || channels.Value != ClampToInt32(channels.Value)) {
        warn("Unit data line with unreadable channel count " + Quoted(data) + " ignored");
        return false;
    }

    catalogue.UnitListEnd += 1;
    UnitType& unit = catalogue.UnitTable[static_cast<std::size_t>(catalogue.UnitListEnd)];
    unit.Quantity = 0;
    unit.Description = Cut(description, kDescriptionLength);
    unit.CatNo = Cut(fields[0], kCatNoLength);
    unit.Kind = fields[1][0];
    unit.Consumption = IsNumeric(fields[2]) ? NumericValue(fields[2]) : 18;
    unit.Supply = IsNumeric(fields[3]) ? NumericValue(fields[3]) : 0;
    unit.Impedance = IsNumeric(fields[4]) ? static_cast<double>(NumericValue(fields[4])) : 100.0;
    unit.HasClock = IsYes(fields[5]);
    unit.HasBurden = IsYes(fields[6]);
    unit.Jumpers = IsYes(fields[7]);
    unit.Addressable = IsYes(fields[8]);
    unit.InstallCode = Cut(fields[9], kInstallCodeLength);
    unit.ChannelCount = static_cast<std::int32_t>(channels.Value);
    return true;
}

std::vector<std::string> SplitDataFields(std::string_view line) {
    // A NUL ends the line as far as fields go.
    line = line.substr(0, line.find('\0'));
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) ++i;
    while (i < line.size()) {
        std::string field;
        if (line[i] == '"') {
            ++i;
            while (i < line.size()) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field.push_back('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field.push_back(line[i++]);
            }
        } else {
            while (i < line.size() && line[i] != ',' && static_cast<unsigned char>(line[i]) > 32)
                field.push_back(line[i++]);
        }
        fields.push_back(std::move(field));
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (i < line.size() && line[i] == ',') {
            ++i;
            while (i < line.size() && IsBlank(line[i])) ++i;
        }
    }
    return fields;
}

bool IsNumeric(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

bool IsYes(std::string_view text) {
    return ToUpperAscii(TrimSpaces(text)) == "YES";
}

std::string ReadDataVersion(const std::string& path) {
    try {
        LineReader reader = LineReader::Open(path);
        return ReadDataVersion(reader);
    } catch (const std::exception&) {
        return "1.0.0";
    }
}

std::string ReadDataVersion(LineReader& reader) {
    std::string line;
    while (reader.ReadLine(line)) {
        if (line.find("VERSION :") == std::string::npos) continue;
        std::string version = Cut(line.substr(line.find(':') + 1), 200);
        for (char& c : version)
            if (c == ',') c = '.';
        return version;
    }
    return "1.0.0";
}

bool FindUnitByCatNo(const Catalogue& catalogue, std::string_view catNo, int& slot) {
    slot = 0;
    if (catNo.empty()) return false;
    for (int i = 0; i <= kMaxUnitTypes; ++i) {
        if (catalogue.UnitTable[static_cast<std::size_t>(i)].CatNo == catNo) {
            slot = i;
            return true;
        }
    }
    return false;
}

int FindChannelCount(const Catalogue& catalogue, std::string_view code) {
    for (const UnitType& unit : catalogue.UnitTable)
        if (unit.InstallCode == code) return unit.ChannelCount;
    return 0;
}

void ClearQuantities(Catalogue& catalogue) {
    for (int slot = 0; slot <= LastSlot(catalogue); ++slot)
        catalogue.UnitTable[static_cast<std::size_t>(slot)].Quantity = 0;
}

void BuildUnitList(Catalogue& catalogue, int listIndex) {
    int taken = 0;
    for (int slot = 1; slot <= LastSlot(catalogue); ++slot) {
        const UnitType& unit = catalogue.UnitTable[static_cast<std::size_t>(slot)];
        if (!TakesEntry(unit, listIndex)) continue;
        ++taken;
        UnitType& entry = catalogue.UnitList[static_cast<std::size_t>(taken)];
        entry = unit;
        entry.MasterIndex = slot;
    }
    catalogue.UnitListEnd = taken + 1;
    if (listIndex == 0) return;
    for (int slot = catalogue.UnitListEnd; slot <= LastSlot(catalogue); ++slot) {
        UnitType& entry = catalogue.UnitList[static_cast<std::size_t>(slot)];
        entry.Quantity = 0;
        entry.Description.clear();
        entry.CatNo.clear();
    }
}

}  // namespace tavo
