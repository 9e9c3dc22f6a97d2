// Text whose bold stays bold on a scaled screen.
#pragma once

#include <QFont>
#include <QLabel>
#include <functional>

class QPainter;

// How many device pixels of emboldening Qt leaves out when it draws font in
// a bold it makes up (the family has no bold face) at devicePixelRatio: 0
// when nothing is missing.
qreal MissingEmboldening(const QFont &font, qreal devicePixelRatio);

// Calls draw to draw text on painter, and where missing (MissingEmboldening)
// is more than 0, once more shifted by it.
void DrawFullBold(QPainter &painter, qreal missing, qreal devicePixelRatio,
                  const std::function<void()> &draw);

// A plain-text label. Qt makes up a bold from the outlines of the size in
// logical pixels and then scales the result: at scale 2 the strokes thicken
// by half of what the same text gets at scale 1, so a made-up bold reads as
// regular. This label draws its text a second time, shifted by what is
// missing, as the bold would look drawn at the screen's size.
class TBoldLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TBoldLabel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
