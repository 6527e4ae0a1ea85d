#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "platform/FileError.h"
#include "platform/TextFile.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using Fields = std::vector<std::string>;
using tavo::testing::CrLf;
using tavo::testing::ScriptedPrompts;
using tavo::testing::TempDir;
using tavo::testing::WriteBytes;

const char* const kMissingMessage =
    "Unable to find data file\r\"/opt/tavo/TAVOUNIT.DAT\"!\r"
    "Data file must exist before Tavo Calculator can work!\r"
    "Tavo Calculator will now terminate!";

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A data line with the given catalogue number and otherwise plain values.
std::string DataLine(const std::string& catNo, const std::string& kind = "i",
                     const std::string& rest = "20,0,10,NO,NO,NO,YES,CODE,1") {
    return catNo + "," + kind + "," + rest;
}

// A file body of count pairs "Unit <n>" / "C<n>,...".
std::string Pairs(int count) {
    std::string text;
    for (int n = 1; n <= count; ++n)
        text += "Unit " + std::to_string(n) + "\r\n" + DataLine("C" + std::to_string(n)) + "\r\n";
    return text;
}

class CatalogueTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetUnitTable(Cat()); }

    Catalogue& Cat() { return *catalogue_; }
    UnitType& Unit(int slot) { return catalogue_->UnitTable[static_cast<std::size_t>(slot)]; }
    UnitType& Entry(int slot) { return catalogue_->UnitList[static_cast<std::size_t>(slot)]; }

    void Load(const std::string& bytes) {
        LineReader reader = LineReader::FromBytes(bytes);
        LoadUnitCatalogue(Cat(), reader, prompts.Sink());
    }

    std::unique_ptr<Catalogue> catalogue_ = std::make_unique<Catalogue>();
    ScriptedPrompts prompts;
};

// ---------------------------------------------------------------------------------------
// Splitting a data line into fields

TEST(SplitDataFields, CommasAndSpacesSeparateFields) {
    EXPECT_EQ(SplitDataFields("a,b,c"), (Fields{"a", "b", "c"}));
    EXPECT_EQ(SplitDataFields("a b c"), (Fields{"a", "b", "c"}));
    EXPECT_EQ(SplitDataFields("a , b ,c"), (Fields{"a", "b", "c"}));
    EXPECT_EQ(SplitDataFields("a,  b"), (Fields{"a", "b"}));
    EXPECT_EQ(SplitDataFields("a\tb\x1f"
                              "c"),
              (Fields{"a", "b", "c"}));
    EXPECT_EQ(SplitDataFields("a   b"), (Fields{"a", "b"}));  // a run of spaces is one separator
}

TEST(SplitDataFields, TwoCommasGiveAnEmptyFieldAndATrailingCommaNone) {
    EXPECT_EQ(SplitDataFields("a,,b"), (Fields{"a", "", "b"}));
    EXPECT_EQ(SplitDataFields("a, ,b"), (Fields{"a", "", "b"}));
    EXPECT_EQ(SplitDataFields("a,,,b"), (Fields{"a", "", "", "b"}));
    EXPECT_EQ(SplitDataFields("a,b,"), (Fields{"a", "b"}));
    EXPECT_EQ(SplitDataFields("a,b,  "), (Fields{"a", "b"}));
    EXPECT_EQ(SplitDataFields("a,b,,"), (Fields{"a", "b", ""}));
    EXPECT_EQ(SplitDataFields(",a"), (Fields{"", "a"}));
}

TEST(SplitDataFields, LeadingSpacesAndControlCharactersAreSkipped) {
    EXPECT_EQ(SplitDataFields("  a,b"), (Fields{"a", "b"}));
    EXPECT_EQ(SplitDataFields("\t\x01\x02\r a,b"), (Fields{"a", "b"}));
    EXPECT_EQ(SplitDataFields(" \x01 ,a"), (Fields{"", "a"}));
    EXPECT_EQ(SplitDataFields(""), Fields{});
    EXPECT_EQ(SplitDataFields("  \t "), Fields{});
}

TEST(SplitDataFields, QuotesGroupAndDoubledQuotesStandForOne) {
    EXPECT_EQ(SplitDataFields("\"a b\",c"), (Fields{"a b", "c"}));
    EXPECT_EQ(SplitDataFields("\"a,b\" c"), (Fields{"a,b", "c"}));
    EXPECT_EQ(SplitDataFields("\"say \"\"hi\"\"\",x"), (Fields{"say \"hi\"", "x"}));
    EXPECT_EQ(SplitDataFields("\"\"\"\""), (Fields{"\""}));
    EXPECT_EQ(SplitDataFields("a,\"\",b"), (Fields{"a", "", "b"}));
    EXPECT_EQ(SplitDataFields("\" padded \""), (Fields{" padded "}));
    // The field ends at the lone quote; what follows starts the next field.
    EXPECT_EQ(SplitDataFields("\"ab\"cd,e"), (Fields{"ab", "cd", "e"}));
    // A quote inside an unquoted field is an ordinary character.
    EXPECT_EQ(SplitDataFields("a\"b,c"), (Fields{"a\"b", "c"}));
    // Without its closing quote the field runs to the end of the line.
    EXPECT_EQ(SplitDataFields("x,\"open, field"), (Fields{"x", "open, field"}));
}

TEST(SplitDataFields, BytesAboveAsciiBelongToTheField) {
    EXPECT_EQ(SplitDataFields("Caf\xE9,\xA0x"), (Fields{"Caf\xE9", "\xA0x"}));
}

// ---------------------------------------------------------------------------------------
// Field tests

TEST(IsNumeric, OnlyNonEmptyDecimalDigits) {
    EXPECT_TRUE(IsNumeric("0"));
    EXPECT_TRUE(IsNumeric("20"));
    EXPECT_TRUE(IsNumeric("007"));
    EXPECT_TRUE(IsNumeric("99999999999999999999"));
    EXPECT_FALSE(IsNumeric(""));
    EXPECT_FALSE(IsNumeric("-5"));
    EXPECT_FALSE(IsNumeric("+5"));
    EXPECT_FALSE(IsNumeric("1.5"));
    EXPECT_FALSE(IsNumeric("0,5"));
    EXPECT_FALSE(IsNumeric("20mA"));
    EXPECT_FALSE(IsNumeric(" 1"));
    EXPECT_FALSE(IsNumeric("1 "));
    EXPECT_FALSE(IsNumeric("$10"));
    EXPECT_FALSE(IsNumeric("\xB2"));  // superscript two in Windows-1252
}

TEST(IsYes, YesInAnyCaseWithSpacesAndControlCharactersAround) {
    EXPECT_TRUE(IsYes("YES"));
    EXPECT_TRUE(IsYes("yes"));
    EXPECT_TRUE(IsYes("Yes"));
    EXPECT_TRUE(IsYes("  yEs  "));
    EXPECT_TRUE(IsYes("\t\x01YES\r"));
    EXPECT_FALSE(IsYes(""));
    EXPECT_FALSE(IsYes("NO"));
    EXPECT_FALSE(IsYes("Y"));
    EXPECT_FALSE(IsYes("YESS"));
    EXPECT_FALSE(IsYes("YE S"));
    EXPECT_FALSE(IsYes("TRUE"));
    EXPECT_FALSE(IsYes("1"));
}

// ---------------------------------------------------------------------------------------
// Reset

TEST_F(CatalogueTest, ResetGivesTheResetValuesToSlotsZeroTo199Only) {
    for (int slot = 0; slot < kTableSlots; ++slot) {
        UnitType& unit = Unit(slot);
        unit.Description = "old";
        unit.CatNo = "OLD";
        unit.Kind = 'o';
        unit.Consumption = 7;
        unit.Supply = 8;
        unit.Impedance = 9.0;
        unit.HasClock = unit.HasBurden = unit.Jumpers = true;
        unit.Addressable = false;
        unit.InstallCode = "CODE";
        unit.ChannelCount = 4;
        unit.SharedCode = true;
        unit.Quantity = 5;
        unit.MasterIndex = 6;
    }
    Entry(1).CatNo = "LISTED";
    Cat().UnitCount = 12;
    Cat().UnitListEnd = 13;

    ResetUnitTable(Cat());

    EXPECT_EQ(Cat().UnitCount, 0);
    EXPECT_EQ(Cat().UnitListEnd, 0);
    for (int slot = 0; slot <= 199; ++slot) {
        SCOPED_TRACE(slot);
        const UnitType& unit = Unit(slot);
        EXPECT_EQ(unit.Description, "Data base error");
        EXPECT_EQ(unit.CatNo, "");
        EXPECT_EQ(unit.Kind, '?');
        EXPECT_EQ(unit.Consumption, 0);
        EXPECT_EQ(unit.Supply, 0);
        EXPECT_FALSE(unit.HasClock);
        EXPECT_FALSE(unit.HasBurden);
        EXPECT_FALSE(unit.Jumpers);
        EXPECT_TRUE(unit.Addressable);
        EXPECT_EQ(unit.ChannelCount, 0);
        EXPECT_EQ(unit.Quantity, 0);
        EXPECT_EQ(unit.MasterIndex, 0);
        // Not reset:
        EXPECT_EQ(unit.Impedance, 9.0);
        EXPECT_EQ(unit.InstallCode, "CODE");
        EXPECT_TRUE(unit.SharedCode);
    }
    // Slot 200 is outside the reset.
    EXPECT_EQ(Unit(200).Description, "old");
    EXPECT_EQ(Unit(200).CatNo, "OLD");
    EXPECT_EQ(Unit(200).Quantity, 5);
    EXPECT_FALSE(Unit(200).Addressable);
    // The UnitList is not touched.
    EXPECT_EQ(Entry(1).CatNo, "LISTED");
}

// ---------------------------------------------------------------------------------------
// Loading: line kinds and pairing

TEST_F(CatalogueTest, CommentDescriptionAndDataGiveOneUnitTypeInSlotOne) {
    Load(CrLf({"; VERSION : 3,2", "Eight channel relay",
               "CAT8, o, 18, 0, 45, NO, NO, YES, YES, RELAY8, 8"}));
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(Cat().UnitCount, 1);
    EXPECT_EQ(Cat().UnitListEnd, 1);
    const UnitType& unit = Unit(1);
    EXPECT_EQ(unit.Description, "Eight channel relay");
    EXPECT_EQ(unit.CatNo, "CAT8");
    EXPECT_EQ(unit.Kind, 'o');
    EXPECT_EQ(unit.Consumption, 18);
    EXPECT_EQ(unit.Supply, 0);
    EXPECT_EQ(unit.Impedance, 45.0);
    EXPECT_FALSE(unit.HasClock);
    EXPECT_FALSE(unit.HasBurden);
    EXPECT_TRUE(unit.Jumpers);
    EXPECT_TRUE(unit.Addressable);
    EXPECT_EQ(unit.InstallCode, "RELAY8");
    EXPECT_EQ(unit.ChannelCount, 8);
    EXPECT_EQ(unit.Quantity, 0);
    // The sentinel keeps its reset values.
    EXPECT_EQ(Unit(0).Description, "Data base error");
    EXPECT_EQ(Unit(0).Kind, '?');
    EXPECT_EQ(Unit(0).CatNo, "");
    // The slot after the last unit type keeps its reset values too.
    EXPECT_EQ(Unit(2).Description, "Data base error");
}

TEST_F(CatalogueTest, ADescriptionWithoutDataLineAtTheEndIsDropped) {
    Load(CrLf({"First", DataLine("C1"), "Dangling description"}));
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(Cat().UnitCount, 1);
    EXPECT_EQ(Unit(1).Description, "First");
    EXPECT_EQ(Unit(2).Description, "Data base error");
    EXPECT_EQ(Unit(2).CatNo, "");
}

TEST_F(CatalogueTest, EmptyAndCommentLinesAreSkippedInsideAPair) {
    Load(CrLf({"", "; comment", "First", "", "; between the pair", "", DataLine("C1"), "", "Second",
               DataLine("C2"), ""}));
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(Cat().UnitCount, 2);
    EXPECT_EQ(Unit(1).Description, "First");
    EXPECT_EQ(Unit(1).CatNo, "C1");
    EXPECT_EQ(Unit(2).Description, "Second");
    EXPECT_EQ(Unit(2).CatNo, "C2");
}

TEST_F(CatalogueTest, ALineOfSpacesAndALineStartingWithSpaceSemicolonArePairLines) {
    Load(CrLf({" ", DataLine("C1"), " ;not a comment", DataLine("C2")}));
    EXPECT_EQ(Cat().UnitCount, 2);
    EXPECT_EQ(Unit(1).Description, " ");
    EXPECT_EQ(Unit(1).CatNo, "C1");
    EXPECT_EQ(Unit(2).Description, " ;not a comment");
    EXPECT_EQ(Unit(2).CatNo, "C2");
}

TEST_F(CatalogueTest, AVersionLineThatIsNotACommentIsTakenAsALineOfAPair) {
    Load(CrLf({"Tavo VERSION : 5", DataLine("C1")}));
    EXPECT_EQ(Cat().UnitCount, 1);
    EXPECT_EQ(Unit(1).Description, "Tavo VERSION : 5");
}

TEST_F(CatalogueTest, LinesMayEndInLfAlone) {
    Load("First\n" + DataLine("C1") + "\nSecond\r\n" + DataLine("C2"));
    EXPECT_EQ(Cat().UnitCount, 2);
    EXPECT_EQ(Unit(1).CatNo, "C1");
    EXPECT_EQ(Unit(2).CatNo, "C2");
    EXPECT_EQ(Unit(2).ChannelCount, 1);
}

TEST_F(CatalogueTest, AnEmptyFileGivesAnEmptyCatalogue) {
    Load("");
    EXPECT_EQ(Cat().UnitCount, 0);
    Load(CrLf({"; only", "; comments"}));
    EXPECT_EQ(Cat().UnitCount, 0);
    EXPECT_TRUE(prompts.shown.empty());
}

// ---------------------------------------------------------------------------------------
// Loading: field conversion

TEST_F(CatalogueTest, SpacingAndCaseOfYesNoFieldsDoNotMatter) {
    Load(CrLf({"Plain", "CAT1,i,20,0,10,YES,NO,NO,YES,CODE1,1", "Spaced",
               "CAT1, i, 20, 0, 10, yes , no,no,Yes,CODE1,1"}));
    ASSERT_EQ(Cat().UnitCount, 2);
    UnitType first = Unit(1);
    UnitType second = Unit(2);
    first.Description = second.Description = "";
    EXPECT_EQ(first.CatNo, second.CatNo);
    EXPECT_EQ(first.Kind, second.Kind);
    EXPECT_EQ(first.Consumption, second.Consumption);
    EXPECT_EQ(first.Supply, second.Supply);
    EXPECT_EQ(first.Impedance, second.Impedance);
    EXPECT_EQ(first.HasClock, second.HasClock);
    EXPECT_EQ(first.HasBurden, second.HasBurden);
    EXPECT_EQ(first.Jumpers, second.Jumpers);
    EXPECT_EQ(first.Addressable, second.Addressable);
    EXPECT_EQ(first.InstallCode, second.InstallCode);
    EXPECT_EQ(first.ChannelCount, second.ChannelCount);
    EXPECT_EQ(second.Kind, 'i');
    EXPECT_EQ(second.Consumption, 20);
    EXPECT_EQ(second.Impedance, 10.0);
    EXPECT_TRUE(second.HasClock);
    EXPECT_FALSE(second.HasBurden);
    EXPECT_FALSE(second.Jumpers);
    EXPECT_TRUE(second.Addressable);
}

TEST_F(CatalogueTest, NonNumericCurrentsAndImpedanceTakeTheirDefaultsSilently) {
    Load(CrLf({"mA suffix", "A,i,20mA,-5,0,NO,NO,NO,NO,X,1",    //
               "empty fields", "B,i,,,,NO,NO,NO,NO,X,1",        //
               "decimals", "C,i,20.0,1.5,1.5,NO,NO,NO,NO,X,1",  //
               "signs", "D,i,+20,+5,-10,NO,NO,NO,NO,X,1", "quoted",
               "E,i,\"30\",\"40\",\"50\",NO,NO,NO,NO,X,1"}));
    EXPECT_TRUE(prompts.shown.empty());
    ASSERT_EQ(Cat().UnitCount, 5);
    EXPECT_EQ(Unit(1).Consumption, 18);
    EXPECT_EQ(Unit(1).Supply, 0);
    EXPECT_EQ(Unit(1).Impedance, 0.0);  // '0' is numeric: the unit puts no AC load on
    EXPECT_EQ(Unit(2).Consumption, 18);
    EXPECT_EQ(Unit(2).Supply, 0);
    EXPECT_EQ(Unit(2).Impedance, 100.0);
    EXPECT_EQ(Unit(3).Consumption, 18);
    EXPECT_EQ(Unit(3).Supply, 0);
    EXPECT_EQ(Unit(3).Impedance, 100.0);
    EXPECT_EQ(Unit(4).Consumption, 18);
    EXPECT_EQ(Unit(4).Supply, 0);
    EXPECT_EQ(Unit(4).Impedance, 100.0);
    EXPECT_EQ(Unit(5).Consumption, 30);
    EXPECT_EQ(Unit(5).Supply, 40);
    EXPECT_EQ(Unit(5).Impedance, 50.0);
}

TEST_F(CatalogueTest, NumericFieldsBeyondThirtyTwoBitsAreClampedNotWrapped) {
    Load(CrLf({"Huge", "H,p,99999999999,4294967296,99999999999999999999,NO,NO,NO,NO,X,1",
               "Leading zeros", "Z,p,0000000000020,000,0007,NO,NO,NO,NO,X,1"}));
    ASSERT_EQ(Cat().UnitCount, 2);
    EXPECT_EQ(Unit(1).Consumption, INT32_MAX);
    EXPECT_EQ(Unit(1).Supply, INT32_MAX);
    EXPECT_EQ(Unit(1).Impedance, static_cast<double>(INT32_MAX));
    EXPECT_EQ(Unit(2).Consumption, 20);
    EXPECT_EQ(Unit(2).Supply, 0);
    EXPECT_EQ(Unit(2).Impedance, 7.0);
}

TEST_F(CatalogueTest, LongTextsAreCutSilently) {
    const std::string description(120, 'd');
    const std::string catNo = "ABCDEFGHIJKLMNOPQRSTUVWXY";  // 25 characters
    const std::string code = "0123456789";                  // 10 characters
    Load(CrLf({description, catNo + ",i,20,0,10,NO,NO,NO,YES," + code + ",1", std::string(100, 'e'),
               "B,i,20,0,10,NO,NO,NO,YES,ABCDEFGH,1"}));
    EXPECT_TRUE(prompts.shown.empty());
    ASSERT_EQ(Cat().UnitCount, 2);
    EXPECT_EQ(Unit(1).Description, std::string(100, 'd'));
    EXPECT_EQ(Unit(1).CatNo, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(Unit(1).InstallCode, "01234567");
    EXPECT_EQ(Unit(2).Description, std::string(100, 'e'));
    EXPECT_EQ(Unit(2).InstallCode, "ABCDEFGH");
}

TEST_F(CatalogueTest, TheDescriptionIsTakenWholeAndUntrimmed) {
    Load(CrLf({"  Relay, \"eight\" channels\t ", DataLine("C1")}));
    EXPECT_EQ(Unit(1).Description, "  Relay, \"eight\" channels\t ");
}

TEST_F(CatalogueTest, KindIsTheFirstCharacterOfFieldTwoAsWritten) {
    Load(CrLf({"a", DataLine("A", "i"), "b", DataLine("B", "Input"), "c", DataLine("C", "output"),
               "d", DataLine("D", "u"), "e", DataLine("E", "s"), "f", DataLine("F", "p"), "g",
               DataLine("G", "x"), "h", DataLine("H", "\"?quoted\"")}));
    ASSERT_EQ(Cat().UnitCount, 8);
    EXPECT_EQ(Unit(1).Kind, 'i');
    EXPECT_EQ(Unit(2).Kind, 'I');
    EXPECT_EQ(Unit(3).Kind, 'o');
    EXPECT_EQ(Unit(4).Kind, 'u');
    EXPECT_EQ(Unit(5).Kind, 's');
    EXPECT_EQ(Unit(6).Kind, 'p');
    EXPECT_EQ(Unit(7).Kind, 'x');
    EXPECT_EQ(Unit(8).Kind, '?');
}

TEST_F(CatalogueTest, FieldElevenAcceptsASignAndFieldsAfterItAreIgnored) {
    Load(CrLf({"plus", "A,i,20,0,10,NO,NO,NO,YES,X,+5", "minus", "B,i,20,0,10,NO,NO,NO,YES,X,-3",
               "extra", "C,i,20,0,10,NO,NO,NO,YES,X,16,surplus,fields here", "trailing comma",
               "D,i,20,0,10,NO,NO,NO,YES,X,2,"}));
    EXPECT_TRUE(prompts.shown.empty());
    ASSERT_EQ(Cat().UnitCount, 4);
    EXPECT_EQ(Unit(1).ChannelCount, 5);
    EXPECT_EQ(Unit(2).ChannelCount, -3);
    EXPECT_EQ(Unit(3).ChannelCount, 16);
    EXPECT_EQ(Unit(4).ChannelCount, 2);
}

TEST_F(CatalogueTest, YesNoFieldsOtherThanYesReadAsFalse) {
    Load(CrLf({"flags", "A,i,20,0,10,Y,TRUE,1,\"\",X,1", "more",
               "B,i,20,0,10,\" YES \",yes,YeS,NO,X,1"}));
    ASSERT_EQ(Cat().UnitCount, 2);
    EXPECT_FALSE(Unit(1).HasClock);
    EXPECT_FALSE(Unit(1).HasBurden);
    EXPECT_FALSE(Unit(1).Jumpers);
    EXPECT_FALSE(Unit(1).Addressable);  // the reset's true is overwritten
    EXPECT_TRUE(Unit(2).HasClock);
    EXPECT_TRUE(Unit(2).HasBurden);
    EXPECT_TRUE(Unit(2).Jumpers);
    EXPECT_FALSE(Unit(2).Addressable);
}

TEST_F(CatalogueTest, LoadingSetsQuantityToZeroAndLeavesMasterIndexAndSharedCode) {
    Unit(1).Quantity = 9;
    Unit(1).MasterIndex = 7;
    Unit(1).SharedCode = true;
    Load(CrLf({"a", DataLine("A")}));
    EXPECT_EQ(Unit(1).Quantity, 0);
    EXPECT_EQ(Unit(1).MasterIndex, 7);
    EXPECT_TRUE(Unit(1).SharedCode);
}

TEST_F(CatalogueTest, ParseUnitLineFillsTheNextSlot) {
    EXPECT_TRUE(ParseUnitLine(Cat(), "one", DataLine("A"), prompts.Sink()));
    EXPECT_TRUE(ParseUnitLine(Cat(), "two", DataLine("B"), prompts.Sink()));
    EXPECT_EQ(Cat().UnitListEnd, 2);
    EXPECT_EQ(Unit(1).CatNo, "A");
    EXPECT_EQ(Unit(2).CatNo, "B");
    EXPECT_EQ(Unit(2).Description, "two");
    EXPECT_TRUE(prompts.shown.empty());
}

// ---------------------------------------------------------------------------------------
// Loading: lines that cannot be converted (warned, pair skipped)

struct BadLine {
    const char* name;
    std::string data;
};

class UnconvertibleDataLine : public CatalogueTest,
                              public ::testing::WithParamInterface<BadLine> {};

TEST_P(UnconvertibleDataLine, IsWarnedNamingTheLineAndItsPairSkipped) {
    const std::string bad = GetParam().data;
    Load(CrLf({"Good one", DataLine("G1"), "Bad one", bad, "Good two", DataLine("G2")}));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].Kind, MessageKind::Warning);
    EXPECT_FALSE(prompts.shown[0].Question);
    const std::string& text = prompts.shown[0].Text;
    EXPECT_NE(text.find("\"" + bad + "\""), std::string::npos) << text;
    EXPECT_TRUE(EndsWith(text, " ignored")) << text;
    // The catalogue stays consistent: only filled slots count, the pairing goes on.
    EXPECT_EQ(Cat().UnitCount, 2);
    EXPECT_EQ(Unit(1).CatNo, "G1");
    EXPECT_EQ(Unit(2).CatNo, "G2");
    EXPECT_EQ(Unit(2).Description, "Good two");
    EXPECT_EQ(Unit(3).CatNo, "");
    EXPECT_EQ(Unit(3).Description, "Data base error");
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, UnconvertibleDataLine,
    ::testing::Values(BadLine{"TenFields", "B,i,20,0,10,NO,NO,NO,YES,CODE"},
                      BadLine{"OneField", "B"}, BadLine{"SpacesOnly", "   "},
                      BadLine{"TrailingCommaDoesNotMakeAField", "B,i,20,0,10,NO,NO,NO,YES,CODE,"},
                      BadLine{"EmptyKind", "B,,20,0,10,NO,NO,NO,YES,CODE,1"},
                      BadLine{"QuotedEmptyKind", "B,\"\",20,0,10,NO,NO,NO,YES,CODE,1"},
                      BadLine{"WordChannelCount", "B,i,20,0,10,NO,NO,NO,YES,CODE,abc"},
                      BadLine{"DecimalChannelCount", "B,i,20,0,10,NO,NO,NO,YES,CODE,1.5"},
                      BadLine{"DigitsThenTextChannelCount", "B,i,20,0,10,NO,NO,NO,YES,CODE,8ch"},
                      BadLine{"EmptyChannelCount", "B,i,20,0,10,NO,NO,NO,YES,CODE,\"\""},
                      BadLine{"SignOnlyChannelCount", "B,i,20,0,10,NO,NO,NO,YES,CODE,-"},
                      BadLine{"HugeChannelCount", "B,i,20,0,10,NO,NO,NO,YES,CODE,9999999999"},
                      BadLine{"ChannelCountJustPastInt32",
                              "B,i,20,0,10,NO,NO,NO,YES,CODE,2147483648"}),
    [](const ::testing::TestParamInfo<BadLine>& info) { return std::string(info.param.name); });

TEST_F(CatalogueTest, ChannelCountsAtTheThirtyTwoBitLimitsAreAccepted) {
    Load(CrLf({"max", "A,i,20,0,10,NO,NO,NO,YES,X,2147483647", "min",
               "B,i,20,0,10,NO,NO,NO,YES,X,-2147483648"}));
    EXPECT_TRUE(prompts.shown.empty());
    ASSERT_EQ(Cat().UnitCount, 2);
    EXPECT_EQ(Unit(1).ChannelCount, INT32_MAX);
    EXPECT_EQ(Unit(2).ChannelCount, INT32_MIN);
}

TEST_F(CatalogueTest, EveryUnconvertibleLineIsWarnedOnce) {
    Load(CrLf({"a", "A,i", "b", "B,,1,2,3,4,5,6,7,8,9", "c", "C,i,20,0,10,NO,NO,NO,YES,X,y"}));
    EXPECT_EQ(Cat().UnitCount, 0);
    ASSERT_EQ(prompts.shown.size(), 3u);
    for (const auto& shown : prompts.shown) {
        EXPECT_EQ(shown.Kind, MessageKind::Warning);
        EXPECT_TRUE(EndsWith(shown.Text, " ignored")) << shown.Text;
    }
    EXPECT_NE(prompts.shown[0].Text.find("\"A,i\""), std::string::npos);
    EXPECT_NE(prompts.shown[1].Text.find("\"B,,1,2,3,4,5,6,7,8,9\""), std::string::npos);
    EXPECT_NE(prompts.shown[2].Text.find("\"C,i,20,0,10,NO,NO,NO,YES,X,y\""), std::string::npos);
}

// ---------------------------------------------------------------------------------------
// Loading: more unit types than the table holds

TEST_F(CatalogueTest, ExactlyOneHundredNinetyNineUnitTypesLoadWithoutMessage) {
    Load(Pairs(199));
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(Cat().UnitCount, 199);
    EXPECT_EQ(Unit(199).CatNo, "C199");
}

TEST_F(CatalogueTest, TheSurplusBeyond199IsReportedOnceAndNothingIsWrittenPastSlot199) {
    UnitType& last = Unit(200);
    last.Description = "slot 200";
    last.CatNo = "S200";
    last.InstallCode = "S200";
    last.ChannelCount = 9;
    last.Quantity = 3;
    const UnitType before = last;

    Load(Pairs(205));

    EXPECT_EQ(Cat().UnitCount, 199);
    EXPECT_EQ(Unit(199).CatNo, "C199");
    EXPECT_EQ(Unit(199).Description, "Unit 199");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].Kind, MessageKind::Warning);
    EXPECT_NE(prompts.shown[0].Text.find("\"Unit 200\""), std::string::npos)
        << prompts.shown[0].Text;
    EXPECT_TRUE(EndsWith(prompts.shown[0].Text, " ignored")) << prompts.shown[0].Text;
    // Slot 200 is untouched.
    EXPECT_EQ(last.Description, before.Description);
    EXPECT_EQ(last.CatNo, before.CatNo);
    EXPECT_EQ(last.Kind, before.Kind);
    EXPECT_EQ(last.Quantity, 3);
    EXPECT_EQ(last.ChannelCount, 9);
    int slot = -1;
    EXPECT_FALSE(FindUnitByCatNo(Cat(), "C200", slot));
    EXPECT_EQ(slot, 0);
}

TEST_F(CatalogueTest, ParseUnitLineOnAFullTableReportsAndWritesNothing) {
    Load(Pairs(199));
    const std::string before = Unit(200).Description;
    EXPECT_FALSE(ParseUnitLine(Cat(), "One too many", DataLine("EXTRA"), prompts.Sink()));
    EXPECT_EQ(Cat().UnitListEnd, 199);
    EXPECT_EQ(Unit(200).Description, before);
    EXPECT_EQ(Unit(200).CatNo, "");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].Kind, MessageKind::Warning);
    EXPECT_NE(prompts.shown[0].Text.find("\"One too many\""), std::string::npos);
    EXPECT_TRUE(EndsWith(prompts.shown[0].Text, " ignored"));
}

TEST_F(CatalogueTest, SkippedLinesDoNotCountTowardsTheLimit) {
    std::string text = "Bad\r\nB,i\r\n" + Pairs(199);
    Load(text);
    EXPECT_EQ(Cat().UnitCount, 199);
    EXPECT_EQ(prompts.shown.size(), 1u);  // only the bad line
    EXPECT_EQ(Unit(199).CatNo, "C199");
}

// ---------------------------------------------------------------------------------------
// Loading from a file

TEST(MissingDataFileMessage, IsTheExactTextJoinedWithCarriageReturns) {
    EXPECT_EQ(testing::ScriptedPrompts::Plain(MissingDataFileMessage("/opt/tavo/TAVOUNIT.DAT")),
              kMissingMessage);
}

TEST_F(CatalogueTest, AMissingFileLoadsNothing) {
    TempDir dir;
    const std::string path = dir.File("TAVOUNIT.DAT");
    EXPECT_FALSE(LoadUnitCatalogue(Cat(), path, prompts.Sink()));
    EXPECT_TRUE(prompts.shown.empty());  // the program shows MissingDataFileMessage
    EXPECT_EQ(Cat().UnitCount, 0);
    EXPECT_EQ(Unit(0).Description, "Data base error");
    EXPECT_EQ(Unit(1).Description, "Data base error");
}

TEST_F(CatalogueTest, AFileIsLoadedFromItsPath) {
    TempDir dir;
    const std::string path = dir.File("TAVOUNIT.DAT");
    WriteBytes(path,
               CrLf({"; VERSION : 1", "Relay", "CAT8, o, 18, 0, 45, NO, NO, YES, YES, RELAY8, 8",
                     "Supply", "PSU1, p, 0, 350, 0, NO, NO, NO, NO, PSU, 1"}));
    EXPECT_TRUE(LoadUnitCatalogue(Cat(), path, prompts.Sink()));
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(Cat().UnitCount, 2);
    EXPECT_EQ(Unit(2).CatNo, "PSU1");
    EXPECT_EQ(Unit(2).Supply, 350);
}

TEST_F(CatalogueTest, AFileThatExistsButCannotBeReadThrowsAFileError) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads any file";
    TempDir dir;
    const std::string path = dir.File("TAVOUNIT.DAT");
    WriteBytes(path, Pairs(1));
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    EXPECT_THROW(LoadUnitCatalogue(Cat(), path, prompts.Sink()), FileError);
    EXPECT_TRUE(prompts.shown.empty());
}

// ---------------------------------------------------------------------------------------
// Data version

std::string VersionOf(const std::string& bytes) {
    LineReader reader = LineReader::FromBytes(bytes);
    return ReadDataVersion(reader);
}

TEST(ReadDataVersion, IsTheTextAfterTheFirstColonWithCommasAsPoints) {
    EXPECT_EQ(VersionOf(CrLf({"; VERSION : 2,1,0", "Unit", DataLine("C1")})), " 2.1.0");
    EXPECT_EQ(VersionOf(CrLf({"; VERSION : 3,2"})), " 3.2");
    EXPECT_EQ(VersionOf(CrLf({"; Rev: 7 VERSION : 4"})), " 7 VERSION : 4");
    EXPECT_EQ(VersionOf(CrLf({"; VERSION :   5,0  "})), "   5.0  ");
    EXPECT_EQ(VersionOf(CrLf({"; VERSION :"})), "");
}

TEST(ReadDataVersion, IsFoundOnAnyLineAndTheFirstOneCounts) {
    EXPECT_EQ(VersionOf(CrLf({"Unit", DataLine("C1"), "", "; VERSION : 2", "; VERSION : 3"})),
              " 2");
    EXPECT_EQ(VersionOf(CrLf({"Tavo VERSION : 6,1"})), " 6.1");  // not a comment, still found
}

TEST(ReadDataVersion, NeedsExactlyTheNineCharactersVersionSpaceColon) {
    EXPECT_EQ(VersionOf(""), "1.0.0");
    EXPECT_EQ(VersionOf(CrLf({"Unit", DataLine("C1")})), "1.0.0");
    EXPECT_EQ(VersionOf(CrLf({"; version : 2"})), "1.0.0");
    EXPECT_EQ(VersionOf(CrLf({"; VERSION: 2"})), "1.0.0");
    EXPECT_EQ(VersionOf(CrLf({"; VERSION  : 2"})), "1.0.0");
    EXPECT_EQ(VersionOf(CrLf({"; Version : 2"})), "1.0.0");
}

TEST(ReadDataVersion, KeepsAtMost200CharactersAfterTheColon) {
    const std::string tail = " " + std::string(150, '1') + std::string(99, ',');
    const std::string version = VersionOf(CrLf({"; VERSION :" + tail}));
    ASSERT_EQ(version.size(), 200u);
    EXPECT_EQ(version, " " + std::string(150, '1') + std::string(49, '.'));
    EXPECT_EQ(VersionOf(CrLf({"; VERSION :" + std::string(200, 'v')})), std::string(200, 'v'));
}

TEST(ReadDataVersion, ReadsTheFileAfreshOnEachCall) {
    TempDir dir;
    const std::string path = dir.File("TAVOUNIT.DAT");
    EXPECT_EQ(ReadDataVersion(path), "1.0.0");  // no file
    WriteBytes(path, CrLf({"; VERSION : 2,0"}));
    EXPECT_EQ(ReadDataVersion(path), " 2.0");
    WriteBytes(path, CrLf({"; no version here"}));
    EXPECT_EQ(ReadDataVersion(path), "1.0.0");
}

// ---------------------------------------------------------------------------------------
// Look-ups

TEST_F(CatalogueTest, FindUnitByCatNoFindsSlotOneAndSlot150) {
    Load(Pairs(160));
    int slot = -1;
    EXPECT_TRUE(FindUnitByCatNo(Cat(), "C1", slot));
    EXPECT_EQ(slot, 1);
    EXPECT_TRUE(FindUnitByCatNo(Cat(), "C150", slot));
    EXPECT_EQ(slot, 150);
    EXPECT_TRUE(FindUnitByCatNo(Cat(), "C160", slot));
    EXPECT_EQ(slot, 160);
}

TEST_F(CatalogueTest, FindUnitByCatNoFindsTheLowerOfTwoEqualNumbers) {
    Load(
        CrLf({"a", DataLine("X"), "b", DataLine("DUP"), "c", DataLine("Y"), "d", DataLine("DUP")}));
    int slot = -1;
    EXPECT_TRUE(FindUnitByCatNo(Cat(), "DUP", slot));
    EXPECT_EQ(slot, 2);
}

TEST_F(CatalogueTest, FindUnitByCatNoIsExactAndCaseSensitive) {
    Load(CrLf({"a", DataLine("CAT1"), "b", DataLine("ABCDEFGHIJKLMNOPQRSTUVWXY")}));
    int slot = -1;
    EXPECT_FALSE(FindUnitByCatNo(Cat(), "cat1", slot));
    EXPECT_EQ(slot, 0);
    slot = -1;
    EXPECT_FALSE(FindUnitByCatNo(Cat(), "CAT", slot));
    EXPECT_EQ(slot, 0);
    EXPECT_FALSE(FindUnitByCatNo(Cat(), "CAT1 ", slot));
    EXPECT_FALSE(FindUnitByCatNo(Cat(), "ABCDEFGHIJKLMNOPQRSTUVWXY", slot));  // stored cut
    EXPECT_TRUE(FindUnitByCatNo(Cat(), "ABCDEFGHIJKLMNOPQRST", slot));
    EXPECT_EQ(slot, 2);
}

TEST_F(CatalogueTest, FindUnitByCatNoNeverFindsTheEmptyNumber) {
    Load(CrLf({"a", "\"\",i,20,0,10,NO,NO,NO,YES,X,1"}));
    ASSERT_EQ(Cat().UnitCount, 1);
    ASSERT_EQ(Unit(1).CatNo, "");
    int slot = -1;
    EXPECT_FALSE(FindUnitByCatNo(Cat(), "", slot));
    EXPECT_EQ(slot, 0);
}

TEST_F(CatalogueTest, FindUnitByCatNoSearchesSlots0To199Only) {
    Unit(199).CatNo = "IN199";
    Unit(200).CatNo = "IN200";
    int slot = -1;
    EXPECT_TRUE(FindUnitByCatNo(Cat(), "IN199", slot));
    EXPECT_EQ(slot, 199);
    EXPECT_FALSE(FindUnitByCatNo(Cat(), "IN200", slot));
    EXPECT_EQ(slot, 0);
}

TEST_F(CatalogueTest, FindChannelCountTakesTheFirstMatchingInstallCode) {
    Load(
        CrLf({"a", "A,i,20,0,10,NO,NO,NO,YES,IN8,8", "b", "B,o,20,0,10,NO,NO,NO,YES,SHARED,4", "c",
              "C,o,20,0,10,NO,NO,NO,YES,SHARED,2", "d", "D,o,20,0,10,NO,NO,NO,YES,LONGCODE99,16"}));
    EXPECT_EQ(FindChannelCount(Cat(), "IN8"), 8);
    EXPECT_EQ(FindChannelCount(Cat(), "SHARED"), 4);
    EXPECT_EQ(FindChannelCount(Cat(), "LONGCODE"), 16);
    EXPECT_EQ(FindChannelCount(Cat(), "LONGCODE99"), 0);
    EXPECT_EQ(FindChannelCount(Cat(), "in8"), 0);
    EXPECT_EQ(FindChannelCount(Cat(), "NONE"), 0);
}

TEST_F(CatalogueTest, FindChannelCountSearchesUpToSlot200) {
    Unit(200).InstallCode = "LAST";
    Unit(200).ChannelCount = 12;
    EXPECT_EQ(FindChannelCount(Cat(), "LAST"), 12);
}

// ---------------------------------------------------------------------------------------
// Quantities and lists

TEST_F(CatalogueTest, ClearQuantitiesClearsSlotsZeroToUnitCount) {
    Load(Pairs(5));
    for (int slot = 0; slot <= 6; ++slot) Unit(slot).Quantity = slot + 1;
    Entry(1).Quantity = 4;
    ClearQuantities(Cat());
    for (int slot = 0; slot <= 5; ++slot) EXPECT_EQ(Unit(slot).Quantity, 0) << slot;
    EXPECT_EQ(Unit(6).Quantity, 7);
    EXPECT_EQ(Entry(1).Quantity, 4);
}

// Ten unit types with kinds and flags chosen so that every list takes a different set.
//  1 i input          clock
//  2 o output                burden
//  3 s system         clock  burden   supply 100
//  4 u combined
//  5 p power supply                   supply 350
//  6 s system
//  7 I capital        clock
//  8 x other                 burden
//  9 p supply without current
// 10 o output                         supply 5
const char* const kTenUnits[] = {
    "U1,i,20,0,10,YES,NO,NO,YES,C1,1",     "U2,o,20,0,10,NO,YES,NO,YES,C2,1",
    "U3,s,20,100,10,YES,YES,NO,YES,C3,1",  "U4,u,20,0,10,NO,NO,NO,YES,C4,1",
    "U5,p,0,350,0,NO,NO,NO,NO,C5,1",       "U6,s,20,0,10,NO,NO,NO,YES,C6,1",
    "U7,Input,20,0,10,YES,NO,NO,YES,C7,1", "U8,x,20,0,10,NO,YES,NO,YES,C8,1",
    "U9,p,0,0,0,NO,NO,NO,NO,C9,1",         "U10,o,20,5,10,NO,NO,NO,YES,C10,1",
};

class UnitListTest : public CatalogueTest {
  protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        std::string text;
        int n = 0;
        for (const char* line : kTenUnits)
            text += "Unit " + std::to_string(++n) + "\r\n" + line + "\r\n";
        Load(text);
        ASSERT_EQ(Cat().UnitCount, 10);
        ASSERT_TRUE(prompts.shown.empty());
        // Stale rows beyond the catalogue, to see what is (not) cleared.
        for (int slot = 1; slot < kTableSlots; ++slot) {
            Entry(slot).CatNo = "STALE";
            Entry(slot).Description = "stale";
            Entry(slot).Quantity = 99;
        }
    }

    // The master slots of the entries 1 to UnitListEnd - 1.
    std::vector<int> Listed() {
        std::vector<int> masters;
        for (int slot = 1; slot < Cat().UnitListEnd; ++slot)
            masters.push_back(Entry(slot).MasterIndex);
        return masters;
    }

    void ExpectList(int index, const std::vector<int>& masters) {
        SCOPED_TRACE(ListCaption(index));
        BuildUnitList(Cat(), index);
        EXPECT_EQ(Cat().UnitListEnd, static_cast<int>(masters.size()) + 1);
        EXPECT_EQ(Listed(), masters);
        for (int k = 1; k < Cat().UnitListEnd; ++k) {
            const UnitType& entry = Entry(k);
            const UnitType& master = Unit(entry.MasterIndex);
            EXPECT_EQ(entry.CatNo, master.CatNo);
            EXPECT_EQ(entry.Description, master.Description);
            EXPECT_EQ(entry.Kind, master.Kind);
            EXPECT_EQ(entry.Quantity, master.Quantity);
            EXPECT_EQ(entry.Supply, master.Supply);
            EXPECT_EQ(master.MasterIndex, 0);
        }
        for (int slot = Cat().UnitListEnd; slot <= Cat().UnitCount; ++slot) {
            EXPECT_EQ(Entry(slot).CatNo, "") << slot;
            EXPECT_EQ(Entry(slot).Description, "") << slot;
            EXPECT_EQ(Entry(slot).Quantity, 0) << slot;
        }
        EXPECT_EQ(Entry(Cat().UnitCount + 1).CatNo, "STALE");
        EXPECT_EQ(Entry(Cat().UnitCount + 1).Quantity, 99);
    }
};

TEST_F(UnitListTest, EachListTakesItsEntriesInSlotOrder) {
    Unit(2).Quantity = 3;
    Unit(9).Quantity = 1;
    ExpectList(1, {1, 4});
    ExpectList(2, {2, 4, 10});
    ExpectList(3, {3, 6});
    ExpectList(4, {1, 3, 7});
    ExpectList(5, {2, 3, 8});
    ExpectList(6, {3, 5, 10});
    ExpectList(7, {2, 9});
}

TEST_F(UnitListTest, SystemListOfTwoAmongTenLeavesEmptyRowsUpToUnitCount) {
    BuildUnitList(Cat(), 3);
    EXPECT_EQ(Cat().UnitListEnd, 3);
    EXPECT_EQ(Entry(1).CatNo, "U3");
    EXPECT_EQ(Entry(1).MasterIndex, 3);
    EXPECT_EQ(Entry(2).CatNo, "U6");
    EXPECT_EQ(Entry(2).MasterIndex, 6);
    for (int slot = 3; slot <= 10; ++slot) {
        EXPECT_EQ(Entry(slot).CatNo, "") << slot;
        EXPECT_EQ(Entry(slot).Description, "") << slot;
        EXPECT_EQ(Entry(slot).Quantity, 0) << slot;
    }
    EXPECT_EQ(Entry(11).CatNo, "STALE");
}

TEST_F(UnitListTest, AllUnitsTakesEveryTypeAndClearsNothing) {
    BuildUnitList(Cat(), 3);
    BuildUnitList(Cat(), 0);
    EXPECT_EQ(Cat().UnitListEnd, 11);
    for (int slot = 1; slot <= 10; ++slot) {
        EXPECT_EQ(Entry(slot).MasterIndex, slot);
        EXPECT_EQ(Entry(slot).CatNo, "U" + std::to_string(slot));
        EXPECT_EQ(Entry(slot).Description, "Unit " + std::to_string(slot));
    }
    EXPECT_EQ(Entry(11).CatNo, "STALE");
    EXPECT_EQ(Entry(11).Quantity, 99);
}

TEST_F(UnitListTest, EmptyRowsKeepTheirOtherFields) {
    BuildUnitList(Cat(), 0);
    BuildUnitList(Cat(), 3);
    // Row 3 held U3 (a system unit that supplies 100 mA); only Quantity, Description and
    // CatNo are cleared.
    EXPECT_EQ(Entry(3).CatNo, "");
    EXPECT_EQ(Entry(3).Kind, 's');
    EXPECT_EQ(Entry(3).Supply, 100);
    EXPECT_EQ(Entry(3).MasterIndex, 3);
}

TEST_F(UnitListTest, PowerSupplyKindIsListedOnlyUnderAllUnitsAndWithPowerSupply) {
    for (int index = 0; index < kListCount; ++index) {
        BuildUnitList(Cat(), index);
        const std::vector<int> masters = Listed();
        const bool hasSupply = std::find(masters.begin(), masters.end(), 5) != masters.end();
        const bool hasNoCurrent = std::find(masters.begin(), masters.end(), 9) != masters.end();
        EXPECT_EQ(hasSupply, index == 0 || index == 6) << ListCaption(index);
        EXPECT_EQ(hasNoCurrent, index == 0) << ListCaption(index);
    }
}

TEST_F(UnitListTest, OtherKindLettersAreListedOnlyUnderAllUnitsAndTheAttributeLists) {
    for (int index = 0; index < kListCount; ++index) {
        BuildUnitList(Cat(), index);
        const std::vector<int> masters = Listed();
        const bool capitalI = std::find(masters.begin(), masters.end(), 7) != masters.end();
        const bool letterX = std::find(masters.begin(), masters.end(), 8) != masters.end();
        EXPECT_EQ(capitalI, index == 0 || index == 4) << ListCaption(index);
        EXPECT_EQ(letterX, index == 0 || index == 5) << ListCaption(index);
    }
}

TEST_F(UnitListTest, SelectedUnitsAreThoseWithAQuantityAndCopiesAreSnapshots) {
    BuildUnitList(Cat(), 7);
    EXPECT_EQ(Cat().UnitListEnd, 1);
    for (int slot = 1; slot <= 10; ++slot) EXPECT_EQ(Entry(slot).CatNo, "") << slot;

    Unit(4).Quantity = 2;
    Unit(10).Quantity = 7;
    BuildUnitList(Cat(), 7);
    EXPECT_EQ(Listed(), (std::vector<int>{4, 10}));
    EXPECT_EQ(Entry(1).Quantity, 2);
    EXPECT_EQ(Entry(2).Quantity, 7);

    Unit(4).Quantity = 5;
    EXPECT_EQ(Entry(1).Quantity, 2);
}

TEST(ListCaption, NamesTheEightLists) {
    EXPECT_STREQ(ListCaption(0), "All Units");
    EXPECT_STREQ(ListCaption(1), "Input");
    EXPECT_STREQ(ListCaption(2), "Output");
    EXPECT_STREQ(ListCaption(3), "System");
    EXPECT_STREQ(ListCaption(4), "with Clock");
    EXPECT_STREQ(ListCaption(5), "with Burden");
    EXPECT_STREQ(ListCaption(6), "with Power Supply");
    EXPECT_STREQ(ListCaption(7), "Selected Units");
    EXPECT_STREQ(ListCaption(8), "");
    EXPECT_STREQ(ListCaption(-1), "");
}

TEST_F(CatalogueTest, BuildUnitListOnAnEmptyCatalogueGivesNoEntries) {
    for (int index = 0; index < kListCount; ++index) {
        BuildUnitList(Cat(), index);
        EXPECT_EQ(Cat().UnitListEnd, 1);
    }
}

}  // namespace
}  // namespace tavo
