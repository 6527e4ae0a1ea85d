#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "reporter/GrowingBuffer.h"

namespace tavo {

class TTagStore;

// Column names are cut to this length when the table is created.
inline constexpr std::size_t kColumnNameLength = 20;

// The fields of the installation report's feed, in order; the installation table is created
// from them (the last one is cut to "PEinstallationppFiel").
const std::vector<std::string>& InstallationFieldNames();

// Positions of the installation table's columns, in the order of InstallationFieldNames().
enum InstallationColumn : int {
    kProjectColumn = 0,
    kNetworkColumn = 1,
    kUnitAddressDecColumn = 5,
};

// The installation table: rows of named text columns, one row per unit and one more for each
// further group of a unit. Writing by name goes to the last row, reading by name comes from
// the current row. Nothing is typed or validated; a column or row that is not there reads as
// empty text and takes no writes.
//
// The texts live in one buffer and each cell refers to its piece of it, so that a large
// installation costs a few bytes per cell and exchanging two rows moves no text. A text a read
// returns stays valid until the table next changes. There is one table for the whole run: it
// can be moved but not copied, and ClearRows keeps its memory for the next import.
class TTavoData {
  public:
    // One column per name, each cut to kColumnNameLength; one empty row; current row 0.
    explicit TTavoData(const std::vector<std::string>& columnNames);

    // All rows go, then one empty row is appended; the current row is 0 again.
    void ClearRows();
    void AppendRow();

    // The first column named exactly so (case-sensitive) gets the text in the last row.
    void SetValue(std::string_view name, std::string_view text);
    // The first column whose name matches with A-Z and a-z alike, in the current row.
    std::string_view GetValue(std::string_view name) const;

    // The first column named exactly so, or the first matching without regard to the case
    // of A-Z; -1 when there is none. Importers look a column up once and then write by index.
    int FindColumn(std::string_view name) const;
    int FindColumnIgnoringCase(std::string_view name) const;

    std::string_view GetCell(int column, int row) const;
    void SetCell(int column, int row, std::string_view text);
    void SetLastRowCell(int column, std::string_view text) { SetCell(column, rowCount_ - 1, text); }
    // Exchanges two rows whole; nothing happens when either is outside the table.
    void ExchangeRows(int a, int b);

    int ColumnCount() const { return static_cast<int>(names_.size()); }
    int RowCount() const { return rowCount_; }
    std::string_view ColumnName(int column) const;

    // Any value may be set; a current row outside the table reads as empty cells.
    int CurrentRow() const { return currentRow_; }
    void SetCurrentRow(int row) { currentRow_ = row; }

    // Orders every row but the last by the name of its network (the tag store's name of the
    // number in the Network column) and then by unit address, with the preference for the tag
    // file's first network that the installation report has always had; then rows whose
    // Project is "*" lose their Network and UnitAddressDec again. See SelectionOrder.
    void SortRows(const TTagStore& tags);

  private:
    struct Cell {
        std::uint32_t Offset = 0;
        std::uint32_t Length = 0;
    };

    bool Inside(int column, int row) const {
        return column >= 0 && column < ColumnCount() && row >= 0 && row < rowCount_;
    }
    Cell& At(int column, int row) {
        return cells_[static_cast<std::size_t>(row) * names_.size() +
                      static_cast<std::size_t>(column)];
    }
    const Cell& At(int column, int row) const {
        return cells_[static_cast<std::size_t>(row) * names_.size() +
                      static_cast<std::size_t>(column)];
    }
    void Store(Cell& cell, std::string_view text);
    void Compact();

    std::vector<std::string> names_;
    GrowingBuffer<Cell> cells_;  // row after row, each in column order
    GrowingBuffer<char> text_;   // every cell's text; pieces no cell uses any more are garbage_
    std::size_t garbage_ = 0;
    int rowCount_ = 0;
    int currentRow_ = 0;
};

}  // namespace tavo
