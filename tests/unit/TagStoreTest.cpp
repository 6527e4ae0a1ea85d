#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory_resource>
#include <new>
#include <string>
#include <vector>

#include "platform/Diagnostics.h"
#include "platform/FileError.h"
#include "reporter/TagStore.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using testing::CrLf;
using testing::TempDir;
using testing::WriteBytes;

// 5 March 2024, 09:07.
DiagnosticTime FixedTime() {
    return {2024, 3, 5, 9, 7};
}

// Hands out memory like operator new until told to refuse, then throws std::bad_alloc.
class RationedMemory : public std::pmr::memory_resource {
  public:
    // Refuse the next count allocations (all of them when negative), then give again.
    void Refuse(int count) { refusals_ = count; }

  private:
    void* do_allocate(std::size_t bytes, std::size_t alignment) override {
        if (refusals_ != 0) {
            if (refusals_ > 0) --refusals_;
            throw std::bad_alloc();
        }
        return std::pmr::new_delete_resource()->allocate(bytes, alignment);
    }
    void do_deallocate(void* p, std::size_t bytes, std::size_t alignment) override {
        std::pmr::new_delete_resource()->deallocate(p, bytes, alignment);
    }
    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override {
        return this == &other;
    }
    int refusals_ = 0;
};

// A cleared store whose diagnostic lines are collected with a fixed clock.
class TagStoreTest : public ::testing::Test {
  protected:
    TagStoreTest()
        : store(Diagnostics([this](const std::string& line) { lines.push_back(line); }, FixedTime),
                &memory) {
        store.ClearTags();
    }

    void Read(std::initializer_list<std::string_view> tagLines) {
        LineReader reader = LineReader::FromBytes(CrLf(tagLines));
        ReadTagFile(store, reader);
    }

    // The list sizes: applications, networks, groups, bridges.
    std::vector<int> Counts() const {
        return {store.ApplicationEntryCount(), store.NetworkEntryCount(), store.GroupEntryCount(),
                store.BridgeCount()};
    }

    RationedMemory memory;
    std::vector<std::string> lines;
    TTagStore store;
};

const std::vector<int> kDefaultsOnly = {1, 1, 1, 0};

TEST_F(TagStoreTest, ClearTagsLeavesExactlyTheThreeDefaults) {
    Read({"NMain Building=01|x|254|0", "ALighting=38", "GKitchen=254|0A||38", "B254|254"});
    store.ClearTags();
    EXPECT_EQ(Counts(), kDefaultsOnly);

    const TNetworkItem* network = store.NetworkAt(1);
    ASSERT_NE(network, nullptr);
    EXPECT_EQ(network->Name, "No Network");
    EXPECT_EQ(network->Number, 0);
    EXPECT_EQ(network->Field0, 0);
    EXPECT_EQ(network->Field1, "");
    EXPECT_EQ(network->Field3, 0);
    const TApplicationItem* application = store.ApplicationAt(1);
    ASSERT_NE(application, nullptr);
    EXPECT_EQ(application->Name, "No Application");
    EXPECT_EQ(application->Code, 0);
    const TGroupItem* group = store.GroupAt(1);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->Name, "No Group");
    EXPECT_EQ(group->Address, 0);
    EXPECT_EQ(group->Network, network);
    EXPECT_EQ(group->Application, application);

    EXPECT_EQ(store.NetworkAt(2), nullptr);
    EXPECT_EQ(store.NetworkAt(0), nullptr);
    EXPECT_EQ(store.ApplicationAt(2), nullptr);
    EXPECT_EQ(store.GroupAt(-1), nullptr);
    EXPECT_EQ(store.BridgeAt(1), nullptr);
    // The old entries are gone: their numbers find the defaults.
    EXPECT_EQ(&store.NetworkByNumber(254), network);
    EXPECT_EQ(&store.ApplicationByCode(56), application);
    EXPECT_EQ(&store.GroupByAddress(10), group);
    EXPECT_TRUE(lines.empty());
}

TEST(TagStore, LookUpsInAStoreNeverClearedStillGiveTheDefaultNames) {
    TTagStore store(Diagnostics(nullptr, FixedTime));
    EXPECT_EQ(store.NetworkEntryCount(), 0);
    EXPECT_EQ(store.NetworkAt(1), nullptr);
    EXPECT_EQ(store.NetworkByNumber(1).Name, "No Network");
    EXPECT_EQ(store.ApplicationByCode(1).Name, "No Application");
    const TGroupItem& group = store.GroupByAddress(1);
    EXPECT_EQ(group.Name, "No Group");
    EXPECT_EQ(group.Network, &store.NetworkByNumber(0));
    EXPECT_EQ(group.Application, &store.ApplicationByCode(0));
}

TEST_F(TagStoreTest, NetworksInFileOrderAfterTheDefault) {
    Read({"NMain Building=01|x|254|0", "N2nd Floor=02|y|253|7"});
    EXPECT_EQ(store.NetworkEntryCount(), 3);
    EXPECT_EQ(store.NetworkByNumber(254).Name, "Main Building");
    EXPECT_EQ(store.NetworkByNumber(253).Name, "2nd Floor");
    EXPECT_EQ(store.NetworkByNumber(252).Name, "No Network");
    ASSERT_NE(store.NetworkAt(2), nullptr);
    EXPECT_EQ(store.NetworkAt(2)->Name, "Main Building");
    EXPECT_EQ(store.NetworkAt(3), &store.NetworkByNumber(253));
    EXPECT_EQ(store.NetworkAt(4), nullptr);

    const TNetworkItem& second = store.NetworkByNumber(253);
    EXPECT_EQ(second.Field0, 2);
    EXPECT_EQ(second.Field1, "y");
    EXPECT_EQ(second.Field3, 7);
}

TEST_F(TagStoreTest, ApplicationCodesAreTwoHexDigits) {
    Read({"ALighting=38", "AHeating=3", "ABlinds=4a", "AShutters"});
    EXPECT_EQ(store.ApplicationEntryCount(), 5);
    EXPECT_EQ(store.ApplicationByCode(56).Name, "Lighting");
    EXPECT_EQ(store.ApplicationByCode(106).Name, "Blinds");
    // One digit, or none at all, gives code 0, which the default shadows.
    ASSERT_NE(store.ApplicationAt(3), nullptr);
    EXPECT_EQ(store.ApplicationAt(3)->Name, "Heating");
    EXPECT_EQ(store.ApplicationAt(3)->Code, 0);
    EXPECT_EQ(store.ApplicationAt(5)->Code, 0);
    EXPECT_EQ(store.ApplicationByCode(0).Name, "No Application");
}

TEST_F(TagStoreTest, GroupsKeyedByAddressAloneFirstDeclarationWins) {
    Read({"NMain Building=01|x|254|0", "N2nd Floor=02|y|253|0", "ALighting=38", "AHeating=40",
          "GKitchen=254|0A||38", "GHall=253|0A||40", "GLanding=253|0B|ignored|40"});
    const TGroupItem& kitchen = store.GroupByAddress(10);
    EXPECT_EQ(kitchen.Name, "Kitchen");
    EXPECT_EQ(kitchen.Network, &store.NetworkByNumber(254));
    EXPECT_EQ(kitchen.Application, &store.ApplicationByCode(56));
    EXPECT_EQ(store.GroupByAddress(11).Name, "Landing");
    EXPECT_EQ(store.GroupByAddress(11).Application->Name, "Heating");
    EXPECT_EQ(store.GroupByAddress(12).Name, "No Group");
    EXPECT_EQ(store.GroupEntryCount(), 4);  // the second address 10 is kept, never found
    EXPECT_EQ(store.GroupAt(3)->Name, "Hall");
}

TEST_F(TagStoreTest, DuplicateNumbersAndCodesFindTheEarlierLine) {
    Read({"NFirst=01|x|5|0", "NSecond=01|x|5|0", "AOne=20", "ATwo=20", "A=00", "N=00|z|0|0"});
    EXPECT_EQ(store.NetworkByNumber(5).Name, "First");
    EXPECT_EQ(store.ApplicationByCode(32).Name, "One");
    // Entries numbered 0 are stored but the defaults come first.
    EXPECT_EQ(store.NetworkEntryCount(), 4);
    EXPECT_EQ(store.NetworkByNumber(0).Name, "No Network");
    EXPECT_EQ(store.ApplicationByCode(0).Name, "No Application");
}

TEST_F(TagStoreTest, ReferencesResolveOnlyAgainstEarlierLines) {
    Read(
        {"GPorch=200|0B||41", "B200|254", "NGarden=03|g|200|0", "AShades=41", "GPatio=200|0C||41"});
    const TGroupItem& porch = store.GroupByAddress(11);
    EXPECT_EQ(porch.Network, store.NetworkAt(1));
    EXPECT_EQ(porch.Application, store.ApplicationAt(1));
    ASSERT_NE(store.BridgeAt(1), nullptr);
    EXPECT_EQ(store.BridgeAt(1)->First, store.NetworkAt(1));

    const TGroupItem& patio = store.GroupByAddress(12);
    EXPECT_EQ(patio.Network->Name, "Garden");
    EXPECT_EQ(patio.Application->Name, "Shades");
}

TEST_F(TagStoreTest, TextsAreCutToTheirLimits) {
    const std::string name25 = "Basement Plant Room North";  // 25 characters
    ASSERT_EQ(name25.size(), 25u);
    Read({"N" + name25 + "=01|Riser Cupboard 3B|9|0", "A" + name25 + "=38",
          "G" + name25 + "=9|0A||38", "NShort=01|exactly 14 char|8|0"});
    const std::string first20 = name25.substr(0, 20);
    EXPECT_EQ(store.NetworkByNumber(9).Name, first20);
    EXPECT_EQ(store.NetworkByNumber(9).Field1, "Riser Cupboard");
    EXPECT_EQ(store.NetworkByNumber(8).Field1, "exactly 14 cha");
    EXPECT_EQ(store.ApplicationByCode(56).Name, first20);
    EXPECT_EQ(store.GroupByAddress(10).Name, first20);
}

TEST_F(TagStoreTest, OnlyUpperCaseKindsAreRead) {
    Read({"N=01|x|7|0", "XMain=01|x|9|0", "# comment", "", "nMain=01|x|9|0", "aLow=10",
          " NIndented=01|x|9|0", "g=9|0A||10", "#NCommented=01|x|9|0"});
    EXPECT_EQ(Counts(), (std::vector<int>{1, 2, 1, 0}));
    // 'N=...' is a network without a name.
    EXPECT_EQ(store.NetworkByNumber(7).Name, "");
    EXPECT_EQ(store.NetworkAt(2), &store.NetworkByNumber(7));
    EXPECT_EQ(store.NetworkByNumber(9).Name, "No Network");
}

TEST_F(TagStoreTest, BridgesJoinTwoNetworksAndLevelsAreNotKept) {
    Read({"NMain Building=01|x|254|0", "N2nd Floor=02|y|253|0", "B254|253", "Ba=1|253", "B",
          "LLevel 1=254|0A||38|03", "L"});
    EXPECT_EQ(Counts(), (std::vector<int>{1, 3, 1, 3}));
    const TBridgeItem* bridge = store.BridgeAt(1);
    ASSERT_NE(bridge, nullptr);
    EXPECT_EQ(bridge->First->Name, "Main Building");
    EXPECT_EQ(bridge->Second->Name, "2nd Floor");
    // The first field of 'a=1|253' is 'a=1': no number, so the default network.
    EXPECT_EQ(store.BridgeAt(2)->First, store.NetworkAt(1));
    EXPECT_EQ(store.BridgeAt(2)->Second->Name, "2nd Floor");
    EXPECT_EQ(store.BridgeAt(3)->First, store.NetworkAt(1));
    EXPECT_EQ(store.BridgeAt(3)->Second, store.NetworkAt(1));
    EXPECT_TRUE(lines.empty());
}

TEST_F(TagStoreTest, ContentEndsAtTheLinesCharacter257) {
    // 'N' + "Far=01|" + padding + "|77": the padding puts the first '7' at character 257.
    const std::string padding(247, 'p');
    Read({"NFar=01|" + padding + "|77", "NOff=01|" + padding.substr(1) + "|66"});
    EXPECT_EQ(store.NetworkByNumber(7).Name, "Far");
    EXPECT_EQ(store.NetworkByNumber(77).Name, "No Network");
    EXPECT_EQ(store.NetworkByNumber(66).Name, "Off");
}

TEST_F(TagStoreTest, LineEndsOfEitherKindAndNoneAtTheEnd) {
    LineReader reader = LineReader::FromBytes("NOne=01|x|1|0\nNTwo=01|x|2|0\r\nNThree=01|x|3|0");
    ReadTagFile(store, reader);
    EXPECT_EQ(store.NetworkByNumber(1).Name, "One");
    EXPECT_EQ(store.NetworkByNumber(2).Name, "Two");
    EXPECT_EQ(store.NetworkByNumber(3).Name, "Three");
}

TEST_F(TagStoreTest, ExhaustedMemoryDropsTheEntryWritesOneLineAndReadingGoesOn) {
    memory.Refuse(1);
    Read({"NFirst=01|x|5|0", "NSecond=02|y|6|0"});
    EXPECT_EQ(store.NetworkEntryCount(), 2);
    EXPECT_EQ(store.NetworkByNumber(5).Name, "No Network");
    EXPECT_EQ(store.NetworkByNumber(6).Name, "Second");
    EXPECT_EQ(lines,
              std::vector<std::string>{"[5/3/24 09:07:TVRdata] Unable to add a network item"});

    lines.clear();
    memory.Refuse(-1);
    Read({"ALighting=38", "NThird=03|z|7|0", "GKitchen=254|0A||38", "B254|253",
          "LLevel 1=254|0A||38|03"});
    EXPECT_EQ(Counts(), (std::vector<int>{1, 2, 1, 0}));
    EXPECT_EQ(lines,
              (std::vector<std::string>{"[5/3/24 09:07:TVRdata] Unable to add a application item",
                                        "[5/3/24 09:07:TVRdata] Unable to add a network item",
                                        "[5/3/24 09:07:TVRdata] Unable to add a groups item",
                                        "[5/3/24 09:07:TVRdata] Unable to add a bridge item",
                                        "[5/3/24 09:07:TVRdata] Unable to add a level item"}));
}

TEST_F(TagStoreTest, ClearTagsWithoutMemoryKeepsLookUpsWorking) {
    Read({"NMain Building=01|x|254|0"});
    memory.Refuse(-1);
    store.ClearTags();
    EXPECT_EQ(Counts(), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(lines,
              (std::vector<std::string>{"[5/3/24 09:07:TVRdata] Unable to add a application item",
                                        "[5/3/24 09:07:TVRdata] Unable to add a network item",
                                        "[5/3/24 09:07:TVRdata] Unable to add a groups item"}));
    EXPECT_EQ(store.NetworkByNumber(254).Name, "No Network");
    EXPECT_EQ(store.ApplicationByCode(0).Name, "No Application");
    EXPECT_EQ(store.GroupByAddress(0).Name, "No Group");

    // Entries added later never become the default of their list.
    memory.Refuse(0);
    Read({"NLate=01|x|9|0"});
    EXPECT_EQ(store.NetworkByNumber(3).Name, "No Network");
    store.ClearTags();
    EXPECT_EQ(Counts(), kDefaultsOnly);
    EXPECT_EQ(&store.NetworkByNumber(3), store.NetworkAt(1));
}

TEST_F(TagStoreTest, TagFileBesideTheProject) {
    TempDir dir;
    WriteBytes(dir.File("site.tag"), CrLf({"# Site tags", "NMain Building=01|x|254|0",
                                           "ALighting=38", "GKitchen=254|0A||38"}));
    ReadTagFile(store, dir.File("site"));
    EXPECT_EQ(store.NetworkByNumber(254).Name, "Main Building");
    EXPECT_EQ(store.GroupByAddress(10).Application->Name, "Lighting");

    // No tag file: only the defaults.
    store.ClearTags();
    ReadTagFile(store, dir.File("other"));
    EXPECT_EQ(store.NetworkEntryCount(), 1);
    EXPECT_EQ(store.NetworkAt(2), nullptr);
}

TEST_F(TagStoreTest, TagFileNameInOtherLetterCaseIsFound) {
    TempDir dir;
    WriteBytes(dir.File("SITE.TAG"), CrLf({"NUpper=01|x|1|0"}));
    ReadTagFile(store, dir.File("site"));
    EXPECT_EQ(store.NetworkByNumber(1).Name, "Upper");

    // The exact name wins over other spellings; a directory of that name is no tag file.
    WriteBytes(dir.File("site.tag"), CrLf({"NExact=01|x|1|0"}));
    store.ClearTags();
    ReadTagFile(store, dir.File("site"));
    EXPECT_EQ(store.NetworkByNumber(1).Name, "Exact");
    std::filesystem::create_directory(dir.File("plan.tag"));
    store.ClearTags();
    ReadTagFile(store, dir.File("plan"));
    EXPECT_EQ(store.NetworkEntryCount(), 1);
}

TEST_F(TagStoreTest, ReadFailureThrowsFileError) {
    // Reading /proc/self/mem from its start fails with an I/O error, for root too.
    if (::access("/proc/self/mem", F_OK) != 0) GTEST_SKIP() << "no /proc";
    TempDir dir;
    std::filesystem::create_symlink("/proc/self/mem", dir.File("site.tag"));
    std::string message = "no FileError";
    try {
        ReadTagFile(store, dir.File("site"));
    } catch (const FileError& error) {
        message = error.what();
    }
    EXPECT_NE(message.find(dir.File("site.tag")), std::string::npos) << message;
    EXPECT_EQ(store.NetworkEntryCount(), 1);
}

TEST(DiagnosticLine, DateTimeUnitAndMessage) {
    EXPECT_EQ(FormatDiagnosticLine({2024, 3, 5, 9, 7}, "TVRdata", "Unable to add a network item"),
              "[5/3/24 09:07:TVRdata] Unable to add a network item");
    EXPECT_EQ(FormatDiagnosticLine({2009, 12, 31, 23, 59}, "TVRdata", "x"),
              "[31/12/09 23:59:TVRdata] x");
    EXPECT_EQ(FormatDiagnosticLine({2100, 1, 1, 0, 0}, "U", ""), "[1/1/00 00:00:U] ");
    EXPECT_EQ(FormatDiagnosticLine({1999, 10, 10, 12, 30}, "U", "m"), "[10/10/99 12:30:U] m");
}

TEST(DiagnosticLine, DefaultSinkIsStandardErrorInUtf8) {
    ::testing::internal::CaptureStderr();
    Diagnostics(Diagnostics::WriteToStandardError, FixedTime).Write("TVRdata", "Caf\xE9");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "[5/3/24 09:07:TVRdata] Caf\xC3\xA9\n");

    // Without a clock the line carries the current time (a minute may turn meanwhile).
    const DiagnosticTime before = CurrentDiagnosticTime();
    ::testing::internal::CaptureStderr();
    Diagnostics().Write("TVRdata", "now");
    const std::string line = ::testing::internal::GetCapturedStderr();
    const DiagnosticTime after = CurrentDiagnosticTime();
    EXPECT_TRUE(line == FormatDiagnosticLine(before, "TVRdata", "now") + "\n" ||
                line == FormatDiagnosticLine(after, "TVRdata", "now") + "\n")
        << line;
}

}  // namespace
}  // namespace tavo
