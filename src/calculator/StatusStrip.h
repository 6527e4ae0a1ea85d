#pragma once

#include <QFrame>
#include <QLabel>
#include <QWidget>

#include "calculator/StripClicks.h"
#include "core/NetworkStatus.h"

namespace tavo {

// The top strip of the calculator page: three sunken panels with main and excess bars, the
// value texts and the bold status messages. It paints what ComputeNetworkStatus decided and
// reports clicks on its controls.
class StatusStrip : public QWidget {
    Q_OBJECT
  public:
    explicit StatusStrip(QWidget* parent = nullptr);

    void Apply(const NetworkStatus& status);

    // The strip's controls by name (sinkBar, SinkL, pnlACImp, ...), for the window's hints.
    QWidget* Control(const QString& name) const;

  signals:
    void ControlClicked(tavo::StripControl control);
    void ControlDoubleClicked(tavo::StripControl control);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Line {
        QFrame* Panel = nullptr;
        QFrame* Bar = nullptr;
        QFrame* Excess = nullptr;
        QLabel* Value = nullptr;
        QLabel* Status = nullptr;
    };
    Line MakeLine(int y, const char* panel, const char* bar, const char* excess, const char* value,
                  const char* status);
    void ApplyLine(Line& line, const StatusLine& status);

    bool releaseEndsDoubleClick_ = false;
    Line consumption_;
    Line supply_;
    Line impedance_;
};

// The text colours and bar colours as Qt colours.
QColor QtColour(Colour colour);

}  // namespace tavo
