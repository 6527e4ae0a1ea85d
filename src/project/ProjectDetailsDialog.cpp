#include "project/ProjectDetailsDialog.h"

#include <QFocusEvent>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTextBlock>
#include <QValidator>
#include <algorithm>

#include "components/QtText.h"
#include "platform/Directories.h"
#include "platform/FileError.h"
#include "project/NotesCaret.h"
#include "project/ProjectFile.h"

namespace tavo {
namespace {

const char kNotesWarning[] = "Tavo Calculator will be unable to print more text";

constexpr int kFormWidth = 526;
constexpr int kMinFormHeight = 416;
constexpr int kNotesTop = 208;
constexpr int kNotesHeightOffset = 288;  // the notes are as high as the dialog minus this

constexpr int kMargin = 8;
constexpr int kRowPitch = 26;
constexpr int kFirstRow = 32;
constexpr int kFieldHeight = 21;
constexpr int kLabelGap = 4;
// Installer column on the left, project column on the right of the separating line.
constexpr int kLeftLabelWidth = 66;
constexpr int kLeftFieldX = kMargin + kLeftLabelWidth + kLabelGap;
constexpr int kLeftFieldWidth = 176;
constexpr int kSeparatorX = 262;
constexpr int kRightX = 272;
constexpr int kRightLabelWidth = 70;
constexpr int kRightFieldX = kRightX + kRightLabelWidth + kLabelGap;
constexpr int kRightEdge = kFormWidth - kMargin;
constexpr int kSpinWidth = 64;
constexpr int kButtonHeight = 25;
constexpr int kButtonsFromBottom = 36;

QRect Row(int x, int row, int width) {
    return {x, kFirstRow + row * kRowPitch, width, kFieldHeight};
}

// Letters typed into the phone numbers appear in upper case. A letter whose capital the
// system's code page cannot hold (the micro sign, say) stays as typed; one character stays
// one character, so the field's limit still holds.
class UpperCaseValidator : public QValidator {
  public:
    using QValidator::QValidator;

    State validate(QString& input, int& /*position*/) const override {
        for (QChar& c : input) {
            const QChar upper = c.toUpper();
            if (upper != c && ToQt(FromQt(QString(upper))) == QString(upper)) c = upper;
        }
        return Acceptable;
    }
};

// The number of networks: up to three digits may be typed, a number outside 1 to 100 stays
// in the field until it is left and then becomes the nearest bound, an empty field counts
// as 1.
class NetworkCountBox : public QSpinBox {
  public:
    explicit NetworkCountBox(QWidget* parent) : QSpinBox(parent) {
        setRange(1, kMaxNetworks);
        setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    }

    // The text being typed; the spin box itself reports only whole, valid values.
    QLineEdit* Editor() const { return lineEdit(); }

  protected:
    QValidator::State validate(QString& input, int& /*position*/) const override {
        if (input.size() > 3) return QValidator::Invalid;
        for (const QChar c : input)
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return QValidator::Invalid;
        const int value = input.isEmpty() ? 0 : input.toInt();
        return value >= minimum() && value <= maximum() ? QValidator::Acceptable
                                                        : QValidator::Intermediate;
    }

    void fixup(QString& input) const override {
        input = QString::number(NetworkCountFromText(FromQt(input)));
    }
};

// The picture of the import button: a page with an arrow pointing into it.
QIcon ImportIcon() {
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath page;
    page.moveTo(7.5, 1.5);
    page.lineTo(14.5, 1.5);
    page.lineTo(18.5, 5.5);
    page.lineTo(18.5, 18.5);
    page.lineTo(7.5, 18.5);
    page.closeSubpath();
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    painter.setBrush(Qt::white);
    painter.drawPath(page);
    painter.drawLine(QPointF(14.5, 1.5), QPointF(14.5, 5.5));
    painter.drawLine(QPointF(14.5, 5.5), QPointF(18.5, 5.5));
    for (const double y : {9.5, 12.5, 15.5}) painter.drawLine(QPointF(11, y), QPointF(16, y));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 192));
    const QPointF arrow[] = {{1, 10.5},  {6, 6},    {6, 8.5}, {10, 8.5},
                             {10, 12.5}, {6, 12.5}, {6, 15}};
    painter.drawPolygon(arrow, 7);
    return QIcon(picture);
}

QLabel* Heading(QWidget* parent, const char* caption, QPoint at) {
    auto* heading = new QLabel(QString::fromLatin1(caption), parent);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    QPalette blue = heading->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    heading->setPalette(blue);
    heading->move(at);
    heading->adjustSize();
    return heading;
}

// Focus leaves the field for another control of the dialog, not because another window
// (a message box, the main window) became active.
bool LeavesForAnotherControl(const QEvent* event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// The caret at the start, so the text shows from its beginning. Nothing is selected: a key
// typed when the user comes back to the field must not replace text the user never chose.
void CaretToStart(QLineEdit* edit) {
    edit->deselect();
    edit->setCursorPosition(0);
}

void CaretToStart(QPlainTextEdit* edit) {
    edit->setTextCursor(QTextCursor(edit->document()));
}

}  // namespace

TProjForm::TProjForm(AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("ProjForm"));
    setWindowTitle(QStringLiteral("Tavo Project Details"));
    setModal(false);
    setMinimumSize(kFormWidth, kMinFormHeight);
    setMaximumWidth(kFormWidth);
    CreateControls();
    resize(kFormWidth, kMinFormHeight);
    FormResize();
    RefreshFromDetails();
}

TProjForm::~TProjForm() {
    // The controls go after this part of the dialog; what they signal on their way out (a
    // field giving up the focus) must not reach it.
    for (QObject* child : findChildren<QObject*>()) disconnect(child, nullptr, this, nullptr);
}

QLineEdit* TProjForm::AddField(const char* name, const char* label,
                               std::string ProjectDetails::*value, int limit, bool upperCase,
                               QRect labelBox, QRect fieldBox) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(fieldBox);
    edit->setMaxLength(limit);
    if (upperCase) edit->setValidator(new UpperCaseValidator(edit));
    auto* caption = new QLabel(QString::fromLatin1(label), this);
    caption->setGeometry(labelBox);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->setBuddy(edit);
    fields_.push_back({edit, value, limit});
    return edit;
}

void TProjForm::CreateControls() {
    Heading(this, "Installer Details", {kMargin, kMargin});
    Heading(this, "Project Details", {kRightX, kMargin});
    separator_ = new QFrame(this);
    separator_->setFrameShape(QFrame::VLine);
    separator_->setFrameShadow(QFrame::Sunken);

    struct FieldDef {
        const char* Name;
        const char* Label;
        std::string ProjectDetails::*Value;
        int Limit;
        bool UpperCase;
    };
    const FieldDef installer[] = {
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
    };
    const FieldDef project[] = {
        {"ProjName", "Project name:", &ProjectDetails::ProjectName, 100, false},
        {"ProjLocation", "Location:", &ProjectDetails::ProjectLocation, 100, false},
        {"ProjConsult", "Consultant:", &ProjectDetails::ProjectConsultant, 100, false},
        {"ProjArch", "Architect:", &ProjectDetails::ProjectArchitect, 100, false},
        {"ProjOwner", "Owner:", &ProjectDetails::ProjectOwner, 100, false},
    };

    int row = 0;
    for (const FieldDef& s : installer) {
        AddField(s.Name, s.Label, s.Value, s.Limit, s.UpperCase, Row(kMargin, row, kLeftLabelWidth),
                 Row(kLeftFieldX, row, kLeftFieldWidth));
        ++row;
    }

    auto* networkCount = new NetworkCountBox(this);
    networkCount_ = networkCount;
    networkCount_->setObjectName(QStringLiteral("edtNetworkCount"));
    networkCount_->setGeometry(Row(kRightEdge - kSpinWidth, 0, kSpinWidth));
    auto* countLabel = new QLabel(QStringLiteral("Number of Tavo networks:"), this);
    countLabel->setGeometry(Row(kRightX, 0, kRightEdge - kSpinWidth - kLabelGap - kRightX));
    countLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    countLabel->setBuddy(networkCount_);

    row = 1;
    for (const FieldDef& s : project) {
        AddField(s.Name, s.Label, s.Value, s.Limit, s.UpperCase,
                 Row(kRightX, row, kRightLabelWidth),
                 Row(kRightFieldX, row, kRightEdge - kRightFieldX));
        ++row;
    }
    instName_ = fields_.front().Edit;
    projName_ = fields_[std::size(installer)].Edit;

    notes_ = new QPlainTextEdit(this);
    notes_->setObjectName(QStringLiteral("ProjNotes"));
    // One line of the box is one notes line of the file and of the report.
    notes_->setLineWrapMode(QPlainTextEdit::NoWrap);
    notes_->setTabChangesFocus(true);
    auto* notesLabel = new QLabel(QStringLiteral("Notes:"), this);
    notesLabel->setGeometry(kRightX, kNotesTop - 18, 100, 16);
    notesLabel->setBuddy(notes_);

    ok_ = new QPushButton(QStringLiteral("Close"), this);
    ok_->setObjectName(QStringLiteral("BUTTok"));
    ok_->setAutoDefault(false);
    import_ = new QToolButton(this);
    import_->setObjectName(QStringLiteral("BUTTimport"));
    import_->setToolTip(QStringLiteral("Import Details from other project"));
    import_->setIcon(ImportIcon());
    import_->setIconSize(QSize(20, 20));
    import_->setFocusPolicy(Qt::StrongFocus);

    for (const TextField& field : fields_)
        connect(field.Edit, &QLineEdit::textChanged, this,
                [this, field] { InstNameChange(field); });
    connect(notes_, &QPlainTextEdit::textChanged, this, &TProjForm::ProjNotesChange);
    // Typing counts at once, a number beyond the range already as its bound; the arrows and
    // the correction on leaving the field come as a new value.
    connect(networkCount->Editor(), &QLineEdit::textChanged, this, [this](const QString& text) {
        edtNetworkCountChange(NetworkCountFromText(FromQt(text)));
    });
    connect(networkCount_, &QSpinBox::valueChanged, this, &TProjForm::edtNetworkCountChange);
    connect(ok_, &QPushButton::clicked, this, &TProjForm::BUTTokClick);
    connect(import_, &QToolButton::clicked, this, &TProjForm::BUTTimportClick);
    for (QWidget* watched : {static_cast<QWidget*>(instName_), static_cast<QWidget*>(projName_),
                             static_cast<QWidget*>(notes_)})
        watched->installEventFilter(this);

    // Keyboard focus: the installer fields, the number of networks, the project fields, the
    // notes, then the buttons.
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous != nullptr) setTabOrder(previous, next);
        previous = next;
    };
    for (std::size_t i = 0; i < std::size(installer); ++i) chain(fields_[i].Edit);
    chain(networkCount_);
    for (std::size_t i = std::size(installer); i < fields_.size(); ++i) chain(fields_[i].Edit);
    chain(notes_);
    chain(ok_);
    chain(import_);
}

void TProjForm::SetFieldText(const TextField& field, const std::string& text) {
    const QString shown = ToQt(text);
    // The limit binds typing only: a longer value from a file is shown whole.
    field.Edit->setMaxLength(std::max(field.Limit, static_cast<int>(shown.size())));
    // Loaded text is shown as stored; the upper-case rule is for typed letters.
    const QValidator* validator = field.Edit->validator();
    field.Edit->setValidator(nullptr);
    field.Edit->setText(shown);
    field.Edit->setValidator(validator);
    field.Edit->setCursorPosition(0);
}

void TProjForm::RefreshFromDetails() {
    refreshing_ = true;
    const ProjectDetails& details = state_.Project;
    for (const TextField& field : fields_) SetFieldText(field, details.*field.Value);
    networkCount_->setValue(std::clamp(details.NetworkCount, 1, kMaxNetworks));
    QStringList notes;
    for (const std::string& line : details.Notes) notes << ToQt(line);
    notes_->setPlainText(notes.join(QLatin1Char('\n')));
    refreshing_ = false;
}

void TProjForm::InstNameChange(const TextField& field) {
    if (refreshing_) return;
    QLineEdit* edit = field.Edit;
    // A value longer than the limit may be shortened but not lengthened again.
    if (edit->maxLength() > field.Limit)
        edit->setMaxLength(std::max(field.Limit, static_cast<int>(edit->text().size())));
    state_.Project.*field.Value = FromQt(edit->text());
    state_.Window.ProjectSaved = false;
}

std::vector<std::string> TProjForm::NotesLines() const {
    std::vector<std::string> lines;
    const QTextDocument* document = notes_->document();
    if (document->isEmpty()) return lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        lines.push_back(FromQt(block.text()));
    return lines;
}

void TProjForm::ProjNotesChange() {
    if (refreshing_) return;
    state_.Project.Notes = NotesLines();
    state_.Window.ProjectSaved = false;
}

void TProjForm::edtNetworkCountChange(int count) {
    if (refreshing_) return;
    state_.Project.NetworkCount = count;
    state_.Window.NetworkCount = count;
    state_.Window.ProjectSaved = false;
}

int TProjForm::CaretLine() const {
    // The caret as a count of characters with every line break taken as two.
    const QTextCursor caret = notes_->textCursor();
    const std::vector<std::string> lines = NotesLines();
    std::size_t position = 0;
    for (int i = 0; i < caret.blockNumber() && i < static_cast<int>(lines.size()); ++i)
        position += lines[static_cast<std::size_t>(i)].size() + 2;
    position += FromQt(caret.block().text().left(caret.positionInBlock())).size();
    return NotesCaretLine(lines, position);
}

void TProjForm::ProjNotesKeyDown() {
    if (CaretLine() > kPrintableNotesLines) state_.UserPrompts.Warning(kNotesWarning);
}

void TProjForm::BUTTimportClick() {
    FileDialogRequest request;
    request.Title = "Import Installer Details";
    request.Filter = "Tavo project|*.tav|All files|*.*";
    request.DefaultExtension = "tav";
    request.Directory = ProgramDirectory();
    request.MustExist = true;
    std::string path;
    if (!state_.UserPrompts.ChooseOpenFile(request, path)) return;
    bool imported = false;
    try {
        imported = ImportInstallerDetails(state_.Project, path);
    } catch (const FileError& error) {
        state_.UserPrompts.Error(error.what());
        return;
    }
    // The project counts as changed even when the other file was no project file.
    state_.Window.ProjectSaved = false;
    if (!imported) {
        state_.UserPrompts.Error(kCorruptInstallerMessage);
        return;
    }
    RefreshFromDetails();
}

void TProjForm::BUTTokClick() {
    hide();
}

bool TProjForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == notes_ && event->type() == QEvent::KeyPress) {
        ProjNotesKeyDown();
        return false;  // the key goes on to the notes as usual
    }
    if (event->type() == QEvent::FocusOut && LeavesForAnotherControl(event)) {
        // The control finishes its own focus handling first.
        if (watched == notes_) {  // ProjNotesExit
            watched->event(event);
            CaretToStart(notes_);
            return true;
        }
        if (watched == instName_ || watched == projName_) {  // InstNameExit, ProjNameExit
            auto* edit = static_cast<QLineEdit*>(watched);
            watched->event(event);
            edit->setCursorPosition(0);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TProjForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FormResize();
}

void TProjForm::FormResize() {
    if (height() < kMinFormHeight || width() != kFormWidth)
        resize(kFormWidth, std::max(height(), kMinFormHeight));
    const int h = std::max(height(), kMinFormHeight);
    notes_->setGeometry(kRightX, kNotesTop, kRightEdge - kRightX, h - kNotesHeightOffset);
    separator_->setGeometry(kSeparatorX, kMargin, 2, h - kButtonsFromBottom - 2 * kMargin);
    const int buttonsY = h - kButtonsFromBottom;
    ok_->setGeometry(kRightEdge - 75, buttonsY, 75, kButtonHeight);
    import_->setGeometry(kRightEdge - 75 - 8 - kButtonHeight, buttonsY, kButtonHeight,
                         kButtonHeight);
}

void TProjForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    // FormHide: every field shows its text from the start when the dialog is shown again.
    for (const TextField& field : fields_) CaretToStart(field.Edit);
    CaretToStart(notes_);
}

}  // namespace tavo
