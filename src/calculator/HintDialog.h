#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "core/AppState.h"

namespace tavo {

// The hint dialog: a small borderless light-yellow window that explains a problem of the
// network in a few lines (Memo1) or shows the data of the selected unit type (grdDisplay).
// A click on it, a key pressed in it or closing it hides it.
class TDLGUnitHint : public QDialog {
    Q_OBJECT
  public:
    explicit TDLGUnitHint(AppState& state, QWidget* parent = nullptr);

    void ShowTopic(int topic);
    // The topic's text in a modal warning box instead of the dialog.
    void ShowTopicAsMessage(int topic);

    // The memo's lines as shown.
    QStringList MemoLines() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void ShowLines(const std::vector<std::string>& lines);
    void ShowUnitData();
    void SizeForMemo();
    void SizeForTable();
    void SetTableRow(int row, const QString& label, const QString& value);

    AppState& state_;
    QPlainTextEdit* memo_;
    QTableWidget* table_;
};

}  // namespace tavo
