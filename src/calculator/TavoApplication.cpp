#include "calculator/TavoApplication.h"

#include <QPrintDialog>
#include <QStringList>

#include "calculator/MainWindow.h"
#include "components/AboutBox.h"
#include "components/HelpViewer.h"
#include "components/QtText.h"
#include "components/StatusBarHint.h"
#include "project/ProjectDetailsDialog.h"
#include "reporter/TagSelectDialog.h"

namespace tavo {

TavoApplication::TavoApplication(Prompts& prompts, const QStringList& arguments,
                                 const std::string& catalogue, const std::string& helpFile,
                                 const std::string& alias)
    : state_(std::make_unique<AppState>(prompts)), catalogue_(catalogue) {
    // The windows in start-up order: the main window (with its hint dialog), then the project
    // details dialog; only the main window is shown.
    window_ = std::make_unique<TVCALC>(*state_, arguments, catalogue_, alias);
    projForm_ = new TProjForm(*state_, window_.get());
    help_ = new THelpViewer(window_.get());
    help_->SetHelpFile(QString::fromStdString(helpFile));
    selectTag_ = new TfrmSelectTag(window_.get());
    selectTag_->HelpTopic = [this](const std::string& topic) { help_->ShowTopic(ToQt(topic)); };
    statusHint_ = new TZorStatusBarHint(window_.get());

    MainWindowServices& services = window_->Services();
    services.ShowProjectDetails = [this] {
        projForm_->show();
        projForm_->raise();
        projForm_->activateWindow();
    };
    services.HideProjectDetails = [this] { projForm_->hide(); };
    services.ProjectDetailsChanged = [this] { projForm_->RefreshFromDetails(); };
    services.HelpContents = [this] { help_->ShowContents(); };
    services.HelpIndex = [this](const std::string& keyword) { help_->ShowIndex(ToQt(keyword)); };
    services.HelpOnHelp = [this] { help_->ShowHelpOnHelp(); };
    services.HelpTopic = [this](const std::string& topic) { help_->ShowTopic(ToQt(topic)); };
    services.PrinterSetup = [this] {
        QPrintDialog dialog(&printer_, window_.get());
        dialog.exec();
    };
    services.SelectCatalogueEntry = [this](const Catalogue& units, const std::string& code,
                                           const std::string& network, const std::string& dec,
                                           const std::string& hex) {
        return selectTag_->SelectCatalogueEntry(units, code, network, dec, hex);
    };
    services.About = [this] {
        TAboutBox box(catalogue_, window_.get());
        box.exec();
    };
}

TavoApplication::~TavoApplication() = default;

}  // namespace tavo
