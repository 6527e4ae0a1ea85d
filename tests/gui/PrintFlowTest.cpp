// The Print command through the assembled program: the tool button opens the print dialog,
// Preview shows the report in the preview window, which pages, zooms and saves as PDF; Print
// without any printer says so. Modal windows are answered by a watcher that acts on whichever
// window is modal, and closes anything left open so that no test can hang.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "calculator/CalculatorPage.h"
#include "calculator/MainWindow.h"
#include "calculator/TavoApplication.h"
#include "reports/ProgramReports.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

class PrintFlowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<tavo::testing::TempDir> dir_;
    std::unique_ptr<tavo::testing::ScriptedPrompts> prompts_;
    std::unique_ptr<tavo::TavoApplication> program_;

    // Runs start; while it runs, each modal window met is handed to the next step, in order.
    // False when a modal window was left over (it is closed).
    bool WithModals(const std::function<void()>& start,
                    std::vector<std::function<void(QWidget*)>> steps) {
        std::size_t next = 0;
        bool leftOver = false;
        QWidget* last = nullptr;
        QTimer watcher;
        watcher.setInterval(20);
        QElapsedTimer clock;
        clock.start();
        connect(&watcher, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal == last) return;
            if (next < steps.size() && clock.elapsed() < 10000) {
                last = modal;
                steps[next++](modal);
            } else {
                leftOver = true;
                modal->close();
            }
        });
        watcher.start();
        start();
        watcher.stop();
        return !leftOver && next == steps.size();
    }
    template <class T>
    static T* Child(QWidget* parent, const char* name) {
        T* child = parent->findChild<T*>(QString::fromLatin1(name));
        if (child == nullptr) qFatal("no control %s", name);
        return child;
    }
    static void Press(QWidget* window, std::initializer_list<const char*> buttons) {
        for (const char* name : buttons) Child<QAbstractButton>(window, name)->click();
    }
    // The Print tool button, and each modal window it brings up handed to the next step.
    bool PrintWithModals(std::vector<std::function<void(QWidget*)>> steps) {
        auto* print = program_->Window().findChild<QToolButton*>(QStringLiteral("btnPrint"));
        return WithModals([&] { QTest::mouseClick(print, Qt::LeftButton); }, std::move(steps));
    }

  private slots:
    void init() {
        dir_ = std::make_unique<tavo::testing::TempDir>();
        prompts_ = std::make_unique<tavo::testing::ScriptedPrompts>();
        const std::string data = TAVO_SOURCE_DIR "/data/";
        program_ = std::make_unique<tavo::TavoApplication>(
            *prompts_, QStringList{}, data + "TAVOUNIT.DAT", data + "TavoCalc.hlp",
            data + "TavoAlias.als", data + "TavoLogo.jpg");
        program_->Window().show();
        QVERIFY(program_->Window().FormActivate());
        QVERIFY(program_->Window().Driver().OpenFile(TAVO_SOURCE_DIR "/examples/Sample.tav"));
    }
    void cleanup() {
        program_.reset();
        prompts_.reset();
        dir_.reset();
    }

    void previewPagesZoomsAndSavesTheNetworkReport() {
        QString pageText;
        QString pageAfterNext;
        prompts_->files = {dir_->File("network.pdf")};
        const bool ran = PrintWithModals(
            {[&](QWidget* dialog) {
                 QCOMPARE(dialog->objectName(), QStringLiteral("DLGPrint"));
                 Press(dialog, {"RBcalculator", "BUTTpreview"});
             },
             [&](QWidget* preview) {
                 QCOMPARE(preview->objectName(), QStringLiteral("ReportPreview"));
                 pageText = Child<QLabel>(preview, "lblPreviewPage")->text();
                 Child<QToolButton>(preview, "btnNextPage")->click();
                 pageAfterNext = Child<QLabel>(preview, "lblPreviewPage")->text();
                 auto* zoom = Child<QComboBox>(preview, "cbxZoom");
                 zoom->setCurrentIndex(zoom->findText(QStringLiteral("100%")));
                 QWidget* page = Child<QWidget>(preview, "PreviewPage");
                 // At 100 % an A4 page is about 210 mm wide on the screen.
                 QVERIFY(std::abs(page->width() - preview->logicalDpiX() * 210 / 25.4) < 3);
                 Press(preview, {"btnPreviewSave", "btnPreviewClose"});
             }});
        QVERIFY(ran);
        QCOMPARE(pageText, QStringLiteral("Page 1 of 1"));
        QCOMPARE(pageAfterNext, QStringLiteral("Page 1 of 1"));
        QCOMPARE(prompts_->dialogs.back().DefaultExtension, std::string("pdf"));
        const std::string pdf = tavo::testing::ReadBytes(dir_->File("network.pdf"));
        QVERIFY(pdf.rfind("%PDF-", 0) == 0);
        QVERIFY(prompts_->shown.empty());
        QCOMPARE(program_->Window().Page().Lists().TabIndex(), 7);
    }

    // Export in the print dialog runs the export of the chosen report and prints nothing.
    void exportInThePrintDialogWritesEveryNetwork() {
        prompts_->files = {dir_->File("all.csv")};
        QVERIFY(PrintWithModals({[&](QWidget* dialog) {
            Press(dialog, {"RBcalculator", "cbxPrintAllNetworks", "BUTTexport"});
        }}));
        QCOMPARE(prompts_->dialogs.back().FileName, std::string("Networks"));
        const std::string csv = tavo::testing::ReadBytes(dir_->File("all.csv"));
        for (const char* network : {"Ground floor", "First floor", "Plant room"})
            QVERIFY2(csv.find("\"Network\",\"" + std::string(network) + "\"") != std::string::npos,
                     network);
        QCOMPARE(prompts_->Texts(), std::vector<std::string>{"Export Complete!"});
        QCOMPARE(program_->Window().Driver().SelectorIndex(), 0);  // back on the first network
    }

    void printWithoutAnyPrinterSaysSoAndPrintsNothing() {
        if (!program_->CurrentPrinterName().empty()) QSKIP("this machine has a printer");
        QAction* print = program_->Window().findChild<QAction*>(QStringLiteral("Print1"));
        QVERIFY(WithModals([&] { print->trigger(); },
                           {[&](QWidget* dialog) { Press(dialog, {"BUTTprint"}); }}));
        QCOMPARE(prompts_->Texts(), std::vector<std::string>{tavo::kNoPrinterMessage});
    }
};

QTEST_MAIN(PrintFlowTest)
#include "PrintFlowTest.moc"
