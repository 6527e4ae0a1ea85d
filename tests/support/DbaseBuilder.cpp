#include "support/DbaseBuilder.h"

#include <algorithm>

#include "support/TempDir.h"

namespace tavo::testing {
namespace {

constexpr std::size_t kBlock = 512;

void PutLe16(std::string& out, std::size_t at, std::uint32_t value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void PutLe32(std::string& out, std::size_t at, std::uint32_t value) {
    PutLe16(out, at, value & 0xFFFF);
    PutLe16(out, at + 2, value >> 16);
}

// value cut or padded with blanks to length, on the left when rightAligned.
void AppendPadded(std::string& out, std::string_view value, std::size_t length, bool rightAligned) {
    value = value.substr(0, length);
    if (rightAligned) out.append(length - value.size(), ' ');
    out.append(value);
    if (!rightAligned) out.append(length - value.size(), ' ');
}

}  // namespace

DbaseBuilder::DbaseBuilder(std::vector<DbaseField> fields) : fields_(std::move(fields)) {
    for (const DbaseField& field : fields_) {
        recordLength_ += static_cast<std::size_t>(field.Length);
        hasMemoField_ = hasMemoField_ || field.Type == 'M';
    }
}

DbaseBuilder& DbaseBuilder::Version(std::uint8_t version) {
    version_ = version;
    return *this;
}

DbaseBuilder& DbaseBuilder::ClaimRecords(std::uint32_t count) {
    claimed_ = count;
    return *this;
}

DbaseBuilder& DbaseBuilder::HeaderLength(std::uint16_t length) {
    headerLength_ = length;
    return *this;
}

DbaseBuilder& DbaseBuilder::RecordLength(std::uint16_t length) {
    recordLengthOverride_ = length;
    return *this;
}

DbaseBuilder& DbaseBuilder::Record(const std::vector<std::string>& values, bool deleted) {
    records_.push_back(deleted ? '*' : ' ');
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const DbaseField& field = fields_[i];
        const std::string_view value = i < values.size() ? std::string_view(values[i]) : "";
        const auto length = static_cast<std::size_t>(field.Length);
        if (field.Type == 'M') {
            const std::string block = value.empty() ? "" : std::to_string(AddMemo(value));
            AppendPadded(records_, block, length, true);
        } else {
            AppendPadded(records_, value, length, field.Type == 'N');
        }
    }
    ++recordCount_;
    return *this;
}

DbaseBuilder& DbaseBuilder::RawRecord(std::string_view bytes) {
    records_.append(bytes);
    ++recordCount_;
    return *this;
}

std::uint32_t DbaseBuilder::AddMemo(std::string_view text, bool endMark) {
    const auto block = static_cast<std::uint32_t>(1 + memo_.size() / kBlock);
    memo_.append(text);
    if (endMark) memo_.append("\x1A\x1A");
    memo_.append((kBlock - memo_.size() % kBlock) % kBlock, '\0');
    return block;
}

std::string DbaseBuilder::TableBytes() const {
    const std::size_t headerSize = 32 + 32 * fields_.size() + 1;
    std::string out(headerSize, '\0');
    out[0] = static_cast<char>(version_.value_or(hasMemoField_ ? 0x83 : 0x03));
    out[1] = 124;  // last update 5 March 2024
    out[2] = 3;
    out[3] = 5;
    PutLe32(out, 4, claimed_.value_or(recordCount_));
    PutLe16(out, 8, headerLength_.value_or(static_cast<std::uint16_t>(headerSize)));
    PutLe16(out, 10, recordLengthOverride_.value_or(static_cast<std::uint16_t>(recordLength_)));
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const DbaseField& field = fields_[i];
        const std::size_t at = 32 + 32 * i;
        std::copy_n(field.Name.begin(), std::min<std::size_t>(field.Name.size(), 11), &out[at]);
        out[at + 11] = field.Type;
        out[at + 16] = static_cast<char>(field.Length);
        out[at + 17] = static_cast<char>(field.Decimals);
    }
    out[headerSize - 1] = 0x0D;
    if (headerLength_ && *headerLength_ > headerSize) out.resize(*headerLength_, '\0');
    out.reserve(out.size() + records_.size() + 1);
    out.append(records_);
    out.push_back(0x1A);
    return out;
}

std::string DbaseBuilder::MemoBytes() const {
    std::string out(kBlock, '\0');
    PutLe32(out, 0, static_cast<std::uint32_t>(1 + memo_.size() / kBlock));
    out[16] = 0x03;  // dBase III
    out.append(memo_);
    return out;
}

void DbaseBuilder::Write(const std::string& path, std::string_view memoExtension) const {
    WriteBytes(path, TableBytes());
    if (!hasMemoField_) return;
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    const bool extension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    WriteBytes((extension ? path.substr(0, dot) : path) + std::string(memoExtension), MemoBytes());
}

}  // namespace tavo::testing
