#include "components/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace tavo {
namespace {

// Each picture is drawn on a grid of 24 by 24 units and rendered at the sizes a tool bar
// asks for, so that it stays sharp on large screens.
using Drawing = std::function<void(QPainter&)>;

const QColor kOutline(40, 48, 64);

QIcon Render(const Drawing& draw) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        {
            QPainter painter(&picture);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(size / 24.0, size / 24.0);
            draw(painter);
        }
        icon.addPixmap(QPixmap::fromImage(picture), QIcon::Normal);
        icon.addPixmap(QPixmap::fromImage(DisabledPicture(picture)), QIcon::Disabled);
    }
    return icon;
}

// A sheet of paper with its top right corner folded over.
void Sheet(QPainter& painter, const QRectF& box, qreal fold) {
    QPainterPath sheet;
    sheet.moveTo(box.left(), box.top());
    sheet.lineTo(box.right() - fold, box.top());
    sheet.lineTo(box.right(), box.top() + fold);
    sheet.lineTo(box.right(), box.bottom());
    sheet.lineTo(box.left(), box.bottom());
    sheet.closeSubpath();
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(box.right() - fold, box.top());
    corner.lineTo(box.right() - fold, box.top() + fold);
    corner.lineTo(box.right(), box.top() + fold);
    corner.closeSubpath();
    painter.setBrush(QColor(200, 210, 225));
    painter.drawPath(corner);
}

void DrawNewPage(QPainter& painter) {
    Sheet(painter, QRectF(4.5, 1.5, 14, 20), 5);
    // A green plus: something new.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 150, 50));
    painter.drawEllipse(QRectF(12, 12, 11, 11));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(14.5, 16.75, 6, 1.5));
    painter.drawRect(QRectF(16.75, 14.5, 1.5, 6));
}

void DrawOpenFolder(QPainter& painter) {
    const QColor back(200, 140, 20);
    const QColor front(250, 195, 60);
    painter.setPen(QPen(back.darker(150), 1));
    painter.setBrush(back);
    QPainterPath folder;
    folder.moveTo(1.5, 4.5);
    folder.lineTo(8.5, 4.5);
    folder.lineTo(10.5, 6.5);
    folder.lineTo(19.5, 6.5);
    folder.lineTo(19.5, 19.5);
    folder.lineTo(1.5, 19.5);
    folder.closeSubpath();
    painter.drawPath(folder);
    // A sheet sticking out of the open folder.
    painter.setPen(QPen(kOutline, 0.8));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 8.5, 12, 8));
    // The front flap, tilted open.
    painter.setPen(QPen(back.darker(150), 1));
    painter.setBrush(front);
    const QPointF flap[] = {{5.5, 10.5}, {22.5, 10.5}, {19.5, 19.5}, {1.5, 19.5}};
    painter.drawPolygon(flap, 4);
}

void DrawSaveDisk(QPainter& painter) {
    const QColor body(30, 90, 190);
    painter.setPen(QPen(body.darker(160), 1));
    painter.setBrush(body);
    QPainterPath disk;
    disk.moveTo(2.5, 2.5);
    disk.lineTo(18.5, 2.5);
    disk.lineTo(21.5, 5.5);
    disk.lineTo(21.5, 21.5);
    disk.lineTo(2.5, 21.5);
    disk.closeSubpath();
    painter.drawPath(disk);
    // The label, with its lines.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(5, 3, 13, 8));
    painter.setBrush(QColor(150, 170, 200));
    painter.drawRect(QRectF(7, 5, 9, 1));
    painter.drawRect(QRectF(7, 7.5, 9, 1));
    // The metal shutter.
    painter.setBrush(QColor(205, 210, 220));
    painter.drawRect(QRectF(6, 14, 12, 7.5));
    painter.setBrush(body.darker(130));
    painter.drawRect(QRectF(13, 15.5, 3, 4.5));
}

void DrawPrinter(QPainter& painter) {
    // The paper going in at the top.
    Sheet(painter, QRectF(6.5, 1.5, 11, 9), 3);
    // The body.
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(QColor(60, 90, 150));
    painter.drawRoundedRect(QRectF(1.5, 8.5, 21, 10), 2, 2);
    // The printed sheet coming out at the front.
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(5.5, 14.5, 13, 8));
    painter.setPen(QPen(QColor(30, 90, 190), 1));
    painter.drawLine(QPointF(7.5, 17.5), QPointF(16.5, 17.5));
    painter.drawLine(QPointF(7.5, 20), QPointF(14, 20));
    // The ready light.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 200, 60));
    painter.drawEllipse(QRectF(18, 10.5, 2.5, 2.5));
}

void DrawDetails(QPainter& painter) {
    // A clipboard holding the project's form.
    painter.setPen(QPen(QColor(110, 70, 30), 1));
    painter.setBrush(QColor(175, 120, 60));
    painter.drawRoundedRect(QRectF(3.5, 2.5, 17, 20), 1.5, 1.5);
    painter.setPen(QPen(kOutline, 0.8));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(5.5, 5.5, 13, 15));
    painter.setBrush(QColor(160, 165, 175));
    painter.drawRoundedRect(QRectF(8.5, 1, 7, 3.5), 1, 1);
    // Its fields: a blue heading and lines of text.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 90, 190));
    painter.drawRect(QRectF(7, 7.5, 10, 2));
    painter.setBrush(QColor(120, 130, 150));
    for (const qreal y : {11.5, 14.0, 16.5}) painter.drawRect(QRectF(7, y, y < 16 ? 10 : 6, 1));
}

}  // namespace

QImage DisabledPicture(const QImage& picture) {
    QImage grey = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb pixel = line[x];
            // Lighter grey of the same brightness order, at half the opacity.
            const int level = 128 + qGray(pixel) / 2;
            line[x] = qRgba(level, level, level, qAlpha(pixel) / 2);
        }
    }
    return grey;
}

QIcon NewPageIcon() {
    return Render(DrawNewPage);
}

QIcon OpenFolderIcon() {
    return Render(DrawOpenFolder);
}

QIcon SaveDiskIcon() {
    return Render(DrawSaveDisk);
}

QIcon PrinterIcon() {
    return Render(DrawPrinter);
}

QIcon DetailsIcon() {
    return Render(DrawDetails);
}

}  // namespace tavo
