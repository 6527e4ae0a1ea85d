// The tag selection dialog through its named controls: the entries of a shared installation
// code, the labels naming the unit, and the entry counted however the dialog closes.
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "core/Catalogue.h"
#include "reporter/TagSelectDialog.h"

class TagSelectDialogTest : public QObject {
    Q_OBJECT

  private:
    tavo::Catalogue units_;

    void SetEntry(int slot, const char* catNo, const char* description, const char* code) {
        tavo::UnitType& unit = units_.UnitTable[static_cast<std::size_t>(slot)];
        unit.CatNo = catNo;
        unit.Description = description;
        unit.InstallCode = code;
    }
    template <class T>
    T* Child(tavo::TfrmSelectTag& dialog, const char* name) {
        T* child = dialog.findChild<T*>(QString::fromLatin1(name));
        if (child == nullptr) qFatal("no control %s", name);
        return child;
    }
    // Shows the dialog modally as the import does, lets act close it, and returns the slot
    // it answers. A dialog still open after five seconds is closed, and the test fails.
    int Answer(tavo::TfrmSelectTag& dialog, std::function<void()> act) {
        QTimer::singleShot(0, &dialog, act);
        bool stuck = false;
        QTimer::singleShot(5000, &dialog, [&] {
            stuck = dialog.isVisible();
            dialog.done(QDialog::Accepted);
        });
        const int slot = dialog.SelectCatalogueEntry(units_, "RELAY8", "Main building", "10", "0A");
        if (stuck) qWarning("the dialog did not close");
        return stuck ? -1 : slot;
    }

  private slots:
    void init() {
        units_ = {};
        SetEntry(4, "CAT-A", "Relay A", "RELAY8");
        SetEntry(7, "CAT-X", "Other", "RELAY");
        SetEntry(9, "CAT-B", "Relay B", "RELAY8");
    }

    void listsTheEntriesOfTheCodeAndNamesTheUnit() {
        tavo::TfrmSelectTag dialog;
        dialog.Prepare(units_, "RELAY8", "Main building", "10", "0A");
        auto* list = Child<QListWidget>(dialog, "lstTags");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("CAT-A    |    Relay A"));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Unit from \"RELAY8\" sublist"));
        QCOMPARE(Child<QLabel>(dialog, "lblTypeCode")->text(), QStringLiteral("RELAY8"));
        QCOMPARE(Child<QLabel>(dialog, "lblNetwork")->text(), QStringLiteral("Main building"));
        QCOMPARE(Child<QLabel>(dialog, "lblDec")->text(), QStringLiteral("10"));
        QCOMPARE(Child<QLabel>(dialog, "lblHex")->text(), QStringLiteral("0A"));
        QCOMPARE(dialog.size(), QSize(486, 175));
        QCOMPARE(Child<QPushButton>(dialog, "btnOK")->geometry(), QRect(203, 2, 75, 25));
        // Only the type and network lines show their hints as tool tips.
        for (const char* name : {"Label1", "lblTypeCode", "Label4", "lblNetwork"})
            QVERIFY2(!Child<QLabel>(dialog, name)->toolTip().isEmpty(), name);
        for (const char* name : {"Label3", "lblDec", "lblHex"})
            QVERIFY2(Child<QLabel>(dialog, name)->toolTip().isEmpty(), name);
        QCOMPARE(Child<QLabel>(dialog, "lblHex")->statusTip(),
                 QStringLiteral("Address of the unit  (in hexadecimal)"));
        QCOMPARE(Child<QPushButton>(dialog, "btnOK")->statusTip(),
                 QStringLiteral("Select hightlighted unit"));

        // Two columns: the description starts 120 pixels right of the catalogue number.
        list->setCurrentRow(-1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QImage image = list->viewport()->grab().toImage();
        const QRect row = list->visualItemRect(list->item(1));
        const QRgb background = image.pixel(row.right() - 1, row.center().y());
        int descriptionStart = -1;
        for (int x = row.left() + 60; x < row.right() && descriptionStart < 0; ++x)
            for (int y = row.top(); y <= row.bottom(); ++y)
                if (image.pixel(x, y) != background) {
                    descriptionStart = x;
                    break;
                }
        QVERIFY2(descriptionStart >= row.left() + 120 && descriptionStart <= row.left() + 124,
                 qPrintable(QString::number(descriptionStart)));
        QCOMPARE(row.height(), 13);
    }

    void theHighlightedEntryCountsHoweverTheDialogCloses() {
        tavo::TfrmSelectTag dialog;
        QCOMPARE(
            Answer(dialog,
                   [&] { QTest::mouseClick(Child<QPushButton>(dialog, "btnOK"), Qt::LeftButton); }),
            4);
        QCOMPARE(
            Answer(dialog,
                   [&] {
                       auto* list = Child<QListWidget>(dialog, "lstTags");
                       const QRect second = list->visualItemRect(list->item(1));
                       QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
                       QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
                   }),
            9);
        // Escape cannot decline: the highlighted entry still counts.
        QCOMPARE(Answer(dialog,
                        [&] {
                            Child<QListWidget>(dialog, "lstTags")->setCurrentRow(1);
                            QTest::keyClick(&dialog, Qt::Key_Escape);
                        }),
                 9);
    }

    void anEntryCountsItsOwnSlotWhateverItsTexts() {
        // Identical entries, and a description with trailing spaces: each item is its slot.
        SetEntry(4, "CAT-A", "Relay  ", "RELAY8");
        SetEntry(9, "CAT-A", "Relay  ", "RELAY8");
        tavo::TfrmSelectTag dialog;
        QCOMPARE(Answer(dialog,
                        [&] {
                            Child<QListWidget>(dialog, "lstTags")->setCurrentRow(1);
                            QTest::keyClick(Child<QListWidget>(dialog, "lstTags"), Qt::Key_Return);
                        }),
                 9);
        QCOMPARE(Answer(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); }), 4);
    }

    void helpOpensTheTopicOfLoadingData() {
        tavo::TfrmSelectTag dialog;
        std::string topic;
        dialog.HelpTopic = [&](const std::string& name) { topic = name; };
        dialog.Prepare(units_, "RELAY8", "", "", "");
        QTest::mouseClick(Child<QPushButton>(dialog, "btnHelp"), Qt::LeftButton);
        QCOMPARE(topic, std::string("Loadingdatafromfile"));
    }
};

QTEST_MAIN(TagSelectDialogTest)
#include "TagSelectDialogTest.moc"
