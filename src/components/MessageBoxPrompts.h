#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "platform/Prompts.h"

namespace tavo {

// "Tavo project|*.tav|All files|*.*" as the name filters of a Qt file dialog.
QStringList NameFilters(const std::string& filter);

// The prompts of the desktop program: modal message boxes titled with the application title.
class MessageBoxPrompts : public Prompts {
  public:
    void SetParent(QWidget* parent) { parent_ = parent; }
    void ShowMessage(MessageKind kind, const std::string& text) override;
    Answer AskYesNoCancel(MessageKind kind, const std::string& text) override;
    bool ChooseOpenFile(const FileDialogRequest& request, std::string& path) override;
    bool ChooseSaveFile(const FileDialogRequest& request, std::string& path) override;
    void Beep() override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace tavo
