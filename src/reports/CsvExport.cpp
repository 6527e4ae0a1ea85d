#include "reports/CsvExport.h"

#include "platform/TextFile.h"
#include "reporter/InstallationTable.h"

namespace tavo {

std::string CsvLine(const std::vector<std::string_view>& values) {
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) line += ',';
        line += '"';
        for (char c : values[i]) {
            if (c == '"') line += '"';
            line += c;
        }
        line += '"';
    }
    return line;
}

std::string NetworkCsvBlock(const NetworkExport& network, bool withProjectLine) {
    std::string text;
    const auto line = [&text](const std::vector<std::string_view>& values) {
        text += CsvLine(values);
        text += "\r\n";
    };
    if (withProjectLine) line({"Project", network.ProjectName});
    line({"", ""});
    line({"Network", network.NetworkName});
    line({"", ""});
    for (const auto& row : network.Grid) line({row[0], row[1], row[2]});
    text += "\r\n";
    for (std::size_t i = 0; i < network.Status.size(); i += 2)
        line({network.Status[i], network.Status[i + 1]});
    return text;
}

void ExportNetworkToCSV(const std::string& path, const std::vector<NetworkExport>& networks) {
    AtomicWriter file(path);
    for (std::size_t i = 0; i < networks.size(); ++i)
        file.Write(NetworkCsvBlock(networks[i], i == 0));
    file.Commit();
}

void ExportInstallationToCSV(const std::string& path, const TTavoData& table) {
    AtomicWriter file(path);
    std::vector<std::string_view> values;
    for (int column = 0; column < table.ColumnCount(); ++column)
        values.push_back(table.ColumnName(column));
    values.emplace_back();
    file.WriteLine(CsvLine(values));
    for (int row = 0; row < table.RowCount(); ++row) {
        values.clear();
        for (int column = 0; column < table.ColumnCount(); ++column)
            values.push_back(table.GetCell(column, row));
        values.emplace_back();
        file.WriteLine(CsvLine(values));
    }
    file.Commit();
}

}  // namespace tavo
