// The desktop program's command line, `tavocalc [LIMIT] [FILE]`.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator/StartupArguments.h"

namespace tavo {
namespace {

TEST(ParseStartupArguments, ANumberFirstIsTheLimitAndTheNextArgumentTheFile) {
    struct Case {
        std::vector<std::string> Arguments;
        std::string Limit, File;
    };
    const Case cases[] = {
        {{}, "", ""},
        {{"150"}, "150", ""},
        {{"$96"}, "$96", ""},
        {{"0x96"}, "0x96", ""},
        // Numbers out of range are still the limit argument (they leave 100).
        {{"99"}, "99", ""},
        {{"150", "site.tav"}, "150", "site.tav"},
        {{"/jobs/Site.TAG"}, "", "/jobs/Site.TAG"},
        // A name that starts with digits is a file, not a limit.
        {{"2024 site.tav"}, "", "2024 site.tav"},
        {{"150x", "site.tav"}, "", "150x"},
        {{"site.tav", "other.tav"}, "", "site.tav"},
        {{"150", "site.tav", "other.tav"}, "150", "site.tav"},
    };
    for (const Case& c : cases) {
        const StartupArguments parsed = ParseStartupArguments(c.Arguments);
        EXPECT_EQ(parsed.AddressLimit, c.Limit) << ::testing::PrintToString(c.Arguments);
        EXPECT_EQ(parsed.File, c.File) << ::testing::PrintToString(c.Arguments);
    }
}

}  // namespace
}  // namespace tavo
