#include "cli/Session.h"

#include "components/HelpFiles.h"
#include "platform/Directories.h"

namespace tavo {

CliSession::CliSession(SessionOptions options, std::string programDirectory, std::ostream& err)
    : options_(std::move(options)),
      programDirectory_(std::move(programDirectory)),
      prompts_(err),
      state_(std::make_unique<AppState>(prompts_)) {}

bool CliSession::Open(CliView* view) {
    if (view == nullptr) {
        ownView_ = std::make_unique<CliView>(*state_, prompts_);
        view = ownView_.get();
    }
    const std::string catalogue = options_.Catalogue.empty()
                                      ? FindProgramFile(kDataFileName, programDirectory_)
                                      : options_.Catalogue;
    const std::string alias =
        options_.Alias.empty()
            ? FindSupportFile(kAliasFileName, WorkingDirectory(), programDirectory_)
            : options_.Alias;
    driver_ =
        std::make_unique<CommandDriver>(*state_, *view, catalogue, options_.AddressLimit, alias);
    return driver_->FormActivate() && driver_->OpenFromCommandLine(options_.Project);
}

}  // namespace tavo
