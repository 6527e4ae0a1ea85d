// Any bytes as TAVOUNIT.DAT: the loader must keep the table consistent and never write past it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/Catalogue.h"
#include "core/Evaluation.h"

using namespace tavo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    static Catalogue catalogue;
    ResetUnitTable(catalogue);
    LineReader reader = LineReader::FromBytes(bytes);
    LoadUnitCatalogue(catalogue, reader, [](const std::string&) {});
    if (catalogue.UnitCount < 0 || catalogue.UnitCount > kMaxUnitTypes) std::abort();
    for (int slot = 1; slot <= catalogue.UnitCount; ++slot) {
        const UnitType& unit = catalogue.UnitTable[static_cast<std::size_t>(slot)];
        if (unit.Description.size() > kDescriptionLength || unit.CatNo.size() > kCatNoLength ||
            unit.InstallCode.size() > kInstallCodeLength)
            std::abort();
        int found = 0;
        if (!unit.CatNo.empty() && !FindUnitByCatNo(catalogue, unit.CatNo, found)) std::abort();
        FindChannelCount(catalogue, unit.InstallCode);
    }
    for (int list = 0; list < kListCount; ++list) {
        BuildUnitList(catalogue, list);
        if (catalogue.UnitListEnd < 1 || catalogue.UnitListEnd > catalogue.UnitCount + 1)
            std::abort();
    }
    NetworkEvaluation evaluation;
    for (int slot = 1; slot <= catalogue.UnitCount; ++slot)
        catalogue.UnitTable[static_cast<std::size_t>(slot)].Quantity = INT32_MAX;
    Evaluate(catalogue, evaluation);
    CountUnits(catalogue, evaluation);
    evaluation.UnitSelected = catalogue.UnitCount > 0;
    evaluation.SelectedUnit = catalogue.UnitCount;
    MaxQuantity(catalogue, evaluation);
    LineReader versions = LineReader::FromBytes(bytes);
    ReadDataVersion(versions);
    return 0;
}
