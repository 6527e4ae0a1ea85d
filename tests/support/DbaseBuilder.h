#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavo::testing {

struct DbaseField {
    std::string Name;  // up to 11 bytes are written: an 11th stands where the NUL belongs
    char Type = 'C';
    int Length = 10;
    int Decimals = 0;
};

// Writes dBase III tables byte by byte: the 32-byte header, one 32-byte descriptor per field,
// the 0x0D terminator, the records and the 0x1A end byte; and the memo file of 512-byte blocks
// whose block 0 holds the next free block number, each memo on fresh blocks ending in 0x1A 0x1A
// and padded with NUL. Everything is kept in memory until Write, so large tables are quick.
class DbaseBuilder {
  public:
    explicit DbaseBuilder(std::vector<DbaseField> fields);

    // The header as a damaged or foreign table would have it; by default the version byte is
    // 0x83 when there is a memo field, else 0x03, and the lengths and count are the true ones.
    // A header length beyond the descriptors pads the header with NUL after its 0x0D.
    DbaseBuilder& Version(std::uint8_t version);
    DbaseBuilder& ClaimRecords(std::uint32_t count);
    DbaseBuilder& HeaderLength(std::uint16_t length);
    DbaseBuilder& RecordLength(std::uint16_t length);

    // One record with values in field order (missing ones blank), each cut to its field:
    // N right-aligned, M the memo text (written to the memo file, the field holding its first
    // block number right-aligned, blank for empty text), every other type left-aligned.
    DbaseBuilder& Record(const std::vector<std::string>& values, bool deleted = false);
    // A record of exactly these bytes, deletion flag included.
    DbaseBuilder& RawRecord(std::string_view bytes);
    // Puts a memo on fresh blocks and returns its first block number.
    std::uint32_t AddMemo(std::string_view text, bool endMark = true);

    std::string TableBytes() const;
    std::string MemoBytes() const;

    // Writes the table to path and, when it has a memo field, the memo file beside it: path
    // with its extension replaced by memoExtension. Throws std::runtime_error on failure.
    void Write(const std::string& path, std::string_view memoExtension = ".DBT") const;

  private:
    std::vector<DbaseField> fields_;
    std::size_t recordLength_ = 1;
    bool hasMemoField_ = false;
    std::optional<std::uint8_t> version_;
    std::optional<std::uint32_t> claimed_;
    std::optional<std::uint16_t> headerLength_;
    std::optional<std::uint16_t> recordLengthOverride_;
    std::string records_;
    std::uint32_t recordCount_ = 0;
    std::string memo_;  // blocks 1 onwards; block 0 is made by MemoBytes
};

}  // namespace tavo::testing
