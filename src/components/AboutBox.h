#pragma once

#include <QDialog>
#include <QPixmap>
#include <string>

#include "components/ApplicationInfo.h"

class QLabel;
class QPushButton;

namespace tavo {

class TZorUrlLabel;

// The program's icon, drawn at the given size in pixels.
QPixmap ProgramIconPixmap(int size);

// The about box: the program's version, the version of the unit catalogue, the maker's
// notices and web address. Shown modally from the main window's "&About..." item.
class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    // cataloguePath is the unit catalogue whose data version the box shows.
    TAboutBox(const std::string& cataloguePath, QWidget* parent = nullptr);

    const TZorApplicationInfo& ApplicationInfo() const { return info_; }
    TZorUrlLabel* UrlLabel() const { return url_; }

    // Fills the two version labels.
    void FormCreate();

  private slots:
    void OKButtonClick();

  private:
    std::string cataloguePath_;
    TZorApplicationInfo info_;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblDataVersion_ = nullptr;
    TZorUrlLabel* url_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace tavo
