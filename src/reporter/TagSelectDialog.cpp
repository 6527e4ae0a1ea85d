#include "reporter/TagSelectDialog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>

#include "components/QtText.h"
#include "reporter/TagSelection.h"

namespace tavo {
namespace {

constexpr int kClientWidth = 486;
constexpr int kClientHeight = 175;
constexpr int kTopStrip = 41;
constexpr int kBottomStrip = 29;
constexpr int kItemHeight = 13;
constexpr int kDescriptionIndent = 120;
constexpr int kSlotRole = Qt::UserRole;

// Draws an item in two columns: the catalogue number at the left edge, the description 120
// pixels further right, both at the item's top, over the background the list prepares.
class TwoColumnItems : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool highlighted = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->fillRect(option.rect,
                          highlighted ? palette.highlight() : palette.brush(QPalette::Base));
        painter->setPen(highlighted ? palette.color(QPalette::HighlightedText)
                                    : palette.color(QPalette::Text));
        const TagItemParts parts = SplitTagListItem(FromQt(index.data().toString()));
        const QRect rect = option.rect;
        painter->drawText(QRect(rect.left(), rect.top(), kDescriptionIndent, rect.height()),
                          Qt::AlignLeft | Qt::AlignTop, ToQt(parts.CatalogueNumber));
        painter->drawText(QRect(rect.left() + kDescriptionIndent, rect.top(),
                                rect.width() - kDescriptionIndent, rect.height()),
                          Qt::AlignLeft | Qt::AlignTop, ToQt(parts.Description));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight};
    }
};

QLabel* Label(QWidget* parent, const char* name, const char* text, int left, int top,
              const char* hint, bool toolTip, bool blue) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    if (hint != nullptr) {
        label->setStatusTip(QString::fromLatin1(hint));
        if (toolTip) label->setToolTip(QString::fromLatin1(hint));
    }
    if (blue) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::blue);
        label->setPalette(palette);
    }
    return label;
}

QPushButton* Button(QWidget* parent, const char* name, const char* text, int left,
                    const char* hint) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 2, 75, 25);
    button->setToolTip(QString::fromLatin1(hint));
    button->setStatusTip(QString::fromLatin1(hint));
    return button;
}

}  // namespace

TfrmSelectTag::TfrmSelectTag(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("frmSelectTag"));
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);

    auto* top = new QFrame(this);
    top->setObjectName(QStringLiteral("Panel2"));
    top->setGeometry(0, 0, kClientWidth, kTopStrip);
    const char* typeHint = "Unit type code";
    const char* networkHint = "Network to which unit is attached to";
    Label(top, "Label1", "UnitType", 8, 0, typeHint, true, false);
    lblTypeCode_ = Label(top, "lblTypeCode", "", 56, 0, typeHint, true, true);
    Label(top, "Label4", "Network", 8, 12, networkHint, true, false);
    lblNetwork_ = Label(top, "lblNetwork", "", 56, 12, networkHint, true, true);
    Label(top, "Label3", "Address", 8, 26, "Address of the unit ", false, false);
    Label(top, "Label2", "Dec", 56, 26, nullptr, false, false);
    lblDec_ = Label(top, "lblDec", "", 85, 26, "Address of the unit (in decimal)", false, true);
    Label(top, "Label5", "Hex", 115, 26, nullptr, false, false);
    lblHex_ =
        Label(top, "lblHex", "", 144, 26, "Address of the unit  (in hexadecimal)", false, true);
    for (QLabel* label : top->findChildren<QLabel*>()) label->resize(label->sizeHint());

    lstTags_ = new QListWidget(this);
    lstTags_->setObjectName(QStringLiteral("lstTags"));
    lstTags_->setGeometry(0, kTopStrip, kClientWidth, kClientHeight - kTopStrip - kBottomStrip);
    lstTags_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTags_->setUniformItemSizes(true);
    lstTags_->setItemDelegate(new TwoColumnItems(lstTags_));
    const char* listHint = "Sublist of units with type code. Double-click to select a unit";
    lstTags_->setToolTip(QString::fromLatin1(listHint));
    lstTags_->setStatusTip(QString::fromLatin1(listHint));
    connect(lstTags_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });

    auto* bottom = new QFrame(this);
    bottom->setObjectName(QStringLiteral("Panel1"));
    bottom->setGeometry(0, kClientHeight - kBottomStrip, kClientWidth, kBottomStrip);
    btnOK_ = Button(bottom, "btnOK", "OK", 203, "Select hightlighted unit");
    btnOK_->setDefault(true);
    btnHelp_ = Button(bottom, "btnHelp", "Help", 400, "Show Help");
    connect(btnOK_, &QPushButton::clicked, this, [this] { accept(); });
    connect(btnHelp_, &QPushButton::clicked, this, [this] { btnHelpClick(); });
}

void TfrmSelectTag::Prepare(const Catalogue& units, const std::string& code,
                            const std::string& network, const std::string& addressDec,
                            const std::string& addressHex) {
    lstTags_->clear();
    for (int slot : SharedCodeSlots(units, code)) {
        auto* item = new QListWidgetItem(
            ToQt(TagListItem(units.UnitTable[static_cast<std::size_t>(slot)])), lstTags_);
        item->setData(kSlotRole, slot);
    }
    lstTags_->setCurrentRow(0);
    lblTypeCode_->setText(ToQt(code));
    lblNetwork_->setText(ToQt(network));
    lblDec_->setText(ToQt(addressDec));
    lblHex_->setText(ToQt(addressHex));
    for (QLabel* label : {lblTypeCode_, lblNetwork_, lblDec_, lblHex_})
        label->resize(label->sizeHint());
    setWindowTitle(ToQt(TagSelectionCaption(code)));
}

int TfrmSelectTag::HighlightedSlot() const {
    const QListWidgetItem* item = lstTags_->currentItem();
    return item != nullptr ? item->data(kSlotRole).toInt() : 0;
}

int TfrmSelectTag::SelectCatalogueEntry(const Catalogue& units, const std::string& code,
                                        const std::string& network, const std::string& addressDec,
                                        const std::string& addressHex) {
    Prepare(units, code, network, addressDec, addressHex);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    exec();
    return HighlightedSlot();
}

void TfrmSelectTag::reject() {
    // Escape or the window's close: the highlighted entry still counts.
    accept();
}

void TfrmSelectTag::btnHelpClick() {
    if (HelpTopic) HelpTopic("Loadingdatafromfile");
}

}  // namespace tavo
