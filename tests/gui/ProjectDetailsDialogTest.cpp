// The project details dialog through its real controls, every box and file dialog scripted:
// change flags, limits, networks, the notes warning, import, the caret and the layout.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QToolButton>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "platform/Directories.h"
#include "project/ProjectDetailsDialog.h"
#include "project/ProjectFile.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

using tavo::ProjectDetails;
using tavo::testing::ScriptedPrompts;
using Shown = ScriptedPrompts::Shown;

namespace {

struct FieldCase {
    const char* Name;
    const char* Label;
    std::string ProjectDetails::*Value;
    int Limit;
    bool UpperCase;
};

// The text fields in the order of the keyboard focus.
const FieldCase kFields[] = {
    {"InstName", "Name:", &ProjectDetails::InstallerName, 80, false},
    {"InstComp", "Company:", &ProjectDetails::InstallerCompany, 60, false},
    {"InstAddr", "Address:", &ProjectDetails::InstallerAddress, 60, false},
    {"InstCity", "City:", &ProjectDetails::InstallerCity, 60, false},
    {"InstState", "State:", &ProjectDetails::InstallerState, 20, false},
    {"InstPost", "Postcode:", &ProjectDetails::InstallerPostcode, 20, false},
    {"InstPhone", "Phone:", &ProjectDetails::InstallerPhone, 60, true},
    {"InstMobile", "Mobile:", &ProjectDetails::InstallerMobile, 60, true},
    {"InstFax", "Fax:", &ProjectDetails::InstallerFax, 60, true},
    {"InstEmail", "E-mail:", &ProjectDetails::InstallerEmail, 60, false},
    {"InstWeb", "Web site:", &ProjectDetails::InstallerWebsite, 60, false},
    {"ProjName", "Project name:", &ProjectDetails::ProjectName, 100, false},
    {"ProjLocation", "Location:", &ProjectDetails::ProjectLocation, 100, false},
    {"ProjConsult", "Consultant:", &ProjectDetails::ProjectConsultant, 100, false},
    {"ProjArch", "Architect:", &ProjectDetails::ProjectArchitect, 100, false},
    {"ProjOwner", "Owner:", &ProjectDetails::ProjectOwner, 100, false},
};

const Shown kNotesWarning = {tavo::MessageKind::Warning,
                             "Tavo Calculator will be unable to print more text", false};

ProjectDetails ProjectInState() {
    ProjectDetails d;
    d.InstallerName = "Old Installer";
    d.InstallerCompany = "Old Company";
    d.InstallerPhone = "02 5550 0000";
    d.ProjectName = "Harbour offices";
    d.ProjectLocation = "Level 3";
    d.ProjectOwner = "Port Trust";
    d.NetworkCount = 3;
    d.Notes = {"Cable in riser 2", "", "last"};
    return d;
}

std::vector<std::string> NumberedLines(int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i) lines.push_back("line " + std::to_string(i));
    return lines;
}

}  // namespace

class ProjectDetailsDialogTest : public QObject {
    Q_OBJECT

  private:
    struct Fixture {  // built afresh for each test, torn down in reverse order
        tavo::testing::TempDir dir;
        ScriptedPrompts prompts;
        tavo::AppState state{prompts};
        tavo::TProjForm dialog{state, nullptr};
    };
    std::unique_ptr<Fixture> f_;

    template <class Control>
    Control* Find(const char* name) {
        return f_->dialog.findChild<Control*>(QString::fromLatin1(name));
    }
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }
    QSpinBox* Count() { return Find<QSpinBox>("edtNetworkCount"); }
    QLineEdit* CountText() { return Count()->findChild<QLineEdit*>(); }
    QPlainTextEdit* Notes() { return Find<QPlainTextEdit>("ProjNotes"); }
    QPushButton* Close() { return Find<QPushButton>("BUTTok"); }
    QToolButton* Import() { return Find<QToolButton>("BUTTimport"); }
    QLabel* LabelOf(QWidget* control) {
        for (QLabel* label : f_->dialog.findChildren<QLabel*>())
            if (label->buddy() == control) return label;
        return nullptr;
    }
    QLabel* LabelWithText(const QString& text) {
        for (QLabel* label : f_->dialog.findChildren<QLabel*>())
            if (label->text() == text) return label;
        return nullptr;
    }
    void ShowActive() {
        f_->dialog.show();
        f_->dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f_->dialog));
    }
    // The control that has the keyboard focus, by name (the spin field's inner editor
    // answers for the spin field).
    static QString FocusName() {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr) return QString();
        if (focus->objectName().isEmpty() && focus->parentWidget() != nullptr)
            return focus->parentWidget()->objectName();
        return focus->objectName();
    }
    void Refresh(const ProjectDetails& details) {
        f_->state.Project = details;
        f_->dialog.RefreshFromDetails();
        f_->state.Window.ProjectSaved = true;
    }
    // Puts the notes caret on the given line (1-based) and column by the keyboard.
    void NotesCaretTo(int line, int column) {
        QTest::keyClick(Notes(), Qt::Key_Home, Qt::ControlModifier);
        for (int i = 1; i < line; ++i) QTest::keyClick(Notes(), Qt::Key_Down);
        for (int i = 0; i < column; ++i) QTest::keyClick(Notes(), Qt::Key_Right);
        QCOMPARE(Notes()->textCursor().blockNumber(), line - 1);
        QCOMPARE(Notes()->textCursor().positionInBlock(), column);
    }
    // Typing beyond ASCII: the key of a Latin-1 letter carries its capital's code.
    static void TypeLatin1(QWidget* widget, const QString& text) {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(c.toUpper().unicode()),
                                QString(c), Qt::NoModifier);
    }
    void ChooseImportFile(const std::string& path) {
        f_->prompts.files.push_back(path);
        QTest::mouseClick(Import(), Qt::LeftButton);
        QVERIFY(f_->prompts.files.empty());
    }

  private slots:
    void init() { f_ = std::make_unique<Fixture>(); }
    void cleanup() { f_.reset(); }

    void showsEveryControlWithItsLabelInFocusOrder() {
        QCOMPARE(f_->dialog.objectName(), QStringLiteral("ProjForm"));
        QCOMPARE(f_->dialog.windowTitle(), QStringLiteral("Tavo Project Details"));
        QVERIFY(!f_->dialog.isModal());
        QVERIFY(!f_->dialog.isVisible());
        QCOMPARE(f_->dialog.size(), QSize(526, 416));
        // Created with empty fields and one network.
        for (const FieldCase& f : kFields) {
            QLineEdit* edit = Edit(f.Name);
            QVERIFY2(edit != nullptr, f.Name);
            QCOMPARE(edit->text(), QString());
            QCOMPARE(edit->maxLength(), f.Limit);
            QVERIFY2(LabelOf(edit) != nullptr, f.Name);
            QCOMPARE(LabelOf(edit)->text(), QString::fromLatin1(f.Label));
        }
        QCOMPARE(Count()->value(), 1);
        QCOMPARE(Count()->minimum(), 1);
        QCOMPARE(Count()->maximum(), 100);
        QCOMPARE(LabelOf(Count())->text(), QStringLiteral("Number of Tavo networks:"));
        QCOMPARE(LabelOf(Notes())->text(), QStringLiteral("Notes:"));
        QCOMPARE(Close()->text(), QStringLiteral("Close"));
        QCOMPARE(Import()->toolTip(), QStringLiteral("Import Details from other project"));
        QVERIFY(!Import()->icon().isNull());
        QVERIFY(f_->state.Window.ProjectSaved);

        for (const char* heading : {"Installer Details", "Project Details"}) {
            QLabel* label = LabelWithText(QString::fromLatin1(heading));
            QVERIFY2(label != nullptr, heading);
            QVERIFY(label->font().bold());
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        }

        ShowActive();
        const QStringList order = {
            "InstName",  "InstComp",     "InstAddr",    "InstCity",  "InstState", "InstPost",
            "InstPhone", "InstMobile",   "InstFax",     "InstEmail", "InstWeb",   "edtNetworkCount",
            "ProjName",  "ProjLocation", "ProjConsult", "ProjArch",  "ProjOwner", "ProjNotes",
            "BUTTok",    "BUTTimport",   "InstName"};
        Edit("InstName")->setFocus(Qt::OtherFocusReason);
        QStringList visited = {FocusName()};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << FocusName();
        }
        QCOMPARE(visited, order);
        // Walking the fields changes nothing.
        QVERIFY(f_->state.Window.ProjectSaved);
        QVERIFY(f_->prompts.shown.empty());
    }

    void typingInAnyFieldStoresItUpToTheLimitAndMarksTheProjectChanged() {
        for (const FieldCase& f : kFields) {
            f_->state.Window.ProjectSaved = true;
            QTest::keyClicks(Edit(f.Name), QStringLiteral("ab 1"));
            QVERIFY2(!f_->state.Window.ProjectSaved, f.Name);
            const std::string typed = f.UpperCase ? "AB 1" : "ab 1";
            QCOMPARE(f_->state.Project.*f.Value, typed);
            QTest::keyClicks(Edit(f.Name), QString(f.Limit, QLatin1Char('7')));
            QCOMPARE(Edit(f.Name)->text().size(), f.Limit);
            QCOMPARE(f_->state.Project.*f.Value, typed + std::string(f.Limit - typed.size(), '7'));
        }
        f_->state.Window.ProjectSaved = true;
        QTest::keyClicks(Notes(), QStringLiteral("first"));
        QTest::keyClick(Notes(), Qt::Key_Return);
        QTest::keyClick(Notes(), Qt::Key_Return);
        QTest::keyClicks(Notes(), QStringLiteral("third"));
        QVERIFY(!f_->state.Window.ProjectSaved);
        QCOMPARE(f_->state.Project.Notes, (std::vector<std::string>{"first", "", "third"}));
        // Deleting everything leaves no notes at all.
        QTest::keyClick(Notes(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Notes(), Qt::Key_Delete);
        QVERIFY(f_->state.Project.Notes.empty());
        QVERIFY(f_->prompts.shown.empty());
    }

    void refreshShowsTheDetailsWithoutMarkingThemChanged() {
        ProjectDetails details = ProjectInState();
        details.InstallerName = std::string(120, 'n');  // longer than typing allows
        details.InstallerFax = "fax ext. 12";           // lower case as the file holds it
        details.ProjectArchitect = "M\xFCller & S\xF6hne";
        details.NetworkCount = 5;
        f_->state.Project = details;
        f_->state.Window.NetworkCount = 1;
        f_->dialog.RefreshFromDetails();

        QVERIFY(f_->state.Window.ProjectSaved);
        QCOMPARE(f_->state.Window.NetworkCount, 1);
        QCOMPARE(f_->state.Project, details);
        QCOMPARE(Edit("InstName")->text(), QString(120, QLatin1Char('n')));
        QCOMPARE(Edit("InstFax")->text(), QStringLiteral("fax ext. 12"));
        QCOMPARE(Edit("ProjArch")->text(), QStringLiteral("M\u00FCller & S\u00F6hne"));
        QCOMPARE(Edit("ProjName")->text(), QStringLiteral("Harbour offices"));
        QCOMPARE(Count()->value(), 5);
        QCOMPARE(Notes()->toPlainText(), QStringLiteral("Cable in riser 2\n\nlast"));

        // The long value may be shortened, but typing cannot lengthen it again.
        QLineEdit* name = Edit("InstName");
        name->end(false);
        QTest::keyClicks(name, QStringLiteral("x"));
        QCOMPARE(name->text().size(), 120);
        QVERIFY(f_->state.Window.ProjectSaved);
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClicks(name, QStringLiteral("xy"));
        QCOMPARE(f_->state.Project.InstallerName, std::string(119, 'n'));
        QVERIFY(!f_->state.Window.ProjectSaved);
        // Loading short values brings the typed limit back.
        Refresh(ProjectInState());
        QCOMPARE(name->maxLength(), 80);
    }

    void phoneNumbersTakeTypedLettersInUpperCase() {
        // Latin-1 letters follow; the micro sign has no capital in the code page and stays.
        for (const char* name : {"InstPhone", "InstMobile", "InstFax"}) {
            TypeLatin1(Edit(name), QStringLiteral("ext \u00E9\u00B5 5"));
            QCOMPARE(Edit(name)->text(), QStringLiteral("EXT \u00C9\u00B5 5"));
        }
        QCOMPARE(f_->state.Project.InstallerPhone, std::string("EXT \xC9\xB5 5"));
    }

    void numberOfNetworksStaysWithinOneToHundred() {
        ShowActive();
        QSpinBox* count = Count();
        count->setFocus(Qt::OtherFocusReason);

        // The number counts at once, within the range, while it is typed.
        count->selectAll();
        QTest::keyClicks(count, QStringLiteral("4"));
        QCOMPARE(f_->state.Window.NetworkCount, 4);
        QCOMPARE(f_->state.Project.NetworkCount, 4);
        QVERIFY(!f_->state.Window.ProjectSaved);

        count->selectAll();
        QTest::keyClicks(count, QStringLiteral("150"));
        QCOMPARE(CountText()->text(), QStringLiteral("150"));
        QCOMPARE(f_->state.Window.NetworkCount, 100);
        QTest::keyClick(count, Qt::Key_Tab);  // leave the field
        QCOMPARE(FocusName(), QStringLiteral("ProjName"));
        QCOMPARE(count->value(), 100);
        QCOMPARE(CountText()->text(), QStringLiteral("100"));
        QCOMPARE(f_->state.Project.NetworkCount, 100);
        QTest::keyClick(count, Qt::Key_Up);
        QCOMPARE(count->value(), 100);

        const struct {
            const char* Typed;
            int Value;
        } cases[] = {{"0", 1}, {"", 1}, {"007", 7}, {"1234", 100}, {"x", 1}};
        for (const auto& c : cases) {
            count->setFocus(Qt::OtherFocusReason);
            count->selectAll();
            QTest::keyClick(count, Qt::Key_Delete);
            QTest::keyClicks(count, QString::fromLatin1(c.Typed));
            Edit("ProjName")->setFocus(Qt::TabFocusReason);
            QCOMPARE(count->value(), c.Value);
            QCOMPARE(CountText()->text(), QString::number(c.Value));
            QCOMPARE(f_->state.Window.NetworkCount, c.Value);
            QCOMPARE(f_->state.Project.NetworkCount, c.Value);
        }
        // The arrows change it too, with the same effect.
        f_->state.Window.ProjectSaved = true;
        QTest::keyClick(count, Qt::Key_Up);
        QCOMPARE(f_->state.Window.NetworkCount, 2);
        QVERIFY(!f_->state.Window.ProjectSaved);
    }

    void notesWarnWhenTheCaretIsBeyondLine36() {
        ProjectDetails details;
        details.Notes = NumberedLines(40);
        Refresh(details);

        // Within the first 36 lines nothing is said.
        NotesCaretTo(1, 0);
        QTest::keyClicks(Notes(), QStringLiteral("a"));
        NotesCaretTo(36, 7);  // end of "line 36"
        QTest::keyClicks(Notes(), QStringLiteral("b"));
        // Nor at the very start of line 37.
        NotesCaretTo(37, 0);
        QTest::keyClicks(Notes(), QStringLiteral("c"));
        QVERIFY(f_->prompts.shown.empty());

        // Past its first position every key warns, and the key still goes in.
        QTest::keyClicks(Notes(), QStringLiteral("d"));
        QCOMPARE(f_->prompts.shown, std::vector<Shown>{kNotesWarning});
        QTest::keyClick(Notes(), Qt::Key_End);
        QTest::keyClicks(Notes(), QStringLiteral("e"));
        QCOMPARE(f_->prompts.shown,
                 (std::vector<Shown>{kNotesWarning, kNotesWarning, kNotesWarning}));

        std::vector<std::string> expected = NumberedLines(40);
        expected[0] = "aline 1";
        expected[35] = "line 36b";
        expected[36] = "cdline 37e";
        QCOMPARE(f_->state.Project.Notes, expected);
        QVERIFY(!f_->state.Window.ProjectSaved);

        // Line 37 counts from the line breaks, not from the width of the lines: empty lines
        // take their place as well.
        details.Notes = std::vector<std::string>(38, std::string());
        Refresh(details);
        f_->prompts.shown.clear();
        NotesCaretTo(37, 0);
        QTest::keyClicks(Notes(), QStringLiteral("f"));
        QVERIFY(f_->prompts.shown.empty());
        QTest::keyClicks(Notes(), QStringLiteral("g"));
        QCOMPARE(f_->prompts.shown, std::vector<Shown>{kNotesWarning});
        QCOMPARE(f_->state.Project.Notes[36], std::string("fg"));
    }

    void mousePressInTheNotesNeverWarns() {
        ProjectDetails details;
        details.Notes = NumberedLines(40);
        Refresh(details);
        ShowActive();
        QPlainTextEdit* notes = Notes();
        QTextCursor cursor(notes->document()->findBlockByNumber(38));
        cursor.movePosition(QTextCursor::EndOfBlock);
        notes->setTextCursor(cursor);
        notes->ensureCursorVisible();
        const QPoint onLine39 = notes->cursorRect().center();
        QTest::mouseClick(notes->viewport(), Qt::LeftButton, {}, onLine39);
        QTest::mouseClick(notes->viewport(), Qt::LeftButton, {}, onLine39 - QPoint(10, 0));
        QVERIFY(f_->prompts.shown.empty());
        QCOMPARE(notes->textCursor().blockNumber(), 38);
        // The caret stands where a key would warn.
        QTest::keyClick(notes, Qt::Key_Left);
        QCOMPARE(f_->prompts.shown, std::vector<Shown>{kNotesWarning});
    }

    void importTakesOnlyTheInstallerDetails() {
        Refresh(ProjectInState());
        ProjectDetails other;
        other.InstallerName = "Anna Berg";
        other.InstallerCompany = "Berg Electric";
        other.InstallerAddress = "12 Quay Road";
        other.InstallerCity = "Harbourton";
        other.InstallerState = "NSW";
        other.InstallerPostcode = "2999";
        other.InstallerPhone = "02 5550 1234";
        other.InstallerMobile = "0400 555 123";
        other.InstallerEmail = "anna@berg.example";
        other.InstallerWebsite = "www.berg.example";
        other.ProjectName = "Other project";
        other.ProjectOwner = "Somebody else";
        other.NetworkCount = 9;
        other.Notes = {"other notes"};
        const std::string path = f_->dir.File("other.tav");
        tavo::WriteProjectFile(other, path);

        ChooseImportFile(path);

        QCOMPARE(f_->prompts.dialogs.size(), std::size_t{1});
        const tavo::FileDialogRequest& request = f_->prompts.dialogs.front();
        QCOMPARE(request.Title, std::string("Import Installer Details"));
        QCOMPARE(request.Filter, std::string("Tavo project|*.tav|All files|*.*"));
        QCOMPARE(request.DefaultExtension, std::string("tav"));
        QCOMPARE(request.Directory, tavo::ProgramDirectory());
        QVERIFY(request.MustExist);

        ProjectDetails expected = ProjectInState();
        for (int i = 0; i < 11; ++i) expected.*kFields[i].Value = other.*kFields[i].Value;
        QCOMPARE(f_->state.Project, expected);
        QVERIFY(!f_->state.Window.ProjectSaved);
        QVERIFY(f_->prompts.shown.empty());
        // The dialog shows what was imported and keeps the rest.
        QCOMPARE(Edit("InstName")->text(), QStringLiteral("Anna Berg"));
        QCOMPARE(Edit("InstFax")->text(), QString());
        QCOMPARE(Edit("ProjName")->text(), QStringLiteral("Harbour offices"));
        QCOMPARE(Count()->value(), 3);
        QCOMPARE(Notes()->toPlainText(), QStringLiteral("Cable in riser 2\n\nlast"));
    }

    void importFromADamagedFileChangesNoFieldButMarksTheProject() {
        Refresh(ProjectInState());
        const std::string path = f_->dir.File("damaged.tav");
        tavo::testing::WriteBytes(
            path, tavo::testing::CrLf({"    ------------------- Tavo Project ------------------",
                                       "*** Installer Details ***", "       name:\tAnna Berg",
                                       "    Company:\tBerg Electric"}));
        ChooseImportFile(path);
        QCOMPARE(f_->prompts.shown,
                 (std::vector<Shown>{
                     {tavo::MessageKind::Error, "File is corrupted, data ignored", false}}));
        QCOMPARE(f_->state.Project, ProjectInState());
        QCOMPARE(Edit("InstName")->text(), QStringLiteral("Old Installer"));
        QCOMPARE(Edit("InstComp")->text(), QStringLiteral("Old Company"));
        QVERIFY(!f_->state.Window.ProjectSaved);
    }

    void importCancelledOrUnreadableChangesNothing() {
        Refresh(ProjectInState());
        ChooseImportFile("");
        QVERIFY(f_->prompts.shown.empty());
        QCOMPARE(f_->state.Project, ProjectInState());
        QVERIFY(f_->state.Window.ProjectSaved);

        // The file went away after it was chosen: the system's description, nothing changed.
        const std::string missing = f_->dir.File("gone.tav");
        ChooseImportFile(missing);
        QCOMPARE(f_->prompts.shown.size(), std::size_t{1});
        QCOMPARE(f_->prompts.shown[0].Kind, tavo::MessageKind::Error);
        const QString text = QString::fromStdString(f_->prompts.shown[0].Text);
        QVERIFY2(text.contains(QString::fromStdString(missing)), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("No such file or directory")), qPrintable(text));
        QCOMPARE(f_->state.Project, ProjectInState());
        QCOMPARE(Edit("InstName")->text(), QStringLiteral("Old Installer"));
        QVERIFY(f_->state.Window.ProjectSaved);
    }

    void closeHidesTheDialogAndKeepsTheValues() {
        ShowActive();
        QTest::keyClicks(Edit("InstName"), QStringLiteral("Anna Berg"));
        QTest::keyClicks(Notes(), QStringLiteral("remember the riser"));
        QTest::mouseClick(Close(), Qt::LeftButton);
        QVERIFY(!f_->dialog.isVisible());
        QCOMPARE(f_->state.Project.InstallerName, std::string("Anna Berg"));
        QCOMPARE(f_->state.Project.Notes, std::vector<std::string>{"remember the riser"});
        ShowActive();
        QCOMPARE(Edit("InstName")->text(), QStringLiteral("Anna Berg"));
        QCOMPARE(Notes()->toPlainText(), QStringLiteral("remember the riser"));
        // Enter in a field does not close the dialog.
        QTest::keyClick(Edit("InstComp"), Qt::Key_Return);
        QVERIFY(f_->dialog.isVisible());
    }

    void leavingFieldsAndHidingPutTheCaretAtTheStart() {
        ShowActive();
        for (const char* name : {"InstName", "ProjName"}) {
            QLineEdit* edit = Edit(name);
            edit->setFocus(Qt::OtherFocusReason);
            QTest::keyClicks(edit, QStringLiteral("A rather long name that runs on"));
            QCOMPARE(edit->cursorPosition(), 31);
            QTest::keyClick(edit, Qt::Key_Tab);
            QVERIFY(!edit->hasFocus());
            QCOMPARE(edit->cursorPosition(), 0);
        }

        QPlainTextEdit* notes = Notes();
        notes->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(notes, QStringLiteral("first"));
        QTest::keyClick(notes, Qt::Key_Return);
        QTest::keyClicks(notes, QStringLiteral("second"));
        QTest::keyClick(notes, Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("BUTTok"));
        QCOMPARE(notes->textCursor().position(), 0);
        QVERIFY(!notes->textCursor().hasSelection());
        QCOMPARE(f_->state.Project.Notes, (std::vector<std::string>{"first", "second"}));
        // Tabbing back in and typing adds to the notes; nothing the user did not select goes.
        QTest::keyClick(Close(), Qt::Key_Backtab);
        QCOMPARE(FocusName(), QStringLiteral("ProjNotes"));
        QTest::keyClicks(notes, QStringLiteral("A "));
        QCOMPARE(f_->state.Project.Notes, (std::vector<std::string>{"A first", "second"}));

        // Another window coming to the front (a message box, say) is not leaving the field:
        // the caret stays where the user was typing.
        QLineEdit* company = Edit("InstComp");
        Edit("InstName")->setFocus(Qt::OtherFocusReason);
        Edit("InstName")->end(false);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(Edit("InstName")->cursorPosition(), 31);
        other.hide();

        QTest::keyClicks(company, QStringLiteral("Berg"));
        f_->dialog.hide();
        for (const FieldCase& f : kFields) {
            QLineEdit* edit = Edit(f.Name);
            QCOMPARE(edit->cursorPosition(), 0);
            QVERIFY(!edit->hasSelectedText());
        }
        QCOMPARE(notes->textCursor().position(), 0);
        QVERIFY(!notes->textCursor().hasSelection());
        // Hiding keeps every value.
        QCOMPARE(f_->state.Project.InstallerCompany, std::string("Berg"));
        QCOMPARE(Notes()->toPlainText(), QStringLiteral("A first\nsecond"));
        // Shown again, the field that had the focus is selected whole, as Tab selects a
        // field, never in part.
        ShowActive();
        QVERIFY(Edit("InstName")->hasFocus());
        QCOMPARE(Edit("InstName")->selectedText(), Edit("InstName")->text());
    }

    void resizingKeepsTheWidthAndGivesTheNotesTheHeight() {
        ShowActive();
        f_->dialog.resize(700, 300);
        QApplication::processEvents();
        QCOMPARE(f_->dialog.size(), QSize(526, 416));
        QCOMPARE(Notes()->height(), 416 - 288);
        f_->dialog.resize(526, 600);
        QApplication::processEvents();
        QCOMPARE(f_->dialog.size(), QSize(526, 600));
        QCOMPARE(Notes()->height(), 600 - 288);
        // The buttons follow the bottom edge, below the notes and inside the dialog.
        for (QWidget* button : {static_cast<QWidget*>(Close()), static_cast<QWidget*>(Import())}) {
            QVERIFY(button->geometry().top() > Notes()->geometry().bottom());
            QVERIFY(f_->dialog.rect().contains(button->geometry()));
        }
        QVERIFY(f_->dialog.rect().contains(Notes()->geometry()));
    }
};

QTEST_MAIN(ProjectDetailsDialogTest)
#include "ProjectDetailsDialogTest.moc"
