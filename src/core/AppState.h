#pragma once

#include <functional>
#include <string>

#include "core/Catalogue.h"
#include "core/Evaluation.h"
#include "core/NetworkStatus.h"
#include "platform/Locale.h"
#include "platform/Prompts.h"
#include "project/ProjectDetails.h"
#include "reporter/InstallationTable.h"
#include "reporter/TagStore.h"

namespace tavo {

// What the main window knows of the open project.
struct MainWindowState {
    std::string ProjectFileName;
    std::string ProjectBaseName;
    bool ProjectSaved = true;
    bool NetworkSaved = true;
    int CurrentNetwork = 1;
    int NetworkCount = 1;
    int LoadedNetworkNumber = 1;
    std::string LoadedNetworkName;
    bool CalculatorProject = true;
    std::string NetworkSavedDate;
};

// The one world of a running program: catalogue, evaluation, status texts, project and the
// main window's state, with the prompts the user answers and the user's locale. Owned by the
// program (or by a test) and passed by reference.
struct AppState {
    explicit AppState(Prompts& prompts) : UserPrompts(prompts) {}

    Catalogue Units;
    NetworkEvaluation Evaluation;
    StatusTexts Status;
    MainWindowState Window;
    ProjectDetails Project;
    // The tags of the installation project opened last (kept after a calculator project is
    // opened; only consulted while an installation is open).
    TTagStore Tags;
    // The units of that installation, one row per unit and group.
    TTavoData Installation{InstallationFieldNames()};
    LocaleSettings Locale;
    std::function<Date()> Today = [] { return tavo::Today(); };
    std::function<int()> MinuteOfDay = [] { return tavo::MinuteOfDay(); };
    Prompts& UserPrompts;
};

}  // namespace tavo
