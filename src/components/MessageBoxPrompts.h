#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QFileDialog;

#include "platform/Prompts.h"

namespace tavo {

// "Tavo project|*.tav|All files|*.*" as the name filters of a Qt file dialog.
QStringList NameFilters(const std::string& filter);

// Gives a file dialog of Qt's own a size and columns in which the names, sizes, types and
// dates of the files show whole; the desktop's own dialog keeps its ways.
void ShapeFileDialog(QFileDialog& dialog);

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
