#pragma once

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

// The installation file: the column names, then one line per row of the table (the empty
// last row included), each line ending in one more empty value. Written whole or not at all;
// throws FileError.
void ExportInstallationToCSV(const std::string& path, const TTavoData& table);

}  // namespace tavo
