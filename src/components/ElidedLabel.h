#pragma once

#include <QLabel>
#include <QString>

namespace tavo {

// A one-line label for a name of any length: it shows as much of the name as its width
// allows, cut with "..." at the end, and the whole name as its tool tip while it is cut. It
// asks its layout for no more than the "...", so a long name never widens the window.
class TElidedLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TElidedLabel(QWidget* parent = nullptr);

    void SetFullText(const QString& text);
    const QString& FullText() const { return full_; }
    bool IsElided() const { return text() != full_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void Elide();

    QString full_;
};

}  // namespace tavo
