// Any bytes as a project file: read all or nothing, within the record's limits.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "project/ProjectFile.h"

using namespace tavo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ProjectDetails details;
    details.InstallerName = "unchanged";
    const ProjectDetails before = details;
    LineReader reader = LineReader::FromBytes(bytes);
    const bool read = ReadProjectFile(details, reader);
    if (!read && !(details == before)) std::abort();
    if (read && (details.NetworkCount < 1 || details.NetworkCount > 100 ||
                 details.Notes.size() > kNotesRead))
        std::abort();
    return 0;
}
