#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/BinaryFile.h"
#include "platform/Locale.h"
#include "reporter/GrowingBuffer.h"

namespace tavo {

class TTbDbase;

// A memo text stops here, whatever the memo file holds.
inline constexpr std::size_t kMaxMemoText = 64 * 1024;
// Memo files are read in blocks of this size; a memo field names its first block.
inline constexpr std::size_t kMemoBlockSize = 512;
// How much of a memo's beginning a read with a limit keeps for the next record of its block.
inline constexpr std::size_t kMemoBeginning = 1024;

// One field of the open table, in descriptor order. Reads its value from the reader's current
// record; lives from Open to the next Close or Open of its reader.
class TTbField {
  public:
    std::string FieldName;  // at most 10 characters
    char FieldType = 'C';
    int FieldLength = 0;  // 0-255
    int Decimals = 0;     // 0-255
    int FieldOffset = 0;  // 1-based position of its first byte in the record
    int MemoSlot = -1;    // index among the table's memo fields; -1 for other types

    // The value in the current record as text (Windows-1252), never an error:
    // C  the bytes up to the first NUL, code page 437 to 1252, characters <= 32 trimmed;
    // N  a number written again with exactly Decimals digits after the locale's separator
    //    (see ParseDbaseNumber), empty when blank or not a number;
    // L  "T" for 'T', 't', 'Y', 'y', else "F";
    // D  YYYYMMDD written in the locale's short date format, empty unless a real date;
    // M  the memo text, empty without a memo file; any other type letter: empty.
    // Every field of a deleted record reads empty unless the reader views deleted records.
    std::string AsString() const;
    // The first limit characters of AsString(). A memo's beginning is kept per memo block, so
    // that records sharing a memo, however long, cost no more than records that do not.
    std::string AsString(std::size_t limit) const;

  private:
    friend class TTbDbase;
    const TTbDbase* reader_ = nullptr;
};

// The dBase III table reader of the installation import. The table file, and its memo file when
// it has one, are each read into memory once by Open; every offset the header gives is checked
// against those bytes before it is used, so a damaged table costs time and memory in proportion
// to its files, whatever its header claims. Nothing is ever written.
class TTbDbase {
  public:
    explicit TTbDbase(LocaleSettings locale = {});
    // Fields point back at their reader.
    TTbDbase(const TTbDbase&) = delete;
    TTbDbase& operator=(const TTbDbase&) = delete;

    // Closes the table first when it is open.
    void SetTableName(std::string path);
    const std::string& TableName() const { return tableName_; }

    bool Active() const { return active_; }
    // True opens, false closes; the value it already has does nothing.
    void SetActive(bool active);

    // Reads the table named by TableName (found ignoring letter case when the exact name is
    // missing) and leaves the reader on record 1. Returns -1 when already open (nothing done),
    // 2 when the structure is refused (see Refusal; the table stays closed), 0 otherwise; a
    // missing table file gives 0 with a closed table that has no fields and no records. A table
    // or memo file that exists but cannot be read, or is not a regular file, throws FileError
    // and leaves the reader closed. The memo file (the table's path with the extension "DBT",
    // found ignoring case) is read when the table has a memo field and version byte 0x7B,
    // 0x83 or 0x8B; when it is missing every memo reads empty.
    int Open();
    // The same over bytes already in memory (tests and fuzzing); memo is the memo file, if any.
    int OpenBytes(std::string table, std::optional<std::string> memo = std::nullopt);
    void Close();

    void First();
    void Next();
    void GoToRecord(std::int64_t n);
    void Skip(std::int64_t k);
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }
    std::int64_t RecNo() const { return recNo_; }
    // The records the file holds, at most the header's count.
    std::int64_t RecordCount() const { return recordCount_; }
    // How many records the header claims beyond those the file holds; they are not read.
    std::int64_t MissingRecords() const { return missingRecords_; }
    // Why Open returned 2: "header cut short", "header lengths do not fit the file" or "fields
    // wider than the record". Empty otherwise.
    const std::string& Refusal() const { return refusal_; }
    std::uint8_t Version() const { return version_; }
    bool HasMemoFile() const { return memoFile_.has_value(); }

    bool ViewDeleted() const { return viewDeleted_; }
    void SetViewDeleted(bool view);
    bool IsDeleted() const;

    // Exact, case-sensitive name; the first match in descriptor order; nullptr when none.
    TTbField* FieldByName(std::string_view name);
    const TTbField* FieldByName(std::string_view name) const;
    const std::vector<TTbField>& Fields() const { return fields_; }

    const LocaleSettings& Locale() const { return locale_; }

  private:
    friend class TTbField;

    void Reset();
    bool Refuse(const char* reason);
    bool ReadStructure(FileBytes bytes);
    bool WantsMemo() const;
    void UseMemo(std::optional<FileBytes> bytes);
    std::string_view RawField(const TTbField& field) const;
    std::string MemoText(const TTbField& field, std::size_t limit = kMaxMemoText) const;
    std::size_t MemoBlock(const TTbField& field) const;

    LocaleSettings locale_;
    std::string tableName_;
    bool active_ = false;
    bool viewDeleted_ = false;
    bool bof_ = false;
    bool eof_ = false;

    FileBytes tableFile_;                // the whole table file
    std::string_view table_;             // its bytes
    std::optional<FileBytes> memoFile_;  // the whole memo file, when it is read
    std::string_view memo_;              // its bytes
    std::uint8_t version_ = 0;
    std::size_t headerLength_ = 0;
    std::size_t recordLength_ = 0;
    std::int64_t recordCount_ = 0;
    std::int64_t missingRecords_ = 0;
    std::string refusal_;
    std::vector<TTbField> fields_;
    int memoFieldCount_ = 0;

    std::int64_t recNo_ = 0;
    std::string_view record_;  // the current record inside table_; empty before the first read

    // What a memo text takes from each memo block, found the first time a memo reaches the
    // block: the bytes up to its first NUL, then up to its first 0x1A, and whether it ends a
    // memo (0x1A 0x1A, or the file's last block). memoNext_ holds 1 + the first block at or
    // after it that gives text or ends a memo, 0 while unknown; runs of empty blocks are
    // skipped through it, so every block is looked at once, however many memos cross it.
    struct MemoBlockText {
        std::uint16_t Take = 0;
        bool Ends = false;
    };
    std::size_t NextTextBlock(std::size_t block) const;
    mutable std::vector<std::uint32_t> memoNext_;
    mutable std::vector<MemoBlockText> memoBlocks_;
    // The beginnings of the memos read with a limit, by first block: where in memoBeginningText_
    // each one lies. One buffer for all, not a string each: a table of thousands of memos is
    // read without a heap of megabytes to fault in.
    struct TextSpan {
        std::size_t Offset = 0;
        std::size_t Length = 0;
    };
    mutable std::unordered_map<std::size_t, TextSpan> memoBeginnings_;
    mutable GrowingBuffer<char> memoBeginningText_;
};

// The conversion of an 'N' field after its first '.' became the locale's separator and it was
// trimmed: an optional '+' or '-', decimal digits with at most one separator and at least one
// digit, then optionally 'E' or 'e', an optional sign and at least one digit; nothing else.
// A value beyond the range of a double is no number; one too small for it is 0.
std::optional<double> ParseDbaseNumber(std::string_view text, char separator);

}  // namespace tavo
