// The frame that shows which clock or button of the "World Times" window has
// the keyboard focus. The window's parts have no frames of their own and the
// pin is too small for a style's focus rectangle to be seen, so the window
// lays this one over the part that has the focus.
#pragma once

#include <QFocusFrame>

class TFocusMarker : public QFocusFrame
{
    Q_OBJECT

public:
    // A child of window, hidden until Mark.
    explicit TFocusMarker(QWidget &window);

    // Frames area (the window's coordinates), drawn above every other part;
    // an empty area hides the frame.
    void Mark(const QRect &area);

protected:
    void paintEvent(QPaintEvent *event) override;
};
