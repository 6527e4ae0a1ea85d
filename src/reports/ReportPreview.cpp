#include "reports/ReportPreview.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>
#include <optional>

namespace tavo {

// The paper of the page shown, painted on demand.
class TReportPreview::PageView : public QWidget {
  public:
    PageView(TReportPreview& preview) : QWidget(&preview), preview_(preview) {
        setObjectName(QStringLiteral("PreviewPage"));
        setAutoFillBackground(false);
    }
    void Forget() { page_.reset(); }
    double DotsPerInch = 96.0;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        if (!page_ || page_->Number != preview_.page_) page_ = preview_.run_.LayOut(preview_.page_);
        // Fonts are sized for the screen's own resolution; the zoom scales the whole page.
        const double screen = logicalDpiX();
        painter.scale(DotsPerInch / screen, DotsPerInch / screen);
        preview_.painter_.Paint(painter, *page_, screen);
    }

  private:
    TReportPreview& preview_;
    std::optional<Page> page_;
};

namespace {

QToolButton* Tool(QWidget* parent, const char* name, const char* text, const char* hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromLatin1(text));
    button->setToolTip(QString::fromLatin1(hint));
    button->setStatusTip(QString::fromLatin1(hint));
    return button;
}

}  // namespace

TReportPreview::TReportPreview(ReportRun& run, const ReportLayout& layout, ReportPainter& painter,
                               QWidget* parent)
    : QDialog(parent), run_(run), layout_(layout), painter_(painter) {
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral("Print Preview"));
    setModal(true);
    auto* layoutBox = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout();
    QToolButton* first = Tool(this, "btnFirstPage", "|<", "First page");
    QToolButton* prior = Tool(this, "btnPriorPage", "<", "Previous page");
    QToolButton* next = Tool(this, "btnNextPage", ">", "Next page");
    QToolButton* last = Tool(this, "btnLastPage", ">|", "Last page");
    pageLabel_ = new QLabel(this);
    pageLabel_->setObjectName(QStringLiteral("lblPreviewPage"));
    zoomBox_ = new QComboBox(this);
    zoomBox_->setObjectName(QStringLiteral("cbxZoom"));
    zoomBox_->addItem(QStringLiteral("Whole page"), -1);
    zoomBox_->addItem(QStringLiteral("Page width"), 0);
    for (int percent : {50, 75, 100, 150, 200})
        zoomBox_->addItem(QStringLiteral("%1%").arg(percent), percent);
    zoomBox_->setCurrentIndex(1);
    QToolButton* print = Tool(this, "btnPreviewPrint", "Print", "Print the report");
    QToolButton* save =
        Tool(this, "btnPreviewSave", "Save as PDF", "Save the report as a PDF file");
    QToolButton* close = Tool(this, "btnPreviewClose", "Close", "Close the preview");
    for (QWidget* widget : std::initializer_list<QWidget*>{first, prior, pageLabel_, next, last,
                                                           zoomBox_, print, save})
        bar->addWidget(widget);
    bar->addStretch(1);
    bar->addWidget(close);
    layoutBox->addLayout(bar);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("PreviewScroll"));
    scroll_->setAlignment(Qt::AlignHCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    view_ = new PageView(*this);
    scroll_->setWidget(view_);
    layoutBox->addWidget(scroll_, 1);

    connect(first, &QToolButton::clicked, this, [this] { ShowPage(1); });
    connect(prior, &QToolButton::clicked, this, [this] { ShowPage(page_ - 1); });
    connect(next, &QToolButton::clicked, this, [this] { ShowPage(page_ + 1); });
    connect(last, &QToolButton::clicked, this, [this] { ShowPage(run_.PageCount()); });
    connect(zoomBox_, &QComboBox::currentIndexChanged, this,
            [this](int index) { SetZoom(zoomBox_->itemData(index).toInt()); });
    connect(print, &QToolButton::clicked, this, [this] {
        if (PrintRequested) PrintRequested();
    });
    connect(save, &QToolButton::clicked, this, [this] {
        if (SaveRequested) SaveRequested();
    });
    connect(close, &QToolButton::clicked, this, &QDialog::accept);
    auto* down = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    connect(down, &QShortcut::activated, this, [this] { ShowPage(page_ + 1); });
    auto* up = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    connect(up, &QShortcut::activated, this, [this] { ShowPage(page_ - 1); });

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(area.width() * 3 / 4, area.height() * 7 / 8);
    } else {
        resize(900, 700);
    }
    ShowPage(1);
}

void TReportPreview::ShowPage(int page) {
    const int count = run_.PageCount();
    page_ = std::clamp(page, 1, std::max(count, 1));
    pageLabel_->setText(QString::fromStdString(PageDescription(page_, count)));
    view_->Forget();
    Resize();
    view_->update();
}

void TReportPreview::SetZoom(int percent) {
    zoom_ = percent;
    Resize();
    view_->update();
}

void TReportPreview::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Resize();
}

void TReportPreview::Resize() {
    // The paper's size as laid out, in inches.
    const bool landscape = layout_.Page.Orientation == PaperOrientation::Landscape;
    const double paperWidth = (landscape ? 297.0 : 210.0) / 25.4;
    const double paperHeight = (landscape ? 210.0 : 297.0) / 25.4;
    // Room for the page beside a vertical scroll bar, so that "Page width" needs no other.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize room = scroll_->size() - QSize(bar + 8, 8);
    double dpi = logicalDpiX() * (zoom_ > 0 ? zoom_ / 100.0 : 1.0);
    if (zoom_ == 0) dpi = room.width() / paperWidth;
    if (zoom_ < 0) dpi = std::min(room.width() / paperWidth, room.height() / paperHeight);
    dpi = std::max(dpi, 10.0);
    view_->DotsPerInch = dpi;
    view_->resize(static_cast<int>(paperWidth * dpi), static_cast<int>(paperHeight * dpi));
}

}  // namespace tavo
