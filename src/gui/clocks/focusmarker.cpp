#include "gui/clocks/focusmarker.h"

#include <QPainter>

// A focus frame without a widget to follow: the window places it, around a
// title and its clock together. Screen readers skip focus frames.
TFocusMarker::TFocusMarker(QWidget &window) : QFocusFrame(&window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
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
