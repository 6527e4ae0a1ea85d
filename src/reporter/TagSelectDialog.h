#pragma once

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <string>

#include "core/Catalogue.h"

namespace tavo {

// Asks which catalogue entry an installed unit is when several entries share its
// installation code: lstTags lists them (catalogue number, then the description 120 pixels
// further right), the labels above name the unit. The entry highlighted when the dialog closes
// is the answer, whether OK, a double click or the window's close closes it: there is no way
// to decline.
class TfrmSelectTag : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmSelectTag(QWidget* parent = nullptr);

    // Shows the entries of code modally; returns the slot of the entry highlighted when the
    // dialog closes (0 when the catalogue has none with that code).
    int SelectCatalogueEntry(const Catalogue& units, const std::string& code,
                             const std::string& network, const std::string& addressDec,
                             const std::string& addressHex);

    // Opens a help topic by its context string (the program's help viewer).
    std::function<void(const std::string&)> HelpTopic;

    // Fills the list and the labels for a question without showing the dialog; the showing
    // and the answer are SelectCatalogueEntry's. Tests drive the controls after this.
    void Prepare(const Catalogue& units, const std::string& code, const std::string& network,
                 const std::string& addressDec, const std::string& addressHex);
    // The slot of the highlighted entry.
    int HighlightedSlot() const;

  public slots:
    void reject() override;

  private:
    void btnHelpClick();

    QLabel* lblTypeCode_ = nullptr;
    QLabel* lblNetwork_ = nullptr;
    QLabel* lblDec_ = nullptr;
    QLabel* lblHex_ = nullptr;
    QListWidget* lstTags_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnHelp_ = nullptr;
};

}  // namespace tavo
