#include "core/NetworkFile.h"

#include <vector>

#include "platform/Directories.h"
#include "platform/FileError.h"
#include "platform/IniFile.h"
#include "platform/Text.h"

namespace tavo {
namespace {

constexpr std::size_t kRowWords = 10;
constexpr std::size_t kCatNoColumn = 12;
constexpr std::size_t kNetworkNameLength = 200;
constexpr int kRecognisedWithin = 20;
const std::string kDashes(32, '-');

// Splits at runs of characters with codes 0 to 32; at most kRowWords words.
std::vector<std::string> SplitWords(std::string_view row) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (words.size() < kRowWords) {
        while (i < row.size() && static_cast<unsigned char>(row[i]) <= 32) ++i;
        if (i >= row.size()) break;
        const std::size_t start = i;
        while (i < row.size() && static_cast<unsigned char>(row[i]) > 32) ++i;
        words.emplace_back(row.substr(start, i - start));
    }
    return words;
}

bool IsNetworkNameLine(const std::string& line) {
    return ToLowerAscii(TrimSpaces(line)).rfind("network name", 0) == 0;
}

constexpr const char* kTitleStart = "The local Tavo network file ";

// The title line carries the file's path and the name line the network's name; either may
// hold five dashes, and neither may then start the rows.
bool IsFreeTextLine(const std::string& line) {
    return line.rfind(kTitleStart, 0) == 0 || IsNetworkNameLine(line);
}

}  // namespace

std::string NetworkNumberText(int number) {
    std::string text = std::to_string(number);
    while (text.size() < 3) text.insert(text.begin(), '0');
    return text;
}

std::string PathWithoutExtension(std::string_view path) {
    const auto slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos || dot < nameStart) return std::string(path);
    return std::string(path.substr(0, dot));
}

std::string ReplaceExtension(std::string_view path, std::string_view extension) {
    return PathWithoutExtension(path) + std::string(extension);
}

std::string NetworkFilePath(std::string_view projectFileName, int number) {
    return ReplaceExtension(projectFileName, "." + NetworkNumberText(number));
}

namespace {

void WriteNetworkLines(AtomicWriter& file, const AppState& state, const std::string& networkName) {
    file.WriteLine(kTitleStart + file.Path() + " was created by Tavo Calculator");
    file.WriteLine("NetWork Name:" + networkName);
    file.WriteLine("             Saved:\t" + FormatShortDate(state.Locale, state.Today()));
    file.WriteLine("            Report:\t" + state.Status.PowerStatusText);
    file.WriteLine("                  :\t" + state.Status.SupplyStatusText);
    file.WriteLine("                  :\t" + state.Status.ImpedanceStatusText);
    file.WriteLine(kDashes);
    file.WriteLine("Cat.No.                 Qty");
    file.WriteLine(kDashes);
    for (int slot = 1; slot <= kMaxUnitTypes; ++slot) {
        const UnitType& unit = state.Units.UnitTable[static_cast<std::size_t>(slot)];
        if (unit.Quantity <= 0) continue;
        std::string row = unit.CatNo;
        if (row.size() < kCatNoColumn) row.append(kCatNoColumn - row.size(), ' ');
        file.WriteLine(row + "\t\t" + std::to_string(unit.Quantity));
    }
}

}  // namespace

bool SaveNetworkFile(const AppState& state, const std::string& networkName, int number) {
    if (state.Window.ProjectBaseName.empty()) return false;
    AtomicWriter file(state.Window.ProjectBaseName + "." + NetworkNumberText(number));
    WriteNetworkLines(file, state, networkName);
    file.Commit();
    return true;
}

bool SaveNetworkFile(const AppState& state, const std::string& networkName, int number,
                     AtomicBatch& batch) {
    if (state.Window.ProjectBaseName.empty()) return false;
    WriteNetworkLines(batch.Add(state.Window.ProjectBaseName + "." + NetworkNumberText(number)),
                      state, networkName);
    return true;
}

NetworkFileRead ReadNetworkFile(Catalogue& units, const std::string& path,
                                const WarningSink& warn) {
    ClearQuantities(units);
    // Only a name that is not there at all is a missing file; anything else is opened, so that
    // a directory or a device in its place is reported instead of read as an empty network.
    if (!PathExists(path)) return {};
    LineReader reader = LineReader::Open(path, kMaxNetworkFileBytes);
    NetworkFileRead read = ReadNetworkLines(units, reader, warn);
    if (!read.Recognised) {
        ClearQuantities(units);
        throw FileError::Because("Cannot read file", path, kNotANetworkFile);
    }
    return read;
}

NetworkFileRead ReadNetworkLines(Catalogue& units, LineReader& reader, const WarningSink& warn) {
    ClearQuantities(units);
    NetworkFileRead read;
    read.Found = true;
    read.Complete = true;
    int dashLines = 0;
    int lines = 0;
    std::string line;
    // A row that cannot be taken is skipped with its warning; the rows after it still count.
    while (reader.ReadLine(line)) {
        // A network file names its network or draws its dash lines within its first lines.
        if (++lines <= kRecognisedWithin &&
            (IsNetworkNameLine(line) || line.find("-----") != std::string::npos))
            read.Recognised = true;
        if (ToLowerAscii(line).find("saved") != std::string::npos) {
            const auto tab = line.rfind('\t');
            read.SavedDate = tab == std::string::npos ? line : line.substr(tab + 1);
            continue;
        }
        const bool dashes = line.find("-----") != std::string::npos;
        if (dashes && (dashLines >= 2 || !IsFreeTextLine(line))) {
            ++dashLines;
            continue;
        }
        if (dashLines >= 2 && !TrimSpaces(line).empty() &&
            (reader.LineCut() || !ParseNetworkRow(units, line, warn))) {
            if (reader.LineCut()) warn("Unrecognised text " + ShownText(line) + " ignored");
            read.Complete = false;
        }
    }
    return read;
}

bool ParseNetworkRow(Catalogue& units, const std::string& row, const WarningSink& warn) {
    const std::vector<std::string> words = SplitWords(row);
    const std::string catNo = words.empty() ? std::string() : words[0];
    const std::string quantity = words.size() > 1 ? words[1] : std::string();
    int slot = 0;
    if (!FindUnitByCatNo(units, catNo, slot)) {
        warn("Unknown unit Cat.No. " + ShownText(catNo) + " ignored");
        return false;
    }
    if (IsNumeric(quantity)) {
        const std::int64_t value = ScanInteger(quantity).Value;
        if (value == ClampToInt32(value)) {
            units.UnitTable[static_cast<std::size_t>(slot)].Quantity =
                static_cast<std::int32_t>(value);
            return true;
        }
    }
    warn("Unrecognised text \"" + ShownText(quantity) + "\" ignored");
    return false;
}

std::string ReadNetworkName(const std::string& projectFileName, int number) {
    const std::string path = NetworkFilePath(projectFileName, number);
    if (!FileExists(path)) return "Network " + std::to_string(number);
    LineReader reader = LineReader::Open(path);
    return ReadNetworkName(reader, number);
}

std::string ReadNetworkName(LineReader& reader, int number) {
    std::string line;
    while (reader.ReadLine(line)) {
        if (!IsNetworkNameLine(line)) continue;
        const auto colon = line.find(':');
        const std::string name = colon == std::string::npos ? line : line.substr(colon + 1);
        const std::string trimmed = TrimSpaces(Cut(name, kNetworkNameLength));
        // A name line with nothing after the colon names no network.
        if (!trimmed.empty()) return trimmed;
        break;
    }
    return "Network " + std::to_string(number);
}

void CopyNetworkFile(const std::string& oldProjectFileName, const std::string& newProjectFileName,
                     int number, AtomicBatch& batch) {
    const std::string source = NetworkFilePath(oldProjectFileName, number);
    if (!PathExists(source)) return;
    LineReader reader = LineReader::Open(source, kMaxNetworkFileBytes);
    AtomicWriter& target = batch.Add(NetworkFilePath(newProjectFileName, number));
    std::string line;
    while (reader.ReadLine(line)) target.WriteLine(line);
}

void CopyNetworkFile(const std::string& oldProjectFileName, const std::string& newProjectFileName,
                     int number) {
    AtomicBatch batch;
    CopyNetworkFile(oldProjectFileName, newProjectFileName, number, batch);
    batch.Commit();
}

std::string ReadInstallationProjectsDir(const std::string& iniDirectory) {
    return ReadIniValue(JoinPath(iniDirectory, "TAVO.INI"), "TAVOV2", "Projects", "");
}

}  // namespace tavo
