#pragma once

#include <functional>
#include <string>

namespace tavo {

// Where a file reader puts the warnings the system shows while it reads ("Unknown unit Cat.No.
// X ignored"). The program shows each in a warning box, tavocalc-cli writes it to standard
// error, a test collects the texts. A reader reports a failure of the file system by throwing
// FileError instead; the command that runs it decides what the user sees.
using WarningSink = std::function<void(const std::string& text)>;

}  // namespace tavo
