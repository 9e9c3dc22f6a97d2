#include "gui/clocks/focusmarker.h"

#include "gui/clocks/clockcolumn.h"
#include "gui/widgets/zonedclock.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>

// A focus frame without a widget to follow: it places itself around a title
// and its clock together. Screen readers skip focus frames.
TFocusMarker::TFocusMarker(QWidget &window, const TClockColumn &column, const QWidget &pin,
                           const QWidget &strip)
    : QFocusFrame(&window), FWindow(window), FColumn(column), FPin(pin), FStrip(strip)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    connect(qApp, &QApplication::focusChanged, this, &TFocusMarker::Follow);
}

void TFocusMarker::SetShown(bool shown)
{
    FShown = shown;
    Follow();
}

void TFocusMarker::Follow()
{
    QRect area;
    const QWidget *focused = QApplication::focusWidget();
    if (FShown && focused != nullptr && focused->window() == &FWindow) {
        if (const int index = FColumn.IndexOf(focused); index >= 0)
            // The title and its clock are one clock to the user; the frame
            // keeps within the gaps around them.
            area = FColumn.Titles()[index]
                       ->geometry()
                       .united(FColumn.Clocks()[index]->geometry())
                       .adjusted(-2, -1, 2, 1);
        else if (focused == &FPin)
            // At the right edge, where the layout puts it when it next runs.
            area = QRect(QPoint(FWindow.width() - FPin.width(), FPin.y()), FPin.size());
    }
    Mark(area.intersected(FWindow.rect().adjusted(FStrip.width(), 0, 0, 0)));
}

void TFocusMarker::Mark(const QRect &area)
{
    if (area.isEmpty()) {
        hide();
        return;
    }
    setGeometry(area);
    raise();
    show();
}

void TFocusMarker::paintEvent(QPaintEvent *)
{
    // The colour of a selection in the user's theme, light or dark.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), 1.5));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), 2.5, 2.5);
}
