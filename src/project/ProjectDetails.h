#pragma once

#include <string>
#include <vector>

namespace tavo {

inline constexpr int kMaxNetworks = 100;

// Who installs and what the project is: the content of the project file.
struct ProjectDetails {
    std::string InstallerName;
    std::string InstallerCompany;
    std::string InstallerAddress;
    std::string InstallerCity;
    std::string InstallerState;
    std::string InstallerPostcode;
    std::string InstallerPhone;
    std::string InstallerMobile;
    std::string InstallerFax;
    std::string InstallerEmail;
    std::string InstallerWebsite;
    std::string ProjectName;
    std::string ProjectLocation;
    std::string ProjectConsultant;
    std::string ProjectArchitect;
    std::string ProjectOwner;
    int NetworkCount = 1;
    std::vector<std::string> Notes;

    bool operator==(const ProjectDetails&) const = default;
};

void ClearProjectDetails(ProjectDetails& details);

}  // namespace tavo
