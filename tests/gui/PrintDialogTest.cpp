// The print dialog and the print progress window through their named controls: texts, the
// enabled states after real clicks, what each way of closing answers, Export, Help and Setup,
// and the progress window's message and Cancel.
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QWindow>
#include <QtTest>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "reports/PrintCancel.h"
#include "reports/PrintDialog.h"

using tavo::PrintExport;
using tavo::TDLGPrint;

class PrintDialogTest : public QObject {
    Q_OBJECT

  private:
    template <class T = QAbstractButton>
    static T* Child(QWidget& window, const char* name) {
        T* child = window.findChild<T*>(QString::fromLatin1(name));
        if (child == nullptr) qFatal("no control %s", name);
        return child;
    }
    static void Click(QWidget& window, const char* name) {
        QTest::mouseClick(Child(window, name), Qt::LeftButton);
    }
    // Executes the dialog as the Print command does; act uses it and closes it. A dialog
    // still open after five seconds is closed, and the test fails.
    static bool Run(TDLGPrint& dialog, bool calculatorProject, const std::function<void()>& act) {
        QTimer::singleShot(0, &dialog, act);
        bool stuck = false;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &dialog, [&] {
            stuck = dialog.isVisible();
            dialog.done(QDialog::Rejected);
        });
        guard.start(5000);
        const bool ok = dialog.Execute(calculatorProject);
        if (stuck) QTest::qFail("the dialog did not close", __FILE__, __LINE__);
        return ok;
    }

  private slots:
    void showsItsControlsWithTheirTextsAndInitialStates() {
        TDLGPrint dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Print"));
        QCOMPARE(dialog.size(), QSize(434, 199));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        int top = -1;  // the button column, top to bottom
        for (const auto& [name, caption] : {std::pair("btnHelp", "Help"),
                                            {"btnSetup", "Setup"},
                                            {"BUTTexport", "Export"},
                                            {"BUTTpreview", "Preview"},
                                            {"BUTTprint", "Print"},
                                            {"BUTTcancel", "Cancel"}}) {
            const QRect place = Child(dialog, name)->geometry();
            QVERIFY2(place.size() == QSize(75, 25) && place.top() > top, name);
            QCOMPARE(Child(dialog, name)->text(), QString::fromLatin1(caption));
            top = place.bottom();
        }
        const char* choices[][3] = {
            {"RBproject", "Project Details", "Print out of the top level project details"},
            {"RBcalculator", "Network Information",
             "Print out of the current network details (Select \"print all networks\" to print "
             "all)"},
            {"RBinstallation", "Installation Report (Original Data Only)",
             "Print out of ORGINAL Installation data (Does not include calculator changes)"},
            {"rbnNumbersAsHex", "Numbers in Hexadecimal",
             "Print all numbers in a hexadecimal (Base 16)  format"},
            {"btnNumbersAsDec", "Numbers as Decimal",
             "Print all numbers in a decimal (base 10) format"},
            {"cbxPrintAllNetworks", "Print All Networks",
             "Select to print all networks (preview unavailable when selected)"},
        };
        for (const auto& [name, caption, hint] : choices) {
            QCOMPARE(Child(dialog, name)->text(), QString::fromLatin1(caption));
            QCOMPARE(Child(dialog, name)->statusTip(), QString::fromLatin1(hint));
        }
        // Project Details in hexadecimal; nothing that report does not use can be used.
        QVERIFY(Child(dialog, "RBproject")->isChecked());
        QVERIFY(Child(dialog, "rbnNumbersAsHex")->isChecked());
        QVERIFY(!Child(dialog, "cbxPrintAllNetworks")->isChecked());
        for (const char* name : {"RBinstallation", "BUTTexport", "cbxPrintAllNetworks",
                                 "rbnNumbersAsHex", "btnNumbersAsDec"})
            QVERIFY2(!Child(dialog, name)->isEnabled(), name);
        QCOMPARE(Child<QStatusBar>(dialog, "StatusBar1")->findChildren<QLabel*>().size(), 2);
    }

    void clicksSetTheChoicesAndTheyStayForTheNextShowing() {
        TDLGPrint dialog;
        std::vector<bool> preview;
        QVERIFY(!Run(dialog, false, [&] {
            Click(dialog, "RBcalculator");
            Click(dialog, "cbxPrintAllNetworks");
            preview.push_back(Child(dialog, "BUTTpreview")->isEnabled());
            Click(dialog, "RBinstallation");  // Preview back, the tick kept though disabled
            preview.push_back(Child(dialog, "BUTTpreview")->isEnabled());
            Click(dialog, "btnNumbersAsDec");
            Click(dialog, "BUTTcancel");
        }));
        QCOMPARE(preview, (std::vector<bool>{false, true}));
        QVERIFY(!Child(dialog, "cbxPrintAllNetworks")->isEnabled());
        QVERIFY(!Child(dialog, "rbnNumbersAsHex")->isChecked());
        QVERIFY(dialog.ReportChoice() == 2 && dialog.NumbersAsDecimal() &&
                dialog.AllNetworksChosen());
        QVERIFY(!Run(dialog, false, [&] { Click(dialog, "BUTTcancel"); }));
        QVERIFY(Child(dialog, "RBinstallation")->isChecked());
        // A calculator project withdraws the installation report: back to Project Details.
        QVERIFY(!Run(dialog, true, [&] { Click(dialog, "BUTTcancel"); }));
        QVERIFY(Child(dialog, "RBproject")->isChecked());
        QVERIFY(!Child(dialog, "RBinstallation")->isEnabled());
        QVERIFY(!Child(dialog, "BUTTexport")->isEnabled());
    }

    void previewAndPrintAnswerOkAndEveryOtherCloseAnswersNo() {
        TDLGPrint dialog;
        QVERIFY(Run(dialog, true, [&] { Click(dialog, "BUTTpreview"); }));
        QCOMPARE(dialog.Device(), std::string("Screen"));
        QVERIFY(Run(dialog, true, [&] { Click(dialog, "BUTTprint"); }));
        QCOMPARE(dialog.Device(), std::string("Printer"));
        QVERIFY(!Run(dialog, true, [&] { Click(dialog, "BUTTcancel"); }));
        QVERIFY(!Run(dialog, true, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }));
        QVERIFY(!Run(dialog, true, [&] { dialog.windowHandle()->close(); }));  // the close box
    }

    void buttonsCallTheirServices() {
        const struct {
            const char* report;
            bool tick;
            PrintExport target;
        } cases[] = {
            {"RBcalculator", false, PrintExport::CurrentNetwork},
            {"RBcalculator", true, PrintExport::AllNetworks},
            {"RBinstallation", true, PrintExport::Installation},
        };
        for (const auto& c : cases) {
            TDLGPrint dialog;
            std::vector<std::string> calls;
            dialog.HelpTopic = [&](const std::string& topic) { calls.push_back(topic); };
            dialog.PrinterSetup = [&] { calls.push_back("setup"); };
            dialog.Export = [&](PrintExport target) {
                calls.push_back(std::to_string(static_cast<int>(target)));
            };
            // Help and Setup leave the dialog open; Export runs once and closes it as cancelled.
            QVERIFY(!Run(dialog, false, [&] {
                Click(dialog, "btnHelp");
                Click(dialog, "btnSetup");
                Click(dialog, c.report);
                if (c.tick) Click(dialog, "cbxPrintAllNetworks");
                Click(dialog, "BUTTexport");
            }));
            QCOMPARE(calls, (std::vector<std::string>{"Printing", "setup",
                                                      std::to_string(static_cast<int>(c.target))}));
        }
    }

    void theProgressWindowShowsTheMessageAndCancels() {
        tavo::TfrmPrintCancel window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Printing"));
        QCOMPARE(window.size(), QSize(267, 131));
        QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(window.windowFlags() & Qt::WindowCloseButtonHint));
        auto* message = Child<QLabel>(window, "lblMessage");
        QCOMPARE(message->geometry(), QRect(0, 13, 267, 76));
        auto* cancel = Child<QPushButton>(window, "btnCancel");
        QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
        QCOMPARE(cancel->geometry(), QRect(96, 96, 75, 25));

        int cancels = 0;
        window.SetCancelHandler([&] { ++cancels; });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.SetMessage("Printing report for network \"Hall \xC4\"\r2 of 3\r to Office PDF");
        QCOMPARE(message->text(), QStringLiteral("Printing report for network \"Hall \u00C4\"\n"
                                                 "2 of 3\n to Office PDF"));
        QVERIFY(cancel->hasFocus());
        QTest::mouseClick(cancel, Qt::LeftButton);
        QTest::keyClick(&window, Qt::Key_Escape);
        window.windowHandle()->close();  // the window manager's close is a Cancel too
        QCOMPARE(cancels, 3);
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(PrintDialogTest)
#include "PrintDialogTest.moc"
