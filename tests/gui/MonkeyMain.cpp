// A random run over the real main window, offscreen: keys and clicks on the grid, the quantity
// bar, the list tabs, the status strip and the network selector, and the commands of the
// menus, with every question answered at random. After every event the window must agree with
// its rules: each unit list entry with its catalogue entry, no quantity below 0 or above its
// type's limit, no more addressable units than the address limit, and the status strip as the
// evaluation gives it. A failure names the seed and the event, so that the run can be repeated.
//   tavo-monkey CATALOGUE EVENTS SEED
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <memory>
#include <random>
#include <string>

#include "calculator/CalculatorPage.h"
#include "calculator/MainWindow.h"
#include "calculator/UnitLists.h"
#include "components/QtText.h"
#include "core/Evaluation.h"
#include "core/NetworkStatus.h"
#include "platform/Prompts.h"
#include "support/TempDir.h"

namespace {

using tavo::Answer;

// Answers every question and file dialog at random: a project file in the run's folder, or
// Cancel.
class RandomPrompts final : public tavo::Prompts {
  public:
    RandomPrompts(std::mt19937& random, std::string folder)
        : random_(random), folder_(std::move(folder)) {}
    void ShowMessage(tavo::MessageKind, const std::string&) override { ++Messages; }
    Answer AskYesNoCancel(tavo::MessageKind, const std::string&) override {
        const Answer answers[] = {Answer::Yes, Answer::No, Answer::Cancel};
        return answers[random_() % 3];
    }
    bool ChooseOpenFile(const tavo::FileDialogRequest&, std::string& path) override {
        return Choose(path, ".tav");
    }
    bool ChooseSaveFile(const tavo::FileDialogRequest& request, std::string& path) override {
        return Choose(path, request.DefaultExtension == "csv" ? ".csv" : ".tav");
    }
    void Beep() override {}
    int Messages = 0;

  private:
    bool Choose(std::string& path, const char* extension) {
        if (random_() % 4 == 0) return false;
        path = folder_ + "/monkey" + std::to_string(random_() % 3) + extension;
        return true;
    }
    std::mt19937& random_;
    std::string folder_;
};

class Monkey {
  public:
    Monkey(const std::string& catalogue, unsigned seed)
        : seed_(seed), random_(seed), prompts_(random_, dir_.Path()), state_(prompts_) {
        state_.Today = [] { return tavo::Date{2026, 12, 9}; };
        window_ = std::make_unique<tavo::TVCALC>(state_, QStringList{}, catalogue);
        // Nothing opens a window of its own: no details dialog, help, about box or printing.
        window_->Services().ShowProjectDetails = [] {};
        window_->Services().ExecutePrintDialog = [](bool) {
            return std::optional<tavo::PrintRequest>();
        };
        window_->show();
        if (!window_->FormActivate()) Fail("the window did not start");
        grid_ = Find<QTableWidget>("sGrid");
        bar_ = Find<QScrollBar>("QtyBar");
        tabs_ = Find<QTabBar>("TabCtrl");
        selector_ = Find<QComboBox>("cbxNetworks");
        for (const char* name : {"New1", "Open1", "Save1", "SaveAs1", "mnuCurrentNetworkDatatoCSV",
                                 "mnuAllNetworkDatatoCSV", "Print1"})
            actions_.push_back(Find<QAction>(name));
        for (const char* name :
             {"SinkLabel", "SinkL", "SourceLabel", "SourceL", "AClabel", "ACL", "sinkBar"})
            strip_.push_back(Find<QWidget>(name));
    }

    void Run(long events) {
        for (event_ = 1; event_ <= events; ++event_) {
            OneEvent();
            QApplication::processEvents();
            Check();
        }
        std::printf(
            "tavo-monkey: %ld events, seed %u: every check held (at most %d units on a network, "
            "%d network switches, %d messages)\n",
            events, seed_, mostUnits_, switches_, prompts_.Messages);
    }

  private:
    template <class T>
    T* Find(const char* name) {
        T* found = window_->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) Fail(std::string("no control ") + name);
        return found;
    }
    int Pick(int n) { return n <= 0 ? 0 : static_cast<int>(random_() % static_cast<unsigned>(n)); }
    void Log(std::string what) {
        log_.push_back(std::to_string(event_) + ": " + std::move(what));
        if (log_.size() > 12) log_.pop_front();
    }

    void OneEvent() {
        switch (Pick(10)) {
            case 0:
            case 1:
            case 2: {
                static const Qt::Key keys[] = {
                    Qt::Key_0,      Qt::Key_1,        Qt::Key_2,      Qt::Key_5,
                    Qt::Key_9,      Qt::Key_Space,    Qt::Key_Delete, Qt::Key_Backspace,
                    Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,     Qt::Key_Down,
                    Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,   Qt::Key_End};
                const Qt::Key key = keys[Pick(std::size(keys))];
                Log("key " + std::to_string(key) + " on the grid");
                grid_->setFocus();
                QTest::keyClick(grid_, key);
                break;
            }
            case 3: {
                const int row = Pick(grid_->rowCount() + 1);
                const int column = Pick(3);
                QPoint at(5, 5);
                if (row < grid_->rowCount())
                    at = grid_->visualRect(grid_->model()->index(row, column)).center();
                const bool right = Pick(3) == 0;
                Log("click " + std::string(right ? "right" : "left") + " on grid row " +
                    std::to_string(row));
                QTest::mouseClick(grid_->viewport(), right ? Qt::RightButton : Qt::LeftButton, {},
                                  at);
                if (Pick(6) == 0) QTest::mouseDClick(grid_->viewport(), Qt::LeftButton, {}, at);
                break;
            }
            case 4: {
                const int value = bar_->minimum() + Pick(bar_->maximum() - bar_->minimum() + 1);
                Log("bar to " + std::to_string(value));
                bar_->setValue(value);
                break;
            }
            case 5: {
                const int tab = Pick(tabs_->count());
                Log("tab " + std::to_string(tab));
                QTest::mouseClick(tabs_, Qt::LeftButton, {}, tabs_->tabRect(tab).center());
                break;
            }
            case 6: {
                QWidget* control = strip_[static_cast<std::size_t>(Pick(strip_.size()))];
                const bool twice = Pick(2) == 0;
                Log(std::string(twice ? "double click on " : "click on ") +
                    control->objectName().toStdString());
                if (twice)
                    QTest::mouseDClick(control, Qt::LeftButton);
                else
                    QTest::mouseClick(control, Qt::LeftButton);
                break;
            }
            case 7: {
                Log("selector key");
                selector_->setFocus();
                QTest::keyClick(selector_, Pick(2) == 0 ? Qt::Key_Down : Qt::Key_Up);
                break;
            }
            case 8: {
                QAction* action = actions_[static_cast<std::size_t>(Pick(actions_.size()))];
                Log("menu " + action->objectName().toStdString());
                action->trigger();
                break;
            }
            default: {
                // The details dialog changed the number of networks.
                state_.Project.NetworkCount = 1 + Pick(4);
                state_.Window.ProjectSaved = false;
                Log("networks " + std::to_string(state_.Project.NetworkCount));
                window_->FormActivate();
                break;
            }
        }
    }

    void Check() {
        const tavo::Catalogue& units = state_.Units;
        for (int row = 1; row < units.UnitListEnd && row < tavo::kTableSlots; ++row) {
            const tavo::UnitType& entry = units.UnitList[static_cast<std::size_t>(row)];
            const int master = entry.MasterIndex;
            if (master < 0 || master >= tavo::kTableSlots ||
                units.UnitTable[static_cast<std::size_t>(master)].Quantity != entry.Quantity)
                Fail("unit list row " + std::to_string(row) +
                     " disagrees with its catalogue entry");
        }
        tavo::NetworkEvaluation evaluation = state_.Evaluation;
        for (int slot = 1; slot <= units.UnitCount; ++slot) {
            const std::int32_t quantity = units.UnitTable[static_cast<std::size_t>(slot)].Quantity;
            evaluation.SelectedUnit = slot;
            evaluation.UnitSelected = true;
            if (quantity < 0) Fail("a negative quantity in slot " + std::to_string(slot));
            if (quantity > tavo::MaxQuantity(units, evaluation))
                Fail("slot " + std::to_string(slot) + " holds more than its type may");
        }
        tavo::Evaluate(units, evaluation);
        tavo::CountUnits(units, evaluation);
        mostUnits_ = std::max(mostUnits_, static_cast<int>(evaluation.TotalUnits));
        if (state_.Window.CurrentNetwork != lastNetwork_) ++switches_;
        lastNetwork_ = state_.Window.CurrentNetwork;
        if (evaluation.AddressableUnits > state_.Evaluation.MaxAddressable)
            Fail("more addressable units than the address limit");
        const tavo::NetworkStatus expected = tavo::ComputeNetworkStatus(units, evaluation);
        const tavo::StatusLine* lines[] = {&expected.Consumption, &expected.Supply,
                                           &expected.Impedance};
        const char* values[] = {"SinkLabel", "SourceLabel", "AClabel"};
        const char* texts[] = {"SinkL", "SourceL", "ACL"};
        for (int i = 0; i < 3; ++i) {
            if (Find<QLabel>(values[i])->text() != tavo::ToQt(lines[i]->ValueText) ||
                Find<QLabel>(texts[i])->text() != tavo::ToQt(lines[i]->StatusText))
                Fail(std::string("the status strip's ") + texts[i] +
                     " is not what the evaluation gives");
        }
    }

    [[noreturn]] void Fail(const std::string& what) {
        std::fprintf(stderr, "tavo-monkey: seed %u, event %ld: %s\nlast events:\n", seed_, event_,
                     what.c_str());
        for (const std::string& line : log_) std::fprintf(stderr, "  %s\n", line.c_str());
        std::exit(1);
    }

    unsigned seed_;
    std::mt19937 random_;
    tavo::testing::TempDir dir_;
    RandomPrompts prompts_;
    tavo::AppState state_;
    std::unique_ptr<tavo::TVCALC> window_;
    QTableWidget* grid_ = nullptr;
    QScrollBar* bar_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QComboBox* selector_ = nullptr;
    std::vector<QAction*> actions_;
    std::vector<QWidget*> strip_;
    std::deque<std::string> log_;
    long event_ = 0;
    int mostUnits_ = 0;
    int switches_ = 0;
    int lastNetwork_ = 1;
};

// Qt's offscreen platform notes each window it cannot raise; nothing else is dropped.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
    qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietOffscreenNotes);
    QApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: tavo-monkey CATALOGUE EVENTS SEED\n");
        return 2;
    }
    Monkey monkey(argv[1], static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)));
    monkey.Run(std::strtol(argv[2], nullptr, 10));
    return 0;
}
