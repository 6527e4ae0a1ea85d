#pragma once

#include <string>

namespace tavo {

enum class MessageKind { Information, Warning, Error, Confirmation };
enum class Answer { Ok, Yes, No, Cancel };

// What an open or save dialog shows. Filter pairs a description with its patterns:
// "Tavo project|*.tav|All files|*.*".
struct FileDialogRequest {
    std::string Title;
    std::string Filter;
    std::string DefaultExtension;  // without the dot, added to a name typed without one
    std::string Directory;         // where the dialog starts; empty for its own choice
    std::string FileName;          // the name proposed
    bool MustExist = true;         // open: the file must exist
    bool ConfirmOverwrite = true;  // save: ask before replacing an existing file
};

// Everything the system asks or tells the user in a modal box goes through here. The
// desktop program shows message boxes, the command-line program writes to standard error,
// tests script the answers and record every text. A CR in a text starts a new line.
class Prompts {
  public:
    virtual ~Prompts() = default;

    // A box with one OK button.
    virtual void ShowMessage(MessageKind kind, const std::string& text) = 0;
    // A box with Yes, No and Cancel; returns the button chosen.
    virtual Answer AskYesNoCancel(MessageKind kind, const std::string& text) = 0;

    // The common open and save dialogs: true with the chosen path, false when cancelled.
    // Paths (chosen, Directory, FileName) are in the file system's encoding, not 1252.
    virtual bool ChooseOpenFile(const FileDialogRequest& request, std::string& path) = 0;
    virtual bool ChooseSaveFile(const FileDialogRequest& request, std::string& path) = 0;
    // The system's information beep.
    virtual void Beep() = 0;

    void Warning(const std::string& text) { ShowMessage(MessageKind::Warning, text); }
    void Error(const std::string& text) { ShowMessage(MessageKind::Error, text); }
};

}  // namespace tavo
