#include "project/ProjectFile.h"

#include <array>

#include "core/NetworkFile.h"
#include "platform/Text.h"

namespace tavo {
namespace {

constexpr const char* kBanner = "    ------------------- Tavo Project ------------------";
constexpr std::size_t kLabelWidth = 12;
constexpr std::size_t kNotesScanned = 100;

struct Field {
    const char* Key;
    std::string ProjectDetails::*Value;
};

constexpr std::array<Field, 11> kInstallerFields = {{
    {"Name:", &ProjectDetails::InstallerName},
    {"Company:", &ProjectDetails::InstallerCompany},
    {"Address:", &ProjectDetails::InstallerAddress},
    {"City:", &ProjectDetails::InstallerCity},
    {"State:", &ProjectDetails::InstallerState},
    {"Postcode:", &ProjectDetails::InstallerPostcode},
    {"Phone:", &ProjectDetails::InstallerPhone},
    {"Mobile:", &ProjectDetails::InstallerMobile},
    {"Fax:", &ProjectDetails::InstallerFax},
    {"E-mail:", &ProjectDetails::InstallerEmail},
    {"Web:", &ProjectDetails::InstallerWebsite},
}};

constexpr std::array<Field, 5> kProjectFields = {{
    {"Name:", &ProjectDetails::ProjectName},
    {"Location:", &ProjectDetails::ProjectLocation},
    {"Consultant:", &ProjectDetails::ProjectConsultant},
    {"Architect:", &ProjectDetails::ProjectArchitect},
    {"Owner:", &ProjectDetails::ProjectOwner},
}};
constexpr const char* kNetworksKey = "Networks:";

std::string KeyedLine(const char* key, const std::string& value) {
    std::string label = key;
    if (label.size() < kLabelWidth) label.insert(0, kLabelWidth - label.size(), ' ');
    return label + "\t" + value;
}

// Reads one keyed line; true when its key is exactly the expected one.
bool ReadKeyedLine(LineReader& reader, const char* key, std::string& value) {
    value.clear();
    std::string line;
    if (!reader.ReadLine(line)) return false;
    const std::string text = TrimLeftSpaces(line);
    const auto tab = text.find('\t');
    if (text.empty() || tab == std::string::npos || text.compare(0, tab, key) != 0) return false;
    value = text.substr(tab + 1);
    return true;
}

void SkipLine(LineReader& reader) {
    std::string ignored;
    reader.ReadLine(ignored);
}

// Lines 1 to 14; fills values in field order and returns whether all eleven keys matched.
bool ReadInstallerSection(LineReader& reader, std::array<std::string, 11>& values) {
    SkipLine(reader);
    SkipLine(reader);
    bool valid = true;
    for (std::size_t i = 0; i < kInstallerFields.size(); ++i)
        if (!ReadKeyedLine(reader, kInstallerFields[i].Key, values[i])) valid = false;
    SkipLine(reader);
    return valid;
}

}  // namespace

void ClearProjectDetails(ProjectDetails& details) {
    details = ProjectDetails{};
}

int NetworkCountFromText(const std::string& value) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    int count = 0;
    if (!value.empty() && isDigit(value[0])) count = value[0] - '0';
    for (std::size_t i = 1; i < 3 && i < value.size(); ++i)
        if (isDigit(value[i])) count = count * 10 + (value[i] - '0');
    if (count == 0) count = 1;
    if (count > kMaxNetworks) count = kMaxNetworks;
    return count;
}

namespace {

void WriteProjectLines(AtomicWriter& file, const ProjectDetails& details) {
    file.WriteLine(kBanner);
    file.WriteLine("*** Installer Details ***");
    for (const Field& field : kInstallerFields)
        file.WriteLine(KeyedLine(field.Key, details.*field.Value));
    file.WriteLine("");
    file.WriteLine("*** Project Details ***");
    for (const Field& field : kProjectFields)
        file.WriteLine(KeyedLine(field.Key, details.*field.Value));
    file.WriteLine(KeyedLine(kNetworksKey, std::to_string(details.NetworkCount)));
    file.WriteLine("");
    file.WriteLine("*** Notes ***");
    std::size_t last = 0;
    for (std::size_t i = 0; i < details.Notes.size() && i < kNotesScanned; ++i)
        if (!details.Notes[i].empty()) last = i;
    for (std::size_t i = 0; i <= last && i < kNotesWritten; ++i)
        file.WriteLine(i < details.Notes.size() ? details.Notes[i] : std::string());
}

}  // namespace

void WriteProjectFile(const ProjectDetails& details, const std::string& path) {
    AtomicWriter file(path);
    WriteProjectLines(file, details);
    file.Commit();
}

void WriteProjectFile(const ProjectDetails& details, const std::string& path, AtomicBatch& batch) {
    WriteProjectLines(batch.Add(path), details);
}

bool ReadProjectFile(ProjectDetails& details, const std::string& path) {
    LineReader reader = LineReader::Open(path);
    return ReadProjectFile(details, reader);
}

bool ReadProjectFile(ProjectDetails& details, LineReader& reader) {
    std::array<std::string, 11> installer;
    if (!ReadInstallerSection(reader, installer)) return false;
    SkipLine(reader);
    std::array<std::string, 5> project;
    bool valid = true;
    for (std::size_t i = 0; i < kProjectFields.size(); ++i)
        if (!ReadKeyedLine(reader, kProjectFields[i].Key, project[i])) valid = false;
    std::string networks;
    if (!ReadKeyedLine(reader, kNetworksKey, networks)) valid = false;
    if (!valid) return false;
    SkipLine(reader);
    SkipLine(reader);

    for (std::size_t i = 0; i < kInstallerFields.size(); ++i)
        details.*kInstallerFields[i].Value = installer[i];
    for (std::size_t i = 0; i < kProjectFields.size(); ++i)
        details.*kProjectFields[i].Value = project[i];
    details.NetworkCount = NetworkCountFromText(networks);
    details.Notes.clear();
    std::string line;
    while (details.Notes.size() < kNotesRead && reader.ReadLine(line))
        details.Notes.push_back(line);
    return true;
}

bool ImportInstallerDetails(ProjectDetails& details, const std::string& path) {
    LineReader reader = LineReader::Open(path);
    std::array<std::string, 11> installer;
    if (!ReadInstallerSection(reader, installer)) return false;
    for (std::size_t i = 0; i < kInstallerFields.size(); ++i)
        details.*kInstallerFields[i].Value = installer[i];
    return true;
}

bool SaveProject(AppState& state, AtomicBatch& batch) {
    MainWindowState& window = state.Window;
    const std::string base = PathWithoutExtension(window.ProjectFileName);
    if (base.empty()) return false;
    window.ProjectBaseName = base;
    WriteProjectFile(state.Project, ReplaceExtension(window.ProjectFileName, ".tav"), batch);
    SaveNetworkFile(state, window.LoadedNetworkName, window.LoadedNetworkNumber, batch);
    return true;
}

bool SaveProject(AppState& state) {
    AtomicBatch batch;
    if (!SaveProject(state, batch)) return false;
    batch.Commit();
    RemoveSurplusNetworkFiles(state);
    return true;
}

void RemoveSurplusNetworkFiles(AppState& state) {
    for (int n = state.Project.NetworkCount + 1; n <= kMaxNetworks; ++n)
        RemoveFileIfExists(NetworkFilePath(state.Window.ProjectFileName, n));
}

void CopyNetworkFiles(AppState& state, const std::string& oldName, const std::string& newName,
                      AtomicBatch& batch) {
    // An untitled project has no network files: nothing to bring along.
    if (oldName.empty() || oldName == newName || state.Window.NetworkCount == 1) return;
    for (int n = 1; n <= state.Window.NetworkCount; ++n)
        if (n != state.Window.CurrentNetwork) CopyNetworkFile(oldName, newName, n, batch);
}

void CopyNetworkFiles(AppState& state, const std::string& oldName, const std::string& newName) {
    AtomicBatch batch;
    CopyNetworkFiles(state, oldName, newName, batch);
    batch.Commit();
}

}  // namespace tavo
