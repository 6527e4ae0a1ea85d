#include <gtest/gtest.h>

#include <algorithm>

#include "components/ApplicationInfo.h"

namespace tavo {
namespace {

// A table holding only a file version, under the given translation.
VersionResource TableWithFileVersion(const std::string& version,
                                     std::uint32_t translation = 0x04E40409) {
    VersionResource resource;
    resource.Translations.push_back(translation);
    resource.Strings[StringFileInfoPrefix(translation) + "FileVersion"] = version;
    return resource;
}

std::string VersionText(const std::string& fileVersion) {
    const VersionResource resource = TableWithFileVersion(fileVersion);
    return TZorApplicationInfo(&resource).GetVersionText();
}

TEST(ApplicationInfoTest, VersionTextShowsTheLastPartAsBuild) {
    EXPECT_EQ(VersionText("3.12.0.1"), "Version 3.12.0 (Build 1)");
    EXPECT_EQ(VersionText("7"), "Version 7");
    EXPECT_EQ(VersionText(""), "Version ");
    EXPECT_EQ(VersionText("2.5"), "Version 2 (Build 5)");
    EXPECT_EQ(VersionText("1.0."), "Version 1.0 (Build )");
    EXPECT_EQ(TZorApplicationInfo().GetVersionText(), "Version ");
}

TEST(ApplicationInfoTest, BuiltInTableFillsItsKeysAndLeavesTheOthersEmpty) {
    const VersionResource resource = BuiltInVersionResource();
    ASSERT_EQ(resource.Translations.size(), 1u);
    EXPECT_EQ(StringFileInfoPrefix(resource.Translations[0]), "\\StringFileInfo\\040904E4\\");

    const TZorApplicationInfo info(&resource);
    EXPECT_EQ(info.CompanyName(), "Brenlow");
    EXPECT_EQ(info.ProductName(), "Tavo Calculator");
    EXPECT_EQ(info.LegalCopyright(), "Copyright (C) 2026 Brenlow");
    EXPECT_EQ(info.WebSite(), kMakerWebSite);
    EXPECT_EQ(info.Value("Email"), "support@brenlow.example");
    EXPECT_FALSE(info.FileDescription().empty());

    // The file version is the project version with the build number as a fourth part.
    const std::string& version = info.FileVersion();
    ASSERT_EQ(std::count(version.begin(), version.end(), '.'), 3) << version;
    EXPECT_EQ(info.ProductVersion(), version.substr(0, version.rfind('.')));
    EXPECT_EQ(info.GetVersionText(), "Version " + info.ProductVersion() + " (Build " +
                                         version.substr(version.rfind('.') + 1) + ")");

    for (const char* key : {"LegalTrademarks", "Author", "Telephone", "Address", "Fax", "Support",
                            "FirmWareMin", "FirmWareMax", "ReleaseDate", "PromotionLevel"})
        EXPECT_EQ(info.Value(key), "") << key;
    EXPECT_EQ(info.Value("NoSuchKey"), "");
}

TEST(ApplicationInfoTest, ReadingEmptiesTheValuesFirst) {
    const VersionResource builtIn = BuiltInVersionResource();
    TZorApplicationInfo info(&builtIn);
    ASSERT_FALSE(info.CompanyName().empty());

    info.ReadVersionInfo(nullptr);
    for (const char* key : kVersionKeys) EXPECT_EQ(info.Value(key), "") << key;

    // A table without translations, or with strings under another translation than its
    // first one, gives nothing either.
    info.ReadVersionInfo(&builtIn);
    ASSERT_FALSE(info.CompanyName().empty());
    VersionResource untranslated = builtIn;
    untranslated.Translations.clear();
    info.ReadVersionInfo(&untranslated);
    EXPECT_EQ(info.CompanyName(), "");

    VersionResource german = TableWithFileVersion("4.0.0.9", 0x04E40407);
    german.Translations.insert(german.Translations.begin(), 0x04E40409);
    info.ReadVersionInfo(&german);
    EXPECT_EQ(info.FileVersion(), "");
    german.Translations.erase(german.Translations.begin());
    info.ReadVersionInfo(&german);
    EXPECT_EQ(info.FileVersion(), "4.0.0.9");
}

TEST(ApplicationInfoTest, QueryPathsTakeSingleOrDoubledSeparators) {
    const VersionResource resource = BuiltInVersionResource();
    std::string single, doubled;
    ASSERT_TRUE(QueryVersionValue(resource, "\\StringFileInfo\\040904E4\\CompanyName", single));
    ASSERT_TRUE(
        QueryVersionValue(resource, "\\\\StringFileInfo\\\\040904E4\\\\CompanyName", doubled));
    EXPECT_EQ(single, "Brenlow");
    EXPECT_EQ(doubled, "Brenlow");

    // The translation list: language 0x0409 in the low word, code page 1252 (0x04E4) high.
    std::string translation;
    ASSERT_TRUE(QueryVersionValue(resource, "\\\\VarFileInfo\\\\Translation", translation));
    EXPECT_EQ(translation, std::string("\x09\x04\xE4\x04", 4));

    std::string untouched = "kept";
    EXPECT_FALSE(QueryVersionValue(resource, "\\StringFileInfo\\040904E4\\Fax", untouched));
    EXPECT_FALSE(QueryVersionValue(resource, "StringFileInfo\\040904E4\\CompanyName", untouched));
    EXPECT_FALSE(QueryVersionValue(resource, "\\StringFileInfo\\040704E4\\CompanyName", untouched));
    EXPECT_EQ(untouched, "kept");
    EXPECT_FALSE(QueryVersionValue(VersionResource{}, kTranslationPath, untouched));
}

TEST(ApplicationInfoTest, StatusBarTextIsTheFirstLineOfTheLongHint) {
    EXPECT_EQ(LongHint("short|long"), "long");
    EXPECT_EQ(LongHint("a|b|c"), "b|c");
    EXPECT_EQ(LongHint("no bar"), "no bar");
    EXPECT_EQ(LongHint("short|"), "");

    EXPECT_EQ(StatusBarHintText("short|long", false), "long");
    EXPECT_EQ(StatusBarHintText("a|line1\rline2", false), "line1");
    EXPECT_EQ(StatusBarHintText("a|line1\r\nline2", false), "line1");
    EXPECT_EQ(StatusBarHintText("a|line1\nline2", false), "line1");
    EXPECT_EQ(StatusBarHintText("first\rsecond|long", false), "long");
    EXPECT_EQ(StatusBarHintText("Select a network", false), "Select a network");
    EXPECT_EQ(StatusBarHintText("short|long", true), "long      ");
    EXPECT_EQ(StatusBarHintText("a|line1\rline2", true), "line1      ");
    EXPECT_EQ(StatusBarHintText("", true), "      ");
    EXPECT_EQ(StatusBarHintText("", false), "");
}

}  // namespace
}  // namespace tavo
