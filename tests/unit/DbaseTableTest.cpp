#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/FileError.h"
#include "reporter/DbaseTable.h"
#include "support/DbaseBuilder.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using testing::DbaseBuilder;
using testing::DbaseField;
using testing::TempDir;
using testing::WriteBytes;
namespace fs = std::filesystem;
using namespace std::string_literals;

class DbaseTableTest : public ::testing::Test {
  protected:
    void Load(const DbaseBuilder& builder) {
        table.Close();
        ASSERT_EQ(table.OpenBytes(builder.TableBytes(), builder.MemoBytes()), 0);
    }
    std::string Value(std::string_view name) const { return table.FieldByName(name)->AsString(); }
    // The records the import loop visits: First, then Next until EOF.
    std::vector<std::int64_t> Visited() {
        std::vector<std::int64_t> seen;
        for (table.First(); !table.Eof() && seen.size() <= 100; table.Next())
            seen.push_back(table.RecNo());
        return seen;
    }
    // The FileError that Open throws, or "no FileError".
    std::string OpenError() {
        try {
            table.Open();
        } catch (const FileError& error) {
            return error.what();
        }
        return "no FileError";
    }

    TTbDbase table{LocaleSettings{"dd.mm.yyyy", ','}};
    TempDir dir;
};

TEST_F(DbaseTableTest, DescriptorsGiveNamesTypesAndPositions) {
    DbaseBuilder builder({{"UNITADD", 'C', 4},
                          {"ABCDEFGHIJK", 'N', 6, 2},
                          {"MEMO1", 'M', 10},
                          {"UNITADD", 'L', 1},
                          {"MEMO2", 'M', 10},
                          {"WHEN", 'D', 8}});
    const std::string bytes = builder.TableBytes();
    ASSERT_EQ(static_cast<unsigned char>(bytes[8]), 225);
    Load(builder);
    ASSERT_EQ(table.Fields().size(), 6u);
    EXPECT_EQ(table.Fields()[1].FieldName, "ABCDEFGHIJ");
    EXPECT_EQ(table.Fields()[1].Decimals, 2);
    std::vector<int> offsets, slots;
    for (const TTbField& field : table.Fields()) {
        offsets.push_back(field.FieldOffset);
        slots.push_back(field.MemoSlot);
    }
    EXPECT_EQ(offsets, (std::vector<int>{2, 6, 12, 22, 23, 33}));
    EXPECT_EQ(slots, (std::vector<int>{-1, -1, 0, -1, 1, -1}));
    EXPECT_EQ(table.FieldByName("UNITADD"), &table.Fields()[0]);
    EXPECT_EQ(table.FieldByName("unitadd"), nullptr);

    // Descriptors stop at the 0x0D terminator even when the header is longer.
    Load(DbaseBuilder({{"A", 'C', 1}}).HeaderLength(32 + 32 * 3 + 1));
    EXPECT_EQ(table.Fields().size(), 1u);
}

TEST_F(DbaseTableTest, FirstAndNextSkipDeletedRecords) {
    const struct {
        std::vector<bool> deleted;
        std::vector<std::int64_t> visited;
        std::int64_t endsOn;
    } cases[] = {
        {{true, true, false}, {3}, 3},
        {{true, true, true}, {}, 3},
        {{false, false, true}, {1, 2}, 2},
        {{false, true, false, true}, {1, 3}, 3},
        {{}, {}, 0},
    };
    for (const auto& c : cases) {
        DbaseBuilder builder({{"NAME", 'C', 4}});
        for (const bool deleted : c.deleted) builder.Record({"x"}, deleted);
        Load(builder);
        EXPECT_EQ(Visited(), c.visited);
        EXPECT_TRUE(table.Eof());
        EXPECT_EQ(table.RecNo(), c.endsOn);
    }
    table.SetViewDeleted(true);
    Load(DbaseBuilder({{"NAME", 'C', 4}}).Record({"a"}, true).Record({"b"}, true));
    EXPECT_EQ(Visited(), (std::vector<std::int64_t>{1, 2}));
    table.GoToRecord(1);
    EXPECT_EQ(Value("NAME"), "a");
    table.SetViewDeleted(false);
    EXPECT_TRUE(table.IsDeleted());
    EXPECT_EQ(Value("NAME"), "");
    table.Skip(-5);
    EXPECT_TRUE(table.Bof());
    EXPECT_EQ(table.RecNo(), 1);
}

TEST_F(DbaseTableTest, FieldValuesFollowTheirType) {
    const struct {
        char type;
        int length, decimals;
        std::string raw, expected;
    } cases[] = {
        {'C', 12, 0, "  Kitchen   ", "Kitchen"},
        {'C', 10, 0, " K\201che\0Ax"s, "K\374che"},
        {'N', 8, 2, "   12.5 ", "12,50"},
        {'N', 8, 2, "        ", ""},
        {'N', 8, 2, "12a", ""},
        {'N', 8, 2, "12,5", "12,50"},  // the locale's separator itself
        {'N', 8, 2, "1.2.3", ""},
        {'N', 8, 2, "  -.125", "-0,13"},
        {'N', 8, 1, "+1e2", "100,0"},
        {'N', 8, 0, "2.5", "3"},
        {'N', 8, 2, "-", ""},
        {'N', 8, 2, "1e", ""},
        {'N', 8, 2, "1E999", ""},
        {'N', 8, 2, "1E-999", "0,00"},
        {'L', 1, 0, "y", "T"},
        {'L', 1, 0, "T", "T"},
        {'L', 1, 0, "?", "F"},
        {'L', 1, 0, " ", "F"},
        {'D', 8, 0, "20240229", "29.02.2024"},
        {'D', 8, 0, "20000229", "29.02.2000"},
        {'D', 8, 0, "19000229", ""},
        {'D', 8, 0, "20241305", ""},
        {'D', 8, 0, "2024 3 5", ""},
        {'D', 8, 0, "        ", ""},
        {'D', 6, 0, "202403", ""},
        {'F', 6, 0, "12.5", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(1, c.type) + " '" + c.raw + "'");
        std::string record = " " + c.raw;
        record.resize(1 + static_cast<std::size_t>(c.length), ' ');
        Load(DbaseBuilder({{"F", c.type, c.length, c.decimals}}).RawRecord(record));
        EXPECT_EQ(Value("F"), c.expected);
    }
}

TEST_F(DbaseTableTest, MemoTextsFollowTheirBlocksEndMarksAndCleaning) {
    DbaseBuilder builder({{"NOTES", 'M', 10}});
    builder.AddMemo("one");              // block 1
    builder.AddMemo("ab\0zz"s, false);   // 2: the text stops at the NUL, goes on
    builder.AddMemo("cd\032zz", false);  // 3: and after a lone 0x1A
    builder.AddMemo("ef");               // 4
    const std::string long700(700, 'x');
    builder.Record({long700});            // 5, ending in block 6
    builder.AddMemo("a\x8D\nb\r\nc\nd");  // 7
    const auto endless = builder.AddMemo(std::string(200 * 1024, 'y'), false);
    builder.Record({});
    for (const std::string& number :
         {"0"s, "abc"s, ""s, "-1"s, "9999"s, "1"s, "2"s, "7"s, std::to_string(endless)})
        builder.RawRecord(" " + std::string(10 - number.size(), ' ') + number);
    Load(builder);
    std::vector<std::string> texts;
    for (table.First(); !table.Eof(); table.Next()) texts.push_back(Value("NOTES"));
    EXPECT_EQ(texts, (std::vector<std::string>{long700, "", "", "", "", "", "", "one", "abcdef",
                                               "ab\r\nc\nd", std::string(kMaxMemoText, 'y')}));
    // A read with a limit gives the beginning of the same text, also where records share a
    // memo and where the limit falls inside the cleaning.
    for (std::size_t limit : {0, 1, 2, 3, 494, 1024, 1025}) {
        SCOPED_TRACE(limit);
        std::size_t i = 0;
        for (table.First(); !table.Eof(); table.Next(), ++i)
            EXPECT_EQ(table.FieldByName("NOTES")->AsString(limit), texts[i].substr(0, limit));
    }

    // Only versions 0x7B, 0x83 and 0x8B have memo files.
    Load(builder.Version(0x03));
    EXPECT_EQ(Value("NOTES"), "");
    EXPECT_FALSE(table.HasMemoFile());
}

// Random memo files of text blocks, empty blocks (a NUL first), blocks with a lone 0x1A or an end
// pair, and a short last block, with records entering them anywhere in any order: each memo is
// what a plain walk over its blocks gives, however the reader skips what it has seen before.
TEST_F(DbaseTableTest, MemoTextsMatchAPlainWalkOverTheirBlocks) {
    const std::vector<std::string> kMarks = {"\0"s, "\0"s, "\x1A"s, "\x1A\x1A"s, ""s};
    std::mt19937 random(7);
    for (int round = 0; round < 40; ++round) {
        const std::size_t blocks = 1 + random() % 60;
        std::string memo(kMemoBlockSize, '\0');
        for (std::size_t k = 1; k <= blocks; ++k) {
            std::string block(kMemoBlockSize, static_cast<char>('a' + k % 26));
            // Mostly runs of empty blocks, some lone 0x1A, some end pairs, some plain text; a
            // quarter of the marks at the block's start.
            const std::string& mark = kMarks[random() % kMarks.size()];
            const std::size_t at = random() % 4 == 0 ? 0 : random() % kMemoBlockSize;
            block.replace(at, mark.size(), mark);
            if (k == blocks) block.resize(1 + random() % kMemoBlockSize);
            memo += block.substr(0, kMemoBlockSize);
        }
        DbaseBuilder builder({{"NOTES", 'M', 10}});
        std::vector<std::string> expected;
        for (int r = 0; r < 30; ++r) {
            const std::size_t first = 1 + random() % blocks;
            const std::string number = std::to_string(first);
            builder.RawRecord(" " + std::string(10 - number.size(), ' ') + number);
            std::string text;
            for (std::size_t k = first; k <= blocks; ++k) {
                std::string_view block =
                    std::string_view(memo).substr(k * kMemoBlockSize, kMemoBlockSize);
                block = block.substr(0, block.find('\0'));
                const auto pair = block.find("\x1A\x1A");
                text += block.substr(0, pair != std::string_view::npos ? pair : block.find('\x1A'));
                if (pair != std::string_view::npos) break;
            }
            expected.push_back(text);
        }
        table.Close();
        ASSERT_EQ(table.OpenBytes(builder.TableBytes(), memo), 0);
        std::vector<std::string> texts;
        for (table.First(); !table.Eof(); table.Next()) texts.push_back(Value("NOTES"));
        ASSERT_EQ(texts, expected) << "round " << round;
    }
}

TEST_F(DbaseTableTest, DamagedHeadersAreRefusedWithAReason) {
    const DbaseField name{"NAME", 'C', 10};
    const struct {
        std::string bytes, refusal;
    } cases[] = {
        {std::string(31, '\x03'), "header cut short"},
        {DbaseBuilder({name}).HeaderLength(31).TableBytes(), "header lengths do not fit the file"},
        {DbaseBuilder({name}).TableBytes().substr(0, 50), "header lengths do not fit the file"},
        {DbaseBuilder({name}).RecordLength(0).TableBytes(), "header lengths do not fit the file"},
        {DbaseBuilder({name}).RecordLength(10).TableBytes(), "fields wider than the record"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(table.OpenBytes(c.bytes), 2);
        EXPECT_EQ(table.Refusal(), c.refusal);
        EXPECT_FALSE(table.Active());
        EXPECT_TRUE(table.Fields().empty());
    }
}

TEST_F(DbaseTableTest, RecordsBeyondTheFileAreCountedMissingNotRead) {
    DbaseBuilder builder({{"NAME", 'C', 10}});
    builder.Record({"a"}).Record({"b"}).Record({"c"});
    std::string bytes = builder.ClaimRecords(0x80000000u).TableBytes();
    bytes.resize(bytes.size() - 5);  // the end byte and part of the third record
    ASSERT_EQ(table.OpenBytes(bytes), 0);
    EXPECT_EQ(table.RecordCount(), 2);
    EXPECT_EQ(table.MissingRecords(), 0x80000000LL - 2);
    EXPECT_EQ(Visited(), (std::vector<std::int64_t>{1, 2}));
    table.GoToRecord(1000);
    EXPECT_EQ(Value("NAME"), "b");
    EXPECT_EQ(table.Open(), -1);
}

TEST_F(DbaseTableTest, FilesAreReadOnlyOnceAndFoundIgnoringCase) {
    fs::create_directory(dir.File("data.old"));
    DbaseBuilder builder({{"NAME", 'C', 10}, {"NOTES", 'M', 10}});
    builder.Record({"Hall", "first"});
    builder.Write(dir.File("data.old/SITE.dbf"), ".dbt");
    for (const char* file : {"data.old/SITE.dbf", "data.old/SITE.dbt"})
        ::chmod(dir.File(file).c_str(), 0444);
    ::chmod(dir.File("data.old").c_str(), 0555);
    table.SetTableName(dir.File("data.old/site.dbf"));
    table.SetActive(true);
    EXPECT_TRUE(table.Active());
    EXPECT_EQ(Value("NOTES"), "first");
    table.SetTableName(dir.File("data.old/other.dbf"));  // closes; a missing table is empty
    EXPECT_FALSE(table.Active());
    EXPECT_EQ(table.Open(), 0);
    table.First();
    EXPECT_TRUE(table.Eof());
    EXPECT_TRUE(table.Fields().empty());

    builder.Write(dir.File("bare"), ".DBT");  // no extension: ".DBT" appended
    table.SetTableName(dir.File("bare"));
    EXPECT_EQ(table.Open(), 0);
    EXPECT_EQ(Value("NOTES"), "first");
    fs::remove(dir.File("bare.DBT"));
    table.Close();
    EXPECT_EQ(table.Open(), 0);  // a missing memo file gives empty memos
    EXPECT_EQ(Value("NOTES"), "");
}

TEST_F(DbaseTableTest, UnreadableOrIrregularFilesThrowAndLeaveTheReaderClosed) {
    const auto expectThrows = [&](const std::string& name, const std::string& part) {
        table.SetTableName(dir.File(name));
        const std::string message = OpenError();
        EXPECT_NE(message.find(part), std::string::npos) << message;
        EXPECT_FALSE(table.Active());
        EXPECT_TRUE(table.Fields().empty());
    };
    fs::create_directory(dir.File("folder.dbf"));
    expectThrows("folder.dbf", std::strerror(EISDIR));
    ASSERT_EQ(::mkfifo(dir.File("pipe.dbf").c_str(), 0600), 0);
    expectThrows("pipe.dbf", "not a regular file");
    fs::create_symlink("loop.dbf", dir.File("loop.dbf"));
    expectThrows("loop.dbf", std::strerror(ELOOP));
    DbaseBuilder({{"NOTES", 'M', 10}}).Record({"x"}).Write(dir.File("site.dbf"));
    fs::remove(dir.File("site.DBT"));
    fs::create_directory(dir.File("site.dbt"));
    expectThrows("site.dbf", std::strerror(EISDIR));
    if (::access("/proc/self/mem", F_OK) == 0) {  // fails with EIO when read, for root too
        fs::create_symlink("/proc/self/mem", dir.File("mem.dbf"));
        expectThrows("mem.dbf", std::strerror(EIO));
    }
}

// Runs a shell command; the test fails when it does not succeed.
void RunShell(const std::string& command) {
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

TEST_F(DbaseTableTest, TablesOfPythonDbfReadBackFieldForField) {
    WriteBytes(dir.File("write.py"),
               "import dbf, datetime, sys\n"
               "t = dbf.Table(sys.argv[1], 'NAME C(20); QTY N(8,2); OK L; WHEN D; NOTES M',\n"
               "              dbf_type='db3', codepage='cp437')\n"
               "t.open(dbf.READ_WRITE)\n"
               "t.append(('K\\u00fcche Stra\\u00dfe', 12.5, True, datetime.date(2024, 3, 5),\n"
               "          'Zeile \\u00fc\\r\\nline 2'))\n"
               "t.append(('Gel\\u00f6scht', 1, False, None, 'x' * 700))\n"
               "t.append(('Third', -3.456, False, datetime.date(1999, 12, 31), '\\u00e9' * 600))\n"
               "dbf.delete(t[1])\n"
               "t.close()\n");
    RunShell("/usr/bin/python3 '" + dir.File("write.py") + "' '" + dir.File("site.dbf") + "'");
    table.SetTableName(dir.File("site.dbf"));
    ASSERT_EQ(table.Open(), 0);
    std::vector<std::vector<std::string>> rows;
    for (table.First(); !table.Eof(); table.Next()) {
        rows.push_back({});
        for (const TTbField& field : table.Fields()) rows.back().push_back(field.AsString());
    }
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{
                        {"K\374che Stra\337e", "12,50", "T", "05.03.2024", "Zeile \xFC\r\nline 2"},
                        {"Third", "-3,46", "F", "31.12.1999", std::string(600, '\xE9')}}));
    table.SetViewDeleted(true);
    table.GoToRecord(2);
    EXPECT_EQ(Value("NAME"), "Gel\xF6scht");
    EXPECT_EQ(Value("NOTES"), std::string(700, 'x'));
}

TEST_F(DbaseTableTest, TablesOfShapelibReadBackFieldForField) {
    RunShell("cd '" + dir.Path() + "' && dbfcreate site -s NAME 12 -n QTY 8 2 && " +
             "dbfadd site \"$(printf 'K\\201che')\" 12.5 && dbfadd site Hall -3");
    table.SetTableName(dir.File("site.dbf"));
    ASSERT_EQ(table.Open(), 0);
    std::vector<std::string> values;
    for (table.First(); !table.Eof(); table.Next())
        values.insert(values.end(), {Value("NAME"), Value("QTY")});
    EXPECT_EQ(values, (std::vector<std::string>{"K\374che", "12,50", "Hall", "-3,00"}));
}

}  // namespace
}  // namespace tavo
