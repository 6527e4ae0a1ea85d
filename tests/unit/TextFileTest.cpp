#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/FileError.h"
#include "platform/TextFile.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

using tavo::testing::FileSizeLimit;

namespace tavo {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

std::vector<std::string> AllLines(LineReader reader) {
    std::vector<std::string> lines;
    std::string line;
    while (reader.ReadLine(line)) lines.push_back(line);
    EXPECT_TRUE(reader.AtEnd());
    return lines;
}

std::vector<std::string> Names(const std::string& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Sets the process's umask while it lives.
class Umask {
  public:
    explicit Umask(mode_t mask) : old_(::umask(mask)) {}
    ~Umask() { ::umask(old_); }
    Umask(const Umask&) = delete;
    Umask& operator=(const Umask&) = delete;

  private:
    mode_t old_;
};

TEST(LineReader, SplitsAtCrLfLoneLfAndLoneCr) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(AllLines(LineReader::FromBytes("one\r\ntwo\nthree\r\n")),
              (Lines{"one", "two", "three"}));
    EXPECT_EQ(AllLines(LineReader::FromBytes("a\r\n\r\n\nlast")), (Lines{"a", "", "", "last"}));
    EXPECT_EQ(AllLines(LineReader::FromBytes("\r\n")), Lines{""});
    EXPECT_EQ(AllLines(LineReader::FromBytes("")), Lines{});
    // A lone CR ends a line too (files saved with old Macintosh line ends); every other byte
    // belongs to its line.
    EXPECT_EQ(AllLines(LineReader::FromBytes(std::string("a\rb\r\r\n\xe9\0z\n", 10))),
              (Lines{"a", "b", "", std::string("\xe9\0z", 3)}));
    // A line longer than the bound is cut, and the reader says so for that line only.
    LineReader longLine = LineReader::FromBytes(std::string(kMaxLineLength + 5, 'x') + "\nshort");
    std::string line;
    ASSERT_TRUE(longLine.ReadLine(line));
    EXPECT_EQ(line.size(), kMaxLineLength);
    EXPECT_TRUE(longLine.LineCut());
    ASSERT_TRUE(longLine.ReadLine(line));
    EXPECT_EQ(line, "short");
    EXPECT_FALSE(longLine.LineCut());

    TempDir dir;
    WriteBytes(dir.File("f.txt"), "x\r\ny\nz");
    EXPECT_EQ(AllLines(LineReader::Open(dir.File("f.txt"))), (Lines{"x", "y", "z"}));
    WriteBytes(dir.File("empty.txt"), "");
    EXPECT_EQ(AllLines(LineReader::Open(dir.File("empty.txt"))), Lines{});
}

TEST(LineReader, OpenFailuresCarryTheSystemText) {
    TempDir dir;
    const auto messageOf = [](const std::string& path) -> std::string {
        try {
            LineReader::Open(path);
        } catch (const FileError& error) {
            return error.what();
        }
        return "no FileError";
    };
    const std::string missing = messageOf(dir.File("missing.txt"));
    EXPECT_TRUE(Contains(missing, dir.File("missing.txt"))) << missing;
    EXPECT_TRUE(Contains(missing, std::strerror(ENOENT))) << missing;
    const std::string directory = messageOf(dir.Path());
    EXPECT_TRUE(Contains(directory, std::strerror(EISDIR))) << directory;
}

TEST(AtomicWriter, WritesCrLfLinesAndReplacesTheOldFileOnCommit) {
    TempDir dir;
    const std::string path = dir.File("out.txt");
    WriteBytes(path, "old content that is longer than the new one\r\n");
    {
        AtomicWriter writer(path);
        writer.WriteLine("first");
        writer.WriteLine("");
        writer.WriteLine("caf\xe9\tend");
        EXPECT_EQ(ReadBytes(path), "old content that is longer than the new one\r\n");
        writer.Commit();
    }
    EXPECT_EQ(ReadBytes(path), "first\r\n\r\ncaf\xe9\tend\r\n");
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"out.txt"});

    // A writer given up without Commit leaves the old file and no temporary file.
    {
        AtomicWriter writer(path);
        writer.WriteLine("never seen");
    }
    EXPECT_EQ(ReadBytes(path), "first\r\n\r\ncaf\xe9\tend\r\n");
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"out.txt"});

    // Nothing written is an empty file.
    {
        AtomicWriter writer(dir.File("empty.txt"));
        writer.Commit();
    }
    EXPECT_EQ(ReadBytes(dir.File("empty.txt")), "");

    // A bare name saves in the working directory and sweeps up its leftovers there.
    WriteBytes(dir.File("out.txt.tavo-x1Y2z3"), "left");
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    {
        AtomicWriter writer("out.txt");
        writer.WriteLine("here");
        writer.Commit();
    }
    std::filesystem::current_path(before);
    EXPECT_EQ(ReadBytes(path), "here\r\n");
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"empty.txt", "out.txt"}));
}

TEST(AtomicWriter, KeepsTheModeOfAReplacedFileAndGivesANewOneTheUsualMode) {
    TempDir dir;
    const Umask mask(022);
    const std::string fresh = dir.File("new.txt");
    {
        AtomicWriter writer(fresh);
        writer.WriteLine("x");
        writer.Commit();
    }
    struct stat info {};
    ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);

    ASSERT_EQ(::chmod(fresh.c_str(), 0640), 0);
    {
        AtomicWriter writer(fresh);
        writer.WriteLine("y");
        writer.Commit();
    }
    ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadBytes(fresh), "y\r\n");
}

TEST(AtomicWriter, FailedWriteLeavesTheOldFileWholeAndNoTemporaryFile) {
    TempDir dir;
    const std::string path = dir.File("site.tav");
    const std::string old = "the old file\r\nstays whole\r\n";
    WriteBytes(path, old);

    std::string message = "no FileError";
    {
        AtomicWriter writer(path);
        for (int i = 0; i < 1000; ++i) writer.WriteLine(std::string(100, 'x'));
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.ok());
        try {
            writer.Commit();
        } catch (const FileError& error) {
            message = error.what();
        }
    }
    EXPECT_TRUE(Contains(message, std::strerror(EFBIG))) << message;
    EXPECT_TRUE(Contains(message, path)) << message;
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"site.tav"});
}

TEST(AtomicBatch, ReplacesNoFileUnlessEveryFileOfTheBatchWasWritten) {
    TempDir dir;
    WriteBytes(dir.File("site.001"), "old 1\r\n");
    WriteBytes(dir.File("site.002"), "old 2\r\n");
    const auto fill = [&](AtomicBatch& batch, int secondLines) {
        batch.Add(dir.File("site.001")).WriteLine("new 1");
        AtomicWriter& second = batch.Add(dir.File("site.002"));
        for (int i = 0; i < secondLines; ++i) second.WriteLine(std::string(100, 'x'));
        batch.Add(dir.File("site.003")).WriteLine("new 3");
    };

    std::string message = "no FileError";
    {
        AtomicBatch batch;
        fill(batch, 100);  // the second file outgrows the limit, after the first was written
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.ok());
        try {
            batch.Commit();
        } catch (const FileError& error) {
            message = error.what();
        }
    }
    EXPECT_TRUE(Contains(message, std::strerror(EFBIG))) << message;
    EXPECT_TRUE(Contains(message, dir.File("site.002"))) << message;
    EXPECT_EQ(ReadBytes(dir.File("site.001")), "old 1\r\n");
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"site.001", "site.002"}));

    // What interrupted saves left goes with the batch: temporaries and second names of each
    // file; a file of the user's and another file's temporary stay.
    for (const char* name :
         {"site.001.tavo-Ab12Cd", "site.003.tavo-old", "site.002.AB12CD", "site.004.tavo-Ab12Cd"})
        WriteBytes(dir.File(name), "left");
    AtomicBatch batch;
    fill(batch, 1);
    batch.Commit();
    EXPECT_EQ(ReadBytes(dir.File("site.001")), "new 1\r\n");
    EXPECT_EQ(ReadBytes(dir.File("site.002")), std::string(100, 'x') + "\r\n");
    EXPECT_EQ(ReadBytes(dir.File("site.003")), "new 3\r\n");
    EXPECT_EQ(Names(dir.Path()),
              (std::vector<std::string>{"site.001", "site.002", "site.002.AB12CD", "site.003",
                                        "site.004.tavo-Ab12Cd"}));
}

// A batch may wait on the user between its first file and its commit. A file that appears
// meanwhile under one of its names is the old file when the batch commits: it keeps its mode,
// and a rename that fails after it puts it back.
TEST(AtomicBatch, AFileThatAppearsBeforeTheCommitIsTheOldFile) {
    TempDir dir;
    const Umask mask(022);
    const std::string path = dir.File("site.001");
    std::filesystem::create_directory(dir.File("folder"));
    std::string message = "no FileError";
    {
        AtomicBatch batch;
        batch.Add(path).WriteLine("new 1");
        batch.Add(dir.File("folder")).WriteLine("not a folder");  // its rename fails
        WriteBytes(path, "appeared\r\n");
        ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
        try {
            batch.Commit();
        } catch (const FileError& error) {
            message = error.what();
        }
    }
    EXPECT_TRUE(Contains(message, dir.File("folder"))) << message;
    EXPECT_EQ(ReadBytes(path), "appeared\r\n");

    ::unlink(path.c_str());
    AtomicBatch batch;
    batch.Add(path).WriteLine("new 1");
    WriteBytes(path, "appeared\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    batch.Commit();
    EXPECT_EQ(ReadBytes(path), "new 1\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
}

TEST(AtomicWriter, CreateAndRenameFailuresCarryTheSystemText) {
    TempDir dir;
    const std::string missingDir = dir.File("gone/site.tav");
    std::string message = "no FileError";
    try {
        AtomicWriter writer(missingDir);
    } catch (const FileError& error) {
        message = error.what();
    }
    EXPECT_TRUE(Contains(message, missingDir)) << message;
    EXPECT_TRUE(Contains(message, std::strerror(ENOENT))) << message;

    // A directory in the target's place: the rename fails, the temporary file goes.
    std::filesystem::create_directory(dir.File("site.001"));
    WriteBytes(dir.File("site.001/inside"), "kept");
    message = "no FileError";
    try {
        AtomicWriter writer(dir.File("site.001"));
        writer.WriteLine("x");
        writer.Commit();
    } catch (const FileError& error) {
        message = error.what();
    }
    EXPECT_TRUE(Contains(message, dir.File("site.001"))) << message;
    EXPECT_TRUE(Contains(message, std::strerror(EISDIR))) << message;
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"site.001"});
    EXPECT_EQ(ReadBytes(dir.File("site.001/inside")), "kept");
}

TEST(AtomicWriter, DirectoryThatRefusesWritesKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into any directory";
    TempDir dir;
    const std::string sub = dir.File("locked");
    std::filesystem::create_directory(sub);
    const std::string path = sub + "/site.tav";
    WriteBytes(path, "old\r\n");
    ASSERT_EQ(::chmod(sub.c_str(), 0555), 0);
    std::string message = "no FileError";
    try {
        AtomicWriter writer(path);
        writer.WriteLine("new");
        writer.Commit();
    } catch (const FileError& error) {
        message = error.what();
    }
    ::chmod(sub.c_str(), 0755);
    EXPECT_TRUE(Contains(message, std::strerror(EACCES))) << message;
    EXPECT_EQ(ReadBytes(path), "old\r\n");
    EXPECT_EQ(Names(sub), std::vector<std::string>{"site.tav"});
}

TEST(FileHelpers, ExistenceAndRemoval) {
    TempDir dir;
    const std::string path = dir.File("a.001");
    EXPECT_FALSE(FileExists(path));
    RemoveFileIfExists(path);  // missing: nothing to do
    WriteBytes(path, "");
    EXPECT_TRUE(FileExists(path));
    EXPECT_FALSE(FileExists(dir.Path()));
    RemoveFileIfExists(path);
    EXPECT_FALSE(FileExists(path));

    // A directory is not a file and is left alone.
    std::filesystem::create_directory(dir.File("b.001"));
    RemoveFileIfExists(dir.File("b.001"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("b.001")));
}

}  // namespace
}  // namespace tavo
