#pragma once

#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include "calculator/StatusTimer.h"
#include "core/AppState.h"

namespace tavo {

class CalculatorPage;
class TDLGUnitHint;

// The main window: the system's only top-level window. It runs the start-up sequence
// (address limit, catalogue, the five-tick wait, the calculator page) and owns the timer.
class TVCALC : public QMainWindow {
    Q_OBJECT
public:
    // arguments are the program's command-line arguments without the program name;
    // catalogue is the path of TAVOUNIT.DAT.
    TVCALC(AppState& state, QStringList arguments, std::string catalogue, QWidget* parent = nullptr);
    ~TVCALC() override;

    // The first activation: start-up load and page set-up. Returns false when the catalogue
    // is missing (the program then ends). Runs once; later calls return true at once.
    bool FormActivate();

    void SetWindowTitle(const std::string& name);

    CalculatorPage& Page() { return *page_; }
    TDLGUnitHint& Hint() { return *hint_; }
    StatusTimer& Timer() { return timer_; }

signals:
    // The start-up found no catalogue.
    void CatalogueMissing();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool StartUpLoad();
    void InitCalculatorPage();
    void WaitForStartupTicks();

    AppState& state_;
    QStringList arguments_;
    std::string catalogue_;
    StatusTimer timer_;
    QTimer* timer1_;
    TDLGUnitHint* hint_;
    CalculatorPage* page_;
    bool firstActivation_ = true;
    bool calculatorReady_ = false;
};

}  // namespace tavo
