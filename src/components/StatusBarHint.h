#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;
class QStatusBar;
class QWidget;

namespace tavo {

// Shows the hint of the control under the mouse in the status bar of the active window:
// in its last panel when it has panels, else as its message. A control's hint is its tool
// tip (or the nearest enclosing widget's, when it has none). One instance lives on the main
// window; it listens to the whole application while it exists.
class TZorStatusBarHint : public QObject {
    Q_OBJECT
  public:
    explicit TZorStatusBarHint(QObject* parent = nullptr);
    ~TZorStatusBarHint() override;
    TZorStatusBarHint(const TZorStatusBarHint&) = delete;
    TZorStatusBarHint& operator=(const TZorStatusBarHint&) = delete;

    // Show the hint on every window that has a status bar, not only on the active one.
    bool DisplayOnAllForms() const { return displayOnAllForms_; }
    void SetDisplayOnAllForms(bool value) { displayOnAllForms_ = value; }
    // Show the hint only on the main window. Turning it on turns DisplayOnAllForms off.
    bool DisplayOnParentOnly() const { return displayOnParentOnly_; }
    void SetDisplayOnParentOnly(bool value);

    // Shows a hint on the chosen windows, as a change of the current hint does.
    void ShowHint(const QString& hint);

    // The panels of a bar: the labels placed with addPermanentWidget, left to right.
    static QList<QLabel*> Panels(QStatusBar* bar);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowOnWindow(QWidget* window, const QString& hint);

    bool displayOnAllForms_ = false;
    bool displayOnParentOnly_ = false;
    QPointer<QWidget> underMouse_;  // the innermost widget the mouse last entered
};

}  // namespace tavo
