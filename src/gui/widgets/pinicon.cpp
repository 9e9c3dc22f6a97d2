#include "gui/widgets/pinicon.h"

#include <QPainter>
#include <QPixmap>

QIcon PinIcon()
{
    const QColor head(192, 32, 32);
    const QColor needle(96, 96, 96);
    QIcon icon;
    // Drawn at scale 1 and 2, so that neither is an enlarged picture.
    for (const bool down : {false, true})
        for (const int ratio : {1, 2}) {
            QPixmap picture(12 * ratio, 12 * ratio);
            picture.setDevicePixelRatio(ratio);
            picture.fill(Qt::transparent);
            QPainter painter(&picture);
            painter.setRenderHint(QPainter::Antialiasing);
            if (down) {
                painter.setPen(QPen(head.darker(140), 1));
                painter.setBrush(head);
                painter.drawEllipse(QRectF(2.5, 2.5, 7, 7));
                painter.setBrush(Qt::white);
                painter.setPen(Qt::NoPen);
                painter.drawEllipse(QRectF(4, 4, 2, 2));
            } else {
                painter.setPen(QPen(needle, 1));
                painter.drawLine(QPointF(1, 6), QPointF(5, 6));
                painter.setPen(QPen(head.darker(140), 1));
                painter.setBrush(head);
                painter.drawRect(QRectF(5.5, 3.5, 2, 5));
                painter.drawRect(QRectF(7.5, 4.5, 2, 3));
                painter.drawRect(QRectF(9.5, 2.5, 1.5, 7));
            }
            painter.end();
            icon.addPixmap(picture, QIcon::Normal, down ? QIcon::On : QIcon::Off);
        }
    return icon;
}
