#include "reporter/InstallationTable.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>

namespace tavo {
namespace {

// A cell's text is found by a 32-bit offset; the buffer is compacted before it grows past that.
constexpr std::size_t kMaxText = std::numeric_limits<std::uint32_t>::max();
// Garbage is collected once it is both this large and more than half of the buffer.
constexpr std::size_t kGarbageAllowance = std::size_t{1} << 20;

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return UpperAscii(x) == UpperAscii(y);
           });
}

}  // namespace

const std::vector<std::string>& InstallationFieldNames() {
    static const std::vector<std::string> names = {
        "Project",        "Network",        "ApplicationDec",
        "ApplicationHex", "ApplicationTag", "UnitAddressDec",
        "UnitAddressHex", "SerialNo",       "UnitType",
        "PartName",       "AreaDec",        "AreaHex",
        "AreaTag",        "GroupsDec",      "GroupsHex",
        "GroupsTag",      "Burden",         "Checksum",
        "Clock",          "Delays",         "PEinstallationppField1"};
    return names;
}

TTavoData::TTavoData(const std::vector<std::string>& columnNames) {
    names_.reserve(columnNames.size());
    for (const std::string& name : columnNames) names_.push_back(name.substr(0, kColumnNameLength));
    ClearRows();
}

void TTavoData::ClearRows() {
    cells_.clear();
    text_.clear();
    garbage_ = 0;
    rowCount_ = 0;
    AppendRow();
    currentRow_ = 0;
}

void TTavoData::AppendRow() {
    if (rowCount_ == std::numeric_limits<int>::max())
        throw std::length_error("The installation table cannot take more rows");
    cells_.resize(cells_.size() + names_.size());
    ++rowCount_;
}

int TTavoData::FindColumn(std::string_view name) const {
    const auto found = std::find(names_.begin(), names_.end(), name);
    return found == names_.end() ? -1 : static_cast<int>(found - names_.begin());
}

int TTavoData::FindColumnIgnoringCase(std::string_view name) const {
    const auto found = std::find_if(names_.begin(), names_.end(), [name](const std::string& own) {
        return SameIgnoringCase(own, name);
    });
    return found == names_.end() ? -1 : static_cast<int>(found - names_.begin());
}

void TTavoData::SetValue(std::string_view name, std::string_view text) {
    SetLastRowCell(FindColumn(name), text);
}

std::string_view TTavoData::GetValue(std::string_view name) const {
    return GetCell(FindColumnIgnoringCase(name), currentRow_);
}

std::string_view TTavoData::GetCell(int column, int row) const {
    if (!Inside(column, row)) return {};
    const Cell& cell = At(column, row);
    return {text_.data() + cell.Offset, cell.Length};
}

void TTavoData::SetCell(int column, int row, std::string_view text) {
    if (Inside(column, row)) Store(At(column, row), text);
}

void TTavoData::ExchangeRows(int a, int b) {
    if (!Inside(0, a) || !Inside(0, b) || a == b) return;
    const std::size_t width = names_.size();
    Cell* first = cells_.data() + static_cast<std::size_t>(a) * width;
    std::swap_ranges(first, first + width, cells_.data() + static_cast<std::size_t>(b) * width);
}

std::string_view TTavoData::ColumnName(int column) const {
    if (column < 0 || column >= ColumnCount()) return {};
    return names_[static_cast<std::size_t>(column)];
}

void TTavoData::Store(Cell& cell, std::string_view text) {
    // No two cells share bytes, so a text that fits goes where the old one was.
    if (text.size() <= cell.Length) {
        std::char_traits<char>::move(text_.data() + cell.Offset, text.data(), text.size());
        garbage_ += cell.Length - text.size();
        cell.Length = static_cast<std::uint32_t>(text.size());
        return;
    }
    // The text may be another cell's, and the buffer may move while it grows or is compacted.
    const std::less<const char*> before;
    if (!before(text.data(), text_.data()) && before(text.data(), text_.data() + text_.size())) {
        const std::string copy(text);
        Store(cell, copy);
        return;
    }
    garbage_ += cell.Length;
    cell.Length = 0;
    if (garbage_ >= kGarbageAllowance && garbage_ > text_.size() / 2) Compact();
    if (text.size() > kMaxText - text_.size()) Compact();
    if (text.size() > kMaxText - text_.size())
        throw std::length_error("The installation table cannot hold that much text");
    cell.Offset = static_cast<std::uint32_t>(text_.size());
    cell.Length = static_cast<std::uint32_t>(text.size());
    text_.Append(text.data(), text.size());
}

void TTavoData::Compact() {
    GrowingBuffer<char> kept;
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        Cell& cell = cells_[i];
        const std::size_t offset = kept.size();
        kept.Append(text_.data() + cell.Offset, cell.Length);
        cell.Offset = static_cast<std::uint32_t>(offset);
    }
    text_ = std::move(kept);
    garbage_ = 0;
}

}  // namespace tavo
