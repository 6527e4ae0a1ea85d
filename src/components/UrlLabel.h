#pragma once

#include <QLabel>
#include <QUrl>
#include <functional>

namespace tavo {

// The address a new URL label shows until it is given its own.
inline constexpr const char* kUrlLabelDefaultAddress = "https://www.zorvane-components.example/";

// A label that looks like a web link (blue, underlined, hand cursor) and, when clicked,
// opens its caption with the desktop's handler for web addresses.
class TZorUrlLabel : public QLabel {
    Q_OBJECT
  public:
    // Opens an address; true when the desktop took it.
    using Opener = std::function<bool(const QUrl&)>;

    explicit TZorUrlLabel(QWidget* parent = nullptr);

    // The caption, which is the address a click opens.
    QString Address() const { return text(); }
    void SetAddress(const QString& address) { setText(address); }

    // Replaces the way addresses are opened (tests open nothing).
    void SetOpener(Opener opener) { opener_ = std::move(opener); }

    // Opens the caption; what a click does after its normal handling.
    bool Open();

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Opener opener_;
    bool pressed_ = false;
};

}  // namespace tavo
