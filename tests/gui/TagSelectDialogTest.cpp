// The tag selection dialog through its named controls: the entries of a shared installation
// code, the labels naming the unit, and the entry counted however the dialog closes.
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/Catalogue.h"
#include "reporter/TagSelectDialog.h"

class TagSelectDialogTest : public QObject {
    Q_OBJECT

  private:
    tavo::Catalogue units_;
    std::unique_ptr<tavo::TfrmSelectTag> dialog_;

    void SetEntry(int slot, const char* catNo, const char* description, const char* code) {
        tavo::UnitType& unit = units_.UnitTable[static_cast<std::size_t>(slot)];
        unit.CatNo = catNo;
        unit.Description = description;
        unit.InstallCode = code;
    }
    template <class T = QLabel>
    T* Child(const char* name) {
        T* child = dialog_->findChild<T*>(QString::fromLatin1(name));
        if (child == nullptr) qFatal("no control %s", name);
        return child;
    }
    QListWidget* List() { return Child<QListWidget>("lstTags"); }
    // Shows the dialog modally as the import does, lets act close it, and returns the slot
    // it answers. A dialog still open after five seconds is closed, and the test fails.
    int Answer(const std::function<void()>& act) {
        QTimer::singleShot(0, dialog_.get(), act);
        bool stuck = false;
        QTimer::singleShot(5000, dialog_.get(), [&] {
            stuck = dialog_->isVisible();
            dialog_->done(QDialog::Accepted);
        });
        const int slot =
            dialog_->SelectCatalogueEntry(units_, "RELAY8", "Main building", "10", "0A");
        if (stuck) qWarning("the dialog did not close");
        return stuck ? -1 : slot;
    }

  private slots:
    void init() {
        units_ = {};
        SetEntry(4, "CAT-A", "Relay A", "RELAY8");
        SetEntry(7, "CAT-X", "Other", "RELAY");
        SetEntry(9, "CAT-B", "Relay B", "RELAY8");
        dialog_ = std::make_unique<tavo::TfrmSelectTag>();
    }
    void cleanup() { dialog_.reset(); }

    void listsTheEntriesOfTheCodeAndNamesTheUnit() {
        dialog_->Prepare(units_, "RELAY8", "Main building", "10", "0A");
        QListWidget* list = List();
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("CAT-A    |    Relay A"));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("Select Unit from \"RELAY8\" sublist"));
        for (const auto& [name, text] : {std::pair("lblTypeCode", "RELAY8"),
                                         {"lblNetwork", "Main building"},
                                         {"lblDec", "10"},
                                         {"lblHex", "0A"}})
            QCOMPARE(Child(name)->text(), QString::fromLatin1(text));
        QCOMPARE(dialog_->size(), QSize(486, 175));
        QCOMPARE(Child<QPushButton>("btnOK")->geometry(), QRect(203, 2, 75, 25));
        // Only the type and network lines show their hints as tool tips.
        for (const char* name : {"Label1", "lblTypeCode", "Label4", "lblNetwork"})
            QVERIFY2(!Child(name)->toolTip().isEmpty(), name);
        for (const char* name : {"Label3", "lblDec", "lblHex"})
            QVERIFY2(Child(name)->toolTip().isEmpty(), name);
        QCOMPARE(Child("lblHex")->statusTip(),
                 QStringLiteral("Address of the unit  (in hexadecimal)"));
        QCOMPARE(Child<QPushButton>("btnOK")->statusTip(),
                 QStringLiteral("Select hightlighted unit"));

        // Two columns: the description starts 120 pixels right of the catalogue number.
        list->setCurrentRow(-1);
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
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
        QCOMPARE(Answer([&] { QTest::mouseClick(Child<QPushButton>("btnOK"), Qt::LeftButton); }),
                 4);
        QCOMPARE(Answer([&] {
                     const QPoint second = List()->visualItemRect(List()->item(1)).center();
                     QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, second);
                     QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, second);
                 }),
                 9);
        // Escape cannot decline: the highlighted entry still counts.
        QCOMPARE(Answer([&] {
                     List()->setCurrentRow(1);
                     QTest::keyClick(dialog_.get(), Qt::Key_Escape);
                 }),
                 9);
    }

    void anEntryCountsItsOwnSlotWhateverItsTexts() {
        // Identical entries, and a description with trailing spaces: each item is its slot.
        SetEntry(4, "CAT-A", "Relay  ", "RELAY8");
        SetEntry(9, "CAT-A", "Relay  ", "RELAY8");
        QCOMPARE(Answer([&] {
                     List()->setCurrentRow(1);
                     QTest::keyClick(List(), Qt::Key_Return);
                 }),
                 9);
        QCOMPARE(Answer([&] { QTest::keyClick(dialog_.get(), Qt::Key_Return); }), 4);
    }

    void helpOpensTheTopicOfLoadingData() {
        std::string topic;
        dialog_->HelpTopic = [&](const std::string& name) { topic = name; };
        dialog_->Prepare(units_, "RELAY8", "", "", "");
        QTest::mouseClick(Child<QPushButton>("btnHelp"), Qt::LeftButton);
        QCOMPARE(topic, std::string("Loadingdatafromfile"));
    }
};

QTEST_MAIN(TagSelectDialogTest)
#include "TagSelectDialogTest.moc"
