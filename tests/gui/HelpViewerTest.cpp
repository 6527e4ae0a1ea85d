// The help window over the real help file data/TavoCalc.hlp: every topic the program opens by
// its context string, the keyword index and its filter, the links and Back, a missing file.
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

#include "components/HelpViewer.h"
#include "support/TempDir.h"

using tavo::THelpViewer;

namespace {

// The help file under test: $TAVO_HELP_FILE, else the one in the source tree.
QString HelpFilePath() {
    const QString fromEnvironment = qEnvironmentVariable("TAVO_HELP_FILE");
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
#ifdef TAVO_SOURCE_DIR
    return QStringLiteral(TAVO_SOURCE_DIR "/data/TavoCalc.hlp");
#else
    return QString();
#endif
}

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

  private:
    QWidget owner_;                        // the viewer is a window of its own all the same
    std::unique_ptr<THelpViewer> viewer_;  // fresh for each test, the help file loaded

    template <class Control>
    Control* Find(const char* name) {
        return viewer_->findChild<Control*>(QString::fromLatin1(name));
    }
    QTextBrowser* Browser() { return Find<QTextBrowser>("HelpBrowser"); }
    QLineEdit* KeywordField() { return Find<QLineEdit>("HelpKeyword"); }
    QListWidget* IndexList() { return Find<QListWidget>("HelpIndex"); }
    QString PageText() { return Browser()->toPlainText(); }

    // The targets of the links on the page shown.
    QStringList PageLinks() {
        QStringList links;
        for (QTextBlock block = Browser()->document()->begin(); block.isValid();
             block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QString href = it.fragment().charFormat().anchorHref();
                if (!href.isEmpty() && !links.contains(href)) links << href;
            }
        }
        return links;
    }
    QStringList VisibleKeywords() {
        QStringList visible;
        for (int row = 0; row < IndexList()->count(); ++row)
            if (!IndexList()->item(row)->isHidden()) visible << IndexList()->item(row)->text();
        return visible;
    }
    QString SelectedKeyword() {
        QListWidgetItem* item = IndexList()->currentItem();
        return item != nullptr ? item->text() : QString();
    }

  private slots:
    void initTestCase() {
        QVERIFY2(!HelpFilePath().isEmpty(), "set TAVO_HELP_FILE to data/TavoCalc.hlp");
        QVERIFY2(QFile::exists(HelpFilePath()), qPrintable(HelpFilePath()));
    }
    void init() {
        viewer_ = std::make_unique<THelpViewer>(&owner_);
        QVERIFY(viewer_->SetHelpFile(HelpFilePath()));
    }
    void cleanup() { viewer_.reset(); }

    // A window of its own, not modal, that opens on the contents, on help on help and on the
    // topics the file has.
    void WindowOpensOnTheContentsHelpOnHelpAndKnownTopics() {
        QCOMPARE(viewer_->objectName(), QStringLiteral("HelpViewer"));
        QCOMPARE(viewer_->windowTitle(), QStringLiteral("Tavo Calculator Help"));
        QVERIFY(viewer_->isWindow());
        QVERIFY(Browser() && KeywordField() && IndexList());
        QCOMPARE(viewer_->HelpFile(), HelpFilePath());
        viewer_->ShowContents();
        QVERIFY(viewer_->isVisible());
        QVERIFY(!viewer_->isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);

        viewer_->ShowHelpOnHelp();
        QCOMPARE(viewer_->CurrentTopic(), QStringLiteral("HowToUseHelp"));
        viewer_->ShowContents();
        QCOMPARE(viewer_->CurrentTopic(), QStringLiteral("contents"));
        QVERIFY(viewer_->ShowTopic(QStringLiteral("Printing")));
        QVERIFY(!viewer_->ShowTopic(QStringLiteral("NoSuchTopic")));
        QCOMPARE(viewer_->CurrentTopic(), QStringLiteral("contents"));
        QVERIFY(PageText().contains(QStringLiteral("Tutorial: designing a network")));
        QVERIFY(!viewer_->ShowTopic(QString()));
        QCOMPARE(viewer_->CurrentTopic(), QStringLiteral("contents"));
        // Context strings are not case-sensitive.
        QVERIFY(viewer_->ShowTopic(QStringLiteral("loadingdatafromfile")));
        QCOMPARE(viewer_->CurrentTopic(), QStringLiteral("Loadingdatafromfile"));
    }

    // The context strings the program uses, and the topics the help promises, each open on a
    // page of its own that explains what it should.
    void TopicsOpenByContextString_data() {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QStringList>("phrases");
        const auto add = [](const char* topic, QStringList phrases) {
            QTest::newRow(topic) << QString::fromLatin1(topic) << phrases;
        };
        add("Tutorial", {"step by step", "File > New Project", "Save Project", "Network 2",
                         "Print Preview", "Whole page", "Save as PDF", "Print All Networks"});
        add("Calculator", {"Selected Units", "Backspace", "Space or Delete", "Max"});
        add("StatusMessages", {"\"Power balance OK\"", "\"Add clock unit\"", "\"Too many units\""});
        add("PowerSupplies", {"\"Tavo current will exceed 2A under short circuit conditions.",
                              "\"Unsafe if short circuit\"", "2000 mA", "90%"});
        add("Clock", {"\"Add clock unit\"", "at least one clock unit"});
        add("Burden", {"1 kOhm", "0.99 kOhm", "\"Enable one burden only\"", "jumper"});
        add("Impedance", {"0.4", "1.5 kOhm", "\"Marginal performance\"", "parallel"});
        add("Limits",
            {"100 addressable units", "255", "2000 mA", "\"Max number of units is limited\""});
        add("Projects", {".tav", ".001", ".100", "Save Project As", "\"Save network?\""});
        add("Printing", {"Print All Networks", "Installation Report (Original Data Only)",
                         "Printing page 3 of 12", "No printer is installed", "Report1"});
        add("Preview", {"Page Up", "Page width", "200%", "Save as PDF", "needs no printer"});
        add("Export", {"File > Export", "All Network Data to CSV", "Save Export",
                       "\"Export Complete!\"", "double quotes", "CR LF"});
        add("Loadingdatafromfile", {".tag", "TavoAlias.als", "overwritten without asking",
                                    "Select Unit from", "ends before its last", "first 100"});
        add("UnitCatalogue", {"TAVOUNIT.DAT", "Data Version"});
        add("HowToUseHelp", {"Back", "Contents", "Display"});
        add("contents", {"Tavo Calculator Help", "Brenlow"});
        add("index", {"TAVOUNIT.DAT", "short circuit"});
    }
    void TopicsOpenByContextString() {
        QFETCH(QString, topic);
        QFETCH(QStringList, phrases);
        QVERIFY(viewer_->ShowTopic(topic));
        QCOMPARE(viewer_->CurrentTopic(), topic);
        const QString text = PageText();
        for (const QString& phrase : phrases)
            QVERIFY2(text.contains(phrase), qPrintable(topic + ": " + phrase));
        // One topic at a time: the index's own heading is on no other page.
        if (topic != QStringLiteral("index") && topic != QStringLiteral("contents")) {
            QVERIFY2(!text.contains(QStringLiteral("Index\n.001 ... .100 network files")),
                     qPrintable(topic));
        }
    }

    // Every link of the contents page and of every topic page leads to a topic; Back walks
    // the way back.
    void LinksLeadToTopicsAndBackReturns() {
        viewer_->ShowContents();
        const QStringList contentsLinks = PageLinks();
        for (const char* required : {"#Tutorial", "#Calculator", "#PowerSupplies", "#Clock",
                                     "#Burden", "#Impedance", "#Limits", "#Projects", "#Printing",
                                     "#Loadingdatafromfile", "#HowToUseHelp", "#index"})
            QVERIFY2(contentsLinks.contains(QString::fromLatin1(required)), required);

        QStringList pages = contentsLinks;
        for (const QString& page : contentsLinks) {
            QVERIFY(viewer_->ShowTopic(page.mid(1)));
            for (const QString& link : PageLinks())
                if (!pages.contains(link)) pages << link;
        }
        for (const QString& link : pages) {
            QVERIFY2(link.startsWith(QLatin1Char('#')), qPrintable(link));
            viewer_->ShowContents();
            emit Browser()->anchorClicked(QUrl(link));
            QCOMPARE(viewer_->CurrentTopic(), link.mid(1));
        }

        QPushButton* back = Find<QPushButton>("btnBack");
        QVERIFY(back);
        viewer_->ShowContents();
        emit Browser()->anchorClicked(QUrl(QStringLiteral("#Tutorial")));
        emit Browser()->anchorClicked(QUrl(QStringLiteral("#Printing")));
        QVERIFY(back->isEnabled());
        back->click();
        QCOMPARE(viewer_->CurrentTopic(), QStringLiteral("Tutorial"));
        back->click();
        QCOMPARE(viewer_->CurrentTopic(), QStringLiteral("contents"));
        Find<QPushButton>("btnContents")->click();
        QCOMPARE(viewer_->CurrentTopic(), QStringLiteral("contents"));
    }

    // The index lists the file's keywords, and each one displays a topic of the file.
    void EveryIndexKeywordOpensATopic() {
        const QStringList keywords = viewer_->Keywords();
        QVERIFY2(keywords.size() >= 40, qPrintable(QString::number(keywords.size())));
        QStringList distinct = keywords;
        QCOMPARE(distinct.removeDuplicates(), qsizetype(0));
        for (const char* keyword : {"TAVOUNIT.DAT", "tutorial", "short circuit", "burden",
                                    "address limit", "Save network?"})
            QVERIFY2(keywords.contains(QString::fromLatin1(keyword)), keyword);

        viewer_->ShowIndex(QString());
        QListWidget* list = IndexList();
        QCOMPARE(list->count(), keywords.size());
        QCOMPARE(VisibleKeywords(), keywords);
        QCOMPARE(SelectedKeyword(), keywords.first());
        QPushButton* display = Find<QPushButton>("btnDisplay");
        QVERIFY(display);
        for (int row = 0; row < list->count(); ++row) {
            viewer_->ShowIndex(QString());
            list->setCurrentRow(row);
            display->click();
            const QString topic = viewer_->CurrentTopic();
            QVERIFY2(!topic.isEmpty() && topic != QStringLiteral("index"),
                     qPrintable(list->item(row)->text()));
            // It is a topic of the file, not the contents shown for an unknown one.
            QVERIFY2(viewer_->ShowTopic(topic), qPrintable(list->item(row)->text()));
        }
    }

    void TypingFiltersAndSelects() {
        viewer_->ShowIndex(QStringLiteral("burd"));
        QCOMPARE(viewer_->CurrentTopic(), QStringLiteral("index"));
        QLineEdit* field = KeywordField();
        QCOMPARE(field->text(), QStringLiteral("burd"));
        const QStringList visible = VisibleKeywords();
        QVERIFY(visible.size() >= 4);
        for (const QString& keyword : visible)
            QVERIFY2(keyword.contains(QStringLiteral("burd"), Qt::CaseInsensitive),
                     qPrintable(keyword));
        for (const QString& keyword : viewer_->Keywords())
            if (keyword.contains(QStringLiteral("burd"), Qt::CaseInsensitive))
                QVERIFY2(visible.contains(keyword), qPrintable(keyword));
        // "Add burden" comes first in the list, but "burden" is the keyword that begins so.
        QCOMPARE(visible.first(), QStringLiteral("Add burden"));
        QCOMPARE(SelectedKeyword(), QStringLiteral("burden"));

        // Typed letter by letter; the arrow keys move through what is left.
        field->clear();
        QTest::keyClicks(field, QStringLiteral("SHO"));
        QCOMPARE(VisibleKeywords(), QStringList({"Safe if short circuit", "short circuit",
                                                 "Unsafe if short circuit"}));
        QCOMPARE(SelectedKeyword(), QStringLiteral("short circuit"));
        QTest::keyClick(field, Qt::Key_Down);
        QCOMPARE(SelectedKeyword(), QStringLiteral("Unsafe if short circuit"));
        QTest::keyClick(field, Qt::Key_Up);
        QTest::keyClick(field, Qt::Key_Up);
        QCOMPARE(SelectedKeyword(), QStringLiteral("Safe if short circuit"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(viewer_->CurrentTopic(), QStringLiteral("PowerSupplies"));

        // Nothing matches: nothing is selected and Display does nothing.
        viewer_->ShowIndex(QStringLiteral("zzz"));
        QVERIFY(VisibleKeywords().isEmpty());
        QCOMPARE(IndexList()->currentItem(), nullptr);
        QVERIFY(!Find<QPushButton>("btnDisplay")->isEnabled());
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(viewer_->CurrentTopic(), QStringLiteral("index"));

        // The same keyword again still selects its first match.
        viewer_->ShowIndex(QStringLiteral("tavo"));
        IndexList()->setCurrentRow(IndexList()->count() - 1);
        viewer_->ShowIndex(QStringLiteral("tavo"));
        QCOMPARE(SelectedKeyword(), QStringLiteral("TAVO.INI"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(viewer_->CurrentTopic(), QStringLiteral("Loadingdatafromfile"));
    }

    void MissingFileSaysWhereItLooked() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // A file that was loaded before is forgotten when the next one is missing.
        QVERIFY(viewer_->ShowTopic(QStringLiteral("Tutorial")));
        QVERIFY(!viewer_->SetHelpFile(dir.path()));  // a directory is no help file
        QVERIFY(viewer_->Keywords().isEmpty());
        QVERIFY(!viewer_->ShowTopic(QStringLiteral("Tutorial")));
        QVERIFY(PageText().contains(dir.path()));

        const QString path = dir.filePath(QStringLiteral("TavoCalc.hlp"));
        viewer_ = std::make_unique<THelpViewer>(&owner_);  // never given a file it could read
        QVERIFY(!viewer_->SetHelpFile(path));
        QVERIFY(viewer_->Keywords().isEmpty());

        viewer_->ShowContents();
        QVERIFY(PageText().contains(QStringLiteral("\"") + path + QStringLiteral("\"")));
        QVERIFY(PageText().contains(QStringLiteral("cannot be found")));
        QVERIFY(viewer_->CurrentTopic().isEmpty());
        QVERIFY(!viewer_->ShowTopic(QStringLiteral("Tutorial")));
        QVERIFY(PageText().contains(path));
        viewer_->ShowIndex(QStringLiteral("burden"));
        QVERIFY(PageText().contains(path));
        QCOMPARE(IndexList()->count(), 0);
        viewer_->ShowHelpOnHelp();
        QVERIFY(PageText().contains(path));
        QVERIFY(!Find<QPushButton>("btnBack")->isEnabled());
    }

    // The viewer reads any help file in the same layout, not only the one it ships with.
    void OtherHelpFilesInTheSameLayout() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("Other.hlp"));
        tavo::testing::WriteBytes(
            path.toStdString(),
            "<html><head><style>h2 { color: red; }</style></head><BODY>\n"
            "<!-- <section id=\"Hidden\">commented out</section> -->\n"
            "<section id=\"contents\"><h2>Start</h2><a href='#First'>one</a></section>\n"
            "<SECTION class=\"topic\" id='First'><p>First topic \xc3\xa9t\xc3\xa9</p>"
            "</SECTION>\n"
            "<section id=\"index\"><ul>\n"
            "<li><a href=\"#First\">save <b>&amp;</b> exit</a></li>\n"
            "<li><a class=\"k\" href=\"#Gone\">lost   keyword</a></li>\n"
            "</ul></section></BODY></html>\n");
        QVERIFY(viewer_->SetHelpFile(path));
        QCOMPARE(viewer_->Keywords(), QStringList({"save & exit", "lost keyword"}));
        QVERIFY(viewer_->ShowTopic(QStringLiteral("First")));
        QVERIFY(PageText().contains(QString::fromUtf8("First topic \xc3\xa9t\xc3\xa9")));
        QVERIFY(!viewer_->ShowTopic(QStringLiteral("Hidden")));
        QCOMPARE(viewer_->CurrentTopic(), QStringLiteral("contents"));

        // A keyword whose topic is missing shows the contents.
        viewer_->ShowIndex(QStringLiteral("lost"));
        QTest::keyClick(KeywordField(), Qt::Key_Return);
        QCOMPARE(viewer_->CurrentTopic(), QStringLiteral("contents"));

        // Without sections the whole document is the contents.
        tavo::testing::WriteBytes(path.toStdString(),
                                  "<html><body><p>Only one page</p></body></html>");
        QVERIFY(viewer_->SetHelpFile(path));
        viewer_->ShowContents();
        QVERIFY(PageText().contains(QStringLiteral("Only one page")));
        QVERIFY(viewer_->Keywords().isEmpty());
        QVERIFY(!viewer_->ShowTopic(QStringLiteral("Tutorial")));
        QVERIFY(PageText().contains(QStringLiteral("Only one page")));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"
