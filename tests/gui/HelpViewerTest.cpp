// The help window over the real help file data/TavoCalc.hlp: every topic the program opens by
// its context string, the keyword index and its filtering, the contents links and Back, and
// what the window says when the file is missing.
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include "components/HelpViewer.h"

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

QTextBrowser* Browser(THelpViewer& viewer) {
    return viewer.findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
}
QLineEdit* KeywordField(THelpViewer& viewer) {
    return viewer.findChild<QLineEdit*>(QStringLiteral("HelpKeyword"));
}
QListWidget* IndexList(THelpViewer& viewer) {
    return viewer.findChild<QListWidget*>(QStringLiteral("HelpIndex"));
}
QPushButton* Button(THelpViewer& viewer, const char* name) {
    return viewer.findChild<QPushButton*>(QString::fromLatin1(name));
}
QString PageText(THelpViewer& viewer) {
    return Browser(viewer)->toPlainText();
}

// The targets of the links on the page shown.
QStringList PageLinks(THelpViewer& viewer) {
    QStringList links;
    const QTextDocument* document = Browser(viewer)->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            if (!href.isEmpty() && !links.contains(href)) links << href;
        }
    }
    return links;
}

QStringList VisibleKeywords(THelpViewer& viewer) {
    QStringList visible;
    QListWidget* list = IndexList(viewer);
    for (int row = 0; row < list->count(); ++row) {
        if (!list->item(row)->isHidden()) visible << list->item(row)->text();
    }
    return visible;
}

QString SelectedKeyword(THelpViewer& viewer) {
    QListWidgetItem* item = IndexList(viewer)->currentItem();
    return item != nullptr ? item->text() : QString();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY2(!HelpFilePath().isEmpty(), "set TAVO_HELP_FILE to data/TavoCalc.hlp");
        QVERIFY2(QFile::exists(HelpFilePath()), qPrintable(HelpFilePath()));
    }

    void WindowIsANonModalHelpWindow() {
        QWidget owner;
        auto* viewer = new THelpViewer(&owner);
        QCOMPARE(viewer->objectName(), QStringLiteral("HelpViewer"));
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Tavo Calculator Help"));
        QVERIFY(viewer->isWindow());
        QVERIFY(Browser(*viewer) && KeywordField(*viewer) && IndexList(*viewer));
        QVERIFY(viewer->SetHelpFile(HelpFilePath()));
        QCOMPARE(viewer->HelpFile(), HelpFilePath());
        viewer->ShowContents();
        QVERIFY(viewer->isVisible());
        QVERIFY(!viewer->isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
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
        THelpViewer viewer;
        QVERIFY(viewer.SetHelpFile(HelpFilePath()));
        QVERIFY(viewer.ShowTopic(topic));
        QCOMPARE(viewer.CurrentTopic(), topic);
        const QString text = PageText(viewer);
        for (const QString& phrase : phrases)
            QVERIFY2(text.contains(phrase), qPrintable(topic + ": " + phrase));
        // One topic at a time: the index's own heading is on no other page.
        if (topic != QStringLiteral("index") && topic != QStringLiteral("contents")) {
            QVERIFY2(!text.contains(QStringLiteral("Index\n.001 ... .100 network files")),
                     qPrintable(topic));
        }
    }

    void HelpOnHelpContentsAndUnknownTopics() {
        THelpViewer viewer;
        QVERIFY(viewer.SetHelpFile(HelpFilePath()));
        viewer.ShowHelpOnHelp();
        QCOMPARE(viewer.CurrentTopic(), QStringLiteral("HowToUseHelp"));
        viewer.ShowContents();
        QCOMPARE(viewer.CurrentTopic(), QStringLiteral("contents"));

        QVERIFY(viewer.ShowTopic(QStringLiteral("Printing")));
        QVERIFY(!viewer.ShowTopic(QStringLiteral("NoSuchTopic")));
        QCOMPARE(viewer.CurrentTopic(), QStringLiteral("contents"));
        QVERIFY(PageText(viewer).contains(QStringLiteral("Tutorial: designing a network")));
        QVERIFY(!viewer.ShowTopic(QString()));
        QCOMPARE(viewer.CurrentTopic(), QStringLiteral("contents"));

        // Context strings are not case-sensitive.
        QVERIFY(viewer.ShowTopic(QStringLiteral("loadingdatafromfile")));
        QCOMPARE(viewer.CurrentTopic(), QStringLiteral("Loadingdatafromfile"));
    }

    // Every link of the contents page and of every topic page leads to a topic; Back walks
    // the way back.
    void LinksLeadToTopicsAndBackReturns() {
        THelpViewer viewer;
        QVERIFY(viewer.SetHelpFile(HelpFilePath()));
        viewer.ShowContents();
        const QStringList contentsLinks = PageLinks(viewer);
        for (const char* required : {"#Tutorial", "#Calculator", "#PowerSupplies", "#Clock",
                                     "#Burden", "#Impedance", "#Limits", "#Projects", "#Printing",
                                     "#Loadingdatafromfile", "#HowToUseHelp", "#index"}) {
            QVERIFY2(contentsLinks.contains(QString::fromLatin1(required)), required);
        }

        QStringList pages = contentsLinks;
        for (const QString& page : contentsLinks) {
            QVERIFY(viewer.ShowTopic(page.mid(1)));
            for (const QString& link : PageLinks(viewer)) {
                if (!pages.contains(link)) pages << link;
            }
        }
        for (const QString& link : pages) {
            QVERIFY2(link.startsWith(QLatin1Char('#')), qPrintable(link));
            viewer.ShowContents();
            emit Browser(viewer)->anchorClicked(QUrl(link));
            QCOMPARE(viewer.CurrentTopic(), link.mid(1));
        }

        QPushButton* back = Button(viewer, "btnBack");
        QVERIFY(back);
        viewer.ShowContents();
        emit Browser(viewer)->anchorClicked(QUrl(QStringLiteral("#Tutorial")));
        emit Browser(viewer)->anchorClicked(QUrl(QStringLiteral("#Printing")));
        QVERIFY(back->isEnabled());
        back->click();
        QCOMPARE(viewer.CurrentTopic(), QStringLiteral("Tutorial"));
        back->click();
        QCOMPARE(viewer.CurrentTopic(), QStringLiteral("contents"));
        Button(viewer, "btnContents")->click();
        QCOMPARE(viewer.CurrentTopic(), QStringLiteral("contents"));
    }

    // The index lists the file's keywords, and each one displays a topic of the file.
    void EveryIndexKeywordOpensATopic() {
        THelpViewer viewer;
        QVERIFY(viewer.SetHelpFile(HelpFilePath()));
        const QStringList keywords = viewer.Keywords();
        QVERIFY2(keywords.size() >= 40, qPrintable(QString::number(keywords.size())));
        QStringList distinct = keywords;
        QCOMPARE(distinct.removeDuplicates(), qsizetype(0));
        for (const char* keyword : {"TAVOUNIT.DAT", "tutorial", "short circuit", "burden",
                                    "address limit", "Save network?"}) {
            QVERIFY2(keywords.contains(QString::fromLatin1(keyword)), keyword);
        }

        viewer.ShowIndex(QString());
        QListWidget* list = IndexList(viewer);
        QCOMPARE(list->count(), keywords.size());
        QCOMPARE(VisibleKeywords(viewer), keywords);
        QCOMPARE(SelectedKeyword(viewer), keywords.first());
        QPushButton* display = Button(viewer, "btnDisplay");
        QVERIFY(display);
        for (int row = 0; row < list->count(); ++row) {
            viewer.ShowIndex(QString());
            list->setCurrentRow(row);
            display->click();
            const QString topic = viewer.CurrentTopic();
            QVERIFY2(!topic.isEmpty() && topic != QStringLiteral("index"),
                     qPrintable(list->item(row)->text()));
            // It is a topic of the file, not the contents shown for an unknown one.
            QVERIFY2(viewer.ShowTopic(topic), qPrintable(list->item(row)->text()));
        }
    }

    void TypingFiltersAndSelects() {
        THelpViewer viewer;
        QVERIFY(viewer.SetHelpFile(HelpFilePath()));
        viewer.ShowIndex(QStringLiteral("burd"));
        QCOMPARE(viewer.CurrentTopic(), QStringLiteral("index"));
        QLineEdit* field = KeywordField(viewer);
        QCOMPARE(field->text(), QStringLiteral("burd"));
        const QStringList visible = VisibleKeywords(viewer);
        QVERIFY(visible.size() >= 4);
        for (const QString& keyword : visible)
            QVERIFY2(keyword.contains(QStringLiteral("burd"), Qt::CaseInsensitive),
                     qPrintable(keyword));
        for (const QString& keyword : viewer.Keywords()) {
            if (keyword.contains(QStringLiteral("burd"), Qt::CaseInsensitive))
                QVERIFY2(visible.contains(keyword), qPrintable(keyword));
        }
        // "Add burden" comes first in the list, but "burden" is the keyword that begins so.
        QCOMPARE(visible.first(), QStringLiteral("Add burden"));
        QCOMPARE(SelectedKeyword(viewer), QStringLiteral("burden"));

        // Typed letter by letter; the arrow keys move through what is left.
        field->clear();
        QTest::keyClicks(field, QStringLiteral("SHO"));
        QCOMPARE(VisibleKeywords(viewer), QStringList({"Safe if short circuit", "short circuit",
                                                       "Unsafe if short circuit"}));
        QCOMPARE(SelectedKeyword(viewer), QStringLiteral("short circuit"));
        QTest::keyClick(field, Qt::Key_Down);
        QCOMPARE(SelectedKeyword(viewer), QStringLiteral("Unsafe if short circuit"));
        QTest::keyClick(field, Qt::Key_Up);
        QTest::keyClick(field, Qt::Key_Up);
        QCOMPARE(SelectedKeyword(viewer), QStringLiteral("Safe if short circuit"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(viewer.CurrentTopic(), QStringLiteral("PowerSupplies"));

        // Nothing matches: nothing is selected and Display does nothing.
        viewer.ShowIndex(QStringLiteral("zzz"));
        QVERIFY(VisibleKeywords(viewer).isEmpty());
        QCOMPARE(IndexList(viewer)->currentItem(), nullptr);
        QVERIFY(!Button(viewer, "btnDisplay")->isEnabled());
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(viewer.CurrentTopic(), QStringLiteral("index"));

        // The same keyword again still selects its first match.
        viewer.ShowIndex(QStringLiteral("tavo"));
        IndexList(viewer)->setCurrentRow(IndexList(viewer)->count() - 1);
        viewer.ShowIndex(QStringLiteral("tavo"));
        QCOMPARE(SelectedKeyword(viewer), QStringLiteral("TAVO.INI"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(viewer.CurrentTopic(), QStringLiteral("Loadingdatafromfile"));
    }

    void MissingFileSaysWhereItLooked() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("TavoCalc.hlp"));
        THelpViewer viewer;
        QVERIFY(!viewer.SetHelpFile(path));
        QVERIFY(viewer.Keywords().isEmpty());

        viewer.ShowContents();
        QVERIFY(PageText(viewer).contains(QStringLiteral("\"") + path + QStringLiteral("\"")));
        QVERIFY(PageText(viewer).contains(QStringLiteral("cannot be found")));
        QVERIFY(viewer.CurrentTopic().isEmpty());
        QVERIFY(!viewer.ShowTopic(QStringLiteral("Tutorial")));
        QVERIFY(PageText(viewer).contains(path));
        viewer.ShowIndex(QStringLiteral("burden"));
        QVERIFY(PageText(viewer).contains(path));
        QCOMPARE(IndexList(viewer)->count(), 0);
        viewer.ShowHelpOnHelp();
        QVERIFY(PageText(viewer).contains(path));
        QVERIFY(!Button(viewer, "btnBack")->isEnabled());

        // A file that was loaded before is forgotten when the next one is missing.
        QVERIFY(viewer.SetHelpFile(HelpFilePath()));
        QVERIFY(viewer.ShowTopic(QStringLiteral("Tutorial")));
        QVERIFY(!viewer.SetHelpFile(dir.path()));  // a directory is no help file
        QVERIFY(viewer.Keywords().isEmpty());
        QVERIFY(!viewer.ShowTopic(QStringLiteral("Tutorial")));
        QVERIFY(PageText(viewer).contains(dir.path()));
    }

    // The viewer reads any help file in the same layout, not only the one it ships with.
    void OtherHelpFilesInTheSameLayout() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("Other.hlp"));
        WriteFile(path,
                  "<html><head><style>h2 { color: red; }</style></head><BODY>\n"
                  "<!-- <section id=\"Hidden\">commented out</section> -->\n"
                  "<section id=\"contents\"><h2>Start</h2><a href='#First'>one</a></section>\n"
                  "<SECTION class=\"topic\" id='First'><p>First topic \xc3\xa9t\xc3\xa9</p>"
                  "</SECTION>\n"
                  "<section id=\"index\"><ul>\n"
                  "<li><a href=\"#First\">save <b>&amp;</b> exit</a></li>\n"
                  "<li><a class=\"k\" href=\"#Gone\">lost   keyword</a></li>\n"
                  "</ul></section></BODY></html>\n");
        THelpViewer viewer;
        QVERIFY(viewer.SetHelpFile(path));
        QCOMPARE(viewer.Keywords(), QStringList({"save & exit", "lost keyword"}));
        QVERIFY(viewer.ShowTopic(QStringLiteral("First")));
        QVERIFY(PageText(viewer).contains(QString::fromUtf8("First topic \xc3\xa9t\xc3\xa9")));
        QVERIFY(!viewer.ShowTopic(QStringLiteral("Hidden")));
        QCOMPARE(viewer.CurrentTopic(), QStringLiteral("contents"));

        // A keyword whose topic is missing shows the contents.
        viewer.ShowIndex(QStringLiteral("lost"));
        QTest::keyClick(KeywordField(viewer), Qt::Key_Return);
        QCOMPARE(viewer.CurrentTopic(), QStringLiteral("contents"));

        // Without sections the whole document is the contents.
        WriteFile(path, "<html><body><p>Only one page</p></body></html>");
        QVERIFY(viewer.SetHelpFile(path));
        viewer.ShowContents();
        QVERIFY(PageText(viewer).contains(QStringLiteral("Only one page")));
        QVERIFY(viewer.Keywords().isEmpty());
        QVERIFY(!viewer.ShowTopic(QStringLiteral("Tutorial")));
        QVERIFY(PageText(viewer).contains(QStringLiteral("Only one page")));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"
