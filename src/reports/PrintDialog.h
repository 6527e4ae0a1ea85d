#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "reports/PrintChoices.h"

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;

namespace tavo {

// The print dialog: which report (Print Out), the number format and the print-all tick
// (Options), and a column of buttons: Help, Setup, Export, Preview, Print, Cancel. One
// instance lives for the whole run, so the choices stay from one showing to the next; the
// rules behind the controls are PrintChoices'.
class TDLGPrint : public QDialog {
    Q_OBJECT
  public:
    explicit TDLGPrint(QWidget* parent = nullptr);

    // Withdraws or offers the installation report, shows the dialog modally and tells
    // whether it was closed by Preview or Print.
    bool Execute(bool calculatorProject);

    // "Screen" after Preview, "Printer" after Print.
    const std::string& Device() const { return choices_.Device(); }
    int ReportChoice() const { return choices_.ReportChoice(); }
    bool NumbersAsDecimal() const { return choices_.NumbersAsDecimal(); }
    bool AllNetworksChosen() const { return choices_.AllNetworksChosen(); }
    const PrintChoices& Choices() const { return choices_; }

    // Opens a help topic by its context string (Help gives "Printing").
    std::function<void(const std::string&)> HelpTopic;
    // The system's printer set-up dialog.
    std::function<void()> PrinterSetup;
    // Runs an export; Export calls it with the export for the chosen report, then the dialog
    // closes as cancelled.
    std::function<void(PrintExport)> Export;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void ShowChoices();
    void BUTTexportClick();

    PrintChoices choices_;
    QButtonGroup* printOut_ = nullptr;
    QRadioButton* rbnNumbersAsHex_ = nullptr;
    QRadioButton* btnNumbersAsDec_ = nullptr;
    QRadioButton* RBinstallation_ = nullptr;
    QCheckBox* cbxPrintAllNetworks_ = nullptr;
    QPushButton* BUTTexport_ = nullptr;
    QPushButton* BUTTpreview_ = nullptr;
};

}  // namespace tavo
