#pragma once

#include <QDialog>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace tavo {

// The help window: shows the help file TavoCalc.hlp one topic at a time, with Back and
// Contents buttons and a keyword index that narrows down as the user types.
//
// The help file is one HTML document. Every topic is a <section> whose id is its context
// string ("Tutorial", "Printing", ...); the section "contents" is the contents page, the
// section "index" holds the index as links (<a href="#Topic">keyword</a>), and the section
// "HowToUseHelp" explains this window. Links to "#Topic" anywhere in the file open that topic.
//
// The window is not modal: it stays open beside the main window while the user works.
class THelpViewer : public QDialog {
    Q_OBJECT
  public:
    explicit THelpViewer(QWidget* parent = nullptr);

    // Loads the help file; false when it is missing or cannot be read. Pages shown after a
    // failed load say so, naming the path.
    bool SetHelpFile(const QString& path);
    const QString& HelpFile() const { return path_; }

    // Each of these shows the window and brings it to the front.
    void ShowContents();
    // Opens the index with the keyword in the keyword field and the first keyword that
    // matches it selected.
    void ShowIndex(const QString& keyword);
    void ShowHelpOnHelp();
    // Opens the topic of that context string (letter case does not matter); an unknown
    // context string shows the contents and gives false.
    bool ShowTopic(const QString& contextString);

    // The context string of the topic shown; empty while no topic of the file is shown.
    QString CurrentTopic() const { return current_; }
    // The keywords of the file's index, in the file's order.
    QStringList Keywords() const;

  private slots:
    void BackClick();
    void ContentsClick();
    void DisplayClick();
    void KeywordChange(const QString& text);
    void BrowserAnchorClicked(const QUrl& url);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct IndexEntry {
        QString Keyword;
        QString Topic;
    };

    void Present();
    void Clear();
    // The section id that a context string names, or empty.
    QString FindTopic(const QString& contextString) const;
    void Navigate(const QString& topic, bool remember);
    void ShowPage(const QString& html);
    void ShowUnavailable();
    void FillIndexList();
    void UpdateButtons();

    QString path_;
    bool loaded_ = false;
    QString problem_;                // why the file could not be loaded
    QString style_;                  // the file's style sheet
    QString body_;                   // the whole document, shown when it has no contents page
    QHash<QString, QString> pages_;  // section id -> its HTML
    QList<IndexEntry> index_;
    QString current_;
    QStringList history_;

    QTextBrowser* browser_ = nullptr;
    QLineEdit* keyword_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* contents_ = nullptr;
    QPushButton* display_ = nullptr;
};

}  // namespace tavo
