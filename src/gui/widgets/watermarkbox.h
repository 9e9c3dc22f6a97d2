// The brand strip: a paint box showing a picture composed once off-screen,
// which opens the maker's home page when clicked.
#pragma once

#include <QImage>
#include <QWidget>

class QPainter;

class TWatermarkBox : public QWidget
{
    Q_OBJECT

public:
    explicit TWatermarkBox(QWidget *parent = nullptr);

    // The cached picture, at the box's device pixel ratio; painting copies
    // from it and never composes.
    QImage &Bitmap() { return FBitmap; }
    const QImage &Bitmap() const { return FBitmap; }

Q_SIGNALS:
    // Left button pressed and released over the box.
    void Clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage FBitmap;
    bool FPressed = false;
};

// Copies the clip rectangle (logical) of bitmap to the same place on the
// painter's device, at the bitmap's device pixel ratio.
void PaintStrip(QPainter &painter, const QImage &bitmap, const QRect &clip);

// Opens the maker's home page, after showing its address when asked to.
void OpenHomePage(bool showAddressFirst);

// Recomposes the clocks window's side strip for the window's current size and
// the box's device pixel ratio, and sets the window's minimum height for it. A picture that cannot
// be loaded leaves the strip and the minimum height as they were.
void BuildSideWatermark(QWidget &window, TWatermarkBox &box, int brandPanelHeight);
