#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "calculator/CommandDriver.h"
#include "cli/CliPrompts.h"
#include "cli/CliView.h"
#include "core/AppState.h"

namespace tavo {

// What every command of tavocalc-cli that opens a project takes.
struct SessionOptions {
    std::string Catalogue;     // TAVOUNIT.DAT to use; empty for the program's own
    std::string Alias;         // TavoAlias.als to use; empty for the one the program finds
    std::string AddressLimit;  // as the desktop program's first argument takes it
    std::string Project;       // the project file, or the installation's tag file
};

// The program without a window: its world, the messages on the error stream, the main window
// played by a view, and the command driver that opens the project as File > Open does.
class CliSession {
  public:
    CliSession(SessionOptions options, std::string programDirectory, std::ostream& err);

    AppState& State() { return *state_; }
    CliPrompts& Prompts() { return prompts_; }
    CommandDriver& Driver() { return *driver_; }

    // Starts the program with the view (by default a CliView) and opens the project as the
    // desktop program opens a file named on its command line; false, with the messages
    // written, when the catalogue or the project cannot be read or is not there.
    bool Open(CliView* view = nullptr);

  private:
    SessionOptions options_;
    std::string programDirectory_;
    CliPrompts prompts_;
    std::unique_ptr<AppState> state_;
    std::unique_ptr<CliView> ownView_;
    std::unique_ptr<CommandDriver> driver_;
};

}  // namespace tavo
