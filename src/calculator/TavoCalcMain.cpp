// tavocalc: the Tavo Calculator desktop program.
#include <QApplication>
#include <QFont>

#include "calculator/MainWindow.h"
#include "calculator/TavoApplication.h"
#include "components/HelpFiles.h"
#include "components/MessageBoxPrompts.h"
#include "core/Catalogue.h"
#include "platform/Directories.h"
#include "reporter/TavoAlias.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(tavo::kApplicationTitle));
    // Lets the desktop match the window to its launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVO_APP_ID));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const std::string programDirectory = tavo::ProgramDirectory();
    const std::string helpFile =
        tavo::FindSupportFile(tavo::kHelpFileName, tavo::WorkingDirectory(), programDirectory);
    const std::string alias =
        tavo::FindSupportFile(tavo::kAliasFileName, tavo::WorkingDirectory(), programDirectory);
    const std::string logo =
        tavo::FindSupportFile(tavo::kLogoFileName, tavo::WorkingDirectory(), programDirectory);
    tavo::MessageBoxPrompts prompts;
    tavo::TavoApplication program(prompts, arguments,
                                  tavo::FindProgramFile(tavo::kDataFileName, programDirectory),
                                  helpFile, alias, logo);
    prompts.SetParent(&program.Window());
    QObject::connect(&program.Window(), &tavo::TVCALC::CatalogueMissing, &application,
                     [] { QCoreApplication::exit(1); });
    program.Window().show();
    return QApplication::exec();
}
