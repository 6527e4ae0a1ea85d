#pragma once

#include <cstdint>
#include <string>

#include "support/InstallationBuilder.h"

namespace tavo::bench {

// The installation of the import's benchmark: 100 networks of 100 units with 8 channels each
// (relay outputs and push-button interfaces of the sample catalogue), so 80,000 rows of the
// installation table, in the random order of a table that grew over the years. The tag file
// names the networks in another random order and names the groups.
testing::InstallationBuilder LargeInstallation(int networks = 100, int units = 100);

// Every record of the dBase table at path read field by field as text, memos included.
struct TableReading {
    std::int64_t Records = 0;
    std::int64_t Characters = 0;
};
TableReading ReadEveryField(const std::string& path);

}  // namespace tavo::bench
