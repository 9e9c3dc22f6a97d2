#include "boldlabel.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QStyle>

qreal MissingEmboldening(const QFont &font, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1 || font.weight() < QFont::DemiBold)
        return 0;
    const QFontInfo face(font);
    if (QFontDatabase::weight(face.family(), face.styleName()) >= QFont::DemiBold)
        return 0; // a real bold face, drawn at the screen's size
    // FreeType thickens a made-up bold by a 24th of its size in pixels; Qt
    // asks for the logical size, so the screen's size lacks the difference.
    return (devicePixelRatio - 1) * face.pixelSize() / 24.0;
}

void DrawFullBold(QPainter &painter, qreal missing, qreal devicePixelRatio,
                  const std::function<void()> &draw)
{
    draw();
    if (missing > 0) {
        painter.save();
        painter.translate(missing / devicePixelRatio, 0);
        draw();
        painter.restore();
    }
}

TBoldLabel::TBoldLabel(QWidget *parent) : QLabel(parent)
{
    // The titles are the user's words: "<b>" in one is text.
    setTextFormat(Qt::PlainText);
}

void TBoldLabel::paintEvent(QPaintEvent *event)
{
    const qreal ratio = devicePixelRatioF();
    const qreal missing = MissingEmboldening(font(), ratio);
    if (missing <= 0 || textFormat() != Qt::PlainText) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int flags = QStyle::visualAlignment(layoutDirection(), alignment()) |
                      (wordWrap() ? Qt::TextWordWrap : 0);
    DrawFullBold(painter, missing, ratio, [&] {
        style()->drawItemText(&painter, area, flags, palette(), isEnabled(), text(),
                              foregroundRole());
    });
}
