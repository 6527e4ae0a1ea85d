#include "components/HelpViewer.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>
#include <QVBoxLayout>

namespace tavo {
namespace {

const QString kContents = QStringLiteral("contents");
const QString kIndex = QStringLiteral("index");
const QString kHelpOnHelp = QStringLiteral("HowToUseHelp");

constexpr auto kHtmlOptions =
    QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption;

// The help file's markup, taken apart: its style sheet, its body and its sections.
struct HelpDocument {
    QString Style;
    QString Body;
    QList<QPair<QString, QString>> Sections;  // id, inner HTML, in file order
};

HelpDocument ParseHelpDocument(QString html) {
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"), kHtmlOptions);
    static const QRegularExpression style(QStringLiteral("<style\\b[^>]*>(.*?)</style\\s*>"),
                                          kHtmlOptions);
    static const QRegularExpression body(QStringLiteral("<body\\b[^>]*>(.*)</body\\s*>"),
                                         kHtmlOptions);
    static const QRegularExpression section(
        QStringLiteral("<section\\b[^>]*?\\bid\\s*=\\s*[\"']([^\"']+)[\"'][^>]*>"
                       "(.*?)</section\\s*>"),
        kHtmlOptions);

    html.remove(comment);
    HelpDocument document;
    for (auto it = style.globalMatch(html); it.hasNext();) document.Style += it.next().captured(1);
    const QRegularExpressionMatch bodyMatch = body.match(html);
    document.Body = bodyMatch.hasMatch() ? bodyMatch.captured(1) : html;
    for (auto it = section.globalMatch(document.Body); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        document.Sections.append({match.captured(1).trimmed(), match.captured(2)});
    }
    return document;
}

// The links of an index section: each link to "#Topic" is one keyword, the link's text.
QList<QPair<QString, QString>> ParseIndexLinks(const QString& html) {
    static const QRegularExpression link(
        QStringLiteral("<a\\b[^>]*?\\bhref\\s*=\\s*[\"']#([^\"']+)[\"'][^>]*>(.*?)</a\\s*>"),
        kHtmlOptions);
    QList<QPair<QString, QString>> links;
    for (auto it = link.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString keyword =
            QTextDocumentFragment::fromHtml(match.captured(2)).toPlainText().simplified();
        if (!keyword.isEmpty()) links.append({keyword, match.captured(1).trimmed()});
    }
    return links;
}

}  // namespace

THelpViewer::THelpViewer(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Tavo Calculator Help"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setModal(false);
    setSizeGripEnabled(true);

    back_ = new QPushButton(QStringLiteral("&Back"), this);
    back_->setObjectName(QStringLiteral("btnBack"));
    back_->setToolTip(QStringLiteral("Return to the topic shown before"));
    contents_ = new QPushButton(QStringLiteral("&Contents"), this);
    contents_->setObjectName(QStringLiteral("btnContents"));
    contents_->setToolTip(QStringLiteral("Show the list of topics"));

    auto* indexPane = new QWidget(this);
    auto* label = new QLabel(QStringLiteral("&Type a keyword to find:"), indexPane);
    keyword_ = new QLineEdit(indexPane);
    keyword_->setObjectName(QStringLiteral("HelpKeyword"));
    keyword_->setClearButtonEnabled(true);
    label->setBuddy(keyword_);
    list_ = new QListWidget(indexPane);
    list_->setObjectName(QStringLiteral("HelpIndex"));
    list_->setToolTip(QStringLiteral("Double-click a keyword to show its topic"));
    display_ = new QPushButton(QStringLiteral("&Display"), indexPane);
    display_->setObjectName(QStringLiteral("btnDisplay"));
    display_->setToolTip(QStringLiteral("Show the topic of the selected keyword"));
    auto* indexLayout = new QVBoxLayout(indexPane);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    indexLayout->addWidget(label);
    indexLayout->addWidget(keyword_);
    indexLayout->addWidget(list_, 1);
    indexLayout->addWidget(display_);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenLinks(false);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(indexPane);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 540});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(contents_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    // Enter belongs to the keyword field and the list, not to a default button.
    for (QPushButton* button : {back_, contents_, display_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    connect(back_, &QPushButton::clicked, this, &THelpViewer::BackClick);
    connect(contents_, &QPushButton::clicked, this, &THelpViewer::ContentsClick);
    connect(display_, &QPushButton::clicked, this, &THelpViewer::DisplayClick);
    connect(keyword_, &QLineEdit::textChanged, this, &THelpViewer::KeywordChange);
    connect(keyword_, &QLineEdit::returnPressed, this, &THelpViewer::DisplayClick);
    connect(list_, &QListWidget::itemActivated, this, [this] { DisplayClick(); });
    connect(list_, &QListWidget::currentItemChanged, this, [this] { UpdateButtons(); });
    connect(browser_, &QTextBrowser::anchorClicked, this, &THelpViewer::BrowserAnchorClicked);
    keyword_->installEventFilter(this);

    resize(780, 540);
    UpdateButtons();
}

bool THelpViewer::SetHelpFile(const QString& path) {
    Clear();
    path_ = path;
    QFile file(path);
    if (!QFileInfo(path).isFile()) {
        problem_ = QStringLiteral("cannot be found");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        problem_ = QStringLiteral("cannot be read (%1)").arg(file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        problem_ = QStringLiteral("cannot be read (%1)").arg(file.errorString());
        return false;
    }

    HelpDocument document = ParseHelpDocument(QString::fromUtf8(bytes));
    style_ = document.Style;
    body_ = document.Body;
    for (const auto& [id, html] : document.Sections) {
        if (!pages_.contains(id)) pages_.insert(id, html);
    }
    if (pages_.contains(kIndex)) {
        for (const auto& [keyword, topic] : ParseIndexLinks(pages_.value(kIndex)))
            index_.append({keyword, topic});
    }
    loaded_ = true;
    FillIndexList();
    return true;
}

void THelpViewer::Clear() {
    loaded_ = false;
    problem_.clear();
    style_.clear();
    body_.clear();
    pages_.clear();
    index_.clear();
    current_.clear();
    history_.clear();
    list_->clear();
    browser_->clear();
    UpdateButtons();
}

QStringList THelpViewer::Keywords() const {
    QStringList keywords;
    for (const IndexEntry& entry : index_) keywords << entry.Keyword;
    return keywords;
}

void THelpViewer::Present() {
    if (!isVisible()) {
        show();  // a window being shown comes up in front
    } else {
        if (isMinimized()) showNormal();
        raise();
    }
    activateWindow();
}

void THelpViewer::ShowContents() {
    Present();
    if (!loaded_) {
        ShowUnavailable();
        return;
    }
    if (pages_.contains(kContents)) {
        Navigate(kContents, true);
        return;
    }
    // A help file without a contents page is shown whole.
    if (!current_.isEmpty()) history_.append(current_);
    current_.clear();
    ShowPage(body_);
    UpdateButtons();
}

void THelpViewer::ShowIndex(const QString& keyword) {
    Present();
    if (!loaded_) {
        ShowUnavailable();
        return;
    }
    if (pages_.contains(kIndex)) {
        Navigate(kIndex, true);
    } else {
        ShowContents();
    }
    // Setting the same text again would not refilter, so the selection is made here too.
    if (keyword_->text() == keyword) {
        KeywordChange(keyword);
    } else {
        keyword_->setText(keyword);
    }
    keyword_->setFocus();
    keyword_->selectAll();
}

void THelpViewer::ShowHelpOnHelp() {
    ShowTopic(kHelpOnHelp);
}

bool THelpViewer::ShowTopic(const QString& contextString) {
    Present();
    if (!loaded_) {
        ShowUnavailable();
        return false;
    }
    const QString topic = FindTopic(contextString);
    if (topic.isEmpty()) {
        ShowContents();
        return false;
    }
    Navigate(topic, true);
    return true;
}

QString THelpViewer::FindTopic(const QString& contextString) const {
    const QString wanted = contextString.trimmed();
    if (wanted.isEmpty()) return {};
    if (pages_.contains(wanted)) return wanted;
    for (auto it = pages_.cbegin(); it != pages_.cend(); ++it) {
        if (it.key().compare(wanted, Qt::CaseInsensitive) == 0) return it.key();
    }
    return {};
}

void THelpViewer::Navigate(const QString& topic, bool remember) {
    if (remember && !current_.isEmpty() && current_ != topic) history_.append(current_);
    current_ = topic;
    ShowPage(pages_.value(topic));
    UpdateButtons();
}

void THelpViewer::ShowPage(const QString& html) {
    browser_->document()->setDefaultStyleSheet(style_);
    browser_->setHtml(html);
    browser_->moveCursor(QTextCursor::Start);
    browser_->ensureCursorVisible();
}

void THelpViewer::ShowUnavailable() {
    current_.clear();
    history_.clear();
    const QString path = path_.isEmpty() ? QStringLiteral("TavoCalc.hlp") : path_;
    const QString reason = problem_.isEmpty() ? QStringLiteral("cannot be found") : problem_;
    browser_->document()->setDefaultStyleSheet(QString());
    browser_->setHtml(
        QStringLiteral("<h2>Help is not available</h2>"
                       "<p>The help file \"%1\" %2.</p>"
                       "<p>Tavo Calculator looks for TavoCalc.hlp in the working directory, "
                       "then beside the program, then in share/tavocalc of its installation. "
                       "Copy the help file to one of them and start Tavo Calculator "
                       "again.</p>")
            .arg(path.toHtmlEscaped(), reason.toHtmlEscaped()));
    UpdateButtons();
}

void THelpViewer::FillIndexList() {
    list_->clear();
    for (const IndexEntry& entry : index_) {
        auto* item = new QListWidgetItem(entry.Keyword, list_);
        item->setData(Qt::UserRole, entry.Topic);
    }
    KeywordChange(keyword_->text());
}

void THelpViewer::UpdateButtons() {
    back_->setEnabled(loaded_ && !history_.isEmpty());
    contents_->setEnabled(loaded_);
    display_->setEnabled(loaded_ && list_->currentItem() != nullptr &&
                         !list_->currentItem()->isHidden());
}

void THelpViewer::BackClick() {
    if (history_.isEmpty()) return;
    const QString previous = history_.takeLast();
    if (previous.isEmpty() || !pages_.contains(previous)) {
        ShowContents();
        return;
    }
    Navigate(previous, false);
}

void THelpViewer::ContentsClick() {
    ShowContents();
}

void THelpViewer::DisplayClick() {
    QListWidgetItem* item = list_->currentItem();
    if (item == nullptr || item->isHidden()) return;
    ShowTopic(item->data(Qt::UserRole).toString());
}

// Keeps the keywords that contain the typed text and selects the first of them that begins
// with it (or the first kept one).
void THelpViewer::KeywordChange(const QString& text) {
    const QString typed = text.simplified();
    QListWidgetItem* first = nullptr;
    QListWidgetItem* beginning = nullptr;
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        const bool match = typed.isEmpty() || item->text().contains(typed, Qt::CaseInsensitive);
        item->setHidden(!match);
        if (!match) continue;
        if (first == nullptr) first = item;
        if (beginning == nullptr && item->text().startsWith(typed, Qt::CaseInsensitive))
            beginning = item;
    }
    QListWidgetItem* chosen = beginning != nullptr ? beginning : first;
    if (chosen != nullptr) {
        list_->setCurrentItem(chosen);
        list_->scrollToItem(chosen, QAbstractItemView::PositionAtTop);
    } else {
        list_->setCurrentItem(nullptr);
    }
    UpdateButtons();
}

void THelpViewer::BrowserAnchorClicked(const QUrl& url) {
    if (url.scheme().isEmpty() && url.path().isEmpty() && url.hasFragment()) {
        ShowTopic(url.fragment());
        return;
    }
    if (!url.scheme().isEmpty() && !url.isLocalFile()) QDesktopServices::openUrl(url);
}

// The arrow and page keys in the keyword field move through the list, so the user can type
// and choose without leaving the field.
bool THelpViewer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == keyword_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QApplication::sendEvent(list_, event);
            UpdateButtons();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tavo
