// The frame that shows which clock or button of the "World Times" window has
// the keyboard focus. The window's parts have no frames of their own and the
// pin is too small for a style's focus rectangle to be seen, so the window
// lays this one over the part that has the focus.
#pragma once

#include <QFocusFrame>

class TClockColumn;

class TFocusMarker : public QFocusFrame
{
    Q_OBJECT

public:
    // A child of window, hidden until shown; it frames a clock of column
    // (title and clock together) or the pin, and stays clear of strip. All
    // must outlive it.
    TFocusMarker(QWidget &window, const TClockColumn &column, const QWidget &pin,
                 const QWidget &strip);

    // Shown once a key is pressed or a second start called the window up,
    // hidden by a click: a frame the mouse user did not ask for is noise.
    void SetShown(bool shown);
    bool Shown() const { return FShown; }
    // Around the part that has the focus now, or hidden.
    void Follow();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Frames area (the window's coordinates), drawn above every other part;
    // an empty area hides the frame.
    void Mark(const QRect &area);

    QWidget &FWindow;
    const TClockColumn &FColumn;
    const QWidget &FPin;
    const QWidget &FStrip;
    bool FShown = false;
};
