// The import benchmark's helper for scripts/bench-import.sh:
//   tavo-import-bench-tool write DIRECTORY [NETWORKS UNITS]
//       writes DIRECTORY/large.tag, .dbf and .DBT (100 networks of 100 units unless given)
//   tavo-import-bench-tool read TABLE        reads every record and field of TABLE
#include <cstdlib>
#include <iostream>
#include <string>

#include "LargeInstallation.h"

int main(int argc, char** argv) {
    const std::string command = argc == 3 || argc == 5 ? argv[1] : "";
    if (command == "write") {
        const int networks = argc == 5 ? std::atoi(argv[3]) : 100;
        const int units = argc == 5 ? std::atoi(argv[4]) : 100;
        tavo::bench::LargeInstallation(networks, units).Write(std::string(argv[2]) + "/large");
        return 0;
    }
    if (command == "read") {
        const tavo::bench::TableReading reading = tavo::bench::ReadEveryField(argv[2]);
        std::cout << reading.Records << " records, " << reading.Characters << " characters\n";
        return reading.Records > 0 ? 0 : 1;
    }
    std::cerr << "usage: tavo-import-bench-tool write DIRECTORY [NETWORKS UNITS] | read TABLE\n";
    return 2;
}
