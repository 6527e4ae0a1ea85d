#include "reporter/DbaseTable.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <utility>

#include "platform/BinaryFile.h"
#include "platform/OemCodePage.h"
#include "platform/SiblingFile.h"
#include "platform/Text.h"

namespace tavo {
namespace {

constexpr std::size_t kHeaderSize = 32;
constexpr std::size_t kDescriptorSize = 32;
constexpr char kHeaderEnd = 0x0D;
constexpr char kMemoEnd = 0x1A;
constexpr std::size_t kBlockNumberLength = 10;

std::uint32_t Byte(std::string_view b, std::size_t at) {
    return static_cast<unsigned char>(b[at]);
}
std::uint32_t Le16(std::string_view b, std::size_t at) {
    return Byte(b, at) | Byte(b, at + 1) << 8;
}
std::uint32_t Le32(std::string_view b, std::size_t at) {
    return Le16(b, at) | Le16(b, at + 2) << 16;
}

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The table's path with its extension replaced by "DBT" (".DBT" appended when it has none);
// only the file-name part is looked at.
std::string MemoPathOf(const std::string& tablePath) {
    const auto slash = tablePath.rfind('/');
    const auto nameStart = slash == std::string::npos ? 0 : slash + 1;
    const auto dot = tablePath.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot >= nameStart;
    return (hasExtension ? tablePath.substr(0, dot) : tablePath) + ".DBT";
}

bool IsLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

int Digits(std::string_view text) {
    int value = 0;
    for (const char c : text) value = value * 10 + (c - '0');
    return value;
}

// YYYYMMDD in the first eight bytes, every one a digit, naming a day of the calendar.
std::optional<Date> DbaseDate(std::string_view raw) {
    if (raw.size() < 8 || !std::all_of(raw.begin(), raw.begin() + 8, IsDigit)) return std::nullopt;
    const Date date{Digits(raw.substr(0, 4)), Digits(raw.substr(4, 2)), Digits(raw.substr(6, 2))};
    if (date.Year < 1 || date.Month < 1 || date.Month > 12 || date.Day < 1 ||
        date.Day > DaysInMonth(date.Year, date.Month))
        return std::nullopt;
    return date;
}

std::string NumberText(std::string_view raw, int decimals, char separator) {
    std::string text(raw);
    const auto dot = text.find('.');
    if (dot != std::string::npos) text[dot] = separator;
    const std::string_view trimmed = Trimmed(text);
    if (trimmed.empty()) return {};
    const std::optional<double> value = ParseDbaseNumber(trimmed, separator);
    if (!value) return {};
    std::string out = FormatFixed(*value, decimals);
    const auto point = out.find('.');
    if (point != std::string::npos) out[point] = separator;
    return out;
}

// Appends a memo's bytes converted from code page 437 and cleaned: 0x8D becomes CR and 0xEC
// goes; then, until the first LF that belongs to a CR LF pair, every LF goes. An LF is removed
// unless the last character kept before it is a CR (only LFs went in between), so the repeated
// search for the first LF becomes one pass, carried from block to block in pairSeen.
void AppendCleanMemo(std::string& text, std::string_view bytes, bool& pairSeen) {
    std::size_t kept = text.size();
    text.resize(kept + bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        // Bytes below 0x80 are the same in both code pages, and only LF among them needs a
        // look: a run of the others is copied whole (a unit's block is nothing else).
        std::size_t run = i;
        while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) < 0x80 &&
               bytes[run] != '\n')
            ++run;
        if (run > i) {
            std::copy(bytes.begin() + static_cast<std::ptrdiff_t>(i),
                      bytes.begin() + static_cast<std::ptrdiff_t>(run),
                      text.begin() + static_cast<std::ptrdiff_t>(kept));
            kept += run - i;
            i = run;
            continue;
        }
        char c = Cp437ToCp1252(bytes[i++]);
        if (c == '\x8D') c = '\r';
        if (c == '\xEC') continue;
        if (c == '\n' && !pairSeen) {
            if (kept == 0 || text[kept - 1] != '\r') continue;
            pairSeen = true;
        }
        text[kept++] = c;
    }
    text.resize(kept);
}

}  // namespace

std::optional<double> ParseDbaseNumber(std::string_view text, char separator) {
    // Checked here, converted by from_chars, which wants '.' and no '+'.
    std::string plain;
    plain.reserve(text.size());
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain.push_back('-');
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            digits = true;
        } else if (text[i] == separator && !point) {
            point = true;
        } else {
            break;
        }
        plain.push_back(IsDigit(text[i]) ? text[i] : '.');
    }
    if (!digits) return std::nullopt;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        plain.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            if (negativeExponent) plain.push_back('-');
            ++i;
        }
        const std::size_t first = i;
        for (; i < text.size() && IsDigit(text[i]); ++i) plain.push_back(text[i]);
        if (i == first) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;

    double value = 0.0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // A mantissa of at most 255 characters overflows only with a positive exponent.
        if (!negativeExponent) return std::nullopt;
        return 0.0;
    }
    if (result.ec != std::errc() || result.ptr != plain.data() + plain.size()) return std::nullopt;
    return value;
}

std::string TTbField::AsString(std::size_t limit) const {
    if (FieldType != 'M' || limit > kMemoBeginning || reader_ == nullptr) {
        std::string text = AsString();
        if (text.size() > limit) text.resize(limit);
        return text;
    }
    const TTbDbase& table = *reader_;
    if (!table.viewDeleted_ && table.IsDeleted()) return {};
    const std::size_t block = table.MemoBlock(*this);
    if (block == 0) return {};
    auto kept = table.memoBeginnings_.find(block);
    if (kept == table.memoBeginnings_.end()) {
        // Cleaning runs front to back, so a memo's beginning is the beginning of its cleaned
        // text. The span is kept only once its text is in the buffer.
        const std::string beginning = table.MemoText(*this, kMemoBeginning);
        const std::size_t offset = table.memoBeginningText_.size();
        table.memoBeginningText_.Append(beginning.data(), beginning.size());
        kept = table.memoBeginnings_.emplace(block, TTbDbase::TextSpan{offset, beginning.size()})
                   .first;
    }
    return {table.memoBeginningText_.data() + kept->second.Offset,
            std::min(limit, kept->second.Length)};
}

std::string TTbField::AsString() const {
    if (reader_ == nullptr) return {};
    const TTbDbase& table = *reader_;
    if (!table.viewDeleted_ && table.IsDeleted()) return {};
    const std::string_view raw = table.RawField(*this);
    switch (FieldType) {
        case 'C':
            // The conversion keeps bytes <= 32 and gives none, so trimming first is the same.
            return Cp437ToCp1252(Trimmed(raw.substr(0, raw.find('\0'))));
        case 'N':
            return NumberText(raw, Decimals, table.locale_.DecimalSeparator);
        case 'L': {
            const char c = raw.empty() ? ' ' : raw.front();
            return c == 'T' || c == 't' || c == 'Y' || c == 'y' ? "T" : "F";
        }
        case 'D': {
            const std::optional<Date> date = DbaseDate(raw);
            return date ? FormatShortDate(table.locale_, *date) : std::string();
        }
        case 'M':
            return table.MemoText(*this);
        default:
            return {};
    }
}

TTbDbase::TTbDbase(LocaleSettings locale) : locale_(std::move(locale)) {}

void TTbDbase::SetTableName(std::string path) {
    if (active_) Close();
    tableName_ = std::move(path);
}

void TTbDbase::SetActive(bool active) {
    if (active == active_) return;
    if (active)
        Open();
    else
        Close();
}

void TTbDbase::Reset() {
    active_ = false;
    bof_ = eof_ = false;
    tableFile_ = FileBytes();
    table_ = {};
    memoFile_.reset();
    memo_ = {};
    version_ = 0;
    headerLength_ = recordLength_ = 0;
    recordCount_ = missingRecords_ = 0;
    refusal_.clear();
    fields_.clear();
    memoFieldCount_ = 0;
    recNo_ = 0;
    record_ = {};
    memoBeginnings_.clear();
    memoBeginningText_.clear();
    memoNext_.clear();
    memoBlocks_.clear();
}

bool TTbDbase::Refuse(const char* reason) {
    Reset();
    refusal_ = reason;
    return false;
}

int TTbDbase::Open() {
    if (active_) return -1;
    Reset();
    const std::string path = FindPathIgnoringCase(tableName_);
    std::optional<FileBytes> table;
    if (!path.empty()) table = ReadWholeFileIfExists(path);
    if (!table) {  // no table: closed, without fields or records
        GoToRecord(1);
        return 0;
    }
    if (!ReadStructure(std::move(*table))) return 2;
    if (WantsMemo()) {
        const std::string memoPath = FindPathIgnoringCase(MemoPathOf(path));
        try {
            if (!memoPath.empty()) UseMemo(ReadWholeFileIfExists(memoPath));
        } catch (...) {
            Reset();
            throw;
        }
    }
    active_ = true;
    GoToRecord(1);
    return 0;
}

int TTbDbase::OpenBytes(std::string table, std::optional<std::string> memo) {
    if (active_) return -1;
    Reset();
    if (!ReadStructure(FileBytes(std::move(table)))) return 2;
    if (WantsMemo() && memo) UseMemo(FileBytes(std::move(*memo)));
    active_ = true;
    GoToRecord(1);
    return 0;
}

bool TTbDbase::WantsMemo() const {
    return memoFieldCount_ > 0 && (version_ == 0x7B || version_ == 0x83 || version_ == 0x8B);
}

void TTbDbase::Close() {
    Reset();
}

bool TTbDbase::ReadStructure(FileBytes bytes) {
    tableFile_ = std::move(bytes);
    table_ = tableFile_.View();
    const std::string_view b = table_;
    if (b.size() < kHeaderSize) return Refuse("header cut short");
    version_ = static_cast<std::uint8_t>(b[0]);
    // Both lengths are read unsigned, so records up to 65535 bytes read like any other.
    headerLength_ = Le16(b, 8);
    recordLength_ = Le16(b, 10);
    if (headerLength_ < kHeaderSize || headerLength_ > b.size() || recordLength_ == 0)
        return Refuse("header lengths do not fit the file");

    fields_.reserve((headerLength_ - kHeaderSize) / kDescriptorSize);
    std::size_t position = 2;  // position 1 of a record is its deletion flag
    for (std::size_t at = kHeaderSize; at + kDescriptorSize <= headerLength_ && b[at] != kHeaderEnd;
         at += kDescriptorSize) {
        TTbField& field = fields_.emplace_back();
        const std::string_view name = b.substr(at, 10);
        field.FieldName = std::string(name.substr(0, name.find('\0')));
        field.FieldType = b[at + 11];
        field.FieldLength = static_cast<int>(Byte(b, at + 16));
        field.Decimals = static_cast<int>(Byte(b, at + 17));
        field.FieldOffset = static_cast<int>(position);
        if (field.FieldType == 'M') field.MemoSlot = memoFieldCount_++;
        field.reader_ = this;
        position += static_cast<std::size_t>(field.FieldLength);
    }
    if (position - 1 > recordLength_) return Refuse("fields wider than the record");

    // The header's count is a claim; the file decides how many records there are.
    const std::uint32_t claimed = Le32(b, 4);
    const std::size_t present = (b.size() - headerLength_) / recordLength_;
    recordCount_ = static_cast<std::int64_t>(std::min<std::size_t>(claimed, present));
    missingRecords_ = static_cast<std::int64_t>(claimed) - recordCount_;
    return true;
}

void TTbDbase::UseMemo(std::optional<FileBytes> bytes) {
    if (!bytes) return;
    memoFile_ = std::move(bytes);
    memo_ = memoFile_->View();
    const std::size_t blocks = (memo_.size() + kMemoBlockSize - 1) / kMemoBlockSize;
    memoNext_.assign(blocks, 0);
    memoBlocks_.assign(blocks, {});
}

std::size_t TTbDbase::NextTextBlock(std::size_t block) const {
    // Walk to the first block that gives text or ends a memo, looking at the blocks not seen
    // before and jumping over the runs already known to be empty. The file's last block ends a
    // memo, so the walk stops inside the file.
    std::size_t k = block;
    while (memoNext_[k] == 0) {
        std::string_view text = memo_.substr(k * kMemoBlockSize, kMemoBlockSize);
        text = text.substr(0, text.find('\0'));
        const auto pair = text.find("\x1A\x1A");
        MemoBlockText& found = memoBlocks_[k];
        found.Ends = pair != std::string_view::npos || k + 1 == memoNext_.size();
        found.Take = static_cast<std::uint16_t>(
            pair != std::string_view::npos ? pair : std::min(text.find(kMemoEnd), text.size()));
        if (found.Take > 0 || found.Ends) {
            memoNext_[k] = static_cast<std::uint32_t>(k + 1);
            break;
        }
        ++k;  // an empty block: its own entry is set below
    }
    std::size_t target = memoNext_[k] - 1;
    while (memoNext_[target] - 1 != target) target = memoNext_[target] - 1;
    // Every block passed on the way now leads straight to the target.
    for (std::size_t i = block; i != target;) {
        const std::size_t after = memoNext_[i] == 0 ? i + 1 : memoNext_[i] - 1;
        memoNext_[i] = static_cast<std::uint32_t>(target + 1);
        i = after;
    }
    return target;
}

std::string TTbDbase::MemoText(const TTbField& field, std::size_t limit) const {
    const std::size_t first = MemoBlock(field);
    if (first == 0) return {};
    // The text stops at kMaxMemoText bytes taken from the memo file; cleaning only shortens it.
    std::string text;
    std::size_t taken = 0;
    bool pairSeen = false;
    for (std::size_t k = first; taken < kMaxMemoText && text.size() < limit; ++k) {
        k = NextTextBlock(k);
        const MemoBlockText& block = memoBlocks_[k];
        const std::size_t take = std::min<std::size_t>(block.Take, kMaxMemoText - taken);
        AppendCleanMemo(text, memo_.substr(k * kMemoBlockSize, take), pairSeen);
        taken += take;
        if (block.Ends) break;
    }
    if (text.size() > limit) text.resize(limit);
    return text;
}

std::string_view TTbDbase::RawField(const TTbField& field) const {
    const auto begin = static_cast<std::size_t>(field.FieldOffset - 1);
    if (begin >= record_.size()) return {};
    return record_.substr(begin, static_cast<std::size_t>(field.FieldLength));
}

std::size_t TTbDbase::MemoBlock(const TTbField& field) const {
    if (!memoFile_ || field.MemoSlot < 0) return 0;
    // The block number: the field's first 10 characters, trimmed, all decimal digits.
    const std::string_view number = Trimmed(RawField(field).substr(0, kBlockNumberLength));
    if (number.empty() || !std::all_of(number.begin(), number.end(), IsDigit)) return 0;
    std::size_t block = 0;
    for (const char c : number) {
        block = block * 10 + static_cast<std::size_t>(c - '0');
        if (block >= memoBlocks_.size()) return 0;  // past the memo file's end
    }
    return block;  // block 0, the memo file's header, holds no memo
}

void TTbDbase::GoToRecord(std::int64_t n) {
    if (n < 1) n = 1;
    if (n > recordCount_) n = recordCount_;
    recNo_ = n;
    // Only records that the file holds are counted, so record n lies inside the table's bytes.
    if (n >= 1)
        record_ = table_.substr(headerLength_ + static_cast<std::size_t>(n - 1) * recordLength_,
                                recordLength_);
}

void TTbDbase::Skip(std::int64_t k) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    const std::int64_t target =
        k > 0 && recNo_ > kMax - k ? kMax : (k < 0 && recNo_ < kMin - k ? kMin : recNo_ + k);
    bof_ = target <= 0;
    eof_ = target > recordCount_;
    GoToRecord(target);
}

void TTbDbase::First() {
    bof_ = true;
    eof_ = recordCount_ <= 0;
    GoToRecord(1);
    if (!viewDeleted_)
        while (IsDeleted() && !eof_) Skip(+1);
}

void TTbDbase::Next() {
    if (viewDeleted_) {
        Skip(+1);
        return;
    }
    const std::int64_t start = recNo_;
    do {
        Skip(+1);
    } while (IsDeleted() && !eof_);
    if (eof_) {
        GoToRecord(start);
        while (IsDeleted() && !bof_) Skip(-1);
    }
    if (bof_) GoToRecord(start);
}

void TTbDbase::SetViewDeleted(bool view) {
    viewDeleted_ = view;
    if (view || !IsDeleted()) {
        if (recNo_ > 1) bof_ = false;
        if (recNo_ < recordCount_) eof_ = false;
    } else {
        Next();
    }
}

bool TTbDbase::IsDeleted() const {
    return !record_.empty() && record_.front() == '*';
}

TTbField* TTbDbase::FieldByName(std::string_view name) {
    for (TTbField& field : fields_)
        if (field.FieldName == name) return &field;
    return nullptr;
}

const TTbField* TTbDbase::FieldByName(std::string_view name) const {
    return const_cast<TTbDbase*>(this)->FieldByName(name);
}

}  // namespace tavo
