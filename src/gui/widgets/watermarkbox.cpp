#include "watermarkbox.h"

#include "gui/widgets/branding.h"
#include "gui/widgets/brandpainting.h"
#include "gui/widgets/messagedialog.h"
#include "gui/widgets/urllabel.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TWatermarkBox::TWatermarkBox(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void TWatermarkBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    PaintStrip(painter, FBitmap, event->rect());
}

void TWatermarkBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        FPressed = true;
    QWidget::mousePressEvent(event);
}

void TWatermarkBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const bool click = FPressed && rect().contains(event->position().toPoint());
        FPressed = false;
        if (click)
            Q_EMIT Clicked();
    }
    QWidget::mouseReleaseEvent(event);
}

void PaintStrip(QPainter &painter, const QImage &bitmap, const QRect &clip)
{
    const qreal ratio = bitmap.devicePixelRatio();
    const QRect part =
        clip.intersected(QRect(QPoint(0, 0), bitmap.deviceIndependentSize().toSize()));
    if (!part.isEmpty())
        painter.drawImage(QRectF(part), bitmap,
                          QRectF(part.topLeft() * ratio, QSizeF(part.size()) * ratio));
}

void OpenHomePage(bool showAddressFirst)
{
    const QString address = BrandHomePage.toString();
    // Only a notice of where the browser is going: no sound.
    if (showAddressFirst)
        MessageDlg(address, TMsgDlgType::Custom, QMessageBox::Ok);
    OpenLink(address);
}

void BuildSideWatermark(QWidget &window, TWatermarkBox &box, int brandPanelHeight)
{
    const auto wordMark = LoadWordMark(TWordMark::Vertical, box.devicePixelRatioF());
    if (!wordMark)
        return;
    window.setMinimumHeight(SideWatermarkMinHeight(*wordMark, brandPanelHeight));
    PaintSideWatermark(box.Bitmap(), box.size(), window.rect(), *wordMark);
    // Qt repaints a resized box on its own, but not one whose size stayed
    // while the window around it changed.
    box.update();
}
