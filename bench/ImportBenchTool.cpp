// The import benchmark's helper for scripts/bench-import.sh:
//   tavo-import-bench-tool write DIRECTORY   writes DIRECTORY/large.tag, .dbf and .DBT
//   tavo-import-bench-tool read TABLE        reads every record and field of TABLE
#include <iostream>
#include <string>

#include "LargeInstallation.h"

int main(int argc, char** argv) {
    const std::string command = argc == 3 ? argv[1] : "";
    if (command == "write") {
        tavo::bench::LargeInstallation().Write(std::string(argv[2]) + "/large");
        return 0;
    }
    if (command == "read") {
        const tavo::bench::TableReading reading = tavo::bench::ReadEveryField(argv[2]);
        std::cout << reading.Records << " records, " << reading.Characters << " characters\n";
        return reading.Records > 0 ? 0 : 1;
    }
    std::cerr << "usage: tavo-import-bench-tool write DIRECTORY | read TABLE\n";
    return 2;
}
