#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <string>
#include <vector>

#include "core/AppState.h"

class QFrame;

namespace tavo {

// The project details dialog: who installs the project, what the project is, how many
// networks it has and free notes. It does not block the main window and stays on top of
// it. Every edit goes straight into state.Project and marks the project changed; the
// dialog keeps no copy of its own, so hiding it loses nothing.
class TProjForm : public QDialog {
    Q_OBJECT
  public:
    explicit TProjForm(AppState& state, QWidget* parent = nullptr);
    ~TProjForm() override;

    // Loads every control from state.Project without marking anything changed. The program
    // calls it after New, Open and an import.
    void RefreshFromDetails();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    struct TextField {
        QLineEdit* Edit;
        std::string ProjectDetails::*Value;
        int Limit;
    };

    void CreateControls();
    QLineEdit* AddField(const char* name, const char* label, std::string ProjectDetails::*value,
                        int limit, bool upperCase, QRect labelBox, QRect fieldBox);
    void SetFieldText(const TextField& field, const std::string& text);
    void InstNameChange(const TextField& field);
    void ProjNotesChange();
    void edtNetworkCountChange(int count);
    void ProjNotesKeyDown();
    void BUTTimportClick();
    void BUTTokClick();
    void FormResize();
    std::vector<std::string> NotesLines() const;
    int CaretLine() const;

    AppState& state_;
    bool refreshing_ = false;
    std::vector<TextField> fields_;
    QLineEdit* instName_ = nullptr;
    QLineEdit* projName_ = nullptr;
    QSpinBox* networkCount_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    QPushButton* ok_ = nullptr;
    QToolButton* import_ = nullptr;
    QFrame* separator_ = nullptr;
};

}  // namespace tavo
