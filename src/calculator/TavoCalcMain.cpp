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
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const std::string programDirectory = tavo::ProgramDirectory();
    const std::string helpFile =
        tavo::FindSupportFile("TavoCalc.hlp", tavo::WorkingDirectory(), programDirectory);
    const std::string alias =
        tavo::FindSupportFile(tavo::kAliasFileName, tavo::WorkingDirectory(), programDirectory);
    const std::string logo =
        tavo::FindSupportFile("TavoLogo.jpg", tavo::WorkingDirectory(), programDirectory);
    tavo::MessageBoxPrompts prompts;
    tavo::TavoApplication program(prompts, arguments,
                                  tavo::JoinPath(programDirectory, tavo::kDataFileName), helpFile,
                                  alias, logo);
    prompts.SetParent(&program.Window());
    QObject::connect(&program.Window(), &tavo::TVCALC::CatalogueMissing, &application,
                     [] { QCoreApplication::exit(1); });
    program.Window().show();
    return QApplication::exec();
}
