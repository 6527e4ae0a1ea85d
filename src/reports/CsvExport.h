#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

class TTavoData;

inline constexpr const char* kExportComplete = "Export Complete!";

// One line of an export: every value between double quotes, a double quote inside a value
// doubled (so that the line parses as CSV), values separated by commas without spaces.
// Every other byte stays as the program holds it.
std::string CsvLine(const std::vector<std::string_view>& values);

// What the export of one network writes: the project's and the network's names, the unit grid
// on "Selected Units" (headings, units, total row; three cells each), and the captions of the
// status strip (consumption value and status, supply value and status, impedance value and
// status).
struct NetworkExport {
    std::string ProjectName;
    std::string NetworkName;
    std::vector<std::array<std::string, 3>> Grid;
    std::array<std::string, 6> Status;
};

// The lines of one network block, each ended by CR LF; the project line only when the file
// starts with this block.
std::string NetworkCsvBlock(const NetworkExport& network, bool withProjectLine);

// One file of network blocks, the first with the project line, the others appended to it:
// written whole or not at all. Throws FileError.
void ExportNetworkToCSV(const std::string& path, const std::vector<NetworkExport>& networks);

// The installation file: the column names, then one line per row of the table (the empty
// last row included), each line ending in one more empty value. Written whole or not at all;
// throws FileError.
void ExportInstallationToCSV(const std::string& path, const TTavoData& table);

}  // namespace tavo
