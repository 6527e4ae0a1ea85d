#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace tavo {

// The small window shown while a network report prints: a message and a Cancel button
// (Escape and a close asked of the window manager press it too). It is not modal, stays on
// top and has no title-bar buttons; the run that shows it decides what Cancel means, and
// hides it when it ends.
class TfrmPrintCancel : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmPrintCancel(QWidget* parent = nullptr);

    // A click on Cancel calls handler.
    void SetCancelHandler(std::function<void()> handler);
    // Shows text (8-bit, CR starts a new line) and gives Cancel the input focus.
    void SetMessage(const std::string& text);

  public slots:
    // Escape presses Cancel.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QLabel* lblMessage_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    std::function<void()> cancelHandler_;
};

}  // namespace tavo
