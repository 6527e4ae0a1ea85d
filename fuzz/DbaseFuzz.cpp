// One input as a dBase table with its memo file: the first two bytes (little-endian) give the
// table's length and the bytes after the table are the memo file; with the top bit of the
// length set there is no memo file. Every record is visited the way the import does and then by
// number with deleted records shown, and every field read: nothing may crash, loop, or produce
// more than the files hold.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "reporter/DbaseTable.h"

using namespace tavo;

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

bool Blank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

void ReadEveryField(const TTbDbase& reader, std::size_t memoSize) {
    for (const TTbField& field : reader.Fields()) {
        const std::string value = field.AsString();
        Check(reader.FieldByName(field.FieldName) != nullptr);
        switch (field.FieldType) {
            case 'C':
                Check(value.size() <= static_cast<std::size_t>(field.FieldLength));
                Check(value.empty() || (!Blank(value.front()) && !Blank(value.back())));
                break;
            case 'N':
                Check(value.empty() ||
                      ParseDbaseNumber(value, reader.Locale().DecimalSeparator).has_value());
                break;
            case 'L':
                Check(value == "T" || value == "F" || (value.empty() && reader.IsDeleted()));
                break;
            case 'D':
                Check(value.size() <= 32);
                break;
            case 'M':
                Check(value.size() <= kMaxMemoText && value.size() <= memoSize);
                Check(reader.HasMemoFile() || value.empty());
                break;
            default:
                Check(value.empty());
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::size_t prefix = data[0] | static_cast<std::size_t>(data[1]) << 8;
    const std::size_t tableSize = std::min<std::size_t>(prefix & 0x7FFF, size - 2);
    const char* bytes = reinterpret_cast<const char*>(data) + 2;
    std::string table(bytes, tableSize);
    std::optional<std::string> memo;
    if ((prefix & 0x8000) == 0) memo.emplace(bytes + tableSize, size - 2 - tableSize);
    const std::size_t memoSize = memo ? memo->size() : 0;

    TTbDbase reader((prefix & 1) != 0 ? LocaleSettings{"d.m.yy", ','} : LocaleSettings{});
    const int status = reader.OpenBytes(std::move(table), std::move(memo));
    if (status == 2) {
        Check(!reader.Active() && reader.Fields().empty() && !reader.Refusal().empty());
        return 0;
    }
    Check(status == 0 && reader.Active() && reader.Refusal().empty());
    Check(reader.RecordCount() >= 0 && reader.MissingRecords() >= 0);
    Check(reader.RecordCount() <= static_cast<std::int64_t>(tableSize));

    std::int64_t visits = 0;
    for (reader.First(); !reader.Eof(); reader.Next()) {
        Check(++visits <= reader.RecordCount());
        Check(!reader.IsDeleted() && reader.RecNo() >= 1 && reader.RecNo() <= reader.RecordCount());
        ReadEveryField(reader, memoSize);
    }
    reader.SetViewDeleted(true);
    for (std::int64_t n = 1; n <= reader.RecordCount(); ++n) {
        reader.GoToRecord(n);
        Check(reader.RecNo() == n);
        ReadEveryField(reader, memoSize);
    }
    reader.Skip(-(reader.RecordCount() + 1));
    Check(reader.Bof() && reader.RecNo() == (reader.RecordCount() > 0 ? 1 : 0));
    reader.SetViewDeleted(false);
    Check(reader.OpenBytes(std::string()) == -1);
    reader.Close();
    Check(!reader.Active() && reader.Fields().empty() && reader.RecordCount() == 0);
    return 0;
}
